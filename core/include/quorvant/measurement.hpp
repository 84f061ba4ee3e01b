// The measurement of an unknown part from one frequency reading and the calibration record.
#pragma once

#include "quorvant/calibration.hpp"
#include "quorvant/record.hpp"
#include "quorvant/result.hpp"
#include "quorvant/units.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

// The measuring modes, in the order of the main window's list; `modes` lists them in that order,
// and a mode's place there is its value.
enum class Mode {
    CxParallel, // "Cx Mode (Calculate C)": unknown capacitor in parallel with L1 and C1
    LxParallel, // "Cx Mode (Calculate L)": unknown inductor in parallel with L1 and C1
    LxSeries,   // "Lx Mode (Calculate L)": unknown inductor in series with L1
};

inline constexpr Mode modes[] = {Mode::CxParallel, Mode::LxParallel, Mode::LxSeries};

std::string_view modeName(Mode mode);

// The mode a text names, compared exactly, case included.
std::optional<Mode> parseMode(std::string_view text);

enum class Quantity { Inductance, Capacitance };

// What a mode measures: the capacitance in "Cx Mode (Calculate C)", an inductance otherwise.
Quantity measuredQuantity(Mode mode);

// How the oscillator is calibrated for a mode: with a series inductor for "Lx Mode (Calculate L)",
// with a parallel capacitor for the two parallel modes.
CalibrationMethod calibrationMethod(Mode mode);

// What the measurement reads: the typed frequency and stray inductance (nH) as texts, and the
// units chosen for the frequency and for the result (nullopt: a text that is none of the items).
struct MeasurementInput {
    std::string_view frequency;
    std::optional<Unit> frequencyUnit;
    std::string_view stray; // read in the series mode only
    std::optional<Unit> resultUnit;
};

struct Measurement {
    ResultCode code = ResultCode::Ok;
    std::optional<std::string> text; // the result in the result unit; nullopt: no result unit
};

// Runs one measurement with C1 and L1 of `record`. A zero divisor answers ZeroDivisor; a number
// or a result beyond the double range, or one without a finite text, answers OutOfRange.
Measurement measure(Mode mode, const MeasurementInput& in, const CalibrationRecord& record,
                    std::string_view decimalSeparator);

} // namespace quorvant
