// Main through its controls and keys: start-up, the modes, Calibrate, F1 and F5, About, Reset,
// the warnings, and how a calculation is wired (the core tests check the arithmetic).
#include "harness.hpp"

#include <quorvant/record.hpp>
#include <ui/program.hpp>

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
const quorvant::CalibrationRecord calibration{.C1 = 0.001, .L1 = 100}; // uF, uH
} // namespace

class MainWindowTest : public harness::WindowTest {
    Q_OBJECT
    static QWidget* widget(const char* name) { return child<QWidget>("Main", name); }
    static QLineEdit* field(const char* name) { return child<QLineEdit>("Main", name); }
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

    // Main as it opens: Cx Mode (Calculate C), the units Hz, uH and pF, a stray inductance of 0
    // and empty fields; its picture beside it, and the focus on Reset.
    void startUp()
    {
        QCOMPARE(texts("Main", "Combo1 Combo2 Combo3 Combo4 Text7"),
                 (QStringList{cxc, "Hz", "uH", "pF", "0"}));
        QCOMPARE(texts("Main", "Text1 Text2 Text3 Text4 Text5 Text6"),
                 (QStringList{"", "", "", "", "", ""}));
        QCOMPARE(shown(), "-Label3 -Combo3 Label4 Combo4");
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Main"}));
        QCOMPARE(QApplication::focusWidget(), widget("Command2"));
    }

    void modes_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("controls");
        QTest::addColumn<QString>("picture");
        // clang-format off
        QTest::newRow("Lx, Cx C")   << lx  << cxc << "-Label3 -Combo3 Label4 Combo4"               << "CxC_Image";
        QTest::newRow("Cx L, Cx C") << cxl << cxc << "-Label3 -Combo3 Label4 Combo4"               << "CxC_Image";
        QTest::newRow("Lx, Cx L")   << lx  << cxl << "Label3 Combo3 -Label4 -Combo4"               << "CxL_Image";
        QTest::newRow("Cx L, Lx")   << cxl << lx  << "Label3 Combo3 -Label4 -Combo4 Label11 Text7" << "Lx_Image";
        QTest::newRow("Cx C again") << cxc << cxc << "-Label3 -Combo3 Label4 Combo4"               << "CxC_Image";
        // clang-format on
    }
    // Two choices of the mode handled in one pass of the event loop; the rows take each change
    // between two modes once and a choice of the mode shown. A choice empties the results, keeps
    // the other fields (the stray one while hidden too) and leaves the mode's picture window the
    // only one open: in "Lx, Cx C" the window its first choice closed, not yet destroyed, must
    // open again.
    void modes()
    {
        QFETCH(QString, from);
        QFETCH(QString, mode);
        QFETCH(QString, controls);
        QFETCH(QString, picture);
        for (const char* name : {"Text1", "Text2", "Text4", "Text7"})
            field(name)->setText("33");
        pick("Main", "Combo1", from);
        pick("Main", "Combo1", mode);
        QCOMPARE(shown(), controls);
        QCOMPARE(texts("Main", "Combo1 Text1 Text2 Text4 Text7"),
                 (QStringList{mode, "33", "", "", "33"}));
        QCOMPARE(openWindows(), (QStringList{picture, "Main"}));
    }

    void calibrateWaits_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("calibration");
        // clang-format off
        QTest::newRow("Lx")   << lx  << "Cal_Lx";
        QTest::newRow("Cx C") << cxc << "Cal_Cx";
        QTest::newRow("Cx L") << cxl << "Cal_Cx";
        // clang-format on
    }
    // Calibrate opens the mode's calibration window and disables Main, which then takes no key
    // (F1 would warn of the empty record, F5 empty Text1) and refuses the user's close.
    void calibrateWaits()
    {
        QFETCH(QString, mode);
        QFETCH(QString, calibration);
        pick("Main", "Combo1", mode);
        field("Text1")->setText("33");
        click("Main", "Command3");
        QCOMPARE(openWindows().filter("Cal_"), QStringList{calibration});
        QVERIFY(activate(window("Main")));
        for (QWidget* target : {window("Main"), widget("Text1")})
            for (Qt::Key key : {Qt::Key_F1, Qt::Key_F5})
                QTest::keyRelease(target, key);
        QVERIFY(!window("Main")->close());
        QVERIFY(!window("Main")->isEnabled());
        QCOMPARE(text("Main", "Text1"), "33");
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
    // A held key's repeated releases do nothing.
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
    }

    // About opens Help once however often it is chosen; while Help is active, F1 and F5 do
    // nothing in Main.
    void keysWhileHelpIsActive()
    {
        program().record() = calibration;
        type("Main", "Text1", "400000");
        QWidget* help = openFromMain("Help");
        openFromMain("Help");
        QVERIFY(activate(window("Help")));
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Help", "Main"}));
        QVERIFY(window("Help") == help); // neither a second Help nor a new one
        for (QWidget* target : {widget("Text1"), window("Main")})
            for (Qt::Key key : {Qt::Key_F1, Qt::Key_F5})
                QTest::keyClick(target, key);
        QCOMPARE(texts("Main", "Text1 Text4"), (QStringList{"400000", ""}));
    }

    // F1 and F5 act while one of Main's lists is open, its drop-down having the keyboard.
    void keysOverAnOpenList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("resultField"); // the field F1 writes
        QTest::addColumn<QString>("result");      // and what it writes there
        // clang-format off
        QTest::newRow("Combo1") << "Combo1" << cxc << "Text4" << "583.1";
        QTest::newRow("Combo2") << "Combo2" << cxc << "Text4" << "583.1";
        QTest::newRow("Combo3") << "Combo3" << lx  << "Text2" << "58.314";
        QTest::newRow("Combo4") << "Combo4" << cxc << "Text4" << "583.1";
        // clang-format on
    }
    void keysOverAnOpenList()
    {
        QFETCH(QString, list);
        QFETCH(QString, mode);
        QFETCH(QString, resultField);
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
        QCOMPARE(text("Main", qPrintable(resultField)), result);
        if (QApplication::activePopupWidget() != popup) // the list may close on the key
            combo->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        popup = QApplication::activePopupWidget();
        QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_F5);
        QCOMPARE(texts("Main", "Text1 Text2 Text4"), QStringList({"", "", ""}));
        combo->hidePopup();
    }

    void calculate_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("locale"); // the regional settings
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("frequencyUnit");
        QTest::addColumn<QString>("resultList"); // the result's unit list
        QTest::addColumn<QString>("resultUnit");
        QTest::addColumn<QString>("resultField"); // the field the mode writes
        QTest::addColumn<QString>("otherField");  // the result field it leaves alone
        QTest::addColumn<QString>("result");      // "12" where nothing is written
        QTest::addColumn<QString>("warning");
        // clang-format off
        QTest::newRow("Lx")           << lx  << "C"     << "400"    << "KHz" << "Combo3" << "uH" << "Text2" << "Text4" << "58.302"   << QString();
        QTest::newRow("Lx nH")        << lx  << "C"     << "0.4"    << "MHz" << "Combo3" << "nH" << "Text2" << "Text4" << "58302.4"  << QString();
        QTest::newRow("Lx comma")     << lx  << "de_DE" << "400"    << "KHz" << "Combo3" << "uH" << "Text2" << "Text4" << "58,302"   << QString();
        QTest::newRow("Cx C")         << cxc << "C"     << "400000" << "Hz"  << "Combo4" << "pF" << "Text4" << "Text2" << "583.1"    << QString();
        QTest::newRow("Cx C nF")      << cxc << "C"     << "400"    << "KHz" << "Combo4" << "nF" << "Text4" << "Text2" << "0.583"    << QString();
        QTest::newRow("Cx L")         << cxl << "C"     << "600"    << "KHz" << "Combo3" << "uH" << "Text2" << "Text4" << "237.404"  << QString();
        QTest::newRow("Cx L mH")      << cxl << "C"     << "0.6"    << "MHz" << "Combo3" << "mH" << "Text2" << "Text4" << "0.237404" << QString();
        QTest::newRow("no record")    << cxl << "C"     << "400"    << "KHz" << "Combo3" << "uH" << "Text2" << "Text4" << "12"       << noRecord;
        QTest::newRow("out of range") << lx  << "C"     << "1e400"  << "MHz" << "Combo3" << "uH" << "Text2" << "Text4" << "12"       << outOfRange;
        // clang-format on
    }
    // Calculate reads the mode, the frequency and its unit, the stray inductance of 12 nH and
    // the result's unit, and writes the result into the mode's field alone, with the decimal
    // separator of the regional settings. A warning writes nothing: no "inf", no "nan".
    void calculate()
    {
        QFETCH(QString, mode);
        QFETCH(QString, locale);
        QFETCH(QString, frequency);
        QFETCH(QString, frequencyUnit);
        QFETCH(QString, resultList);
        QFETCH(QString, resultUnit);
        QFETCH(QString, resultField);
        QFETCH(QString, otherField);
        QFETCH(QString, result);
        QFETCH(QString, warning);
        QLocale::setDefault(QLocale(locale));
        program().record() = warning == noRecord ? quorvant::CalibrationRecord() : calibration;
        pick("Main", "Combo1", mode);
        type("Main", "Text1", frequency);
        pick("Main", "Combo2", frequencyUnit);
        pick("Main", qPrintable(resultList), resultUnit);
        for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
            field(name)->setText("12");
        click("Main", "Command1");
        QCOMPARE(texts("Main", otherField + ' ' + resultField), (QStringList{"12", result}));
        const QList<Box> boxes = BoxCatcher::instance().take();
        QCOMPARE(boxes.size(), warning.isEmpty() ? 0 : 1);
        for (const Box& b : boxes) // one OK button, modal to the whole program
            QCOMPARE(std::tuple(b.title, b.text, b.icon, b.iconDrawn, b.buttons, b.modality),
                     std::tuple(QString("Warning !"), warning, QMessageBox::Warning, true, 1,
                                Qt::ApplicationModal));
    }

    // Reset empties the frequency and the results and keeps the rest.
    void reset()
    {
        program().record() = calibration;
        type("Main", "Text1", "400");
        pick("Main", "Combo2", "KHz");
        pick("Main", "Combo4", "nF");
        click("Main", "Command1");
        for (const char* name : {"Text2", "Text3", "Text5", "Text6", "Text7"})
            field(name)->setText("12");
        click("Main", "Command2");
        QCOMPARE(texts("Main", "Text1 Text2 Text4"), (QStringList{"", "", ""}));
        QCOMPARE(texts("Main", "Text3 Text5 Text6 Text7 Combo1 Combo2 Combo3 Combo4"),
                 (QStringList{"12", "12", "12", "12", cxc, "KHz", "uH", "nF"}));
    }
};

QUORVANT_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
