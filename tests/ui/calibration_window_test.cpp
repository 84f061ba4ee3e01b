// Cal_Lx and Cal_Cx through their windows: what they show on opening, how Main is disabled while
// one is open and always given back, a calibration handed to Main and measured with, a typed unit
// of L1, Reset, and the warnings.
#include "harness.hpp"

#include <QComboBox>
#include <QLineEdit>

#include <tuple>

using namespace harness;

// Chooses the mode in Main and presses "Calibrate", which is to open the window `cal`.
static void calibrate(const QString& mode, const char* cal)
{
    pick("Main", "Combo1", mode);
    openFromMain(cal);
}

// Types "F1|F2|reference", F1 and F2 in KHz, the reference in its default unit; then Calculate.
static void calculate(const char* cal, const QString& readings)
{
    type(cal, "Text1", readings.section('|', 0, 0));
    pick(cal, "Combo1", "KHz");
    type(cal, "Text2", readings.section('|', 1, 1));
    pick(cal, "Combo2", "KHz");
    type(cal, "Text6", readings.section('|', 2, 2));
    click(cal, "Command1");
}

class CalibrationWindowTest : public harness::WindowTest {
    Q_OBJECT

private slots:

    void opensEmptyAndGivesMainBack_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("opens"); // the calibration window the mode opens
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("referenceUnit"); // L0's or C0's
        QTest::addColumn<bool>("byReturn");         // else closed by the window manager
        const QString t = "Calibrating Quorvant   -   %1%2* by Dorvin Keltsby - QQ9QQQ *";
        // clang-format off
        QTest::newRow("Cal_Lx") << lx  << QByteArray("Cal_Lx") << t.arg("Lx series", QString(32, ' '))   << "uH" << true;
        QTest::newRow("Cal_Cx") << cxl << QByteArray("Cal_Cx") << t.arg("Cx parallel", QString(26, ' ')) << "pF" << false;
        // clang-format on
    }
    void opensEmptyAndGivesMainBack()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, opens);
        QFETCH(QString, caption);
        QFETCH(QString, referenceUnit);
        QFETCH(bool, byReturn);
        const QString all = "Text1 Text2 Text4 Text5 Text6 Combo1 Combo2 Combo4 Combo5 Combo6";
        const QStringList empty{"", "", "", "", "", "Hz", "Hz", "pF", "uH", referenceUnit};

        const char* cal = opens.constData();
        calibrate(mode, cal);
        QVERIFY(window(cal) && !window("Main")->isEnabled());
        QCOMPARE(window(cal)->windowTitle(), caption);
        QCOMPARE(texts(cal, all), empty);
        type(cal, "Text1", "500");
        byReturn ? click(cal, "Command3") : void(window(cal)->close());
        QVERIFY(!window(cal) && window("Main")->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>("Main", "Command3"));
        // Return before any Calculate hands over the empty record.
        QCOMPARE(texts("Main", "Text3 Text5 Text6"),
                 (byReturn ? QStringList{"0", "0", "0"} : QStringList{"", "", ""}));
        calibrate(mode, cal);
        QCOMPARE(texts(cal, all), empty);
    }

    // The typical use: calibrate with the example readings, Reset, Return, measure 400000 Hz in
    // Main with F1. A unit typed into L1's list that is none of its items (the list's completer
    // must not turn "UH" into "uH") leaves L1 unshown while C1 is shown and L1 still calculated.
    void calibrateThenMeasure_data()
    {
        QTest::addColumn<QString>("typed"); // into L1's unit list, '\r' Enter, then left; - none
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("opens");  // the calibration window
        QTest::addColumn<QString>("reference"); // L0 in uH or C0 in pF
        QTest::addColumn<QString>("c1");        // as the window shows them
        QTest::addColumn<QString>("l1");
        QTest::addColumn<QString>("mainF1"); // as Main shows them after Return
        QTest::addColumn<QString>("mainC1");
        QTest::addColumn<QString>("mainL1");
        QTest::addColumn<QString>("lx"); // Main's results of 400000 Hz
        QTest::addColumn<QString>("cx");

        // clang-format off
        QTest::newRow("Cal_Lx")            << "-"    << lx  << QByteArray("Cal_Lx") << "100"  << "569.9"  << "177.778"  << "500" << "569.9"  << "177.7778" << "100" << "";
        QTest::newRow("Cal_Cx")            << "-"    << cxc << QByteArray("Cal_Cx") << "1000" << "1777.8" << "56.993"   << "500" << "1777.8" << "56.9932"  << ""    << "1000";
        QTest::newRow("Cal_Lx, UH, Enter") << "UH\r" << lx  << QByteArray("Cal_Lx") << "100"  << "569.9"  << ""         << "500" << "569.9"  << "177.7778" << "100" << "";
        // Typed text stays as typed: no completion, no case change, no item swapped in on Enter
        // or on leaving the list; only an exact item shows L1.
        for (const char* typed : {"u", "n", "m\r", "U", "uh\r", "UH", " uH", "uH ", ""})
            QTest::addRow("Cal_Cx, '%s'", typed)
                                           << typed  << cxc << QByteArray("Cal_Cx") << "1000" << "1777.8" << ""         << "500" << "1777.8" << "56.9932"  << ""    << "1000";
        QTest::newRow("Cal_Cx, nH")        << "nH"   << cxc << QByteArray("Cal_Cx") << "1000" << "1777.8" << "56993.2"  << "500" << "1777.8" << "56.9932"  << ""    << "1000";
        QTest::newRow("Cal_Cx, mH, Enter") << "mH\r" << cxc << QByteArray("Cal_Cx") << "1000" << "1777.8" << "0.056993" << "500" << "1777.8" << "56.9932"  << ""    << "1000";
        // clang-format on
    }
    void calibrateThenMeasure()
    {
        QFETCH(QString, typed);
        QFETCH(QString, mode);
        QFETCH(QByteArray, opens);
        QFETCH(QString, reference);
        QFETCH(QString, c1);
        QFETCH(QString, l1);
        QFETCH(QString, mainF1);
        QFETCH(QString, mainC1);
        QFETCH(QString, mainL1);
        QFETCH(QString, lx);
        QFETCH(QString, cx);

        const char* cal = opens.constData();
        calibrate(mode, cal);
        if (typed != "-") { // the list's own text field has no name
            child<QComboBox>(cal, "Combo5")->lineEdit()->setObjectName("Combo5Text");
            type(cal, "Combo5Text", typed);
        }
        calculate(cal, "500|400|" + reference); // typing F1 leaves the unit list
        if (typed != "-")
            QCOMPARE(text(cal, "Combo5"), QString(typed).remove('\r'));
        QCOMPARE(texts(cal, "Text4 Text5"), (QStringList{c1, l1}));
        click(cal, "Command2"); // Reset
        QCOMPARE(texts(cal, "Text1 Text2 Text4 Text5 Text6 Combo1"),
                 (QStringList{"", "", "", "", reference, "KHz"}));
        click(cal, "Command3");
        QVERIFY(!window(cal) && activate(window("Main")));
        type("Main", "Text1", "400000");
        QTest::keyClick(window("Main")->focusWidget(), Qt::Key_F1);
        QCOMPARE(texts("Main", "Text3 Text5 Text6"), (QStringList{mainF1, mainC1, mainL1}));
        QCOMPARE(texts("Main", "Text2 Text4"), (QStringList{lx, cx}));
    }

    // After the example readings, other readings that end in a warning leave C1 and L1 shown as
    // they were; Return then hands over the record, never an infinity or a NaN.
    void warns_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("opens"); // the calibration window
        QTest::addColumn<QString>("example");  // the readings calculated first
        QTest::addColumn<QString>("readings"); // F1|F2 in KHz|L0 in uH or C0 in pF
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("f1"); // handed back to Main
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("l1");

        const QString first = "Division by Zero! No correct value! Use (.) instead of (,) for dot.";
        const QString zero = "Division by Zero!, No correct value! Use (.) instead of (,) for dot.";
        // clang-format off
        QTest::newRow("series, F1 = F2")   << lx  << QByteArray("Cal_Lx") << "500|400|100"  << "450|450|100"     << first      << "450" << "569.9"  << "177.7778";
        QTest::newRow("series, L0 = 0")    << lx  << QByteArray("Cal_Lx") << "500|400|100"  << "500|400|0"       << zero       << "500" << "569.9"  << "0";
        QTest::newRow("L1 too big")        << lx  << QByteArray("Cal_Lx") << "500|400|100"  << "500|400|1.7e308" << outOfRange << "500" << "569.9"  << "177.7778";
        QTest::newRow("parallel, F1 = F2") << cxc << QByteArray("Cal_Cx") << "500|400|1000" << "450|450|1000"    << zero       << "450" << "1777.8" << "56.9932";
        QTest::newRow("parallel, C0 = 0")  << cxc << QByteArray("Cal_Cx") << "500|400|1000" << "500|400|0"       << zero       << "500" << "0"      << "56.9932";
        // clang-format on
    }
    void warns()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, opens);
        QFETCH(QString, example);
        QFETCH(QString, readings);
        QFETCH(QString, message);
        QFETCH(QString, f1);
        QFETCH(QString, c1);
        QFETCH(QString, l1);

        const char* cal = opens.constData();
        calibrate(mode, cal);
        calculate(cal, example);
        const QStringList shown = texts(cal, "Text4 Text5");
        calculate(cal, readings);
        const QList<Box> boxes = BoxCatcher::instance().take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(std::tuple(boxes[0].title, boxes[0].text, boxes[0].modality),
                 std::tuple(QString("Warning !"), message, Qt::ApplicationModal));
        QCOMPARE(texts(cal, "Text4 Text5"), shown);
        click(cal, "Command3");
        QCOMPARE(texts("Main", "Text3 Text5 Text6"), (QStringList{f1, c1, l1}));
    }
};

QUORVANT_TEST_MAIN(CalibrationWindowTest)
#include "calibration_window_test.moc"
