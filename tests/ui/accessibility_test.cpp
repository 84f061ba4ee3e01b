// Screen readers and the keyboard alone: names of fields and lists, display-only fields, the tab
// order of Main and the calibration windows, and using them without a mouse.
#include "harness.hpp"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace harness;

namespace {
const QString lxSeries = QStringLiteral("Lx Mode (Calculate L)");

// Opens a window the way the user does: Main is open already, Calibrate opens the calibration
// window of the chosen mode.
QWidget* open(const QString& name)
{
    if (name == QLatin1String("Cal_Lx"))
        pick("Main", "Combo1", lxSeries);
    if (name != QLatin1String("Main"))
        click("Main", "Command3");
    QWidget* w = window(name.toLatin1().constData());
    if (!w || !QTest::qWaitForWindowExposed(w) || !activate(w))
        return nullptr;
    return w;
}

QString spokenName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The fields and lists of a window; an editable list's own line edit is part of the list.
QList<QWidget*> inputs(QWidget* window)
{
    QList<QWidget*> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(w))
            found << w;
        else if (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()))
            found << w;
    }
    return found;
}

// What Tab can land on, as QApplication moves the focus: a widget that takes focus by Tab and
// hands it to no proxy.
bool takesTab(const QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

QStringList names(const QList<QWidget*>& widgets)
{
    QStringList result;
    for (const QWidget* w : widgets)
        result << w->objectName();
    return result;
}

const QStringList mainOrder{"Command2", "Command3", "Command1", "Combo1", "Text1",
                            "Combo2",   "Text2",    "Combo3",   "Text3",  "Text4",
                            "Combo4",   "Text5",    "Text6",    "Text7"};
const QStringList calibrationOrder{"Text1",    "Text2", "Text4",  "Command1", "Command2",
                                   "Command3", "Text5", "Combo1", "Combo2",   "Combo4",
                                   "Combo5",   "Text6", "Combo6"};
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        resetProgram();
        QVERIFY(startProgram());
    }
    void cleanup()
    {
        const auto boxes = BoxCatcher::instance().take();
        QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected box: ") +
                                             (boxes.isEmpty() ? QString() : boxes.first().text)));
        resetProgram();
    }

    // A field is read out by the label in front of it, a unit list as that field's unit.
    void namedByLabel_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* w, const char* c, const char* n) {
            QTest::addRow("%s.%s", w, c)
                << QString::fromLatin1(w) << QString::fromLatin1(c) << QString::fromLatin1(n);
        };
        row("Main", "Combo1", "Select Mode");
        row("Main", "Text1", "Enter Freq");
        row("Main", "Combo2", "Enter Freq unit");
        row("Main", "Text7", "Stray Inductance (nH)");
        row("Main", "Text2", "Lx Value");
        row("Main", "Combo3", "Lx Value unit");
        row("Main", "Text4", "Cx Value");
        row("Main", "Combo4", "Cx Value unit");
        row("Main", "Text3", "F1");
        row("Main", "Text5", "C1");
        row("Main", "Text6", "L1");
        for (const char* w : {"Cal_Lx", "Cal_Cx"}) {
            const bool series = QByteArray(w) == "Cal_Lx";
            row(w, "Text1", "Enter Freq 1");
            row(w, "Combo1", "Enter Freq 1 unit");
            row(w, "Text2", "Enter Freq 2");
            row(w, "Combo2", "Enter Freq 2 unit");
            row(w, "Text6", series ? "Enter L0" : "Enter C0");
            row(w, "Combo6", series ? "Enter L0 unit" : "Enter C0 unit");
            row(w, "Text4", "C1 Value");
            row(w, "Combo4", "C1 Value unit");
            row(w, "Text5", "L1+Ls Value");
            row(w, "Combo5", "L1+Ls Value unit");
        }
    }
    void namedByLabel()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* w = open(window);
        QVERIFY(w);
        auto* widget = w->findChild<QWidget*>(control);
        QVERIFY(widget);
        QVERIFY2(!spokenName(widget).isEmpty(), "no accessible name");
        if (qobject_cast<QComboBox*>(widget)) {
            QCOMPARE(widget->accessibleName(), name);
#ifndef Q_OS_UNIX
            // Elsewhere Qt reads a list out by its current item, whatever its accessible name.
            QCOMPARE(spokenName(widget), name);
#endif
        } else {
            QCOMPARE(spokenName(widget), name);
        }
    }

    // No field or list of a window is left without a name, including ones added later.
    void everyInputNamed_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* w : {"Main", "Cal_Lx", "Cal_Cx"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void everyInputNamed()
    {
        QFETCH(QString, window);
        QWidget* w = open(window);
        QVERIFY(w);
        const QList<QWidget*> all = inputs(w);
        QVERIFY(!all.isEmpty());
        QStringList unnamed;
        for (QWidget* input : all) {
            const bool list = qobject_cast<QComboBox*>(input) != nullptr;
            if ((list ? input->accessibleName() : spokenName(input)).isEmpty())
                unnamed << input->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
    }

    // The results and the calibration figures of Main are shown, not typed, yet a screen reader
    // user must be able to move onto them to hear them.
    void displayOnlyFields()
    {
        QWidget* w = window("Main");
        const QStringList shown{"Text2", "Text3", "Text4", "Text5", "Text6"};
        for (auto* field : w->findChildren<QLineEdit*>()) {
            const bool displayOnly = shown.contains(field->objectName());
            QCOMPARE(field->isReadOnly(), displayOnly);
            QVERIFY2(takesTab(field), qPrintable(field->objectName()));
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(field);
            QCOMPARE(bool(iface->state().readOnly), displayOnly);
            QVERIFY(iface->state().focusable);
        }
    }

    // The declared order of every control Tab can reach, whatever is disabled or hidden now.
    void focusChain_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Main") << QStringLiteral("Main") << mainOrder;
        QTest::newRow("Cal_Lx") << QStringLiteral("Cal_Lx") << calibrationOrder;
        QTest::newRow("Cal_Cx") << QStringLiteral("Cal_Cx") << calibrationOrder;
    }
    void focusChain()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QWidget* w = open(window);
        QVERIFY(w);
        auto* first = w->findChild<QWidget*>(order.first());
        QVERIFY(first);
        QList<QWidget*> chain{first};
        for (QWidget* next = first->nextInFocusChain(); next != first;
             next = next->nextInFocusChain()) {
            QVERIFY2(chain.size() < 1000, "the focus chain does not come back");
            if (takesTab(next) && next->window() == w)
                chain << next;
        }
        QCOMPARE(names(chain), order);
    }

    // Pressing Tab visits the reachable controls in that order and comes back to the first;
    // Shift+Tab goes the other way.
    void tabKey_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Main, Cx mode") << QStringLiteral("Main") << QString() << mainOrder;
        QTest::newRow("Main, Lx series mode") << QStringLiteral("Main") << lxSeries << mainOrder;
        QTest::newRow("Cal_Lx") << QStringLiteral("Cal_Lx") << QString() << calibrationOrder;
        QTest::newRow("Cal_Cx") << QStringLiteral("Cal_Cx") << QString() << calibrationOrder;
    }
    void tabKey()
    {
        QFETCH(QString, window);
        QFETCH(QString, mode);
        QFETCH(QStringList, order);
        if (!mode.isEmpty()) {
            pick("Main", "Combo1", mode);
            QVERIFY(activate(harness::window("Main")));
        }
        QWidget* w = open(window);
        QVERIFY(w);
        QList<QWidget*> reachable;
        for (const QString& name : order) {
            auto* widget = w->findChild<QWidget*>(name);
            QVERIFY(widget);
            if (widget->isVisible() && widget->isEnabled())
                reachable << widget;
        }
        QVERIFY(reachable.size() >= order.size() - 2);

        reachable.first()->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), reachable.first());
        QStringList visited;
        for (qsizetype i = 0; i < reachable.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, names(reachable.mid(1) << reachable.first()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), reachable.last());
    }

    // Main without a mouse: arrow keys choose the mode, Space presses a button.
    void mainByKeyboard()
    {
        QWidget* main = window("Main");
        auto* modes = child<QComboBox>("Main", "Combo1");
        auto* field = child<QLineEdit>("Main", "Text1");
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(field, QStringLiteral("400"));

        modes->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(modes, Qt::Key_Down);
        QCOMPARE(modes->currentText(), QStringLiteral("Cx Mode (Calculate L)"));
        QTRY_COMPARE(openWindows(), (QStringList{"CxL_Image", "Main"}));
        QTest::keyClick(modes, Qt::Key_Down);
        QCOMPARE(modes->currentText(), lxSeries);
        QTRY_COMPARE(openWindows(), (QStringList{"Lx_Image", "Main"}));

        // The new picture window may take the focus as it opens (it does on X11); the user
        // comes back to Main with the window manager's keys.
        QVERIFY(activate(main));
        auto* reset = child<QPushButton>("Main", "Command2");
        reset->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(reset, Qt::Key_Space);
        QCOMPARE(field->text(), QString());
    }

    // A calibration window without a mouse: arrow keys choose a unit, Space on Return goes back
    // to Main, which takes the keyboard again.
    void calibrationByKeyboard()
    {
        QWidget* cal = open(QStringLiteral("Cal_Cx"));
        QVERIFY(cal);
        auto* unit = child<QComboBox>("Cal_Cx", "Combo1");
        const int before = unit->currentIndex();
        unit->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(unit, Qt::Key_Down);
        QCOMPARE(unit->currentIndex(), before + 1);
        QTest::keyClick(unit, Qt::Key_Up);
        QCOMPARE(unit->currentIndex(), before);

        auto* back = child<QPushButton>("Cal_Cx", "Command3");
        back->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(back, Qt::Key_Space);
        QTRY_VERIFY(!window("Cal_Cx"));
        QWidget* main = window("Main");
        QVERIFY(main->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), main);
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == main);
    }
};

QUORVANT_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
