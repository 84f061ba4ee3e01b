// The measurement of the unknown part in the three modes of the main window.
#include "quorvant/measurement.hpp"

#include "quorvant/messages.hpp"
#include "quorvant/number.hpp"
#include "quorvant/units.hpp"

#include <cmath>

namespace quorvant {

namespace {

MeasurementOutcome warning(std::string_view text)
{
    return {MeasurementOutcome::Kind::Warning, std::string(text)};
}

// The result in the unit its list shows. A value that has no finite text is reported rather
// than shown as "inf" or "nan".
MeasurementOutcome shown(double value, std::string_view unit, UnitKind kind,
                         MeasurementOutcome::Kind field, std::string_view decimalSeparator)
{
    ShownResult result = showResult(value, unit, kind, decimalSeparator);
    switch (result.status) {
    case ShownResult::Status::Text:
        return {field, std::move(result.text)};
    case ShownResult::Status::OutOfRange:
        return warning(messages::outOfRange);
    case ShownResult::Status::Unchanged:
        break;
    }
    return {MeasurementOutcome::Kind::Nothing, {}};
}

} // namespace

MeasurementOutcome measure(const MeasurementInputs& in, const CalibrationRecord& record,
                           MeasurementValues& values, std::string_view decimalSeparator)
{
    using Kind = MeasurementOutcome::Kind;
    // Pi squared as 9.8696, with 4 as a factor of its own: the measurement's constant, a little
    // coarser than the calibrations' one.
    constexpr double piSquared = 9.8696;

    // A working value is written only when finite, so that none ever holds an infinity; a
    // divisor beyond the double range would silently give 0 for its reciprocal.
    const double f3 =
        toWorkingUnit(readNumber(in.frequency), in.frequencyUnit, UnitKind::Frequency);
    if (!std::isfinite(f3)) {
        return warning(messages::outOfRange);
    }
    values.F3 = f3;
    const double F3 = values.F3;
    const double C1 = record.C1;
    const double L1 = record.L1;

    if (in.mode == modeLxSeries) {
        const double P = ((C1 * (F3 * F3)) * 4) * piSquared;
        if (P == 0) {
            return warning(messages::measurementDivisionByZero);
        }
        if (!std::isfinite(P)) {
            return warning(messages::outOfRange);
        }
        double lx = 1 / P - L1;
        if (!std::isfinite(lx)) {
            return warning(messages::outOfRange);
        }
        values.Lx = lx;
        const double ls = strayToWorkingUnit(readNumber(in.stray));
        if (!std::isfinite(ls)) {
            return warning(messages::outOfRange);
        }
        values.Ls = ls;
        // Only a positive stray inductance is taken off; zero or less is ignored.
        if (values.Ls > 0) {
            lx = values.Lx - values.Ls;
            if (!std::isfinite(lx)) {
                return warning(messages::outOfRange);
            }
            values.Lx = lx;
        }
        return shown(values.Lx, in.inductanceUnit, UnitKind::Inductance, Kind::Text2,
                     decimalSeparator);
    }

    if (in.mode == modeCxParallel) {
        const double D = ((L1 * 4) * piSquared) * (F3 * F3);
        if (D == 0) {
            return warning(messages::measurementDivisionByZero);
        }
        if (!std::isfinite(D)) {
            return warning(messages::outOfRange);
        }
        const double cx = 1 / D - C1;
        if (!std::isfinite(cx)) {
            return warning(messages::outOfRange);
        }
        values.Cx = cx;
        return shown(values.Cx, in.capacitanceUnit, UnitKind::Capacitance, Kind::Text4,
                     decimalSeparator);
    }

    if (in.mode == modeLxParallel) {
        if (L1 == 0) {
            return warning(messages::measurementDivisionByZero);
        }
        const double K = (((((F3 * F3) * 4) * piSquared) * L1) * C1) - 1;
        if (K == 0) {
            return warning(messages::measurementDivisionByZero);
        }
        if (!std::isfinite(K)) {
            return warning(messages::outOfRange);
        }
        const double lx = L1 / K;
        if (!std::isfinite(lx)) {
            return warning(messages::outOfRange);
        }
        values.Lx = lx;
        return shown(values.Lx, in.inductanceUnit, UnitKind::Inductance, Kind::Text2,
                     decimalSeparator);
    }

    return {Kind::Nothing, {}};
}

} // namespace quorvant
