// Screen readers and the keyboard alone: Tab visits the controls of Main and of both calibration
// windows in order and Shift+Tab in the reverse order, every field and list it reaches has a name,
// the display-only fields are read-only yet reachable, the arrow keys choose a unit and Space
// presses a button.
#include "harness.hpp"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>

using namespace harness;

class AccessibilityTest : public WindowTest {
    Q_OBJECT

private slots:

    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("mode");
        // The controls from the first on, Main's read-only fields marked '*'.
        QTest::addColumn<QString>("order");
        const QString calibration = "Text1 Text2 Text4 Command1 Command2 Command3 Text5 Combo1 "
                                    "Combo2 Combo4 Combo5 Text6 Combo6";
        const QString main = "Command2 Command3 Command1 Combo1 Text1 Combo2 *Text2 "; // both modes
        QTest::newRow("Main Cx C") << "Main" << cxc << main + "*Text3 *Text4 Combo4 *Text5 *Text6";
        QTest::newRow("Main Lx") << "Main" << lx
                                 << main + "Combo3 *Text3 *Text4 *Text5 *Text6 Text7";
        QTest::newRow("Cal_Cx") << "Cal_Cx" << cxc << calibration;
        QTest::newRow("Cal_Lx") << "Cal_Lx" << lx << calibration;
    }
    // Tab from the first control visits each reachable one and comes back to the first; Shift+Tab
    // goes the same way back. A field is named by its own name or its label's; a list by its own,
    // since on some desktops Qt reads a list out by its current item.
    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QString, mode);
        QFETCH(QString, order);
        pick("Main", "Combo1", mode);
        QVERIFY(activate(openFromMain(qPrintable(window))));
        QWidget* f = child<QWidget>(qPrintable(window), qPrintable(order.section(' ', 0, 0)));
        f->setFocus(Qt::TabFocusReason);
        QStringList seen; // a control without a name marked '?'
        for (; seen.size() <= order.count(' '); f = qApp->focusWidget()) {
            auto* a = QAccessible::queryAccessibleInterface(f);
            const bool list = qobject_cast<QComboBox*>(f);
            const QString n = list ? f->accessibleName() : a->text(QAccessible::Name);
            const bool readOnly = window == "Main" && a->state().readOnly; // Main's results
            seen << (readOnly ? "*" : "") + f->objectName() + (n.isEmpty() ? "?" : "");
            QTest::keyClick(f, Qt::Key_Tab);
        }
        QCOMPARE(seen.join(' '), order);
        QCOMPARE(f->objectName(), order.section(' ', 0, 0)); // round to the first
        QStringList back;
        for (int i = 0; i <= order.count(' '); ++i) {
            QTest::keyClick(f, Qt::Key_Tab, Qt::ShiftModifier);
            f = qApp->focusWidget();
            back.prepend(f->objectName());
        }
        QCOMPARE(back.join(' '), QString(order).remove('*'));
    }

    // On Main's focused unit list Down and Up choose the next and the previous unit; Space on the
    // focused Reset button empties the frequency.
    void arrowsAndSpace()
    {
        auto* unit = child<QComboBox>("Main", "Combo2");
        unit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(unit, Qt::Key_Down);
        QCOMPARE(unit->currentText(), QString("KHz"));
        QTest::keyClick(unit, Qt::Key_Up);
        QCOMPARE(unit->currentText(), QString("Hz"));
        type("Main", "Text1", "400");
        auto* reset = child<QWidget>("Main", "Command2");
        reset->setFocus(Qt::TabFocusReason);
        QTest::keyClick(reset, Qt::Key_Space);
        QCOMPARE(text("Main", "Text1"), QString());
    }

    // What screen readers are told of each window and of what Qt alone would leave unnamed: a
    // window or dialog for each window, a grouping (not a second window) for each frame, the
    // picture as a graphic described in words, and the lists' descriptions.
    void roles_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("picture"); // words of the picture's description; "": none
        // clang-format off
        QTest::newRow("Main")    << cxc << "Main"     << int(QAccessible::Window) << "";
        QTest::newRow("picture") << lx  << "Lx_Image" << int(QAccessible::Window) << "Lx is in series";
        QTest::newRow("Cal_Lx")  << lx  << "Cal_Lx"   << int(QAccessible::Dialog) << "";
        QTest::newRow("Help")    << cxc << "Help"     << int(QAccessible::Dialog) << "";
        // clang-format on
    }
    void roles()
    {
        QFETCH(QString, mode);
        QFETCH(QString, window);
        QFETCH(int, role);
        QFETCH(QString, picture);
        pick("Main", "Combo1", mode);
        QWidget* w = openFromMain(qPrintable(window));
        QVERIFY(w);
        QCOMPARE(int(QAccessible::queryAccessibleInterface(w)->role()), role);
        const auto frame =
            QAccessible::queryAccessibleInterface(child<QWidget>(qPrintable(window), "Frame1"));
        QCOMPARE(frame->role(), QAccessible::Grouping);
        // A picture window has its picture, described; no other window has one.
        auto* image = w->findChild<QWidget*>(QStringLiteral("Image1"));
        QCOMPARE(image != nullptr, !picture.isEmpty());
        if (image) {
            const auto a = QAccessible::queryAccessibleInterface(image);
            QCOMPARE(a->role(), QAccessible::Graphic);
            QVERIFY(a->text(QAccessible::Description).contains(picture));
        }
        for (auto* list : w->findChildren<QComboBox*>())
            QVERIFY2(!list->accessibleDescription().isEmpty(), qPrintable(list->objectName()));
    }
};

QUORVANT_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
