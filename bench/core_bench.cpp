// The core's work per user action, in nanoseconds: reading a typed number, one measurement,
// one calibration.
#include <quorvant/calibration.hpp>
#include <quorvant/measurement.hpp>
#include <quorvant/number.hpp>

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

// Typed texts as users type them: a plain reading, one with blanks and a unit, an exponent,
// and a comma that ends the number.
constexpr std::string_view readings[] = {"3500000", " 12 . 5 MHz", "1.23456789e-3", "2,5"};

void BM_ReadNumber(benchmark::State& state)
{
    const std::string_view text = readings[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(quorvant::readNumber(text));
    state.SetLabel(std::string(text));
}
BENCHMARK(BM_ReadNumber)->DenseRange(0, 3);

// The record a calibration of the example readings leaves: 500 kHz, 400 kHz and 1000 pF.
quorvant::CalibrationRecord calibrated()
{
    quorvant::CalibrationRecord record;
    quorvant::calibrate(quorvant::CalibrationMethod::ParallelCapacitor,
                        quorvant::CalibrationInput{"500", quorvant::Unit::KHz, "400",
                                                   quorvant::Unit::KHz, "1000", quorvant::Unit::pF,
                                                   quorvant::Unit::pF, quorvant::Unit::uH},
                        record, ".");
    return record;
}

void BM_Measure(benchmark::State& state)
{
    const quorvant::Mode mode = quorvant::modes[state.range(0)];
    const quorvant::CalibrationRecord record = calibrated();
    const auto unit = quorvant::measuredQuantity(mode) == quorvant::Quantity::Inductance
                          ? quorvant::Unit::uH
                          : quorvant::Unit::pF;
    for (auto _ : state) {
        auto outcome =
            quorvant::measure(mode, {"312500", quorvant::Unit::Hz, "12", unit}, record, ".");
        benchmark::DoNotOptimize(outcome);
    }
    state.SetLabel(std::string(quorvant::modeName(mode)));
}
BENCHMARK(BM_Measure)->DenseRange(0, 2);

void BM_Calibrate(benchmark::State& state)
{
    const bool series = state.range(0) == 0;
    const auto method = series ? quorvant::CalibrationMethod::SeriesInductor
                               : quorvant::CalibrationMethod::ParallelCapacitor;
    using quorvant::Unit;
    const quorvant::CalibrationInput in{"500",
                                        Unit::KHz,
                                        "400",
                                        Unit::KHz,
                                        series ? "100" : "1000",
                                        series ? Unit::uH : Unit::pF,
                                        Unit::pF,
                                        Unit::uH};
    quorvant::CalibrationRecord record;
    for (auto _ : state) {
        auto outcome = quorvant::calibrate(method, in, record, ".");
        benchmark::DoNotOptimize(outcome);
    }
    state.SetLabel(series ? "series inductor" : "parallel capacitor");
}
BENCHMARK(BM_Calibrate)->DenseRange(0, 1);

} // namespace
