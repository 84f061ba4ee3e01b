// The series-inductor and parallel-capacitor calibrations, and the calibration as the main window
// shows it.
#include "quorvant/calibration.hpp"

#include "guards.hpp"
#include "quorvant/number.hpp"

namespace quorvant {

using detail::checkDivisor;
using detail::keep;

namespace {

// Pi squared and four pi squared as the calibrations take them.
constexpr double piSquared = 9.869604401;
constexpr double fourPiSquared = 39.478417604;

// Stores the readings, then each result as its guard passes.
ResultCode compute(CalibrationMethod method, const CalibrationInput& in, CalibrationRecord& r)
{
    const bool series = method == CalibrationMethod::SeriesInductor;
    double& reference = series ? r.L0 : r.C0;
    if (!keep(r.F1, toWorkingUnit(readNumber(in.f1), in.f1Unit)) ||
        !keep(r.F2, toWorkingUnit(readNumber(in.f2), in.f2Unit)) ||
        !keep(reference, toWorkingUnit(readNumber(in.reference), in.referenceUnit)))
        return ResultCode::OutOfRange;
    const double F1 = r.F1;
    const double F2 = r.F2;

    const double D = F1 * F1 - F2 * F2;
    if (const ResultCode code = checkDivisor(D); !ok(code))
        return code;
    if (series) {
        if (!keep(r.L1, (r.L0 * (F2 * F2)) / D))
            return ResultCode::OutOfRange;
        const double E = F1 * F1 * 4 * piSquared * r.L1;
        if (const ResultCode code = checkDivisor(E, ResultCode::SecondZeroDivisor); !ok(code))
            return code;
        if (!keep(r.C1, 1 / E))
            return ResultCode::OutOfRange;
    } else {
        const double Q = F2 * F2;
        if (!keep(r.C1, (Q / D) * r.C0))
            return ResultCode::OutOfRange;
        // L1 from F2 and the whole capacitance C0 + C1.
        const double P = F2 * F2 * fourPiSquared;
        const double E = (r.C0 + r.C1) * P;
        if (const ResultCode code = checkDivisor(E, ResultCode::SecondZeroDivisor); !ok(code))
            return code;
        if (!keep(r.L1, 1 / E))
            return ResultCode::OutOfRange;
    }
    return ResultCode::Ok;
}

} // namespace

Calibration calibrate(CalibrationMethod method, const CalibrationInput& in,
                      CalibrationRecord& record, std::string_view decimalSeparator)
{
    Calibration out{compute(method, in, record), std::nullopt, std::nullopt};
    if (!ok(out.code))
        return out;
    const auto text = [&](double value, std::optional<Unit> unit, std::optional<std::string>& to) {
        if (!unit)
            return true; // a typed unit that is none of the items: the field stays as it is
        to = resultText(value, *unit, decimalSeparator);
        return to.has_value();
    };
    if (!text(record.C1, in.c1Unit, out.c1) || !text(record.L1, in.l1Unit, out.l1))
        return {ResultCode::OutOfRange, std::nullopt, std::nullopt}; // the results stay stored
    return out;
}

CalibrationSummary summarize(const CalibrationRecord& record, std::string_view decimalSeparator)
{
    const auto text = [&](double value, int decimals) {
        return formatRounded(value, decimals, decimalSeparator).value_or(std::string());
    };
    // Main's display: F1 in kHz, C1 in pF and L1 in uH, with decimals of its own.
    return {text(fromWorkingUnit(record.F1, Unit::KHz), 3),
            text(fromWorkingUnit(record.C1, Unit::pF), 1),
            text(fromWorkingUnit(record.L1, Unit::uH), 4)};
}

} // namespace quorvant
