// The texts of the warning boxes. Lines are separated by a carriage return alone.
#pragma once

#include "quorvant/calibration.hpp"
#include "quorvant/result.hpp"

#include <string_view>

namespace quorvant::messages {

inline constexpr std::string_view warningTitle = "Warning !";

// Measurement: any of its zero divisors.
inline constexpr std::string_view measurementDivisionByZero =
    "Division by Zero!, No correct value!\r\r - Use (.) instead of (,) for dot.\r"
    " - Run Calibrate at first.";

// Series calibration: first and second guard.
inline constexpr std::string_view seriesFirstGuard =
    "Division by Zero! No correct value! Use (.) instead of (,) for dot.";
inline constexpr std::string_view seriesSecondGuard =
    "Division by Zero!, No correct value! Use (.) instead of (,) for dot.";

// Parallel calibration: both guards.
inline constexpr std::string_view parallelGuard = seriesSecondGuard;

// A number or a result beyond what a double holds.
inline constexpr std::string_view outOfRange =
    "Number out of range! No correct value!\r\r - Check the values you entered.";

// The warning for a measurement that did not end Ok ("" for Ok).
std::string_view forMeasurement(ResultCode code);

// The warning for a calibration that did not end Ok ("" for Ok).
std::string_view forCalibration(CalibrationMethod method, ResultCode code);

} // namespace quorvant::messages
