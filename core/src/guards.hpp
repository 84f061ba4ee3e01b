// The checks every calculation makes before it divides or keeps a value.
#pragma once

#include "quorvant/result.hpp"

#include <cmath>

namespace quorvant::detail {

// A divisor of exactly 0 is the calculation's own guard; one beyond the double range would
// silently give 0 for its reciprocal, so it is reported as well.
inline ResultCode checkDivisor(double divisor, ResultCode whenZero = ResultCode::ZeroDivisor)
{
    if (divisor == 0)
        return whenZero;
    return std::isfinite(divisor) ? ResultCode::Ok : ResultCode::OutOfRange;
}

// Keeps a value only when it is finite, so that no working value or record field ever holds an
// infinity or a NaN.
inline bool keep(double& field, double value)
{
    if (!std::isfinite(value))
        return false;
    field = value;
    return true;
}

} // namespace quorvant::detail
