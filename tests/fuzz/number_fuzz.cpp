// libFuzzer target for reading typed numbers, rounding and showing results, and the
// calculations on whatever is typed. The input is the text of a field; a double from its last
// eight bytes (any double, infinities and NaNs included) is shown too, with 0 to 31 decimals
// chosen by the first byte. The C library's strtod and printf in the "C" locale, which share no
// code with the program, are the reference:
// - a reference reader written here (blanks erased, the rest left to strtod, which reads more
//   forms than the program: hexadecimal, inf and nan, and leading white space other than blanks,
//   are cut off before it) gives the same accepted prefix as acceptedPrefix and the same double,
//   bit for bit, as readNumber, beyond the double's range included;
// - a shown text (formatRounded, or resultText in each output unit) read back with readNumber
//   is printf's "%.15G" of the value rounded by printf's "%.*f" (half to even on the exact
//   binary value); a value has a text exactly when it is finite;
// - the input cut at '|' into the typed fields goes through both calibrations and the
//   measurement in each mode: no text reads "inf" or "nan" and the record stays finite.
#include <quorvant/calibration.hpp>
#include <quorvant/measurement.hpp>
#include <quorvant/number.hpp>
#include <quorvant/units.hpp>

#include "number_scan.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void check(bool ok, const char* what, std::string_view input, double value = 0)
{
    if (ok)
        return;
    std::fprintf(stderr, "number_fuzz: %s\n  input: \"%.*s\"\n  value: %.17g\n", what,
                 static_cast<int>(input.size()), input.data(), value);
    std::abort();
}

// The leading number of `text` by the reading rule, found by strtod: the prefix it reads and its
// value. Blanks are erased first; a number must start with a digit or a point after its sign.
struct Reference {
    std::string prefix;
    double value = 0;
};

Reference referenceRead(std::string_view text)
{
    std::string t(text);
    std::erase_if(t, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    const std::size_t sign = !t.empty() && (t[0] == '+' || t[0] == '-');
    const bool digitOrPoint =
        t.size() > sign && (std::isdigit(static_cast<unsigned char>(t[sign])) || t[sign] == '.');
    if (!digitOrPoint)
        return {}; // inf, nan, other white space, or nothing: no number, read as 0
    if (t.compare(sign, 2, "0x") == 0 || t.compare(sign, 2, "0X") == 0)
        t.resize(sign + 1); // hexadecimal is no number here: "0x10" reads as 0
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    if (end == t.c_str())
        return {}; // a sign and a point without digits: no number
    return {t.substr(0, static_cast<std::size_t>(end - t.c_str())), value};
}

// printf's text of `value` ("%.*f" when fixed, else "%.*G"), read back by strtod.
double printed(bool fixed, int precision, double value)
{
    char buffer[400]; // the fixed form of the largest double with 31 decimals fits
    if (fixed)
        std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
    else
        std::snprintf(buffer, sizeof buffer, "%.*G", precision, value);
    return std::strtod(buffer, nullptr);
}

// `shown` is the program's text of `value` with `decimals` places, if it gave one: there is
// one exactly for a finite value, and it reads back as the rounded value to 15 digits.
void checkShown(std::string_view input, double value, int decimals,
                const std::optional<std::string>& shown)
{
    const double rounded = printed(true, std::max(decimals, 0), value);
    check(shown
              ? std::isfinite(value) && quorvant::readNumber(*shown) == printed(false, 15, rounded)
              : !std::isfinite(value),
          "a shown text is not the rounded value to 15 digits", input, value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorvant;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double read = readNumber(text);
    const Reference reference = referenceRead(text);
    check(detail::acceptedPrefix(text) == reference.prefix,
          "acceptedPrefix differs from the reference reader's", text, read);
    check(std::memcmp(&read, &reference.value, sizeof read) == 0,
          "readNumber differs from the reference reader's value", text, read);

    double raw = 0; // any double, from the last eight bytes
    std::memcpy(&raw, data + size - std::min(size, sizeof raw), std::min(size, sizeof raw));
    const int decimals = size == 0 ? 0 : data[0] % 34 - 2; // -2 .. 31
    for (const double value : {read, raw}) {
        checkShown(text, value, decimals, formatRounded(value, decimals, "."));
        // The value in pF nF uF, and in nH uH mH, with 1, 3 and 6 decimals.
        const double in[] = {value * 1e6, value * 1e3, value, value / 1e3};
        const Unit units[2][3] = {{Unit::pF, Unit::nF, Unit::uF}, {Unit::nH, Unit::uH, Unit::mH}};
        for (int k = 0; k < 2; ++k)
            for (int i = 0; i < 3; ++i)
                checkShown(text, in[i + k], (i + 1) * (i + 2) / 2,
                           resultText(value, units[k][i], "."));
    }

    // The typed fields: frequency, stray inductance, F1, F2, reference; units from the first
    // bytes, a text that is no item included.
    std::string_view f[5], rest = text;
    for (auto& s : f)
        rest.remove_prefix(std::min(rest.size(), (s = rest.substr(0, rest.find('|'))).size() + 1));
    const auto pick = [&](std::size_t i, std::initializer_list<std::string_view> items) {
        return items.begin()[(i < size ? data[i] : 0) % items.size()];
    };
    const auto fUnit = parseUnit(pick(1, {"Hz", "KHz", "MHz", "hz"}), UnitKind::Frequency);
    const auto lUnit = parseUnit(pick(2, {"nH", "uH", "mH", "UH"}), UnitKind::Inductance);
    const auto cUnit = parseUnit(pick(3, {"pF", "nF", "uF", ""}), UnitKind::Capacitance);
    const auto finite = [&](const auto&... texts) { // no text reads inf or nan
        for (const std::string& t : {std::string(texts)...})
            for (const char* bad : {"inf", "Inf", "INF", "nan", "NaN", "NAN"})
                check(t.find(bad) == std::string::npos, "a text reads inf or nan", text);
    };
    for (const bool series : {true, false}) {
        CalibrationRecord r;
        const auto c = calibrate(
            series ? CalibrationMethod::SeriesInductor : CalibrationMethod::ParallelCapacitor,
            {f[2], fUnit, f[3], fUnit, f[4], series ? lUnit : cUnit, cUnit, lUnit}, r, ".");
        for (const double v : {r.F1, r.F2, r.L0, r.C0, r.C1, r.L1})
            check(std::isfinite(v), "a calibration stored a value that is not finite", text, v);
        const auto back = summarize(r, ".");
        finite(c.c1.value_or(""), c.l1.value_or(""), back.f1KHz, back.c1PF, back.l1UH);
        for (const Mode mode : modes) {
            const auto unit = measuredQuantity(mode) == Quantity::Inductance ? lUnit : cUnit;
            finite(measure(mode, {f[0], fUnit, f[1], unit}, r, ".").text.value_or(""));
        }
    }
    return 0;
}
