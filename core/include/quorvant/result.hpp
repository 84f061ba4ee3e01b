// How a calculation ended: one code for the measurement and both calibrations.
#pragma once

namespace quorvant {

enum class ResultCode {
    Ok,
    ZeroDivisor,       // a divisor was exactly 0 (the first one, where a calculation has two)
    SecondZeroDivisor, // the second of a calibration's two divisors was exactly 0
    OutOfRange,        // a number or a result beyond what a double holds
};

// Where the calculation met none of its zero divisors, nor a value beyond the double range.
inline bool ok(ResultCode code) { return code == ResultCode::Ok; }

} // namespace quorvant
