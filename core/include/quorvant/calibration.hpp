// The two calibrations of the oscillator (series inductor, parallel capacitor) and the hand-back
// of their results to the main window.
#pragma once

#include "quorvant/record.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

enum class CalibrationMethod {
    SeriesInductor,    // reference L0 in series, window "Lx series"
    ParallelCapacitor, // reference C0 in parallel, window "Cx parallel"
};

// The texts a calibration window's "Calculate" reads.
struct CalibrationInputs {
    std::string_view f1;        // Text1
    std::string_view f1Unit;    // Combo1
    std::string_view f2;        // Text2
    std::string_view f2Unit;    // Combo2
    std::string_view reference; // Text6: L0 or C0
    std::string_view referenceUnit; // Combo6
    std::string_view c1Unit;    // Combo4
    std::string_view l1Unit;    // Combo5 (may be typed: any text)
};

struct CalibrationOutcome {
    std::optional<std::string> warning; // shown instead of any field change
    std::optional<std::string> text4;   // new text of the C1 result, nullopt: unchanged
    std::optional<std::string> text5;   // new text of the L1 result, nullopt: unchanged

    friend bool operator==(const CalibrationOutcome&, const CalibrationOutcome&) = default;
};

// "Calculate": writes F1, F2 and the reference value into `record`, then each result as its
// guard passes, step by step, so that a stopped calculation leaves the earlier fields new and
// the later ones as they were. A value beyond the double range is not stored: the calculation
// stops there with messages::outOfRange.
CalibrationOutcome calibrate(CalibrationMethod method, const CalibrationInputs& in,
                             CalibrationRecord& record, std::string_view decimalSeparator);

// "Return": the texts for the main window's Text3 (F1 in kHz, 3 decimals), Text5 (C1 in pF,
// 1 decimal) and Text6 (L1 in uH, 4 decimals). A value without a finite text gives "".
struct ReturnTexts {
    std::string text3;
    std::string text5;
    std::string text6;

    friend bool operator==(const ReturnTexts&, const ReturnTexts&) = default;
};
ReturnTexts returnTexts(const CalibrationRecord& record, std::string_view decimalSeparator);

} // namespace quorvant
