// The two calibrations of the oscillator (series inductor, parallel capacitor) and what they
// hand back to the main window.
#pragma once

#include "quorvant/record.hpp"
#include "quorvant/result.hpp"
#include "quorvant/units.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

enum class CalibrationMethod {
    SeriesInductor,    // reference L0 in series with L1
    ParallelCapacitor, // reference C0 in parallel with L1 and C1
};

// What a calibration reads: the two frequencies and the reference part (L0 or C0) as typed, and
// the chosen units (nullopt: a text that is none of the items).
struct CalibrationInput {
    std::string_view f1;
    std::optional<Unit> f1Unit;
    std::string_view f2;
    std::optional<Unit> f2Unit;
    std::string_view reference;
    std::optional<Unit> referenceUnit;
    std::optional<Unit> c1Unit;
    std::optional<Unit> l1Unit;
};

struct Calibration {
    ResultCode code = ResultCode::Ok;
    std::optional<std::string> c1; // C1 in its unit; nullopt: not shown
    std::optional<std::string> l1; // L1 in its unit; nullopt: not shown

    friend bool operator==(const Calibration&, const Calibration&) = default;
};

// Writes F1, F2 and the reference value into `record`, then each result as its guard passes,
// step by step, so that a stopped calculation leaves the earlier fields new and the later ones
// as they were. A value beyond the double range is never stored: the calculation stops there.
Calibration calibrate(CalibrationMethod method, const CalibrationInput& in,
                      CalibrationRecord& record, std::string_view decimalSeparator);

// The calibration as the main window shows it: F1 in kHz (3 decimals), C1 in pF (1 decimal), L1
// in uH (4 decimals). A value without a finite text gives "".
struct CalibrationSummary {
    std::string f1KHz;
    std::string c1PF;
    std::string l1UH;

    friend bool operator==(const CalibrationSummary&, const CalibrationSummary&) = default;
};
CalibrationSummary summarize(const CalibrationRecord& record, std::string_view decimalSeparator);

} // namespace quorvant
