// The measurement in the three modes, with its zero guards and out-of-range answers.
#include "quorvant/measurement.hpp"

#include "quorvant/messages.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace quorvant {
void PrintTo(const MeasurementOutcome& o, std::ostream* os)
{
    *os << "{kind " << static_cast<int>(o.kind) << ", \"" << o.text << "\"}";
}
} // namespace quorvant

namespace {

using namespace quorvant;
using Kind = MeasurementOutcome::Kind;

constexpr const char* Lx = modeLxSeries.data();
constexpr const char* CxC = modeCxParallel.data();
constexpr const char* CxL = modeLxParallel.data();
const std::string divisionByZero(messages::measurementDivisionByZero);
const std::string outOfRange(messages::outOfRange);

struct Row {
    const char* mode;
    const char* frequency;
    const char* frequencyUnit;
    const char* stray;
    const char* inductanceUnit;
    const char* capacitanceUnit;
    MeasurementOutcome outcome;
};

MeasurementOutcome run(const Row& row, const CalibrationRecord& record, MeasurementValues& values,
                       std::string_view separator = ".")
{
    const MeasurementInputs in{row.mode,  row.frequency,      row.frequencyUnit,
                               row.stray, row.inductanceUnit, row.capacitanceUnit};
    return measure(in, record, values, separator);
}

void expectOutcomes(const CalibrationRecord& record, std::initializer_list<Row> rows)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.mode << " | " << row.frequency << " "
                                        << row.frequencyUnit << " | stray " << row.stray);
        MeasurementValues values;
        const MeasurementOutcome outcome = run(row, record, values);
        EXPECT_EQ(outcome, row.outcome);
        EXPECT_EQ(outcome.text.find("inf"), std::string::npos);
        EXPECT_EQ(outcome.text.find("nan"), std::string::npos);
    }
}

const CalibrationRecord calibrated{.C1 = 0.001, .L1 = 100};

TEST(Measure, CalibratedRecord)
{
    expectOutcomes(
        calibrated,
        {
            {Lx, "400", "KHz", "0", "uH", "pF", {Kind::Text2, "58.314"}},
            {Lx, "400", "KHz", "0", "nH", "pF", {Kind::Text2, "58314.4"}},
            {Lx, "400", "KHz", "0", "mH", "pF", {Kind::Text2, "0.058314"}},
            {Lx, "400000", "Hz", "0", "uH", "pF", {Kind::Text2, "58.314"}},
            {Lx, "0.4", "MHz", "0", "uH", "pF", {Kind::Text2, "58.314"}},
            {Lx, "-400", "KHz", "0", "uH", "pF", {Kind::Text2, "58.314"}},
            // Only a positive stray inductance is taken off.
            {Lx, "400", "KHz", "12", "uH", "pF", {Kind::Text2, "58.302"}},
            {Lx, "400", "KHz", "-12", "uH", "pF", {Kind::Text2, "58.314"}},
            {Lx, "400", "KHz", "", "uH", "pF", {Kind::Text2, "58.314"}},
            {Lx, "400", "KHz", "word", "uH", "pF", {Kind::Text2, "58.314"}},
            // Above the oscillator's own frequency (about 503 kHz) the result is negative.
            {Lx, "600", "KHz", "0", "uH", "pF", {Kind::Text2, "-29.638"}},
            {Lx, "1,5", "MHz", "0", "uH", "pF", {Kind::Text2, "-74.67"}},
            {Lx, "1", "MHz", "0", "uH", "pF", {Kind::Text2, "-74.67"}},
            {Lx, "", "KHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
            {Lx, "0,4", "MHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
            {Lx, "400", "KHz", "0", "UH", "pF", {Kind::Nothing, ""}},

            {CxC, "400", "KHz", "0", "uH", "pF", {Kind::Text4, "583.1"}},
            {CxC, "400", "KHz", "0", "uH", "nF", {Kind::Text4, "0.583"}},
            {CxC, "400", "KHz", "0", "uH", "uF", {Kind::Text4, "0.000583"}},
            {CxC, "-0.4", "MHz", "12", "uH", "pF", {Kind::Text4, "583.1"}}, // stray unused
            {CxC, "600", "KHz", "0", "uH", "pF", {Kind::Text4, "-296.4"}},
            {CxC, "", "KHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
            {CxC, "0,4", "MHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
            {CxC, "400", "KHz", "0", "uH", "PF", {Kind::Nothing, ""}},

            {CxL, "600", "KHz", "0", "uH", "pF", {Kind::Text2, "237.404"}},
            {CxL, "600", "KHz", "0", "nH", "pF", {Kind::Text2, "237404.3"}},
            {CxL, "600", "KHz", "0", "mH", "pF", {Kind::Text2, "0.237404"}},
            {CxL, "600000", "Hz", "-5", "uH", "pF", {Kind::Text2, "237.404"}},
            {CxL, "", "KHz", "0", "uH", "pF", {Kind::Text2, "-100"}},

            // Modes are compared exactly.
            {"lx mode (calculate l)", "400", "KHz", "0", "uH", "pF", {Kind::Nothing, ""}},
            {"", "400", "KHz", "0", "uH", "pF", {Kind::Nothing, ""}},
        });
}

TEST(Measure, UncalibratedRecordWarnsInEveryMode)
{
    expectOutcomes({}, {
                           {Lx, "400", "KHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
                           {CxC, "400", "KHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
                           {CxL, "400", "KHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
                       });
}

// A calibration stopped by its second guard leaves one of C1 and L1 at zero; only the modes
// dividing by it refuse.
TEST(Measure, RecordWithOneZero)
{
    expectOutcomes({.C1 = 0, .L1 = 100},
                   {
                       {Lx, "400", "KHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
                       {CxC, "400", "KHz", "0", "uH", "pF", {Kind::Text4, "1583.1"}},
                       {CxL, "400", "KHz", "0", "uH", "pF", {Kind::Text2, "-100"}},
                   });
    expectOutcomes({.C1 = 0.001, .L1 = 0},
                   {
                       {Lx, "400", "KHz", "0", "uH", "pF", {Kind::Text2, "158.314"}},
                       {CxC, "400", "KHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
                       {CxL, "400", "KHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}},
                   });
}

// A result large enough to show the digits of pi squared (9.8696 here).
TEST(Measure, PiSquared)
{
    expectOutcomes({.C1 = 1e-9, .L1 = 0},
                   {{Lx, "1", "MHz", "0", "uH", "pF", {Kind::Text2, "25330307.206"}}});
}

TEST(Measure, ParallelInductorAtOwnResonanceWarns)
{
    // 0.5 MHz makes F3 * F3 * 4 exactly 1, so K = 9.8696 * L1 * C1 - 1 = 0.
    const CalibrationRecord record{.C1 = 1, .L1 = 1 / 9.8696};
    ASSERT_EQ(9.8696 * record.L1 * record.C1, 1.0);
    expectOutcomes(record, {{CxL, "0.5", "MHz", "0", "uH", "pF", {Kind::Warning, divisionByZero}}});
}

TEST(Measure, CommaSeparator)
{
    MeasurementValues values;
    EXPECT_EQ(run({Lx, "400", "KHz", "0", "uH", "pF", {}}, calibrated, values, ","),
              (MeasurementOutcome{Kind::Text2, "58,314"}));
}

// Working values are written as each step passes and keep their earlier values otherwise.
TEST(Measure, WorkingValues)
{
    const MeasurementValues before{.F3 = 7, .Cx = 7, .Lx = 7, .Ls = 7};
    struct Case {
        Row row;
        MeasurementValues after;
    };
    const Case cases[] = {
        {{Lx, "400", "KHz", "12", "uH", "pF", {}}, {0.4, 7, 58.30242, 0.012}},
        {{Lx, "400", "KHz", "-12", "UH", "pF", {}}, {0.4, 7, 58.31442, -0.012}},
        {{Lx, "", "KHz", "12", "uH", "pF", {}}, {0, 7, 7, 7}},
        {{CxC, "400", "KHz", "12", "uH", "pF", {}}, {0.4, 0.000583144, 7, 7}},
        {{CxL, "600", "KHz", "12", "uH", "pF", {}}, {0.6, 7, 237.4043, 7}},
        {{"other", "3", "MHz", "12", "uH", "pF", {}}, {3, 7, 7, 7}},
        {{Lx, "1e309", "Hz", "12", "uH", "pF", {}}, {7, 7, 7, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row.mode << " " << c.row.frequency);
        MeasurementValues values = before;
        run(c.row, calibrated, values);
        EXPECT_DOUBLE_EQ(values.F3, c.after.F3);
        EXPECT_NEAR(values.Cx, c.after.Cx, 1e-9);
        EXPECT_NEAR(values.Lx, c.after.Lx, 1e-4);
        EXPECT_DOUBLE_EQ(values.Ls, c.after.Ls);
    }
}

TEST(Measure, OutOfRange)
{
    const MeasurementOutcome warning{Kind::Warning, outOfRange};
    expectOutcomes(calibrated, {
                                   {Lx, "1e309", "Hz", "0", "uH", "pF", warning},
                                   {CxC, "-1e400", "MHz", "0", "uH", "pF", warning},
                                   {CxL, "1e309", "KHz", "0", "uH", "pF", warning},
                                   {Lx, "400", "KHz", "1e309", "uH", "pF", warning},
                                   {Lx, "400", "KHz", "-1e309", "uH", "pF", warning},
                               });
    // 1 / P is beyond the range; in nH the result is; in uH it still has a text.
    expectOutcomes({.C1 = 1e-300, .L1 = 100},
                   {
                       {Lx, "10", "Hz", "0", "uH", "pF", warning},
                       {Lx, "100", "Hz", "0", "nH", "pF", warning},
                       {Lx, "100", "Hz", "0", "uH", "pF", {Kind::Text2, "2.53303072059658E+306"}},
                   });
    // F3 squared is infinite and C1 zero: K is not a number.
    expectOutcomes({.C1 = 0, .L1 = 100}, {{CxL, "1e200", "MHz", "0", "uH", "pF", warning}});
    // An infinite F3 squared against a finite record is a result of zero size.
    expectOutcomes(calibrated, {{CxC, "1e200", "MHz", "0", "uH", "pF", warning}});
}

} // namespace
