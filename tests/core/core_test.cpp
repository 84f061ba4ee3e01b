// The window-independent core: reading and showing numbers, units, the measurement in its three
// modes, the two calibrations with the record they leave, and the texts "Return" hands back.
#include <quorvant/calibration.hpp>
#include <quorvant/measurement.hpp>
#include <quorvant/messages.hpp>
#include <quorvant/number.hpp>
#include <quorvant/units.hpp>

#include "number_scan.hpp"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace quorvant;
constexpr auto series = CalibrationMethod::SeriesInductor;
constexpr auto parallel = CalibrationMethod::ParallelCapacitor;

// The warnings as the user reads them (lines end with a carriage return alone), written out once
// here rather than taken from the program, so that a changed text in the program fails.
const std::string_view divisionByZero = "Division by Zero!, No correct value!\r\r"
                                        " - Use (.) instead of (,) for dot.\r"
                                        " - Run Calibrate at first.";
const std::string_view seriesFirstGuard =
    "Division by Zero! No correct value! Use (.) instead of (,) for dot.";
const std::string_view guard =
    "Division by Zero!, No correct value! Use (.) instead of (,) for dot.";
const std::string_view outOfRange =
    "Number out of range! No correct value!\r\r - Check the values you entered.";

// A list's text as the windows hand it over: parsed into a unit of its kind once.
std::optional<Unit> F(std::string_view text) { return parseUnit(text, UnitKind::Frequency); }
std::optional<Unit> L(std::string_view text) { return parseUnit(text, UnitKind::Inductance); }
std::optional<Unit> C(std::string_view text) { return parseUnit(text, UnitKind::Capacitance); }

// Each row reads a typed text, then shows the number read, rounded to `decimals` places (below 0:
// the general format alone). The rows run in the C locale and again in a comma locale: the user's
// regional settings must not count.
struct NumberRow {
    std::string text;
    std::optional<std::string> prefix; // the part read; none: the whole text
    double value;
    int decimals;
    std::optional<std::string> shown;
    const char* separator = ".";
};

std::vector<NumberRow> numberRows()
{
    const std::string zeros(5000, '0'), nines(5000, '9'), ones(400, '1');
    return {
        // Blanks, tabs and line feeds are dropped wherever they stand.
        {" + 1 2\t.\ne-1 ", "+12.e-1", 1.2, -1, "1.2"},
        // Reading stops at the first character that cannot continue the number; a comma is one.
        {"3.5.1MHz", "3.5", 3.5, -1, "3.5"},
        {"2,5", "2", 2, -1, "2"},
        {"-.e5", "", 0, -1, "0"},
        // An exponent needs a digit; "&H" and the exponent letter D are not accepted.
        {"1e+x", "1", 1, -1, "1"},
        {"&H10", "", 0, -1, "0"},
        {"1D3", "1", 1, -1, "1"},
        // Beyond the double range: an infinity of its sign, which has no text; too small: zero of
        // its sign, shown as 0.
        {"1e309", {}, INFINITY, -1, {}},
        {"-1e309", {}, -INFINITY, 1, {}},
        {"-1e-400", {}, -0.0, -1, "0"},
        {"1e-310", {}, 1e-310, -1, "9.99999999999997E-311"},
        {"1e99999999999999999999999", {}, INFINITY, -1, {}},
        // Long digit strings: every digit counts, and where the number lies beyond the double
        // range, its leading digit decides between an infinity and zero.
        {"0." + zeros + "1e5001", {}, 1, -1, "1"},
        {"0." + zeros + "1e4600", {}, 0, -1, "0"},
        {"0." + zeros + "1" + ones + "e5400", {}, INFINITY, -1, {}},
        {zeros + "1e-330", {}, 0, -1, "0"},
        {"1" + zeros + "e-5400", {}, 0, -1, "0"},
        {"1" + zeros + ".5e-4600", {}, INFINITY, -1, {}},
        {"1e-99999999999999999999999", {}, 0, -1, "0"},
        // No hexadecimal: "0x10" is 0 followed by what ends the number.
        {"0x10", "0", 0, -1, "0"},
        {nines, {}, INFINITY, -1, {}},
        // 2^53 + 1 lies halfway between two doubles; a digit far behind the point decides upwards.
        {"9007199254740993." + zeros + "1", {}, 9007199254740994.0, -1, "9.00719925474099E+15"},
        // Ties go to the even digit, decided on the exact binary value (2.675 is 2.67499...).
        {"0.25", {}, 0.25, 1, "0.2"},
        {"0.75", {}, 0.75, 1, "0.8"},
        {"2.5", {}, 2.5, 0, "2"},
        {"0.125", {}, 0.125, 2, "0.12"},
        {"2.675", {}, 2.675, 2, "2.67"},
        {"-1.7976931348623157e308", {}, -1.7976931348623157e308, 6, "-1.79769313486232E+308"},
        // At most 15 significant digits, no trailing zeros, exponent form from 1E+15 and below
        // 0.0001.
        {"123456789.123456789", {}, 123456789.123456789, -1, "123456789.123457"},
        {"999999999999999", {}, 999999999999999.0, -1, "999999999999999"},
        {"1e15", {}, 1e15, -1, "1E+15"},
        {"0.0001", {}, 0.0001, -1, "0.0001"},
        {"0.000015", {}, 0.000015, -1, "1,5E-05", ","},
    };
}

void checkNumbers()
{
    for (const auto& r : numberRows()) {
        SCOPED_TRACE(r.text.substr(0, 40));
        EXPECT_EQ(detail::acceptedPrefix(r.text), r.prefix.value_or(r.text));
        const double value = readNumber(r.text);
        EXPECT_TRUE(value == r.value && std::signbit(value) == std::signbit(r.value)) << value;
        EXPECT_EQ(r.decimals < 0 ? formatGeneral(value, r.separator)
                                 : formatRounded(value, r.decimals, r.separator),
                  r.shown);
    }
    EXPECT_EQ(formatRounded(NAN, 1, "."), std::nullopt); // a NaN has no text either
}

TEST(Numbers, ReadRoundAndFormat)
{
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    checkNumbers();
}

TEST(Numbers, ReadRoundAndFormatUnderACommaLocale)
{
    // The German locale by its POSIX name, or by the Windows C run-time's.
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "German_Germany.1252"))
        GTEST_SKIP() << "no German locale is installed";
    // Sure to be the comma locale: otherwise these rows would prove nothing.
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    checkNumbers();
    std::setlocale(LC_ALL, "C");
}

// Each row measures in the three modes, "Lx Mode (Calculate L)" with the inductance unit,
// "Cx Mode (Calculate C)" with the capacitance unit and "Cx Mode (Calculate L)" with the inductance
// unit again. Expected: a result's text and no warning (`ok("")`: no text), or a warning.
TEST(Measure, ThreeModes)
{
    const CalibrationRecord cal{.C1 = 0.001, .L1 = 100}, tiny{.C1 = 1e-300, .L1 = 100};
    struct Want {
        ResultCode code;
        std::string_view text;
        std::string_view warning;
    };
    const auto shows = [](std::string_view text) { return Want{ResultCode::Ok, text, ""}; };
    const Want zero{ResultCode::ZeroDivisor, "", divisionByZero},
        range{ResultCode::OutOfRange, "", outOfRange};
    const struct {
        const char* name;
        CalibrationRecord record;
        const char *f, *fUnit, *stray, *lUnit, *cUnit;
        Want lxSeries, cxParallel, lxParallel;
        const char* separator = ".";
    } rows[] = {
        // clang-format off
        {"kHz, no stray", cal, "400", "KHz", "", "uH", "pF", shows("58.314"), shows("583.1"), shows("-271.484")},
        // Only a positive stray inductance is taken off, and only in the first mode.
        {"Hz, a positive stray taken off", cal, "400000", "Hz", "12", "nH", "nF", shows("58302.4"), shows("0.583"), shows("-271484.2")},
        {"MHz, a negative stray left alone", cal, "0.4", "MHz", "-12", "mH", "uF", shows("0.058314"), shows("0.000583"), shows("-0.271484")},
        // With a finer pi squared than 9.8696, this row and the nH row read differently.
        {"10 kHz, where pi squared shows", cal, "10", "KHz", "0", "uH", "pF", shows("253203.072"), shows("2532030.7"), shows("-100.039")},
        {"a comma ends the frequency", cal, "1,5", "MHz", "0", "uH", "pF", shows("-74.67"), shows("-746.7"), shows("33.923")},
        {"no frequency", cal, "", "KHz", "0", "uH", "pF", zero, zero, shows("-100")},
        // A unit that is no item of its kind: a typed number stays as it is, a result unshown.
        {"a frequency unit that is no item", cal, "0.4", "khz", "0", "uH", "uF", shows("58.314"), shows("0.000583"), shows("-271.484")},
        {"a result unit that is no item", cal, "400", "KHz", "0", "pF", "PF", shows(""), shows(""), shows("")},
        {"the comma separator", cal, "400", "KHz", "0", "uH", "pF", shows("58,314"), shows("583,1"), shows("-271,484"), ","},
        // Uncalibrated, and left with C1 zero by a stopped calibration.
        {"uncalibrated", {}, "400", "KHz", "0", "uH", "pF", zero, zero, zero},
        {"C1 zero after a stopped calibration", {.L1 = 100}, "400", "KHz", "0", "uH", "pF", zero, shows("1583.1"), shows("-100")},
        // At the oscillator's own resonance 4 * 9.8696 * F3^2 * L1 * C1 - 1 is exactly 0.
        {"at the oscillator's own resonance", {.C1 = 1, .L1 = 1 / 9.8696}, "0.5", "MHz", "0", "uH", "pF", shows("0"), shows("0"), zero},
        // Beyond the double range: typed numbers, products, and results in their unit.
        {"a frequency below the double range", cal, "-1e400", "MHz", "0", "uH", "pF", range, range, range},
        {"a frequency squared beyond the range", cal, "1e200", "MHz", "0", "uH", "pF", range, range, range},
        {"beyond the range with C1 zero", {.L1 = 100}, "1e200", "MHz", "0", "uH", "pF", range, range, range},
        {"a stray beyond the double range", cal, "400", "KHz", "-1e309", "uH", "pF", range, shows("583.1"), shows("-271.484")},
        {"a result beyond the range in its unit", tiny, "100", "Hz", "0", "nH", "pF", range, shows("25330307206"), shows("-100000")},
    };
    // clang-format on
    for (const auto& r : rows) {
        const struct {
            Mode mode;
            std::optional<Unit> resultUnit;
            const Want& want;
        } modes[] = {{Mode::LxSeries, L(r.lUnit), r.lxSeries},
                     {Mode::CxParallel, C(r.cUnit), r.cxParallel},
                     {Mode::LxParallel, L(r.lUnit), r.lxParallel}};
        for (const auto& [mode, resultUnit, want] : modes) {
            SCOPED_TRACE(testing::Message() << r.name << ", " << modeName(mode));
            const auto out =
                measure(mode, {r.f, F(r.fUnit), r.stray, resultUnit}, r.record, r.separator);
            EXPECT_EQ(out.code, want.code);
            EXPECT_EQ(out.text.value_or(""), want.text);
            EXPECT_EQ(messages::forMeasurement(out.code), want.warning);
        }
    }
    // Modes and units are compared exactly, case included.
    EXPECT_EQ(parseMode("lx mode (calculate l)"), std::nullopt);
    EXPECT_EQ(parseMode("Lx Mode (Calculate L)"), Mode::LxSeries);
    EXPECT_EQ(parseUnit("uh", UnitKind::Inductance), std::nullopt);
    EXPECT_EQ(parseUnit("uH", UnitKind::Capacitance), std::nullopt);
    // The lists' items, in list order.
    using Items = std::array<std::string_view, 3>;
    EXPECT_EQ(unitItems(UnitKind::Frequency), (Items{"Hz", "KHz", "MHz"}));
    EXPECT_EQ(unitItems(UnitKind::Inductance), (Items{"nH", "uH", "mH"}));
    EXPECT_EQ(unitItems(UnitKind::Capacitance), (Items{"pF", "nF", "uF"}));
}

// Each row starts from the record of an earlier run, all 9; in `after`, NaN stands for any
// finite value, and a row without `after` is only checked to leave every field finite.
TEST(Calibrate, OutcomesAndRecord)
{
    constexpr double n = NAN, t = 1e-160;
    using enum ResultCode;
    // The outcomes without texts: a guard stopped the calculation, or a value left the range.
    const Calibration firstGuard{ZeroDivisor, {}, {}}, secondGuard{SecondZeroDivisor, {}, {}},
        range{OutOfRange, {}, {}};
    const struct {
        const char* name;
        CalibrationMethod method;
        const char *f1, *f1Unit, *f2, *f2Unit, *reference, *referenceUnit, *c1Unit, *l1Unit;
        Calibration out;
        CalibrationRecord after{n, n, n, n, n, n};
    } rows[] = {
        // clang-format off
        {"series, kHz", series, "500", "KHz", "400", "KHz", "100", "uH", "pF", "uH", {Ok, "569.9", "177.778"}},
        {"series, Hz and MHz, mH and nF", series, "500000", "Hz", "0.4", "MHz", "0.1", "mH", "nF", "mH", {Ok, "0.57", "0.177778"}},
        {"series, MHz and Hz, nH and uF", series, "0.5", "MHz", "4e5", "Hz", "1e5", "nH", "uF", "nH", {Ok, "0.00057", "177777.8"}},
        {"series, F2 above F1", series, "400", "KHz", "500", "KHz", "100", "uH", "pF", "uH", {Ok, "-569.9", "-277.778"}},
        {"parallel, kHz", parallel, "500", "KHz", "400", "KHz", "1000", "pF", "pF", "uH", {Ok, "1777.8", "56.993"}},
        {"parallel, Hz and MHz, nF and mH", parallel, "500000", "Hz", "0.4", "MHz", "1", "nF", "nF", "mH", {Ok, "1.778", "0.056993"}},
        {"parallel, MHz and Hz, uF and nH", parallel, "0.5", "MHz", "400000", "Hz", "0.001", "uF", "uF", "nH", {Ok, "0.001778", "56993.2"}},
        {"parallel, F2 above F1", parallel, "400", "KHz", "500", "KHz", "1000", "pF", "pF", "uH", {Ok, "-2777.8", "-56.993"}},
        // Large enough to show the digits of pi squared.
        {"series, large enough to show pi squared", series, "2", "MHz", "1", "MHz", "0.003", "nH", "pF", "nH", {Ok, "6332573977.7", "0"}},
        {"parallel, large enough to show pi squared", parallel, "2", "MHz", "1", "MHz", "0.003", "pF", "pF", "uH", {Ok, "0", "6332573.978"}},
        {"parallel, C1 of 1E+305", parallel, "2", "MHz", "1", "MHz", "3e305", "uF", "uF", "uH", {Ok, "1E+305", "0"}},
        // A typed L1 unit that is none of the items leaves its text alone; the record is updated.
        {"parallel, a typed L1 unit that is no item", parallel, "500", "KHz", "400", "KHz", "1000", "pF", "pF", "UH", {Ok, "1777.8", {}}},
        // The readings are stored first, each result only once its guard has passed.
        {"series, F1 equal to F2", series, "500", "KHz", "0.5", "MHz", "1", "uH", "pF", "uH", firstGuard, {.5, .5, 1, 9, 9, 9}},
        {"series, no L0", series, "500", "KHz", "400", "KHz", "0", "uH", "pF", "uH", secondGuard, {.5, .4, 0, 9, 9, 0}},
        {"series, no F1", series, "", "KHz", "0.5", "MHz", "1", "uH", "pF", "uH", secondGuard, {0, .5, 1, 9, 9, -1}},
        {"parallel, F1 equal to F2", parallel, "1", "MHz", "1", "MHz", "1", "uF", "pF", "uH", firstGuard, {1, 1, 9, 1, 9, 9}},
        {"parallel, no C0", parallel, "500", "KHz", "400", "KHz", "0", "pF", "pF", "uH", secondGuard, {.5, .4, 9, 0, 0, 9}},
        {"parallel, no F1", parallel, "", "KHz", "0.5", "MHz", "1", "uF", "pF", "uH", secondGuard, {0, .5, 9, 1, -1, 9}},
        // Nothing beyond the double range is stored; a result without a text in its unit is.
        {"series, F2 below the double range", series, "1", "MHz", "-1e400", "Hz", "1", "uH", "pF", "uH", range, {1, 9, 9, 9, 9, 9}},
        {"series, L0 in mH beyond the range", series, "2", "MHz", "1", "MHz", "1e306", "mH", "pF", "uH", range, {2, 1, 9, 9, 9, 9}},
        {"series, F1 squared beyond the range", series, "1e200", "MHz", "1", "MHz", "1", "uH", "pF", "uH", range, {1e200, 1, 1, 9, 9, 9}},
        {"parallel, F1 squared beyond the range", parallel, "1e200", "MHz", "1", "MHz", "1", "uF", "pF", "uH", range, {1e200, 1, 9, 1, 9, 9}},
        {"series, F1 squared times L0 beyond the range", series, "2e5", "MHz", "1e5", "MHz", "1e300", "uH", "pF", "uH", range, {2e5, 1e5, 1e300, 9, 9, 9}},
        {"series, C1 beyond the range", series, "2e50", "MHz", "1", "MHz", "1e307", "uH", "pF", "uH", range, {2e50, 1, 1e307, 9, 9, n}},
        {"parallel, L1 beyond the range", parallel, "2e5", "MHz", "1e5", "MHz", "1e300", "uF", "pF", "uH", range, {2e5, 1e5, 9, 1e300, n, 9}},
        {"series, frequencies squared below the range", series, "2e-160", "MHz", "1e-160", "MHz", "1", "uH", "pF", "uH", range, {2 * t, t, 1, 9, 9, n}},
        {"parallel, frequencies squared below the range", parallel, "2e-160", "MHz", "1e-160", "MHz", "1", "uF", "pF", "uH", range, {2 * t, t, 9, 1, n, 9}},
        {"parallel, C0 times F2 squared beyond the range", parallel, "1.01", "MHz", "1", "MHz", "1e307", "uF", "pF", "uH", range, {1.01, 1, 9, 1e307, 9, 9}},
        {"parallel, results beyond the range in their units", parallel, "2", "MHz", "1", "MHz", "3e305", "uF", "pF", "uH", range, {2, 1, 9, 3e305, n, n}},
        {"series, results beyond the range in their units", series, "2", "MHz", "1", "MHz", "1e306", "uH", "pF", "nH", range, {2, 1, 1e306, 9, n, n}},
    };
    // clang-format on
    using Rec = CalibrationRecord;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        // L0 is an inductance, C0 a capacitance.
        const auto referenceUnit = r.method == series ? L(r.referenceUnit) : C(r.referenceUnit);
        const CalibrationInput in{r.f1,        F(r.f1Unit),   r.f2,        F(r.f2Unit),
                                  r.reference, referenceUnit, C(r.c1Unit), L(r.l1Unit)};
        Rec rec{9, 9, 9, 9, 9, 9};
        const Calibration out = calibrate(r.method, in, rec, ".");
        EXPECT_EQ(out, r.out) << static_cast<int>(out.code) << " | " << out.c1.value_or("-")
                              << " | " << out.l1.value_or("-");
        for (auto field : {&Rec::F1, &Rec::F2, &Rec::L0, &Rec::C0, &Rec::C1, &Rec::L1}) {
            const double got = rec.*field, want = r.after.*field;
            EXPECT_TRUE(std::isfinite(got) && (std::isnan(want) || got == want)) << got;
        }
    }
    // The texts of the guards differ between the methods only in the series one's first guard.
    EXPECT_EQ(messages::forCalibration(series, ZeroDivisor), seriesFirstGuard);
    EXPECT_EQ(messages::forCalibration(series, SecondZeroDivisor), guard);
    EXPECT_EQ(messages::forCalibration(parallel, ZeroDivisor), guard);
    EXPECT_EQ(messages::forCalibration(parallel, OutOfRange), outOfRange);
}

TEST(Calibrate, Summary)
{
    CalibrationRecord rec;
    EXPECT_EQ(summarize(rec, "."), (CalibrationSummary{"0", "0", "0"}));
    const CalibrationInput in{"500", Unit::KHz, "400",    Unit::KHz,
                              "100", Unit::uH,  Unit::pF, Unit::uH};
    EXPECT_EQ(calibrate(series, in, rec, ","), (Calibration{ResultCode::Ok, "569,9", "177,778"}));
    EXPECT_EQ(summarize(rec, "."), (CalibrationSummary{"500", "569.9", "177.7778"}));
    EXPECT_EQ(summarize(rec, ","), (CalibrationSummary{"500", "569,9", "177,7778"}));
    // F1 in kHz with 3 decimals; beyond the double range it has no text.
    EXPECT_EQ(summarize({.F1 = 0.0012345678}, ".").f1KHz, "1.235");
    EXPECT_EQ(summarize({.F1 = 1e306}, ".").f1KHz, "");
}

} // namespace
