// Main through its controls and keys: start-up, the modes, F1 and F5, Reset, the warnings,
// Calibrate and About, and how a calculation is wired (the core tests check the arithmetic).
#include "harness.hpp"

#include <quorvant/record.hpp>
#include <ui/program.hpp>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

using namespace harness;

namespace {
// The warnings as their boxes show them.
const QString noRecord =
    "Division by Zero!, No correct value!\n\n - Use (.) instead of (,) for dot."
    "\n - Run Calibrate at first.";
const QString outOfRange =
    "Number out of range! No correct value!\n\n - Check the values you entered.";
const quorvant::CalibrationRecord calibration{.C1 = 0.001, .L1 = 100}; // uF, uH
} // namespace

class MainWindowTest : public harness::WindowTest {
    Q_OBJECT
    static QWidget* widget(const char* name) { return child<QWidget>("Main", name); }
    static QLineEdit* field(const char* name) { return child<QLineEdit>("Main", name); }
    // The texts of some of Main's fields and lists.
    static QStringList texts(const QString& names)
    {
        QStringList all;
        for (const QString& name : names.split(' '))
            all << text("Main", qPrintable(name));
        return all;
    }
    // The mode-dependent controls that are shown, a disabled one marked '-'.
    static QString shown()
    {
        QStringList all;
        for (const char* name : {"Label3", "Combo3", "Label4", "Combo4", "Label11", "Text7"})
            if (!widget(name)->isHidden())
                all << (widget(name)->isEnabled() ? "" : "-") + QString(name);
        return all.join(' ');
    }

private slots:

    void modes_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("controls");
        QTest::newRow("Lx, Cx C") << lx << cxc << "-Label3 -Combo3 Label4 Combo4";
        QTest::newRow("Cx L, Cx C") << cxl << cxc << "-Label3 -Combo3 Label4 Combo4";
        QTest::newRow("Lx, Cx L") << lx << cxl << "Label3 Combo3 -Label4 -Combo4";
        QTest::newRow("Cx L, Lx") << cxl << lx << "Label3 Combo3 -Label4 -Combo4 Label11 Text7";
        QTest::newRow("Cx C again") << cxc << cxc << "-Label3 -Combo3 Label4 Combo4";
    }
    // The start-up state, then two choices of the mode handled in one pass of the event loop;
    // the rows take each change between two modes once and a choice of the mode shown. A choice
    // empties the results, keeps the other fields (the stray one while hidden too) and leaves
    // the mode's picture window the only one open: in "Lx, Cx C" the window its first choice
    // closed, not yet destroyed, must open again.
    void modes()
    {
        QFETCH(QString, from);
        QFETCH(QString, mode);
        QFETCH(QString, controls);
        QCOMPARE(texts("Combo1 Combo2 Combo3 Combo4 Text7 Text1 Text2 Text3 Text4 Text5 Text6"),
                 (QStringList{cxc, "Hz", "uH", "pF", "0", "", "", "", "", "", ""}));
        QCOMPARE(shown(), "-Label3 -Combo3 Label4 Combo4");
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Main"}));
        QCOMPARE(QApplication::focusWidget(), widget("Command2"));
        const QString picture = mode == lx ? "Lx_Image" : mode == cxc ? "CxC_Image" : "CxL_Image";
        for (const char* name : {"Text1", "Text2", "Text4", "Text7"})
            field(name)->setText("33");
        pick("Main", "Combo1", from);
        pick("Main", "Combo1", mode);
        QCOMPARE(shown(), controls);
        QCOMPARE(texts("Combo1 Text1 Text2 Text4 Text7"), (QStringList{mode, "33", "", "", "33"}));
        QCOMPARE(openWindows(), (QStringList{picture, "Main"}));
        // Calibrate opens the mode's calibration window and disables Main, which then takes no
        // key (F1 would warn of the empty record, F5 empty Text1) and refuses the user's close.
        click("Main", "Command3");
        QCOMPARE(openWindows(), (QStringList{mode == lx ? "Cal_Lx" : "Cal_Cx", picture, "Main"}));
        QVERIFY(activate(window("Main")));
        for (QWidget* target : {window("Main"), widget("Text1")})
            for (Qt::Key key : {Qt::Key_F1, Qt::Key_F5})
                QTest::keyRelease(target, key);
        QVERIFY(!window("Main")->close());
        QVERIFY(!window("Main")->isEnabled() && text("Main", "Text1") == "33");
    }

    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        for (const char* focus : {"Text1", "Combo1", "Command1"}) // a field, a list, a button
            for (auto m : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
                QTest::addRow("%s %x", focus, int(m)) << QString(focus) << Qt::KeyboardModifiers(m);
    }
    // F1 calculates and F5 resets once per physical release at the focus widget: a release that
    // a list or a button does not take climbs on to their parents, which must not run it again.
    // A held key's repeated releases do nothing, and so do keys while Help is active, which
    // About opens once however often it is chosen.
    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        program().record() = calibration; // no warning box takes the activation from Main
        // Each run changes a field, which is put back at once so that a second run shows too.
        int runs = 0;
        QObject scope;
        for (auto [name, rest] : {std::pair("Text4", ""), std::pair("Text1", "400000")}) {
            field(name)->setText(rest);
            connect(field(name), &QLineEdit::textChanged, &scope, [&, name, rest](QString t) {
                if (t != rest)
                    ++runs, field(name)->setText(rest);
            });
        }
        QWidget* w = widget(qPrintable(focus));
        w->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_F1, Qt::Key_F5}) {
            QTest::keyPress(w, key, modifiers);
            QTest::simulateEvent(w, false, key, modifiers, {}, /*repeat=*/true);
            QCOMPARE(runs, key == Qt::Key_F1 ? 0 : 1); // a press or a repeated release: nothing
            QTest::keyRelease(w, key, modifiers);
        }
        QCOMPARE(runs, 2);
        window("Main")->findChild<QAction*>("MnuAbout")->trigger();
        QWidget* help = window("Help");
        window("Main")->findChild<QAction*>("MnuAbout")->trigger();
        QVERIFY(activate(window("Help")));
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Help", "Main"}));
        QVERIFY(window("Help") == help); // neither a second Help nor a new one
        for (QWidget* target : {w, window("Main")})
            for (Qt::Key key : {Qt::Key_F1, Qt::Key_F5})
                QTest::keyClick(target, key, modifiers);
        QCOMPARE(runs, 2);
    }

    // F1 and F5 act while one of Main's lists is open, its drop-down having the keyboard.
    void keysOverAnOpenList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("result"); // the field F1 writes
        QTest::newRow("Combo1") << "Combo1" << cxc << "Text4";
        QTest::newRow("Combo2") << "Combo2" << cxc << "Text4";
        QTest::newRow("Combo3") << "Combo3" << lx << "Text2";
        QTest::newRow("Combo4") << "Combo4" << cxc << "Text4";
    }
    void keysOverAnOpenList()
    {
        QFETCH(QString, list);
        QFETCH(QString, mode);
        QFETCH(QString, result);
        program().record() = calibration;
        pick("Main", "Combo1", mode);
        QVERIFY(activate(window("Main")));
        type("Main", "Text1", "400000");
        auto* combo = child<QComboBox>("Main", qPrintable(list));
        combo->setFocus(Qt::TabFocusReason);
        combo->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* keyboard = popup->focusWidget() ? popup->focusWidget() : popup;
        QTest::keyClick(keyboard, Qt::Key_F1);
        QCOMPARE(text("Main", qPrintable(result)), mode == lx ? "58.314" : "583.1");
        if (QApplication::activePopupWidget() != popup) // the list may close on the key
            combo->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        popup = QApplication::activePopupWidget();
        QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_F5);
        QCOMPARE(texts("Text1 Text2 Text4"), QStringList({"", "", ""}));
        combo->hidePopup();
    }

    void calculate_data()
    {
        QTest::addColumn<QString>("frequency"); // and its unit
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("result"); // and its unit, "12" where nothing is written
        QTest::addColumn<QString>("warning");
        QTest::newRow("Lx") << "400 KHz" << lx << "58.302 uH" << QString();
        QTest::newRow("Lx nH") << "0.4 MHz" << lx << "58302.4 nH" << QString();
        QTest::newRow("Lx comma") << "400 KHz" << lx << "58,302 uH" << QString();
        QTest::newRow("Cx C") << "400000 Hz" << cxc << "583.1 pF" << QString();
        QTest::newRow("Cx C nF") << "400 KHz" << cxc << "0.583 nF" << QString();
        QTest::newRow("Cx L") << "600 KHz" << cxl << "237.404 uH" << QString();
        QTest::newRow("Cx L mH") << "0.6 MHz" << cxl << "0.237404 mH" << QString();
        QTest::newRow("no record") << "400 KHz" << cxl << "12 uH" << noRecord;
        QTest::newRow("out of range") << "1e400 MHz" << lx << "12 uH" << outOfRange;
    }
    // Calculate reads the mode, the frequency and its unit, the stray inductance of 12 nH and
    // the result's unit, and writes the result into the mode's field alone, with the decimal
    // separator of the regional settings. A warning writes nothing: no "inf", no "nan". Reset
    // then empties the frequency and the results and keeps the rest.
    void calculate()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        QFETCH(QString, result);
        QFETCH(QString, warning);
        QLocale::setDefault(result.contains(',') ? QLocale(QLocale::German) : QLocale::c());
        program().record() = warning == noRecord ? quorvant::CalibrationRecord() : calibration;
        pick("Main", "Combo1", mode);
        const bool c = mode == cxc;
        type("Main", "Text1", frequency.section(' ', 0, 0));
        pick("Main", "Combo2", frequency.section(' ', 1));
        pick("Main", c ? "Combo4" : "Combo3", result.section(' ', 1));
        for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
            field(name)->setText("12");
        click("Main", "Command1");
        QCOMPARE(texts(c ? "Text2 Text4" : "Text4 Text2"),
                 (QStringList{"12", result.section(' ', 0, 0)}));
        const QList<Box> boxes = BoxCatcher::instance().take();
        QCOMPARE(boxes.size(), warning.isEmpty() ? 0 : 1);
        for (const Box& b : boxes) // one OK button, modal to the whole program
            QCOMPARE(std::tuple(b.title, b.text, b.icon, b.buttons, b.modality),
                     std::tuple(QString("Warning !"), warning, QMessageBox::Warning, 1,
                                Qt::ApplicationModal));
        const QString kept = "Text3 Text5 Text6 Text7 Combo1 Combo2 Combo3 Combo4";
        const QStringList before = texts(kept);
        click("Main", "Command2");
        QCOMPARE(texts("Text1 Text2 Text4") + texts(kept), QStringList({"", "", ""}) + before);
    }
};

QUORVANT_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
