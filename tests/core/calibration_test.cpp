// The two calibrations: results, zero guards, the record they leave, and "Return".
#include "quorvant/calibration.hpp"

#include "quorvant/messages.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace quorvant {
void PrintTo(const CalibrationOutcome& o, std::ostream* os)
{
    *os << "{" << o.warning.value_or("-") << " | " << o.text4.value_or("-") << " | "
        << o.text5.value_or("-") << "}";
}
void PrintTo(const CalibrationRecord& r, std::ostream* os)
{
    *os << "{" << r.F1 << ", " << r.F2 << ", " << r.L0 << ", " << r.C0 << ", " << r.C1 << ", "
        << r.L1 << "}";
}
} // namespace quorvant

namespace {

using namespace quorvant;
constexpr auto series = CalibrationMethod::SeriesInductor;
constexpr auto parallel = CalibrationMethod::ParallelCapacitor;
constexpr CalibrationRecord nines{9, 9, 9, 9, 9, 9}; // F1 F2 L0 C0 C1 L1 of an earlier run

struct Row {
    CalibrationMethod method;
    const char *f1, *f1Unit, *f2, *f2Unit, *reference, *referenceUnit, *c1Unit, *l1Unit;
};

CalibrationOutcome run(const Row& r, CalibrationRecord& record, std::string_view sep = ".")
{
    const CalibrationInputs in{r.f1,        r.f1Unit,        r.f2,     r.f2Unit,
                               r.reference, r.referenceUnit, r.c1Unit, r.l1Unit};
    return calibrate(r.method, in, record, sep);
}

testing::Message describe(const Row& r)
{
    return testing::Message() << (r.method == series ? "series " : "parallel ") << r.f1 << r.f1Unit
                              << " " << r.f2 << r.f2Unit << " " << r.reference << r.referenceUnit
                              << " -> " << r.c1Unit << " " << r.l1Unit;
}

CalibrationOutcome texts(const char* text4, const char* text5)
{
    const auto text = [](const char* t) {
        return t ? std::optional<std::string>(t) : std::nullopt;
    };
    return {std::nullopt, text(text4), text(text5)};
}

CalibrationOutcome warning(std::string_view text)
{
    return {std::string(text), std::nullopt, std::nullopt};
}

TEST(Calibrate, Results)
{
    struct Case {
        Row row;
        CalibrationOutcome outcome;
    };
    const Case cases[] = {
        {{series, "500", "KHz", "400", "KHz", "100", "uH", "pF", "uH"}, texts("569.9", "177.778")},
        {{series, "500", "KHz", "400", "KHz", "100", "uH", "nF", "mH"}, texts("0.57", "0.177778")},
        {{series, "500", "KHz", "400", "KHz", "100", "uH", "uF", "nH"},
         texts("0.00057", "177777.8")},
        {{series, "500000", "Hz", "0.4", "MHz", "0.1", "mH", "pF", "uH"},
         texts("569.9", "177.778")},
        {{series, "0.5", "MHz", "400000", "Hz", "100000", "nH", "pF", "uH"},
         texts("569.9", "177.778")},
        {{series, "400", "KHz", "500", "KHz", "100", "uH", "pF", "uH"},
         texts("-569.9", "-277.778")},
        {{series, "500", "KHz", "400", "KHz", "100", "uH", "pF", "UH"}, texts("569.9", nullptr)},
        {{series, "500", "KHz", "400", "KHz", "100", "uH", "", ""}, texts(nullptr, nullptr)},
        {{parallel, "500", "KHz", "400", "KHz", "1000", "pF", "pF", "uH"},
         texts("1777.8", "56.993")},
        {{parallel, "500", "KHz", "400", "KHz", "1000", "pF", "nF", "mH"},
         texts("1.778", "0.056993")},
        {{parallel, "500", "KHz", "400", "KHz", "1000", "pF", "uF", "nH"},
         texts("0.001778", "56993.2")},
        {{parallel, "500", "KHz", "400", "KHz", "1", "nF", "pF", "uH"}, texts("1777.8", "56.993")},
        {{parallel, "500", "KHz", "400", "KHz", "0.001", "uF", "pF", "uH"},
         texts("1777.8", "56.993")},
        {{parallel, "400", "KHz", "500", "KHz", "1000", "pF", "pF", "uH"},
         texts("-2777.8", "-56.993")},
        {{parallel, "500", "KHz", "400", "KHz", "1000", "pF", "pF", "mh"},
         texts("1777.8", nullptr)},
        // Results large enough to show the digits of pi squared.
        {{series, "2", "MHz", "1", "MHz", "0.003", "nH", "pF", "nH"}, texts("6332573977.7", "0")},
        {{parallel, "2", "MHz", "1", "MHz", "0.003", "pF", "pF", "uH"}, texts("0", "6332573.978")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.row));
        CalibrationRecord record;
        EXPECT_EQ(run(c.row, record), c.outcome);
    }
    CalibrationRecord record;
    EXPECT_EQ(run(cases[0].row, record, ","), texts("569,9", "177,778"));
}

// Readings are stored first; each result only once its guard has passed.
TEST(Calibrate, RecordAfterGuards)
{
    const auto first = messages::seriesFirstGuard;
    const auto second = messages::seriesSecondGuard;
    const auto guard = messages::parallelGuard;
    struct Case {
        Row row;
        std::string_view warning;
        CalibrationRecord after;
    };
    const Case cases[] = {
        {{series, "", "Hz", "", "Hz", "", "uH", "pF", "uH"}, first, {0, 0, 0, 9, 9, 9}},
        {{series, "500", "KHz", "0.5", "MHz", "1", "uH", "pF", "uH"}, first, {.5, .5, 1, 9, 9, 9}},
        {{series, "500", "KHz", "400", "KHz", "0", "uH", "pF", "uH"}, second, {.5, .4, 0, 9, 9, 0}},
        {{series, "", "KHz", "0.5", "MHz", "1", "uH", "pF", "uH"}, second, {0, .5, 1, 9, 9, -1}},
        {{parallel, "", "Hz", "", "Hz", "", "pF", "pF", "uH"}, guard, {0, 0, 9, 0, 9, 9}},
        {{parallel, "1", "MHz", "1", "MHz", "1", "uF", "pF", "uH"}, guard, {1, 1, 9, 1, 9, 9}},
        {{parallel, "500", "KHz", "400", "KHz", "0", "pF", "pF", "uH"},
         guard,
         {.5, .4, 9, 0, 0, 9}},
        {{parallel, "1", "MHz", "0", "KHz", "1", "uF", "pF", "uH"}, guard, {1, 0, 9, 1, 0, 9}},
        {{parallel, "", "KHz", "0.5", "MHz", "1", "uF", "pF", "uH"}, guard, {0, .5, 9, 1, -1, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.row));
        CalibrationRecord record = nines;
        EXPECT_EQ(run(c.row, record), warning(c.warning));
        EXPECT_EQ(record, c.after);
    }
}

TEST(Calibrate, RecordAfterSuccess)
{
    CalibrationRecord record;
    run({series, "3,5", "MHz", "2", "MHz", "100", "uH", "pF", "uH"}, record);
    EXPECT_EQ(record.F1, 3); // the comma ends the number
    run({series, "500", "KHz", "400", "KHz", "100", "uH", "pF", "uH"}, record);
    EXPECT_EQ(record.F1, 0.5);
    EXPECT_EQ(record.F2, 0.4);
    EXPECT_EQ(record.L0, 100);
    EXPECT_NEAR(record.L1, 1600.0 / 9, 1e-12);
    EXPECT_NEAR(record.C1, 1 / (0.25 * 4 * 9.869604401 * (1600.0 / 9)), 1e-18);
    // The parallel calibration computed last decides C1 and L1; L0 stays.
    run({parallel, "500", "KHz", "400", "KHz", "1000", "pF", "pF", "uH"}, record);
    EXPECT_EQ(record.L0, 100);
    EXPECT_EQ(record.C0, 0.001);
    EXPECT_NEAR(record.C1, 0.016 / 9, 1e-18);
    EXPECT_NEAR(record.L1, 1 / (0.16 * 39.478417604 * 0.025 / 9), 1e-12);
}

TEST(Calibrate, ReturnTexts)
{
    CalibrationRecord record;
    EXPECT_EQ(returnTexts(record, "."), (ReturnTexts{"0", "0", "0"}));
    run({series, "500", "KHz", "400", "KHz", "100", "uH", "pF", "uH"}, record);
    EXPECT_EQ(returnTexts(record, "."), (ReturnTexts{"500", "569.9", "177.7778"}));
    EXPECT_EQ(returnTexts(record, ","), (ReturnTexts{"500", "569,9", "177,7778"}));
    run({parallel, "500", "KHz", "400", "KHz", "1000", "pF", "pF", "uH"}, record);
    EXPECT_EQ(returnTexts(record, "."), (ReturnTexts{"500", "1777.8", "56.9932"}));
    // A calculation stopped by a guard hands back what the record holds.
    run({parallel, "440", "KHz", "440", "KHz", "1000", "pF", "pF", "uH"}, record);
    EXPECT_EQ(returnTexts(record, "."), (ReturnTexts{"440", "1777.8", "56.9932"}));
    EXPECT_EQ(returnTexts({.F1 = 0.0012345678, .C1 = 2.34567e-6, .L1 = 12.345678}, "."),
              (ReturnTexts{"1.235", "2.3", "12.3457"}));
    // F1 in kHz beyond the double range has no text.
    EXPECT_EQ(returnTexts({.F1 = 1e306, .C1 = -1e-6, .L1 = 1e300}, "."),
              (ReturnTexts{"", "-1", "1E+300"}));
}

// Nothing beyond the double range is stored or shown; the fields written before keep their
// new values.
TEST(Calibrate, OutOfRange)
{
    const double fresh = std::nan(""); // any new value
    struct Case {
        Row row;
        CalibrationRecord after;
    };
    const Case cases[] = {
        {{series, "1e309", "Hz", "1", "MHz", "1", "uH", "pF", "uH"}, nines},
        {{series, "1", "MHz", "-1e400", "Hz", "1", "uH", "pF", "uH"}, {1, 9, 9, 9, 9, 9}},
        {{series, "2", "MHz", "1", "MHz", "1e306", "mH", "pF", "uH"}, {2, 1, 9, 9, 9, 9}},
        {{parallel, "2", "MHz", "1", "MHz", "1e309", "pF", "pF", "uH"}, {2, 1, 9, 9, 9, 9}},
        // L0 * F2 * F2 is beyond the range.
        {{series, "2e5", "MHz", "1e5", "MHz", "1e300", "uH", "pF", "uH"},
         {2e5, 1e5, 1e300, 9, 9, 9}},
        // Subnormal squares: 1 / E is beyond the range.
        {{series, "2e-160", "MHz", "1e-160", "MHz", "1", "uH", "pF", "uH"},
         {2e-160, 1e-160, 1, 9, 9, fresh}},
        {{parallel, "2e-160", "MHz", "1e-160", "MHz", "1", "uF", "pF", "uH"},
         {2e-160, 1e-160, 9, 1, fresh, 9}},
        // F1 squared is beyond the range.
        {{series, "1e200", "MHz", "1", "MHz", "1", "uH", "pF", "uH"}, {1e200, 1, 1, 9, 9, 9}},
        // C1 is stored but has no text in pF.
        {{parallel, "2", "MHz", "1", "MHz", "1e305", "uF", "pF", "uH"},
         {2, 1, 9, 1e305, fresh, fresh}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.row));
        CalibrationRecord record = nines;
        EXPECT_EQ(run(c.row, record), warning(messages::outOfRange));
        const double got[] = {record.F1, record.F2, record.L0, record.C0, record.C1, record.L1};
        const double want[] = {c.after.F1, c.after.F2, c.after.L0,
                               c.after.C0, c.after.C1, c.after.L1};
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(std::isfinite(got[i])) << "field " << i;
            if (std::isnan(want[i])) {
                EXPECT_NE(got[i], 9) << "field " << i;
            } else {
                EXPECT_EQ(got[i], want[i]) << "field " << i;
            }
        }
        const ReturnTexts back = returnTexts(record, ".");
        for (const std::string& t : {back.text3, back.text5, back.text6}) {
            EXPECT_EQ(t.find_first_of("in"), std::string::npos) << t;
        }
    }
    // The same calibration shown in uF has texts.
    CalibrationRecord record;
    EXPECT_EQ(run({parallel, "2", "MHz", "1", "MHz", "1e305", "uF", "uF", "uH"}, record),
              texts("3.33333333333333E+304", "0"));
}

} // namespace
