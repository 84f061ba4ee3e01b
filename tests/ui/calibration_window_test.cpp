// Cal_Lx and Cal_Cx through their windows: opening defaults, the series and parallel calculations,
// their warnings and what they leave in the record, Reset, Return, and how Main is disabled while
// a calibration window is open and always given back.
#include "harness.hpp"

#include <quorvant/record.hpp>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using namespace harness;

namespace {

const QString lxMode = QStringLiteral("Lx Mode (Calculate L)");
const QString cxcMode = QStringLiteral("Cx Mode (Calculate C)");
const QString cxlMode = QStringLiteral("Cx Mode (Calculate L)");

const QString seriesFirstWarning =
    QStringLiteral("Division by Zero! No correct value! Use (.) instead of (,) for dot.");
const QString secondWarning =
    QStringLiteral("Division by Zero!, No correct value! Use (.) instead of (,) for dot.");

// Readings that calibrate without a warning, and what each window then shows in pF and uH.
const QStringList seriesReadings{"500", "KHz", "400", "KHz", "100", "uH", "pF", "uH"};
const QStringList parallelReadings{"500", "KHz", "400", "KHz", "1000", "pF", "pF", "uH"};

// In a table of record values: the field keeps what the calibration before left in it.
const double kept = std::nan("");

const char* calName(const QString& mode)
{
    return mode == lxMode ? "Cal_Lx" : "Cal_Cx";
}

// One pass of the event loop, as between two actions of the user: a window closed by the last
// action is gone afterwards.
void settle()
{
    QTest::qWait(0);
}

// Switches Main to `mode` and presses "Calibrate"; returns the calibration window that opened.
QWidget* calibrate(const QString& mode)
{
    if (text("Main", "Combo1") != mode) {
        pick("Main", "Combo1", mode);
        settle();
    }
    click("Main", "Command3");
    settle();
    QWidget* w = window(calName(mode));
    return w && QTest::qWaitForWindowExposed(w) ? w : nullptr;
}

// Fills in a calibration window and presses "Calculate". `in` holds F1, its unit, F2, its unit,
// the reference value, its unit, and the units of C1 and L1; a missing or empty unit leaves its
// list as it is.
void calculate(const char* w, const QStringList& in)
{
    static const char* const fields[] = {"Text1", "Combo1", "Text2",  "Combo2",
                                         "Text6", "Combo6", "Combo4", "Combo5"};
    for (int i = 0; i < in.size(); ++i) {
        if (i % 2 == 0 && i < 6)
            type(w, fields[i], in[i]);
        else if (!in[i].isEmpty())
            pick(w, fields[i], in[i]);
    }
    click(w, "Command1");
}

// Typing into Combo5, the one list of the window whose text the user may edit.
void typeUnit(const char* w, const QString& unit, bool pressEnter)
{
    QLineEdit* edit = child<QComboBox>(w, "Combo5")->lineEdit();
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, unit);
    if (pressEnter)
        QTest::keyClick(edit, Qt::Key_Return);
}

QStringList fieldTexts(const char* w, std::initializer_list<const char*> names)
{
    QStringList texts;
    for (const char* name : names)
        texts << text(w, name);
    return texts;
}

QStringList mainCalibration()
{
    return fieldTexts("Main", {"Text3", "Text5", "Text6"});
}

QStringList warnings()
{
    QStringList texts;
    for (const Box& box : BoxCatcher::instance().take()) {
        if (box.title != QStringLiteral("Warning !") || box.icon != QMessageBox::Warning ||
            box.buttons != 1)
            texts << QStringLiteral("<not a warning box: %1>").arg(box.title);
        texts << box.text;
    }
    return texts;
}

bool same(double actual, double expected)
{
    return actual == expected ||
           std::abs(actual - expected) <= 1e-12 * std::max(std::abs(actual), std::abs(expected));
}

// Every text field of every open window, to look for numbers that are none.
QStringList allFieldTexts()
{
    QStringList texts;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            for (QLineEdit* edit : top->findChildren<QLineEdit*>())
                texts << edit->text();
    return texts;
}

} // namespace

class CalibrationWindowTest : public QObject {
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

    void opensEmptyWithDefaults_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("referenceLabel");
        QTest::addColumn<QStringList>("referenceUnits");
        QTest::addColumn<QString>("referenceDefault");
        QTest::addColumn<QString>("picture");

        const QStringList inductance{"nH", "uH", "mH"};
        const QStringList capacitance{"pF", "nF", "uF"};
        QTest::newRow("Cal_Lx")
            << lxMode
            << "Calibrating Quorvant   -   Lx series                                "
               "* by Dorvin Keltsby - QQ9QQQ *"
            << "Enter L0" << inductance << "uH"
            << "Lx_Image";
        QTest::newRow("Cal_Cx from Calculate C")
            << cxcMode
            << "Calibrating Quorvant   -   Cx parallel                          "
               "* by Dorvin Keltsby - QQ9QQQ *"
            << "Enter C0" << capacitance << "pF"
            << "CxC_Image";
        QTest::newRow("Cal_Cx from Calculate L")
            << cxlMode
            << "Calibrating Quorvant   -   Cx parallel                          "
               "* by Dorvin Keltsby - QQ9QQQ *"
            << "Enter C0" << capacitance << "pF"
            << "CxL_Image";
    }
    void opensEmptyWithDefaults()
    {
        QFETCH(QString, mode);
        QFETCH(QString, caption);
        QFETCH(QString, referenceLabel);
        QFETCH(QStringList, referenceUnits);
        QFETCH(QString, referenceDefault);
        QFETCH(QString, picture);

        QWidget* cal = calibrate(mode);
        QVERIFY(cal);
        const char* name = calName(mode);
        QStringList expected{QString::fromLatin1(name), "Main", picture};
        expected.sort();
        QCOMPARE(openWindows(), expected);
        QCOMPARE(cal->windowTitle(), caption);
        QVERIFY(!window("Main")->isEnabled());
        QVERIFY(cal->isEnabled());

        // A plain title bar, out of the task bar, fixed size, at its own place.
        const Qt::WindowFlags flags = cal->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(cal->minimumSize(), cal->maximumSize());
        QCOMPARE(cal->geometry(), QRect(2340 / 15, 3075 / 15, 7590 / 15, 4125 / 15));

        QCOMPARE(fieldTexts(name, {"Text1", "Text2", "Text4", "Text5", "Text6"}),
                 QStringList(5, QString()));
        QCOMPARE(fieldTexts(name, {"Combo1", "Combo2", "Combo4", "Combo5", "Combo6"}),
                 QStringList({"Hz", "Hz", "pF", "uH", referenceDefault}));
        const auto items = [name](const char* list) {
            auto* combo = child<QComboBox>(name, list);
            QStringList texts;
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
            return texts;
        };
        QCOMPARE(items("Combo1"), QStringList({"Hz", "KHz", "MHz"}));
        QCOMPARE(items("Combo2"), QStringList({"Hz", "KHz", "MHz"}));
        QCOMPARE(items("Combo4"), QStringList({"pF", "nF", "uF"}));
        QCOMPARE(items("Combo5"), QStringList({"nH", "uH", "mH"}));
        QCOMPARE(items("Combo6"), referenceUnits);
        for (const char* list : {"Combo1", "Combo2", "Combo4", "Combo6"})
            QVERIFY2(!child<QComboBox>(name, list)->isEditable(), list);
        QVERIFY(child<QComboBox>(name, "Combo5")->isEditable());

        const auto caption_ = [name](const char* label) {
            return child<QLabel>(name, label)->text();
        };
        QCOMPARE(QStringList({caption_("Label1"), caption_("Label2"), caption_("Label3"),
                              caption_("Label4"), caption_("Label5")}),
                 QStringList(
                     {"Enter Freq 1", "Enter Freq 2", referenceLabel, "C1 Value", "L1+Ls Value"}));
        QCOMPARE(QStringList({child<QPushButton>(name, "Command1")->text(),
                              child<QPushButton>(name, "Command2")->text(),
                              child<QPushButton>(name, "Command3")->text()}),
                 QStringList({"Calculate", "Reset", "Return"}));
    }

    void calculatesAndHandsBack_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QString>("c1Shown");
        QTest::addColumn<QString>("l1Shown");
        QTest::addColumn<QStringList>("handedBack"); // Main's Text3, Text5, Text6

        const QStringList lxBack{"500", "569.9", "177.7778"};
        QTest::newRow("series pF uH") << lxMode << seriesReadings << "569.9"
                                      << "177.778" << lxBack;
        QTest::newRow("series nF mH")
            << lxMode << QStringList{"500", "KHz", "400", "KHz", "100", "uH", "nF", "mH"} << "0.57"
            << "0.177778" << lxBack;
        QTest::newRow("series uF nH")
            << lxMode << QStringList{"500", "KHz", "400", "KHz", "100", "uH", "uF", "nH"}
            << "0.00057"
            << "177777.8" << lxBack;
        QTest::newRow("series in Hz, L0 in mH")
            << lxMode << QStringList{"500000", "Hz", "400000", "Hz", "0.1", "mH", "pF", "uH"}
            << "569.9"
            << "177.778" << lxBack;
        QTest::newRow("series in MHz, L0 in nH")
            << lxMode << QStringList{"0.5", "MHz", "0.4", "MHz", "100000", "nH", "pF", "uH"}
            << "569.9"
            << "177.778" << lxBack;
        QTest::newRow("series swapped frequencies")
            << lxMode << QStringList{"400", "KHz", "500", "KHz", "100", "uH", "pF", "uH"}
            << "-569.9"
            << "-277.778" << QStringList{"400", "-569.9", "-277.7778"};
        QTest::newRow("series comma ends F1")
            << lxMode << QStringList{"3,5", "MHz", "2", "MHz", "10", "uH", "pF", "uH"} << "351.8"
            << "8" << QStringList{"3000", "351.8", "8"};

        const QStringList cxBack{"500", "1777.8", "56.9932"};
        QTest::newRow("parallel pF uH") << cxcMode << parallelReadings << "1777.8"
                                        << "56.993" << cxBack;
        QTest::newRow("parallel nF mH")
            << cxcMode << QStringList{"500", "KHz", "400", "KHz", "1000", "pF", "nF", "mH"}
            << "1.778"
            << "0.056993" << cxBack;
        QTest::newRow("parallel uF nH")
            << cxcMode << QStringList{"500", "KHz", "400", "KHz", "1000", "pF", "uF", "nH"}
            << "0.001778"
            << "56993.2" << cxBack;
        QTest::newRow("parallel C0 in nF")
            << cxcMode << QStringList{"500", "KHz", "400", "KHz", "1", "nF", "pF", "uH"} << "1777.8"
            << "56.993" << cxBack;
        QTest::newRow("parallel C0 in uF, F in MHz")
            << cxcMode << QStringList{"0.5", "MHz", "0.4", "MHz", "0.001", "uF", "pF", "uH"}
            << "1777.8"
            << "56.993" << cxBack;
        QTest::newRow("parallel swapped frequencies")
            << cxcMode << QStringList{"400", "KHz", "500", "KHz", "1000", "pF", "pF", "uH"}
            << "-2777.8"
            << "-56.993" << QStringList{"400", "-2777.8", "-56.9932"};
        QTest::newRow("parallel from Cx Mode (Calculate L)")
            << cxlMode << parallelReadings << "1777.8"
            << "56.993" << cxBack;
    }
    void calculatesAndHandsBack()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, readings);
        QFETCH(QString, c1Shown);
        QFETCH(QString, l1Shown);
        QFETCH(QStringList, handedBack);

        QVERIFY(calibrate(mode));
        const char* name = calName(mode);
        calculate(name, readings);
        QCOMPARE(warnings(), QStringList());
        QCOMPARE(fieldTexts(name, {"Text4", "Text5"}), QStringList({c1Shown, l1Shown}));
        // Swapped frequencies are stored as they come out, negative.
        QCOMPARE(global::record.C1 < 0, c1Shown.startsWith(u'-'));
        QCOMPARE(global::record.L1 < 0, l1Shown.startsWith(u'-'));

        click(name, "Command3");
        settle();
        QVERIFY(!window(name));
        QVERIFY(window("Main")->isEnabled());
        QCOMPARE(mainCalibration(), handedBack);
    }

    void warnsOnZeroDivisor_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("calibratedBefore");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<double>>("record"); // F1, F2, L0 or C0, C1, L1

        QTest::newRow("series, fresh window") << lxMode << false << QStringList{}
                                              << seriesFirstWarning << QList<double>{0, 0, 0, 0, 0};
        QTest::newRow("series, equal frequencies")
            << lxMode << true << QStringList{"450", "KHz", "0.45", "MHz", "100", "uH"}
            << seriesFirstWarning << QList<double>{0.45, 0.45, 100, kept, kept};
        QTest::newRow("series, L0 = 0")
            << lxMode << true << QStringList{"500", "KHz", "400", "KHz", "0", "uH"} << secondWarning
            << QList<double>{0.5, 0.4, 0, kept, 0};
        QTest::newRow("series, L0 typed with a comma")
            << lxMode << true << QStringList{"500", "KHz", "400", "KHz", "0,1", "mH"}
            << secondWarning << QList<double>{0.5, 0.4, 0, kept, 0};
        QTest::newRow("series, F1 = 0")
            << lxMode << true << QStringList{"0", "KHz", "400", "KHz", "100", "uH"} << secondWarning
            << QList<double>{0, 0.4, 100, kept, -100};
        QTest::newRow("series, F2 = 0")
            << lxMode << true << QStringList{"500", "KHz", "0", "KHz", "100", "uH"} << secondWarning
            << QList<double>{0.5, 0, 100, kept, 0};

        QTest::newRow("parallel, fresh window")
            << cxcMode << false << QStringList{} << secondWarning << QList<double>{0, 0, 0, 0, 0};
        QTest::newRow("parallel, equal frequencies")
            << cxcMode << true << QStringList{"400", "KHz", "400000", "Hz", "1000", "pF"}
            << secondWarning << QList<double>{0.4, 0.4, 0.001, kept, kept};
        QTest::newRow("parallel, C0 = 0")
            << cxcMode << true << QStringList{"500", "KHz", "400", "KHz", "0", "pF"}
            << secondWarning << QList<double>{0.5, 0.4, 0, 0, kept};
        QTest::newRow("parallel, F2 = 0")
            << cxlMode << true << QStringList{"500", "KHz", "0", "KHz", "1000", "pF"}
            << secondWarning << QList<double>{0.5, 0, 0.001, 0, kept};
        QTest::newRow("parallel, F1 = 0")
            << cxcMode << true << QStringList{"0", "KHz", "400", "KHz", "1000", "pF"}
            << secondWarning << QList<double>{0, 0.4, 0.001, -0.001, kept};
    }
    void warnsOnZeroDivisor()
    {
        QFETCH(QString, mode);
        QFETCH(bool, calibratedBefore);
        QFETCH(QStringList, readings);
        QFETCH(QString, message);
        QFETCH(QList<double>, record);

        QVERIFY(calibrate(mode));
        const char* name = calName(mode);
        const bool series = mode == lxMode;
        if (calibratedBefore) {
            calculate(name, series ? seriesReadings : parallelReadings);
            QCOMPARE(warnings(), QStringList());
        }
        const QStringList shownBefore = fieldTexts(name, {"Text4", "Text5"});
        const quorvant::CalibrationRecord before = global::record;

        calculate(name, readings);
        QCOMPARE(warnings(), QStringList{message});
        QCOMPARE(fieldTexts(name, {"Text4", "Text5"}), shownBefore);

        const quorvant::CalibrationRecord& r = global::record;
        const double actual[] = {r.F1, r.F2, series ? r.L0 : r.C0, r.C1, r.L1};
        const double earlier[] = {before.F1, before.F2, series ? before.L0 : before.C0, before.C1,
                                  before.L1};
        for (int i = 0; i < 5; ++i) {
            const double expected = std::isnan(record[i]) ? earlier[i] : record[i];
            QVERIFY2(same(actual[i], expected),
                     qPrintable(QStringLiteral("record field %1 is %2, expected %3")
                                    .arg(i)
                                    .arg(actual[i], 0, 'g', 17)
                                    .arg(expected, 0, 'g', 17)));
        }
        // The other method's reference value is not touched.
        QCOMPARE(series ? r.C0 : r.L0, series ? before.C0 : before.L0);
        QVERIFY(!window("Main")->isEnabled());
    }

    void typedResultUnit_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pressEnter");
        QTest::addColumn<QString>("c1Shown");
        QTest::addColumn<QString>("l1Shown");

        // After a first calculation in pF and uH, F2 becomes 300 KHz and Combo5 is typed into.
        QTest::newRow("series UH") << lxMode << "UH" << false << "1801.3"
                                   << "177.778";
        QTest::newRow("series UH and Enter") << lxMode << "UH" << true << "1801.3"
                                             << "177.778";
        QTest::newRow("series uh") << lxMode << "uh" << false << "1801.3"
                                   << "177.778";
        QTest::newRow("series mH typed") << lxMode << "mH" << false << "1801.3"
                                         << "0.05625";
        QTest::newRow("parallel UH") << cxcMode << "UH" << false << "562.5"
                                     << "56.993";
        QTest::newRow("parallel blank before uH") << cxcMode << " uH" << false << "562.5"
                                                  << "56.993";
        QTest::newRow("parallel nH typed") << cxcMode << "nH" << true << "562.5"
                                           << "180126.5";
    }
    void typedResultUnit()
    {
        QFETCH(QString, mode);
        QFETCH(QString, typed);
        QFETCH(bool, pressEnter);
        QFETCH(QString, c1Shown);
        QFETCH(QString, l1Shown);

        QVERIFY(calibrate(mode));
        const char* name = calName(mode);
        const bool series = mode == lxMode;
        calculate(name, series ? seriesReadings : parallelReadings);
        const double l1Before = global::record.L1;

        typeUnit(name, typed, pressEnter);
        QCOMPARE(text(name, "Combo5"), typed);
        type(name, "Text2", "300");
        click(name, "Command1");
        QCOMPARE(warnings(), QStringList());
        QCOMPARE(fieldTexts(name, {"Text4", "Text5"}), QStringList({c1Shown, l1Shown}));
        // The record takes the new calibration whatever the unit shows.
        QVERIFY(!same(global::record.L1, l1Before));
        QCOMPARE(text(name, "Combo5"), typed);
        QCOMPARE(child<QComboBox>(name, "Combo5")->count(), 3);
    }

    void resetKeepsReferenceAndUnits_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QStringList>("handedBack");

        QTest::newRow("series") << lxMode
                                << QStringList{"0.5", "MHz", "400", "KHz", "0.1", "mH", "nF", "nH"}
                                << QStringList{"500", "569.9", "177.7778"};
        QTest::newRow("parallel") << cxcMode
                                  << QStringList{"500", "KHz", "0.4", "MHz", "1", "nF", "uF", "mH"}
                                  << QStringList{"500", "1777.8", "56.9932"};
    }
    void resetKeepsReferenceAndUnits()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, readings);
        QFETCH(QStringList, handedBack);

        QVERIFY(calibrate(mode));
        const char* name = calName(mode);
        calculate(name, readings);
        const quorvant::CalibrationRecord calibrated = global::record;

        click(name, "Command2");
        QCOMPARE(fieldTexts(name, {"Text1", "Text2", "Text4", "Text5", "Text6"}),
                 QStringList({"", "", "", "", readings[4]}));
        QCOMPARE(fieldTexts(name, {"Combo1", "Combo2", "Combo6", "Combo4", "Combo5"}),
                 QStringList({readings[1], readings[3], readings[5], readings[6], readings[7]}));
        QVERIFY(global::record == calibrated);

        click(name, "Command3");
        settle();
        QCOMPARE(mainCalibration(), handedBack);
        QVERIFY(window("Main")->isEnabled());
    }

    void returnBeforeCalculate_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("Cal_Lx") << lxMode;
        QTest::newRow("Cal_Cx") << cxcMode;
        QTest::newRow("Cal_Cx from Calculate L") << cxlMode;
    }
    void returnBeforeCalculate()
    {
        QFETCH(QString, mode);
        QVERIFY(calibrate(mode));
        click(calName(mode), "Command3");
        settle();
        QVERIFY(!window(calName(mode)));
        QCOMPARE(mainCalibration(), QStringList({"0", "0", "0"}));
        QVERIFY(window("Main")->isEnabled());
    }

    void parallelAfterSeriesWins()
    {
        QVERIFY(calibrate(lxMode));
        calculate("Cal_Lx", seriesReadings);
        click("Cal_Lx", "Command3");
        settle();
        QCOMPARE(mainCalibration(), QStringList({"500", "569.9", "177.7778"}));

        QVERIFY(calibrate(cxcMode));
        calculate("Cal_Cx", {"600", "KHz", "400", "KHz", "1000", "pF", "pF", "uH"});
        click("Cal_Cx", "Command3");
        settle();
        QCOMPARE(warnings(), QStringList());
        // C1 = C0 * F2^2 / (F1^2 - F2^2) = 800 pF; L1 from F2 and C0 + C1.
        QVERIFY(same(global::record.C1, 0.0008));
        QVERIFY(same(global::record.L1, 1 / (0.0018 * (0.4 * 0.4 * 39.478417604))));
        QCOMPARE(global::record.L0, 100.0); // the series reference stays, unread
        QCOMPARE(global::record.C0, 0.001);
        QCOMPARE(mainCalibration(), QStringList({"600", "800", "87.9524"}));
    }

    void mainIsGivenBack_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("byReturn"); // else closed by the window manager
        QTest::newRow("Cal_Lx, Return") << lxMode << true;
        QTest::newRow("Cal_Lx, window manager") << lxMode << false;
        QTest::newRow("Cal_Cx, Return") << cxcMode << true;
        QTest::newRow("Cal_Cx, window manager") << cxlMode << false;
    }
    void mainIsGivenBack()
    {
        QFETCH(QString, mode);
        QFETCH(bool, byReturn);

        QWidget* main = window("Main");
        QWidget* cal = calibrate(mode);
        QVERIFY(cal);
        QVERIFY(!main->isEnabled());
        // Main's user close is refused while it waits for the calibration.
        QVERIFY(!main->close());
        QVERIFY(window("Main"));

        if (byReturn)
            click(calName(mode), "Command3");
        else
            QVERIFY(cal->close());
        settle();
        QVERIFY(!window(calName(mode)));
        QVERIFY(main->isEnabled());
        QCOMPARE(mainCalibration(),
                 byReturn ? QStringList({"0", "0", "0"}) : QStringList({"", "", ""}));

        // Main works again: it can calibrate once more.
        QVERIFY(calibrate(mode));
        QVERIFY(!main->isEnabled());
    }

    void reopensEmpty_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("byReturn");
        QTest::newRow("Cal_Lx after Return") << lxMode << true;
        QTest::newRow("Cal_Lx after close") << lxMode << false;
        QTest::newRow("Cal_Cx after Return") << cxcMode << true;
        QTest::newRow("Cal_Cx after close") << cxcMode << false;
    }
    void reopensEmpty()
    {
        QFETCH(QString, mode);
        QFETCH(bool, byReturn);
        const char* name = calName(mode);
        const bool series = mode == lxMode;

        QWidget* cal = calibrate(mode);
        QVERIFY(cal);
        QStringList readings = series ? seriesReadings : parallelReadings;
        readings[1] = readings[3] = "MHz";
        readings[5] = series ? "mH" : "nF";
        readings[6] = "uF";
        readings[7] = "nH";
        calculate(name, readings);
        typeUnit(name, "X", false);
        if (byReturn)
            click(name, "Command3");
        else
            cal->close();
        settle();
        QVERIFY(!window(name));
        const quorvant::CalibrationRecord calibrated = global::record;

        cal = calibrate(mode);
        QVERIFY(cal);
        QCOMPARE(cal->geometry().topLeft(), QPoint(2340 / 15, 3075 / 15));
        QCOMPARE(fieldTexts(name, {"Text1", "Text2", "Text4", "Text5", "Text6"}),
                 QStringList(5, QString()));
        QCOMPARE(fieldTexts(name, {"Combo1", "Combo2", "Combo4", "Combo5", "Combo6"}),
                 QStringList({"Hz", "Hz", "pF", "uH", series ? "uH" : "pF"}));
        QVERIFY(global::record == calibrated);
    }

    // The typical use: calibrate, hand back, then measure in Main.
    void calibrateThenMeasure_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QStringList>("shown");      // Text4, Text5 of the calibration window
        QTest::addColumn<QStringList>("handedBack"); // Main's Text3, Text5, Text6
        QTest::addColumn<QStringList>("measured");   // Text1, Combo2, Text7, result unit
        QTest::addColumn<QString>("result");         // Text2 or Text4
        QTest::addColumn<QString>("value");

        const QStringList cxShown{"1777.8", "56.993"};
        const QStringList cxBack{"500", "1777.8", "56.9932"};
        const QStringList lxShown{"569.9", "177.778"};
        const QStringList lxBack{"500", "569.9", "177.7778"};
        QTest::newRow("capacitor") << cxcMode << parallelReadings << cxShown << cxBack
                                   << QStringList{"450", "KHz", "", "pF"} << "Text4"
                                   << "417";
        QTest::newRow("capacitor in nF") << cxcMode << parallelReadings << cxShown << cxBack
                                         << QStringList{"400000", "Hz", "", "nF"} << "Text4"
                                         << "1";
        QTest::newRow("series inductor, stray 10 nH")
            << lxMode << seriesReadings << lxShown << lxBack
            << QStringList{"400", "KHz", "10", "uH"} << "Text2"
            << "99.99";
        QTest::newRow("series inductor, stray 25 nH, in Hz")
            << lxMode << seriesReadings << lxShown << lxBack
            << QStringList{"300000", "Hz", "25", "uH"} << "Text2"
            << "316.025";
        QTest::newRow("parallel inductor") << cxlMode << parallelReadings << cxShown << cxBack
                                           << QStringList{"0.6", "MHz", "", "uH"} << "Text2"
                                           << "129.53";
        QTest::newRow("parallel inductor in nH") << cxlMode << parallelReadings << cxShown << cxBack
                                                 << QStringList{"1000", "KHz", "", "nH"} << "Text2"
                                                 << "18997.7";
    }
    void calibrateThenMeasure()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, readings);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, handedBack);
        QFETCH(QStringList, measured);
        QFETCH(QString, result);
        QFETCH(QString, value);

        QVERIFY(calibrate(mode));
        const char* name = calName(mode);
        calculate(name, readings);
        QCOMPARE(fieldTexts(name, {"Text4", "Text5"}), shown);
        click(name, "Command3");
        settle();
        QCOMPARE(mainCalibration(), handedBack);

        QWidget* main = window("Main");
        QVERIFY(main->isEnabled());
        QVERIFY(activate(main));
        type("Main", "Text1", measured[0]);
        pick("Main", "Combo2", measured[1]);
        if (!measured[2].isEmpty())
            type("Main", "Text7", measured[2]);
        pick("Main", result == "Text2" ? "Combo3" : "Combo4", measured[3]);
        QVERIFY(activate(main));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(warnings(), QStringList());
        QCOMPARE(text("Main", result.toLatin1()), value);
        QCOMPARE(text("Main", result == "Text2" ? "Text4" : "Text2"), QString());
    }

    // Numbers beyond what a double holds end in a warning or a finite text, never in "inf".
    void outOfRangeNeverShowsInfinity_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<bool>("warned");

        QTest::newRow("series, squares beyond range")
            << lxMode << QStringList{"1e300", "MHz", "1e299", "MHz", "100", "uH", "pF", "uH"}
            << true;
        QTest::newRow("series, L0 beyond range")
            << lxMode << QStringList{"500", "KHz", "400", "KHz", "1e308", "mH", "pF", "nH"} << true;
        QTest::newRow("series, huge L1 still shown")
            << lxMode << QStringList{"500", "KHz", "400", "KHz", "1e300", "mH", "pF", "nH"}
            << false;
        QTest::newRow("parallel, squares beyond range")
            << cxcMode << QStringList{"1e300", "MHz", "1e299", "MHz", "1000", "pF", "pF", "uH"}
            << true;
        QTest::newRow("parallel, C1 beyond its unit")
            << cxcMode << QStringList{"500", "KHz", "400", "KHz", "1e305", "uF", "pF", "uH"}
            << true;
        QTest::newRow("parallel, squares below range")
            << cxcMode << QStringList{"1e-200", "MHz", "2e-201", "MHz", "1000", "pF", "pF", "uH"}
            << true;
    }
    void outOfRangeNeverShowsInfinity()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, readings);
        QFETCH(bool, warned);

        QVERIFY(calibrate(mode));
        const char* name = calName(mode);
        calculate(name, readings);
        QCOMPARE(warnings().size(), warned ? 1 : 0);
        for (const QString& t : allFieldTexts())
            QVERIFY2(!t.contains("inf", Qt::CaseInsensitive) &&
                         !t.contains("nan", Qt::CaseInsensitive),
                     qPrintable(t));
        QVERIFY(std::isfinite(global::record.C1) && std::isfinite(global::record.L1));

        click(name, "Command3");
        settle();
        QVERIFY(window("Main")->isEnabled());
        for (const QString& t : mainCalibration())
            QVERIFY2(!t.contains("inf", Qt::CaseInsensitive) &&
                         !t.contains("nan", Qt::CaseInsensitive),
                     qPrintable(t));
    }
};

QUORVANT_TEST_MAIN(CalibrationWindowTest)
#include "calibration_window_test.moc"
