// The measurement of an unknown part from one frequency reading and the calibration record.
#pragma once

#include "quorvant/record.hpp"

#include <string>
#include <string_view>

namespace quorvant {

inline constexpr std::string_view modeLxSeries = "Lx Mode (Calculate L)";
inline constexpr std::string_view modeCxParallel = "Cx Mode (Calculate C)";
inline constexpr std::string_view modeLxParallel = "Cx Mode (Calculate L)";

// The texts the measurement reads from the main window.
struct MeasurementInputs {
    std::string_view mode;          // Combo1
    std::string_view frequency;     // Text1
    std::string_view frequencyUnit; // Combo2
    std::string_view stray;         // Text7, nH
    std::string_view inductanceUnit;  // Combo3
    std::string_view capacitanceUnit; // Combo4
};

// The main window's working values; each calculation writes one before it reads it.
struct MeasurementValues {
    double F3 = 0; // MHz
    double Cx = 0; // uF
    double Lx = 0; // uH
    double Ls = 0; // uH
};

struct MeasurementOutcome {
    enum class Kind {
        Text2,   // `text` is the new text of the inductance result
        Text4,   // `text` is the new text of the capacitance result
        Warning, // `text` is the warning to show
        Nothing, // unknown mode, or the result's unit list shows none of its items
    };
    Kind kind = Kind::Nothing;
    std::string text;

    friend bool operator==(const MeasurementOutcome&, const MeasurementOutcome&) = default;
};

// Runs one measurement: reads C1 and L1 of `record`, updates `values`. A frequency or stray value
// beyond the double range, or a result without a finite text, answers with messages::outOfRange.
MeasurementOutcome measure(const MeasurementInputs& in, const CalibrationRecord& record,
                           MeasurementValues& values, std::string_view decimalSeparator);

} // namespace quorvant
