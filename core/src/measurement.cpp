// The measurement of the unknown part in the three modes of the main window.
#include "quorvant/measurement.hpp"

#include "guards.hpp"
#include "quorvant/enum_table.hpp"
#include "quorvant/number.hpp"

#include <iterator>

namespace quorvant {

using detail::checkDivisor;
using detail::keep;

namespace {
struct ModeName {
    Mode mode;
    std::string_view name;
};

constexpr ModeName modeNames[] = {
    {Mode::CxParallel, "Cx Mode (Calculate C)"},
    {Mode::LxParallel, "Cx Mode (Calculate L)"},
    {Mode::LxSeries, "Lx Mode (Calculate L)"},
};

// Names and modes are both read by a mode's value.
static_assert(std::size(modeNames) == std::size(modes) &&
              inEnumOrder(modeNames, [](const ModeName& row) { return row.mode; }) &&
              inEnumOrder(modes, [](Mode mode) { return mode; }));

// The unknown part in its working unit, or the code that stopped the calculation.
struct Value {
    ResultCode code = ResultCode::Ok;
    double value = 0;
};

Value compute(Mode mode, const MeasurementInput& in, double C1, double L1)
{
    // Pi squared as 9.8696, with 4 as a factor of its own: the measurement's constant, a little
    // coarser than the calibrations' one.
    constexpr double piSquared = 9.8696;
    const auto fail = [](ResultCode code) { return Value{code, 0}; };

    double F3 = 0;
    if (!keep(F3, toWorkingUnit(readNumber(in.frequency), in.frequencyUnit)))
        return fail(ResultCode::OutOfRange);

    double result = 0;
    switch (mode) {
    case Mode::LxSeries: {
        const double P = ((C1 * (F3 * F3)) * 4) * piSquared;
        if (const ResultCode code = checkDivisor(P); !ok(code))
            return fail(code);
        double Ls = 0;
        if (!keep(result, 1 / P - L1) || !keep(Ls, strayToWorkingUnit(readNumber(in.stray))))
            return fail(ResultCode::OutOfRange);
        // Only a positive stray inductance is taken off; zero or less is ignored.
        if (Ls > 0 && !keep(result, result - Ls))
            return fail(ResultCode::OutOfRange);
        break;
    }
    case Mode::CxParallel: {
        const double D = ((L1 * 4) * piSquared) * (F3 * F3);
        if (const ResultCode code = checkDivisor(D); !ok(code))
            return fail(code);
        if (!keep(result, 1 / D - C1))
            return fail(ResultCode::OutOfRange);
        break;
    }
    case Mode::LxParallel: {
        if (L1 == 0)
            return fail(ResultCode::ZeroDivisor);
        const double K = (((((F3 * F3) * 4) * piSquared) * L1) * C1) - 1;
        if (const ResultCode code = checkDivisor(K); !ok(code))
            return fail(code);
        if (!keep(result, L1 / K))
            return fail(ResultCode::OutOfRange);
        break;
    }
    }
    return {ResultCode::Ok, result};
}
} // namespace

std::string_view modeName(Mode mode) { return modeNames[static_cast<std::size_t>(mode)].name; }

std::optional<Mode> parseMode(std::string_view text)
{
    for (Mode mode : modes)
        if (modeName(mode) == text)
            return mode;
    return std::nullopt;
}

Quantity measuredQuantity(Mode mode)
{
    return mode == Mode::CxParallel ? Quantity::Capacitance : Quantity::Inductance;
}

CalibrationMethod calibrationMethod(Mode mode)
{
    return mode == Mode::LxSeries ? CalibrationMethod::SeriesInductor
                                  : CalibrationMethod::ParallelCapacitor;
}

Measurement measure(Mode mode, const MeasurementInput& in, const CalibrationRecord& record,
                    std::string_view decimalSeparator)
{
    const Value v = compute(mode, in, record.C1, record.L1);
    Measurement m{v.code, std::nullopt};
    if (!ok(v.code) || !in.resultUnit)
        return m;
    m.text = resultText(v.value, *in.resultUnit, decimalSeparator);
    if (!m.text)
        m.code = ResultCode::OutOfRange; // shown as "inf" or "nan" otherwise
    return m;
}

} // namespace quorvant
