// The program-wide calibration record, all zero until a calibration writes it.
#include "quorvant/record.hpp"

namespace global {
quorvant::CalibrationRecord record;
}
