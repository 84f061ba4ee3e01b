// The calibration record: what the last calibration found, shared by every window.
#pragma once

namespace quorvant {

// Six values in working units. All 0 at start and never reset: nothing is kept between runs.
struct CalibrationRecord {
    double F1 = 0; // MHz, oscillator alone
    double F2 = 0; // MHz, with the reference part
    double L0 = 0; // uH, reference inductor (series method)
    double C0 = 0; // uF, reference capacitor (parallel method)
    double C1 = 0; // uF, oscillator's own capacitance
    double L1 = 0; // uH, oscillator's own inductance

    friend bool operator==(const CalibrationRecord&, const CalibrationRecord&) = default;
};

} // namespace quorvant
