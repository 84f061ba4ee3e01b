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
                        {"500", "KHz", "400", "KHz", "1000", "pF", "pF", "uH"}, record, ".");
    return record;
}

void BM_Measure(benchmark::State& state)
{
    constexpr std::string_view modes[] = {quorvant::modeCxParallel, quorvant::modeLxParallel,
                                          quorvant::modeLxSeries};
    const std::string_view mode = modes[state.range(0)];
    const quorvant::CalibrationRecord record = calibrated();
    quorvant::MeasurementValues values;
    for (auto _ : state) {
        auto outcome =
            quorvant::measure({mode, "312500", "Hz", "12", "uH", "pF"}, record, values, ".");
        benchmark::DoNotOptimize(outcome);
    }
    state.SetLabel(std::string(mode));
}
BENCHMARK(BM_Measure)->DenseRange(0, 2);

void BM_Calibrate(benchmark::State& state)
{
    const bool series = state.range(0) == 0;
    const auto method = series ? quorvant::CalibrationMethod::SeriesInductor
                               : quorvant::CalibrationMethod::ParallelCapacitor;
    const quorvant::CalibrationInputs in{
        "500", "KHz", "400", "KHz", series ? "100" : "1000", series ? "uH" : "pF", "pF", "uH"};
    quorvant::CalibrationRecord record;
    for (auto _ : state) {
        auto outcome = quorvant::calibrate(method, in, record, ".");
        benchmark::DoNotOptimize(outcome);
    }
    state.SetLabel(series ? "series inductor" : "parallel capacitor");
}
BENCHMARK(BM_Calibrate)->DenseRange(0, 1);

} // namespace
