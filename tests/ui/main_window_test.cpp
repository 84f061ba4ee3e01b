// Main: start-up state, modes, keys, reset and measuring through the window.
#include "harness.hpp"

#include <quorvant/messages.hpp>
#include <quorvant/record.hpp>
#include <toolkit/text.hpp>
#include <ui/calibration_window.hpp>
#include <ui/forms.hpp>
#include <ui/help_window.hpp>
#include <ui/main_window.hpp>
#include <ui/picture_window.hpp>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

using namespace harness;

namespace {

const QString lxSeries = QStringLiteral("Lx Mode (Calculate L)");
const QString cxParallel = QStringLiteral("Cx Mode (Calculate C)");
const QString lxParallel = QStringLiteral("Cx Mode (Calculate L)");

const QString divisionByZero = displayed(toolkit::qtText(quorvant::messages::measurementDivisionByZero));
const QString outOfRange = displayed(toolkit::qtText(quorvant::messages::outOfRange));

// Lets the event loop run once, as it does between two user actions, including the deferred
// destruction of closed windows.
void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

QWidget* mainWindow() { return window("Main"); }
ui::MainWindow* mainForm() { return ui::forms().main.get(); }

QString pictureOf(const QString& mode)
{
    if (mode == lxSeries)
        return QStringLiteral("Lx_Image");
    if (mode == cxParallel)
        return QStringLiteral("CxC_Image");
    return QStringLiteral("CxL_Image");
}

// The open circuit picture windows, by name.
QStringList pictures()
{
    QStringList names;
    for (const QString& name : openWindows())
        if (name.endsWith(QLatin1String("_Image")))
            names << name;
    return names;
}

// Every top-level widget with this name, shown or not (a closed window not yet destroyed too).
int instances(const QString& name)
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            ++n;
    return n;
}

QWidget* widget(const char* name) { return child<QWidget>("Main", name); }
QLineEdit* field(const char* name) { return child<QLineEdit>("Main", name); }
void setField(const char* name, const QString& text) { field(name)->setText(text); }

void calibrate()
{
    global::record = {};
    global::record.C1 = 0.001; // uF, 1000 pF
    global::record.L1 = 100;   // uH
}

// Puts the focus on a control of the active Main, as a click or Tab would.
QWidget* focusOn(const char* name)
{
    QWidget* w = widget(name);
    if (!w)
        return nullptr;
    w->setFocus(Qt::TabFocusReason);
    return QApplication::focusWidget() == w ? w : nullptr;
}

// A release that the keyboard repeats while the key is held.
void autoRepeatRelease(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), /*autorep=*/true);
    QSpontaneKeyEvent::setSpontaneous(&release);
    QApplication::sendEvent(target, &release);
}

// Counts the events of some types that reach one object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QList<QEvent::Type> types) : types_(std::move(types))
    {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (types_.contains(event->type()))
            ++count;
        return false;
    }

private:
    QList<QEvent::Type> types_;
};

// Counts the runs of Main's "Calculate" and "Reset" by their effect: each calculation writes a
// result into an emptied result field, which the counter empties again at once; each reset
// empties Text1, which the counter fills again at once.
class HandlerCounter {
public:
    explicit HandlerCounter(const QString& frequency) : frequency_(frequency)
    {
        for (QLineEdit* result : {field("Text2"), field("Text4")}) {
            result->clear();
            connections_ << QObject::connect(result, &QLineEdit::textChanged, result,
                                             [this, result](const QString& t) {
                                                 if (t.isEmpty())
                                                     return;
                                                 ++calculations;
                                                 const QSignalBlocker blocker(result);
                                                 result->clear();
                                             });
        }
        QLineEdit* entry = field("Text1");
        entry->setText(frequency_);
        connections_ << QObject::connect(entry, &QLineEdit::textChanged, entry,
                                         [this, entry](const QString& t) {
                                             if (!t.isEmpty())
                                                 return;
                                             ++resets;
                                             const QSignalBlocker blocker(entry);
                                             entry->setText(frequency_);
                                         });
    }
    ~HandlerCounter()
    {
        for (const auto& c : connections_)
            QObject::disconnect(c);
    }
    int calculations = 0;
    int resets = 0;

private:
    QString frequency_;
    QList<QMetaObject::Connection> connections_;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    // Brings Main to the front again (a picture window or a box may have taken the activation).
    bool activateMain()
    {
        settle();
        return activate(mainWindow());
    }

    // Selects a mode as the user does and lets the event loop run.
    void selectMode(const QString& mode)
    {
        pick("Main", "Combo1", mode);
        settle();
    }

    QList<Box> boxes() { return BoxCatcher::instance().take(); }

private slots:
    void init()
    {
        resetProgram();
        QVERIFY(startProgram());
    }
    void cleanup()
    {
        const auto left = boxes();
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("unexpected box: ") +
                                            (left.isEmpty() ? QString() : left.first().text)));
        resetProgram();
    }

    // ---- start-up ----------------------------------------------------------------------------

    void startUpState()
    {
        QCOMPARE(text("Main", "Combo1"), cxParallel);
        QCOMPARE(text("Main", "Combo2"), QStringLiteral("Hz"));
        QCOMPARE(text("Main", "Combo3"), QStringLiteral("uH"));
        QCOMPARE(text("Main", "Combo4"), QStringLiteral("pF"));
        QCOMPARE(text("Main", "Text7"), QStringLiteral("0"));
        QVERIFY(widget("Text7")->isHidden());
        QVERIFY(widget("Label11")->isHidden());
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
            QVERIFY2(text("Main", name).isEmpty(), name);
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Main"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
        QCOMPARE(child<QPushButton>("Main", "Command2")->text(), QStringLiteral("Reset (F5)"));
        // The enabled states follow the selected mode "Cx Mode (Calculate C)".
        QVERIFY(widget("Label4")->isEnabled());
        QVERIFY(widget("Combo4")->isEnabled());
        QVERIFY(!widget("Label3")->isEnabled());
        QVERIFY(!widget("Combo3")->isEnabled());
        QVERIFY(mainWindow()->isEnabled());
        QCOMPARE(mainForm()->workingValues().Ls, 0.0);
    }

    // ---- mode changes ------------------------------------------------------------------------

    void modeChange_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("inductance"); // Label3 and Combo3 enabled, Label4 and Combo4 not
        QTest::addColumn<bool>("stray");      // Label11 and Text7 shown
        const QString modes[] = {cxParallel, lxParallel, lxSeries};
        for (const QString& from : modes)
            for (const QString& to : modes)
                QTest::newRow(qPrintable(from + QStringLiteral(" -> ") + to))
                    << from << to << (to != cxParallel) << (to == lxSeries);
    }

    void modeChange()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, inductance);
        QFETCH(bool, stray);

        selectMode(from);
        QCOMPARE(pictures(), QStringList{pictureOf(from)});
        pick("Main", "Combo2", QStringLiteral("KHz"));
        pick("Main", "Combo3", QStringLiteral("mH"));
        pick("Main", "Combo4", QStringLiteral("nF"));
        setField("Text1", QStringLiteral("123"));
        setField("Text7", QStringLiteral("33"));
        setField("Text2", QStringLiteral("old L"));
        setField("Text4", QStringLiteral("old C"));
        mainForm()->showCalibration(QStringLiteral("500"), QStringLiteral("1777.8"),
                                    QStringLiteral("56.9932"));
        calibrate();
        const quorvant::CalibrationRecord record = global::record;
        QVERIFY(activateMain());

        QWidget* before = window(qPrintable(pictureOf(from)));
        QVERIFY(before);
        const QPoint position = before->pos();
        QPointer<QWidget> oldPicture(before);

        selectMode(to);

        QCOMPARE(text("Main", "Combo1"), to);
        QCOMPARE(widget("Label3")->isEnabled(), inductance);
        QCOMPARE(widget("Combo3")->isEnabled(), inductance);
        QCOMPARE(widget("Label4")->isEnabled(), !inductance);
        QCOMPARE(widget("Combo4")->isEnabled(), !inductance);
        QCOMPARE(!widget("Label11")->isHidden(), stray);
        QCOMPARE(!widget("Text7")->isHidden(), stray);
        QCOMPARE(text("Main", "Text2"), QString());
        QCOMPARE(text("Main", "Text4"), QString());
        // Untouched by a mode change.
        QCOMPARE(text("Main", "Text1"), QStringLiteral("123"));
        QCOMPARE(text("Main", "Text7"), QStringLiteral("33"));
        QCOMPARE(text("Main", "Combo2"), QStringLiteral("KHz"));
        QCOMPARE(text("Main", "Combo3"), QStringLiteral("mH"));
        QCOMPARE(text("Main", "Combo4"), QStringLiteral("nF"));
        QCOMPARE(text("Main", "Text3"), QStringLiteral("500"));
        QCOMPARE(text("Main", "Text5"), QStringLiteral("1777.8"));
        QCOMPARE(text("Main", "Text6"), QStringLiteral("56.9932"));
        QCOMPARE(global::record, record);
        QCOMPARE(mainForm()->workingValues().Ls, 0.0);
        QVERIFY(mainWindow()->isEnabled());
        // Exactly one picture window, the new mode's.
        QCOMPARE(pictures(), QStringList{pictureOf(to)});
        for (const char* name : {"Lx_Image", "CxC_Image", "CxL_Image"})
            QCOMPARE(instances(QString::fromLatin1(name)), name == pictureOf(to) ? 1 : 0);
        if (from == to) {
            // The same window, where it was.
            QCOMPARE(window(qPrintable(pictureOf(to))), oldPicture.data());
            QCOMPARE(window(qPrintable(pictureOf(to)))->pos(), position);
        } else {
            QVERIFY(oldPicture.isNull());
        }
    }

    // Every transition in turn, checking the picture windows after each.
    void modeWalkLeavesOnePicture()
    {
        const QString walk[] = {lxParallel, lxSeries,   cxParallel, lxSeries, lxParallel,
                                cxParallel, cxParallel, lxSeries,   lxSeries, lxParallel,
                                lxParallel, cxParallel};
        for (const QString& mode : walk) {
            selectMode(mode);
            QCOMPARE(pictures(), QStringList{pictureOf(mode)});
        }
    }

    // Two selections handled in one pass of the event loop (the keyboard's Down and Up on the
    // mode list, delivered together): the window closed by the first must open again.
    void modeChangesInOnePass()
    {
        pick("Main", "Combo1", lxParallel);
        pick("Main", "Combo1", cxParallel);
        settle();
        QCOMPARE(pictures(), QStringList{QStringLiteral("CxC_Image")});
        QCOMPARE(instances(QStringLiteral("CxC_Image")), 1);
        QCOMPARE(instances(QStringLiteral("CxL_Image")), 0);
    }

    void strayTextSurvivesHiding()
    {
        selectMode(lxSeries);
        QVERIFY(!widget("Text7")->isHidden());
        QCOMPARE(text("Main", "Text7"), QStringLiteral("0"));
        type("Main", "Text7", QStringLiteral("25"));
        selectMode(cxParallel);
        QVERIFY(widget("Text7")->isHidden());
        QCOMPARE(text("Main", "Text7"), QStringLiteral("25"));
        selectMode(lxParallel);
        QVERIFY(widget("Text7")->isHidden());
        selectMode(lxSeries);
        QVERIFY(!widget("Text7")->isHidden());
        QVERIFY(!widget("Label11")->isHidden());
        QCOMPARE(text("Main", "Text7"), QStringLiteral("25"));
    }

    void repeatedPickKeepsPicture_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("Cx C") << cxParallel;
        QTest::newRow("Cx L") << lxParallel;
        QTest::newRow("Lx") << lxSeries;
    }

    void repeatedPickKeepsPicture()
    {
        QFETCH(QString, mode);
        selectMode(mode);
        QWidget* picture = window(qPrintable(pictureOf(mode)));
        QVERIFY(picture);
        // The user moves it away from its stored place.
        picture->move(picture->pos() + QPoint(37, 23));
        settle();
        const QPoint moved = picture->pos();
        QPointer<QWidget> guard(picture);

        setField("Text2", QStringLiteral("1"));
        setField("Text4", QStringLiteral("2"));
        setField("Text1", QStringLiteral("400"));
        QVERIFY(activateMain());
        EventCounter shownAgain(picture, {QEvent::Show, QEvent::WindowActivate});
        selectMode(mode);

        QCOMPARE(text("Main", "Text2"), QString());
        QCOMPARE(text("Main", "Text4"), QString());
        QCOMPARE(text("Main", "Text1"), QStringLiteral("400"));
        QVERIFY(!guard.isNull());
        QCOMPARE(window(qPrintable(pictureOf(mode))), picture);
        QCOMPARE(picture->pos(), moved);
        QCOMPARE(pictures(), QStringList{pictureOf(mode)});
        // Neither shown again nor activated (brought to the front).
        QCOMPARE(shownAgain.count, 0);
        QVERIFY(!picture->isActiveWindow());
    }

    void repeatedPickReopensMissingPicture()
    {
        // A picture window closed otherwise (by the desktop) comes back on a repeated choice.
        ui::forms().cxcImage.close();
        settle();
        QVERIFY(pictures().isEmpty());
        selectMode(cxParallel);
        QCOMPARE(pictures(), QStringList{QStringLiteral("CxC_Image")});
    }

    void pictureTakesActivation()
    {
        QVERIFY(activateMain());
        selectMode(lxSeries);
        QTRY_COMPARE(QApplication::activeWindow(), window("Lx_Image"));
    }

    // ---- keys --------------------------------------------------------------------------------

    void keysOnRelease_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("modifiers");
        const struct {
            const char* name;
            Qt::KeyboardModifiers modifiers;
        } held[] = {{"none", Qt::NoModifier},
                    {"Shift", Qt::ShiftModifier},
                    {"Ctrl", Qt::ControlModifier},
                    {"Alt", Qt::AltModifier},
                    {"Shift+Ctrl+Alt", Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier}};
        for (const char* focus : {"Text1", "Text7", "Combo1", "Combo2", "Command2", "Command1",
                                  "Command3", "Text2"})
            for (const auto& h : held)
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(focus),
                                                                      QLatin1String(h.name))))
                    << QString::fromLatin1(focus) << static_cast<int>(h.modifiers.toInt());
    }

    // F1 runs the calculation (counted by its warning, the record being empty) and F5 the reset,
    // once per physical release, whatever the focus and the modifiers.
    void keysOnRelease()
    {
        QFETCH(QString, focus);
        QFETCH(int, modifiers);
        const auto mods = Qt::KeyboardModifiers::fromInt(modifiers);
        selectMode(lxSeries); // Text7 is shown in this mode only
        QVERIFY(activateMain());
        QWidget* target = focusOn(qPrintable(focus));
        QVERIFY(target);

        // F1: pressing alone does nothing, the release calculates once.
        setField("Text1", QStringLiteral("400"));
        QTest::keyPress(target, Qt::Key_F1, mods);
        QCOMPARE(boxes().size(), 0);
        QTest::keyRelease(target, Qt::Key_F1, mods);
        auto shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, divisionByZero);

        // A whole click, once more: one more calculation.
        QVERIFY(activateMain());
        QVERIFY(focusOn(qPrintable(focus)));
        QTest::keyClick(target, Qt::Key_F1, mods);
        QCOMPARE(boxes().size(), 1);

        // Releases repeated by a held key do not count.
        QVERIFY(activateMain());
        QVERIFY(focusOn(qPrintable(focus)));
        QTest::simulateEvent(target, true, Qt::Key_F1, mods, QString(), false);
        for (int i = 0; i < 3; ++i) {
            QTest::simulateEvent(target, false, Qt::Key_F1, mods, QString(), true);
            QTest::simulateEvent(target, true, Qt::Key_F1, mods, QString(), true);
        }
        autoRepeatRelease(target, Qt::Key_F1, mods);
        QCOMPARE(boxes().size(), 0);
        QTest::simulateEvent(target, false, Qt::Key_F1, mods, QString(), false);
        QCOMPARE(boxes().size(), 1);

        // F5: a repeated release does nothing, the physical release resets.
        QVERIFY(activateMain());
        QVERIFY(focusOn(qPrintable(focus)));
        setField("Text1", QStringLiteral("400"));
        setField("Text2", QStringLiteral("58.314"));
        setField("Text4", QStringLiteral("583.1"));
        QTest::keyPress(target, Qt::Key_F5, mods);
        autoRepeatRelease(target, Qt::Key_F5, mods);
        QCOMPARE(text("Main", "Text1"), QStringLiteral("400"));
        QCOMPARE(text("Main", "Text2"), QStringLiteral("58.314"));
        QTest::keyRelease(target, Qt::Key_F5, mods);
        QCOMPARE(text("Main", "Text1"), QString());
        QCOMPARE(text("Main", "Text2"), QString());
        QCOMPARE(text("Main", "Text4"), QString());
        QCOMPARE(text("Main", "Combo1"), lxSeries);
        QCOMPARE(boxes().size(), 0);

        // Calibrated, so that no box takes the activation from Main: every run is counted.
        calibrate();
        pick("Main", "Combo2", QStringLiteral("KHz"));
        QVERIFY(activateMain());
        QVERIFY(focusOn(qPrintable(focus)));
        HandlerCounter counter(QStringLiteral("400"));
        QTest::keyPress(target, Qt::Key_F1, mods);
        QCOMPARE(counter.calculations, 0);
        QTest::keyRelease(target, Qt::Key_F1, mods);
        QCOMPARE(counter.calculations, 1);
        QTest::keyClick(target, Qt::Key_F1, mods);
        QCOMPARE(counter.calculations, 2);
        QTest::simulateEvent(target, true, Qt::Key_F1, mods, QString(), false);
        for (int i = 0; i < 3; ++i) {
            QTest::simulateEvent(target, false, Qt::Key_F1, mods, QString(), true);
            QTest::simulateEvent(target, true, Qt::Key_F1, mods, QString(), true);
        }
        autoRepeatRelease(target, Qt::Key_F1, mods);
        QCOMPARE(counter.calculations, 2);
        QTest::simulateEvent(target, false, Qt::Key_F1, mods, QString(), false);
        QCOMPARE(counter.calculations, 3);

        QTest::keyPress(target, Qt::Key_F5, mods);
        QCOMPARE(counter.resets, 0);
        autoRepeatRelease(target, Qt::Key_F5, mods);
        QCOMPARE(counter.resets, 0);
        QTest::keyRelease(target, Qt::Key_F5, mods);
        QCOMPARE(counter.resets, 1);
        QTest::keyClick(target, Qt::Key_F5, mods);
        QCOMPARE(counter.resets, 2);
        QCOMPARE(counter.calculations, 3);
        QCOMPARE(boxes().size(), 0);
    }

    // F1 and F5 through the key filter with a real calculation: the result appears.
    void f1CalculatesF5Resets()
    {
        calibrate();
        QVERIFY(activateMain());
        type("Main", "Text1", QStringLiteral("400"));
        pick("Main", "Combo2", QStringLiteral("KHz"));
        QVERIFY(activateMain());
        QWidget* target = focusOn("Text1");
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key_F1);
        QCOMPARE(text("Main", "Text4"), QStringLiteral("583.1"));
        QCOMPARE(text("Main", "Text1"), QStringLiteral("400")); // the key did not type anything
        QTest::keyClick(target, Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(text("Main", "Text4"), QString());
        QCOMPARE(text("Main", "Text1"), QString());
    }

    void otherKeysDoNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("F2") << int(Qt::Key_F2);
        QTest::newRow("F3") << int(Qt::Key_F3);
        QTest::newRow("F6") << int(Qt::Key_F6);
        QTest::newRow("F12") << int(Qt::Key_F12);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Shift") << int(Qt::Key_Shift);
        QTest::newRow("Control") << int(Qt::Key_Control);
    }

    void otherKeysDoNothing()
    {
        QFETCH(int, key);
        calibrate();
        setField("Text1", QStringLiteral("400"));
        setField("Text2", QStringLiteral("r2"));
        setField("Text4", QStringLiteral("r4"));
        for (const char* focus : {"Command2", "Command1", "Text2", "Combo4"}) {
            QVERIFY(activateMain());
            QWidget* target = focusOn(focus);
            QVERIFY2(target, focus);
            QTest::keyClick(target, Qt::Key(key));
            QCOMPARE(text("Main", "Text1"), QStringLiteral("400"));
            QCOMPARE(text("Main", "Text2"), QStringLiteral("r2"));
            QCOMPARE(text("Main", "Text4"), QStringLiteral("r4"));
            QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Main"}));
        }
        QCOMPARE(boxes().size(), 0);
    }

    // The key is not consumed: the text field still gets what is typed.
    void keysReachTheControl()
    {
        QVERIFY(activateMain());
        QWidget* target = focusOn("Text1");
        QVERIFY(target);
        QTest::keyClicks(target, QStringLiteral("4a0"));
        QCOMPARE(text("Main", "Text1"), QStringLiteral("4a0"));
        QTest::keyClick(target, Qt::Key_Backspace);
        QCOMPARE(text("Main", "Text1"), QStringLiteral("4a"));
        QCOMPARE(boxes().size(), 0);
    }

    void keysIgnoredWhileMainInactive()
    {
        setField("Text1", QStringLiteral("400"));
        setField("Text2", QStringLiteral("r2"));
        QVERIFY(activateMain());
        QWidget* target = focusOn("Text1");
        QVERIFY(target);

        // A mode change leaves its picture window active.
        selectMode(lxParallel);
        QTRY_COMPARE(QApplication::activeWindow(), window("CxL_Image"));
        setField("Text2", QStringLiteral("r2"));
        QWidget* mainFocus = mainWindow()->focusWidget();
        for (QWidget* w : {target, mainFocus, mainWindow()}) {
            if (!w)
                continue;
            QTest::keyClick(w, Qt::Key_F1);
            QTest::keyClick(w, Qt::Key_F5);
        }
        QCOMPARE(boxes().size(), 0);
        QCOMPARE(text("Main", "Text1"), QStringLiteral("400"));
        QCOMPARE(text("Main", "Text2"), QStringLiteral("r2"));

        // With Help active as well.
        mainWindow()->findChild<QAction*>(QStringLiteral("MnuAbout"))->trigger();
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), window("Help"));
        QTest::keyClick(target, Qt::Key_F5);
        QTest::keyClick(target, Qt::Key_F1);
        QCOMPARE(boxes().size(), 0);
        QCOMPARE(text("Main", "Text1"), QStringLiteral("400"));

        // Once the user activates Main again, the keys reach it.
        QVERIFY(activateMain());
        QVERIFY(focusOn("Text1"));
        QTest::keyClick(target, Qt::Key_F5);
        QCOMPARE(text("Main", "Text1"), QString());
    }

    // ---- reset -------------------------------------------------------------------------------

    void reset_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("button") << false;
        QTest::newRow("F5") << true;
    }

    void reset()
    {
        QFETCH(bool, byKey);
        selectMode(lxSeries);
        pick("Main", "Combo2", QStringLiteral("MHz"));
        pick("Main", "Combo3", QStringLiteral("nH"));
        pick("Main", "Combo4", QStringLiteral("uF"));
        type("Main", "Text1", QStringLiteral("0.4"));
        type("Main", "Text7", QStringLiteral("12"));
        setField("Text2", QStringLiteral("58302.4"));
        setField("Text4", QStringLiteral("0.000583"));
        mainForm()->showCalibration(QStringLiteral("500"), QStringLiteral("569.9"),
                                    QStringLiteral("177.7778"));
        calibrate();
        const auto record = global::record;
        QVERIFY(activateMain());
        const QStringList windowsBefore = openWindows();

        if (byKey) {
            QWidget* target = focusOn("Text7");
            QVERIFY(target);
            QTest::keyClick(target, Qt::Key_F5);
        } else {
            click("Main", "Command2");
        }
        settle();

        QCOMPARE(text("Main", "Text1"), QString());
        QCOMPARE(text("Main", "Text2"), QString());
        QCOMPARE(text("Main", "Text4"), QString());
        QCOMPARE(text("Main", "Text7"), QStringLiteral("12"));
        QCOMPARE(text("Main", "Text3"), QStringLiteral("500"));
        QCOMPARE(text("Main", "Text5"), QStringLiteral("569.9"));
        QCOMPARE(text("Main", "Text6"), QStringLiteral("177.7778"));
        QCOMPARE(text("Main", "Combo1"), lxSeries);
        QCOMPARE(text("Main", "Combo2"), QStringLiteral("MHz"));
        QCOMPARE(text("Main", "Combo3"), QStringLiteral("nH"));
        QCOMPARE(text("Main", "Combo4"), QStringLiteral("uF"));
        QCOMPARE(global::record, record);
        QCOMPARE(openWindows(), windowsBefore);
        QVERIFY(mainWindow()->isEnabled());
    }

    // ---- the warning -------------------------------------------------------------------------

    void warningWithEmptyRecord_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("frequency");
        QTest::newRow("Cx C, 400") << cxParallel << QStringLiteral("400");
        QTest::newRow("Cx L, 400") << lxParallel << QStringLiteral("400");
        QTest::newRow("Lx, 400") << lxSeries << QStringLiteral("400");
        QTest::newRow("Cx C, empty") << cxParallel << QString();
        QTest::newRow("Cx L, empty") << lxParallel << QString();
        QTest::newRow("Lx, empty") << lxSeries << QString();
    }

    void warningWithEmptyRecord()
    {
        QFETCH(QString, mode);
        QFETCH(QString, frequency);
        selectMode(mode);
        pick("Main", "Combo2", QStringLiteral("KHz"));
        type("Main", "Text1", frequency);
        setField("Text2", QStringLiteral("keep L"));
        setField("Text4", QStringLiteral("keep C"));
        QVERIFY(activateMain());

        click("Main", "Command1");
        const auto shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Warning !"));
        QCOMPARE(shown[0].text, QStringLiteral("Division by Zero!, No correct value!\n\n"
                                               " - Use (.) instead of (,) for dot.\n"
                                               " - Run Calibrate at first."));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QCOMPARE(shown[0].buttons, 1);
        QCOMPARE(text("Main", "Text2"), QStringLiteral("keep L"));
        QCOMPARE(text("Main", "Text4"), QStringLiteral("keep C"));
        QCOMPARE(text("Main", "Text1"), frequency);
        QCOMPARE(global::record, quorvant::CalibrationRecord{});
    }

    // The same by F1, from the frequency entry.
    void warningByKey()
    {
        type("Main", "Text1", "400");
        QTest::keyClick(child<QLineEdit>("Main", "Text1"), Qt::Key_F1);
        const auto shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Warning !"));
        QCOMPARE(shown[0].text, divisionByZero);
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
    }

    // ---- calculations through the window -----------------------------------------------------

    void calculation_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("frequencyUnit");
        QTest::addColumn<QString>("stray");
        QTest::addColumn<QString>("unit"); // of the result
        QTest::addColumn<QString>("result");

        // Lx Mode: 400 kHz gives 58.31442 uH.
        QTest::newRow("Lx 400 KHz uH") << lxSeries << "400" << "KHz" << "0" << "uH" << "58.314";
        QTest::newRow("Lx 400 KHz nH") << lxSeries << "400" << "KHz" << "0" << "nH" << "58314.4";
        QTest::newRow("Lx 400 KHz mH") << lxSeries << "400" << "KHz" << "0" << "mH" << "0.058314";
        QTest::newRow("Lx 400000 Hz") << lxSeries << "400000" << "Hz" << "0" << "uH" << "58.314";
        QTest::newRow("Lx 0.4 MHz") << lxSeries << "0.4" << "MHz" << "0" << "uH" << "58.314";
        QTest::newRow("Lx stray 12") << lxSeries << "400" << "KHz" << "12" << "uH" << "58.302";
        QTest::newRow("Lx stray 12 nH") << lxSeries << "400" << "KHz" << "12" << "nH" << "58302.4";
        QTest::newRow("Lx stray -12") << lxSeries << "400" << "KHz" << "-12" << "uH" << "58.314";
        QTest::newRow("Lx stray empty") << lxSeries << "400" << "KHz" << "" << "uH" << "58.314";
        QTest::newRow("Lx stray word") << lxSeries << "400" << "KHz" << "abc" << "uH" << "58.314";
        QTest::newRow("Lx 1,5 MHz") << lxSeries << "1,5" << "MHz" << "0" << "uH" << "-74.67";
        QTest::newRow("Lx 1 MHz") << lxSeries << "1" << "MHz" << "0" << "uH" << "-74.67";
        QTest::newRow("Lx 600 KHz negative") << lxSeries << "600" << "KHz" << "0" << "uH"
                                             << "-29.638";
        QTest::newRow("Lx -400 KHz") << lxSeries << "-400" << "KHz" << "0" << "uH" << "58.314";

        // Cx Mode (Calculate C): 400 kHz gives 0.000583144 uF.
        QTest::newRow("CxC 400 KHz pF") << cxParallel << "400" << "KHz" << "0" << "pF" << "583.1";
        QTest::newRow("CxC 400 KHz nF") << cxParallel << "400" << "KHz" << "0" << "nF" << "0.583";
        QTest::newRow("CxC 400 KHz uF") << cxParallel << "400" << "KHz" << "0" << "uF"
                                        << "0.000583";
        QTest::newRow("CxC 400000 Hz") << cxParallel << "400000" << "Hz" << "0" << "pF" << "583.1";
        QTest::newRow("CxC 0.4 MHz") << cxParallel << "0.4" << "MHz" << "0" << "pF" << "583.1";
        QTest::newRow("CxC stray ignored") << cxParallel << "400" << "KHz" << "5000" << "pF"
                                           << "583.1";
        QTest::newRow("CxC 1,5 MHz") << cxParallel << "1,5" << "MHz" << "0" << "pF" << "-746.7";
        QTest::newRow("CxC 600 KHz negative") << cxParallel << "600" << "KHz" << "0" << "pF"
                                              << "-296.4";

        // Cx Mode (Calculate L): 600 kHz gives K = 0.4212224 and 237.4043 uH.
        QTest::newRow("CxL 600 KHz uH") << lxParallel << "600" << "KHz" << "0" << "uH" << "237.404";
        QTest::newRow("CxL 600 KHz nH") << lxParallel << "600" << "KHz" << "0" << "nH"
                                        << "237404.3";
        QTest::newRow("CxL 600 KHz mH") << lxParallel << "600" << "KHz" << "0" << "mH"
                                        << "0.237404";
        QTest::newRow("CxL 600000 Hz") << lxParallel << "600000" << "Hz" << "0" << "uH"
                                       << "237.404";
        QTest::newRow("CxL 0.6 MHz") << lxParallel << "0.6" << "MHz" << "0" << "uH" << "237.404";
        QTest::newRow("CxL empty") << lxParallel << "" << "Hz" << "0" << "uH" << "-100";
        QTest::newRow("CxL stray ignored") << lxParallel << "600" << "KHz" << "5000" << "uH"
                                           << "237.404";
        QTest::newRow("CxL 1,5 MHz") << lxParallel << "1,5" << "MHz" << "0" << "uH" << "33.923";
        QTest::newRow("CxL 400 KHz negative") << lxParallel << "400" << "KHz" << "0" << "uH"
                                              << "-271.484";
    }

    void calculation()
    {
        QFETCH(QString, mode);
        QFETCH(QString, frequency);
        QFETCH(QString, frequencyUnit);
        QFETCH(QString, stray);
        QFETCH(QString, unit);
        QFETCH(QString, result);
        calibrate();
        const auto record = global::record;

        selectMode(lxSeries); // Text7 can be typed into only while it is shown
        type("Main", "Text7", stray);
        selectMode(mode);
        pick("Main", "Combo2", frequencyUnit);
        const bool inductance = mode != cxParallel;
        pick("Main", inductance ? "Combo3" : "Combo4", unit);
        type("Main", "Text1", frequency);
        setField(inductance ? "Text4" : "Text2", QStringLiteral("other"));
        QVERIFY(activateMain());

        click("Main", "Command1");

        QCOMPARE(text("Main", inductance ? "Text2" : "Text4"), result);
        QCOMPARE(text("Main", inductance ? "Text4" : "Text2"), QStringLiteral("other"));
        QCOMPARE(text("Main", "Text1"), frequency);
        QCOMPARE(text("Main", "Text7"), stray);
        QCOMPARE(global::record, record);
        QCOMPARE(boxes().size(), 0);

        // Again, the same result: nothing carries over from one calculation to the next.
        click("Main", "Command1");
        QCOMPARE(text("Main", inductance ? "Text2" : "Text4"), result);
    }

    void commaLocale_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("frequencyUnit");
        QTest::addColumn<QString>("stray");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("result");
        QTest::newRow("Lx uH") << lxSeries << "400" << "KHz" << "0" << "uH" << "58,314";
        QTest::newRow("Lx 0.4 MHz") << lxSeries << "0.4" << "MHz" << "0" << "uH" << "58,314";
        QTest::newRow("Lx mH") << lxSeries << "400" << "KHz" << "0" << "mH" << "0,058314";
        QTest::newRow("Lx stray 12.0") << lxSeries << "400" << "KHz" << "12.0" << "uH"
                                       << "58,302";
        QTest::newRow("Lx 1,5 MHz") << lxSeries << "1,5" << "MHz" << "0" << "uH" << "-74,67";
        QTest::newRow("CxC pF") << cxParallel << "0.4" << "MHz" << "0" << "pF" << "583,1";
        QTest::newRow("CxL uH") << lxParallel << "600" << "KHz" << "0" << "uH" << "237,404";
        QTest::newRow("CxL whole") << lxParallel << "" << "KHz" << "0" << "uH" << "-100";
    }

    // Results use the regional decimal separator; input reads the point only.
    void commaLocale()
    {
        QFETCH(QString, mode);
        QFETCH(QString, frequency);
        QFETCH(QString, frequencyUnit);
        QFETCH(QString, stray);
        QFETCH(QString, unit);
        QFETCH(QString, result);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        calibrate();
        selectMode(lxSeries);
        type("Main", "Text7", stray);
        selectMode(mode);
        pick("Main", "Combo2", frequencyUnit);
        const bool inductance = mode != cxParallel;
        pick("Main", inductance ? "Combo3" : "Combo4", unit);
        type("Main", "Text1", frequency);
        QVERIFY(activateMain());
        click("Main", "Command1");
        QCOMPARE(text("Main", inductance ? "Text2" : "Text4"), result);
        QCOMPARE(boxes().size(), 0);
    }

    // "0,4" reads as 0 whatever the regional settings: the warning.
    void commaLocaleInputStillReadsPointOnly()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        calibrate();
        selectMode(lxSeries);
        pick("Main", "Combo2", QStringLiteral("MHz"));
        type("Main", "Text1", QStringLiteral("0,4"));
        setField("Text2", QStringLiteral("keep"));
        QVERIFY(activateMain());
        click("Main", "Command1");
        const auto shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, divisionByZero);
        QCOMPARE(text("Main", "Text2"), QStringLiteral("keep"));
    }

    void zeroFrequencyWarns_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("frequency");
        QTest::newRow("Lx empty") << lxSeries << QString();
        QTest::newRow("Lx 0,4") << lxSeries << QStringLiteral("0,4");
        QTest::newRow("Lx word") << lxSeries << QStringLiteral("abc");
        QTest::newRow("CxC empty") << cxParallel << QString();
        QTest::newRow("CxC 0,4") << cxParallel << QStringLiteral("0,4");
    }

    void zeroFrequencyWarns()
    {
        QFETCH(QString, mode);
        QFETCH(QString, frequency);
        calibrate();
        selectMode(mode);
        pick("Main", "Combo2", QStringLiteral("MHz"));
        type("Main", "Text1", frequency);
        setField("Text2", QStringLiteral("keep L"));
        setField("Text4", QStringLiteral("keep C"));
        QVERIFY(activateMain());
        click("Main", "Command1");
        const auto shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, divisionByZero);
        QCOMPARE(text("Main", "Text2"), QStringLiteral("keep L"));
        QCOMPARE(text("Main", "Text4"), QStringLiteral("keep C"));
    }

    void outOfRange_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("frequencyUnit");
        QTest::addColumn<QString>("stray");
        QTest::addColumn<bool>("squareOverflows"); // the number fits a double, its square not
        const QString modes[] = {cxParallel, lxParallel, lxSeries};
        for (const QString& mode : modes) {
            QTest::newRow(qPrintable(mode + QStringLiteral(", 1e400 MHz")))
                << mode << "1e400" << "MHz" << "0" << false;
            QTest::newRow(qPrintable(mode + QStringLiteral(", -1e400 Hz")))
                << mode << "-1e400" << "Hz" << "0" << false;
            QTest::newRow(qPrintable(mode + QStringLiteral(", 1e300 MHz")))
                << mode << "1e300" << "MHz" << "0" << true;
            QTest::newRow(qPrintable(mode + QStringLiteral(", 1e200 Hz")))
                << mode << "1e200" << "Hz" << "0" << true;
        }
        QTest::newRow("Lx, 1e-160 MHz") << lxSeries << "1e-160" << "MHz" << "0" << false;
        QTest::newRow("Cx C, 1e-160 MHz") << cxParallel << "1e-160" << "MHz" << "0" << false;
        QTest::newRow("Lx, stray 1e400") << lxSeries << "400" << "KHz" << "1e400" << false;
    }

    // A number beyond the double range, or one whose square is: a warning box, never a field
    // reading "inf" or "nan", and the program goes on.
    void outOfRange()
    {
        QFETCH(QString, mode);
        QFETCH(QString, frequency);
        QFETCH(QString, frequencyUnit);
        QFETCH(QString, stray);
        calibrate();
        selectMode(lxSeries);
        type("Main", "Text7", stray);
        selectMode(mode);
        pick("Main", "Combo2", frequencyUnit);
        type("Main", "Text1", frequency);
        setField("Text2", QStringLiteral("keep L"));
        setField("Text4", QStringLiteral("keep C"));
        QVERIFY(activateMain());
        click("Main", "Command1");

        const auto shown = boxes();
        for (const char* name : {"Text2", "Text4"}) {
            const QString t = text("Main", name).toLower();
            QVERIFY2(!t.contains(QLatin1String("inf")) && !t.contains(QLatin1String("nan")),
                     qPrintable(t));
        }
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Warning !"));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QCOMPARE(text("Main", "Text2"), QStringLiteral("keep L"));
        QCOMPARE(text("Main", "Text4"), QStringLiteral("keep C"));

        // The program is still usable.
        selectMode(lxSeries);
        type("Main", "Text7", QStringLiteral("0"));
        selectMode(mode);
        type("Main", "Text1", QStringLiteral("0.4"));
        QVERIFY(activateMain());
        click("Main", "Command1");
        QVERIFY(!text("Main", mode == cxParallel ? "Text4" : "Text2").startsWith(QLatin1String("keep")));
        QCOMPARE(boxes().size(), 0);
    }

    // ---- disabled Main -----------------------------------------------------------------------

    void disabledMain_data()
    {
        QTest::addColumn<bool>("byCalibrate");
        QTest::newRow("Calibrate") << true;
        QTest::newRow("setWindowEnabled(false)") << false;
    }

    void disabledMain()
    {
        QFETCH(bool, byCalibrate);
        QVERIFY(activateMain());
        QWidget* focus = focusOn("Text1");
        QVERIFY(focus);
        setField("Text1", QStringLiteral("400"));
        setField("Text2", QStringLiteral("r2"));
        if (byCalibrate) {
            click("Main", "Command3");
            settle();
            QVERIFY(window("Cal_Cx"));
        } else {
            mainForm()->setWindowEnabled(false);
        }
        QVERIFY(!mainWindow()->isEnabled());
        for (const char* name : {"Text1", "Combo1", "Combo2", "Command1", "Command2", "Command3"})
            QVERIFY2(!widget(name)->isEnabled(), name);
        QVERIFY(!mainWindow()->findChild<QAction*>(QStringLiteral("MnuAbout"))->isEnabled() ||
                !mainForm()->menu()->isEnabled());

        // Even with Main the active window, its keys are dead.
        activate(mainWindow());
        settle();
        for (QWidget* w : {focus, mainWindow()}) {
            QTest::keyClick(w, Qt::Key_F1);
            QTest::keyClick(w, Qt::Key_F5, Qt::ControlModifier);
        }
        QCOMPARE(boxes().size(), 0);
        QCOMPARE(text("Main", "Text1"), QStringLiteral("400"));
        QCOMPARE(text("Main", "Text2"), QStringLiteral("r2"));

        // Clicks are dead too.
        click("Main", "Command2");
        QCOMPARE(text("Main", "Text1"), QStringLiteral("400"));

        // The close box is refused.
        const QStringList before = openWindows();
        QVERIFY(!mainWindow()->close());
        settle();
        QVERIFY(window("Main"));
        QCOMPARE(openWindows(), before);
        QVERIFY(ui::forms().main.isOpen());

        // Enabled again, the keys work.
        mainForm()->setWindowEnabled(true);
        if (byCalibrate)
            ui::forms().calCx.close();
        QVERIFY(activateMain());
        QVERIFY(focusOn("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QCOMPARE(text("Main", "Text1"), QString());
    }

    // ---- Calibrate and About -----------------------------------------------------------------

    void calibrateOpensWindow_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("calibration");
        QTest::newRow("Lx") << lxSeries << QStringLiteral("Cal_Lx");
        QTest::newRow("Cx C") << cxParallel << QStringLiteral("Cal_Cx");
        QTest::newRow("Cx L") << lxParallel << QStringLiteral("Cal_Cx");
    }

    void calibrateOpensWindow()
    {
        QFETCH(QString, mode);
        QFETCH(QString, calibration);
        selectMode(mode);
        setField("Text1", QStringLiteral("400"));
        QVERIFY(activateMain());
        click("Main", "Command3");
        settle();
        QVERIFY(!mainWindow()->isEnabled());
        QStringList expected{calibration, pictureOf(mode), QStringLiteral("Main")};
        expected.sort();
        QCOMPARE(openWindows(), expected);
        QCOMPARE(text("Main", "Text1"), QStringLiteral("400"));
        QCOMPARE(text("Main", "Combo1"), mode);
    }

    void aboutOpensHelpOnce()
    {
        QAction* about = mainWindow()->findChild<QAction*>(QStringLiteral("MnuAbout"));
        QVERIFY(about);
        QCOMPARE(about->text(), QStringLiteral("About"));
        about->trigger();
        settle();
        QWidget* help = window("Help");
        QVERIFY(help);
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Help", "Main"}));
        QVERIFY(mainWindow()->isEnabled());
        help->move(help->pos() + QPoint(11, 17));
        settle();
        const QPoint moved = help->pos();
        QPointer<QWidget> guard(help);

        QVERIFY(activateMain());
        about->trigger();
        settle();
        QVERIFY(!guard.isNull());
        QCOMPARE(window("Help"), help);
        QCOMPARE(help->pos(), moved);
        QCOMPARE(instances(QStringLiteral("Help")), 1);
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Help", "Main"}));
        QCOMPARE(QApplication::activeWindow(), mainWindow()); // not brought to the front
        QVERIFY(mainWindow()->isEnabled());
    }
};

QUORVANT_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
