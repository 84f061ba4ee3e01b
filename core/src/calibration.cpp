// The series-inductor and parallel-capacitor calibrations, and the texts "Return" hands to the
// main window.
#include "quorvant/calibration.hpp"

#include "quorvant/messages.hpp"
#include "quorvant/number.hpp"
#include "quorvant/units.hpp"

#include <cmath>

namespace quorvant {

namespace {

// Pi squared and four pi squared as the calibrations take them.
constexpr double piSquared = 9.869604401;
constexpr double fourPiSquared = 39.478417604;

CalibrationOutcome warning(std::string_view text)
{
    return {std::string(text), std::nullopt, std::nullopt};
}

// Writes a value into its record field unless it left the double range; the record never holds
// an infinity or a NaN, so a later measurement or "Return" never meets one.
bool store(double& field, double value)
{
    if (!std::isfinite(value)) {
        return false;
    }
    field = value;
    return true;
}

double readInput(std::string_view text, std::string_view unit, UnitKind kind)
{
    return toWorkingUnit(readNumber(text), unit, kind);
}

} // namespace

CalibrationOutcome calibrate(CalibrationMethod method, const CalibrationInputs& in,
                             CalibrationRecord& record, std::string_view decimalSeparator)
{
    const bool series = method == CalibrationMethod::SeriesInductor;
    const auto outOfRange = [] { return warning(messages::outOfRange); };

    // The readings are stored one by one, before any guard.
    const UnitKind referenceKind = series ? UnitKind::Inductance : UnitKind::Capacitance;
    double& reference = series ? record.L0 : record.C0;
    if (!store(record.F1, readInput(in.f1, in.f1Unit, UnitKind::Frequency))) {
        return outOfRange();
    }
    if (!store(record.F2, readInput(in.f2, in.f2Unit, UnitKind::Frequency))) {
        return outOfRange();
    }
    if (!store(reference, readInput(in.reference, in.referenceUnit, referenceKind))) {
        return outOfRange();
    }
    const double F1 = record.F1;
    const double F2 = record.F2;

    if (series) {
        const double D = F1 * F1 - F2 * F2;
        if (D == 0) {
            return warning(messages::seriesFirstGuard);
        }
        if (!std::isfinite(D)) {
            return outOfRange();
        }
        if (!store(record.L1, (record.L0 * (F2 * F2)) / D)) {
            return outOfRange();
        }
        const double E = F1 * F1 * 4 * piSquared * record.L1;
        if (E == 0) {
            return warning(messages::seriesSecondGuard);
        }
        if (!std::isfinite(E)) {
            return outOfRange();
        }
        if (!store(record.C1, 1 / E)) {
            return outOfRange();
        }
    } else {
        const double Q = F2 * F2;
        const double D = F1 * F1 - F2 * F2;
        if (D == 0) {
            return warning(messages::parallelGuard);
        }
        if (!std::isfinite(D)) {
            return outOfRange();
        }
        if (!store(record.C1, (Q / D) * record.C0)) {
            return outOfRange();
        }
        // L1 from F2 and the whole capacitance C0 + C1.
        const double P = F2 * F2 * fourPiSquared;
        const double E = (record.C0 + record.C1) * P;
        if (E == 0) {
            return warning(messages::parallelGuard);
        }
        if (!std::isfinite(E)) {
            return outOfRange();
        }
        if (!store(record.L1, 1 / E)) {
            return outOfRange();
        }
    }

    CalibrationOutcome outcome;
    const ShownResult c1 =
        showResult(record.C1, in.c1Unit, UnitKind::Capacitance, decimalSeparator);
    const ShownResult l1 = showResult(record.L1, in.l1Unit, UnitKind::Inductance, decimalSeparator);
    if (c1.status == ShownResult::Status::OutOfRange ||
        l1.status == ShownResult::Status::OutOfRange) {
        return outOfRange(); // the stored results stay: only their texts are missing
    }
    if (c1.status == ShownResult::Status::Text) {
        outcome.text4 = c1.text;
    }
    if (l1.status == ShownResult::Status::Text) {
        outcome.text5 = l1.text;
    }
    return outcome;
}

ReturnTexts returnTexts(const CalibrationRecord& record, std::string_view decimalSeparator)
{
    const auto text = [&](double value, int decimals) {
        return formatRounded(value, decimals, decimalSeparator).value_or(std::string());
    };
    // F1 in kHz, C1 in pF, L1 in uH.
    return {text(record.F1 * 1000, 3), text(record.C1 * 1000000, 1), text(record.L1, 4)};
}

} // namespace quorvant
