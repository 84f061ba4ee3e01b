// Which warning each calculation shows for the way it ended.
#include "quorvant/messages.hpp"

namespace quorvant::messages {

std::string_view forMeasurement(ResultCode code)
{
    switch (code) {
    case ResultCode::Ok: return {};
    case ResultCode::ZeroDivisor:
    case ResultCode::SecondZeroDivisor: return measurementDivisionByZero;
    case ResultCode::OutOfRange: break;
    }
    return outOfRange;
}

std::string_view forCalibration(CalibrationMethod method, ResultCode code)
{
    switch (code) {
    case ResultCode::Ok: return {};
    case ResultCode::ZeroDivisor:
        return method == CalibrationMethod::SeriesInductor ? seriesFirstGuard : parallelGuard;
    case ResultCode::SecondZeroDivisor: return seriesSecondGuard; // the parallel guard's text too
    case ResultCode::OutOfRange: break;
    }
    return outOfRange;
}

} // namespace quorvant::messages
