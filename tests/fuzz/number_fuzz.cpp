// libFuzzer target for reading typed numbers and showing results.
//
// The whole input is the text of a field. It is read by the leading-number rule, and both the
// number read and a double taken from the input's last eight bytes are shown in every output
// unit and with any number of decimals. Each result is checked against std::from_chars on the
// prefix the rule accepts, and otherwise against the C library's strtod and printf, which share
// no code with the program's own scanner, rounding and formatting:
// - readNumber equals std::from_chars on acceptedPrefix; where from_chars reports out of range,
//   the value is the infinity or zero that strtod's overflow or underflow points to;
// - acceptedPrefix is the longest number at the start of the text (from_chars reads no further);
// - roundHalfEven equals printf's "%.*f", which rounds the exact binary value half to even;
// - a shown text is printf's "%.15G" of the rounded value ("0" for either zero); read back with
//   readNumber it gives that 15-digit value exactly, and the rounded value itself exactly when
//   the rounded decimal has at most 15 significant digits (a double holds any such decimal).
// The same input, cut at '|' into typed fields, also goes through the measurement and both
// calibrations: whatever is typed, no result text reads "inf" or "nan" and no stored value is
// infinite or NaN.
#include <quorvant/calibration.hpp>
#include <quorvant/measurement.hpp>
#include <quorvant/number.hpp>
#include <quorvant/units.hpp>

#include <array>
#include <bit>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

[[noreturn]] void fail(const char* what, std::string_view text, double value = 0,
                       std::string_view detail = {})
{
    std::fprintf(stderr, "number_fuzz: %s\n  text: \"%.*s\"\n  value: %.17g\n  detail: %.*s\n",
                 what, static_cast<int>(text.size()), text.data(), value,
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

bool sameDouble(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// strtod in the "C" locale (libFuzzer never calls setlocale), with its range report.
double cRead(const std::string& text, bool& outOfRange)
{
    errno = 0;
    const double value = std::strtod(text.c_str(), nullptr);
    outOfRange = errno == ERANGE;
    return value;
}

std::string printed(const char* format, int precision, double value)
{
    std::array<char, 400> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), format, precision, value);
    if (n < 0 || static_cast<std::size_t>(n) >= buffer.size())
        return {}; // "%.*f" of a huge value with many decimals: no room, no check
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

int significantDigits(std::string_view decimal)
{
    const auto first = decimal.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    const auto last = decimal.find_last_of("123456789");
    int count = 0;
    for (auto i = first; i <= last; ++i)
        count += decimal[i] >= '0' && decimal[i] <= '9';
    return count;
}

void checkReading(std::string_view text)
{
    const double value = quorvant::readNumber(text);
    const std::string prefix = quorvant::acceptedPrefix(text);

    std::string kept;
    for (char c : text)
        if (!isBlank(c))
            kept += c;
    if (kept.compare(0, prefix.size(), prefix) != 0)
        fail("the accepted prefix is not a prefix of the text without blanks", text, value, prefix);

    if (prefix.empty()) {
        if (!sameDouble(value, 0.0))
            fail("a text without a number does not read as 0", text, value);
    } else {
        // from_chars takes no '+'; the rule takes one in front of the digits.
        const std::string_view number =
            prefix.front() == '+' ? std::string_view(prefix).substr(1) : std::string_view(prefix);
        double expected = 0;
        const auto [end, ec] =
            std::from_chars(number.data(), number.data() + number.size(), expected);
        if (end != number.data() + number.size())
            fail("from_chars does not read the whole accepted prefix", text, value, prefix);
        if (ec == std::errc::result_out_of_range) {
            bool range = false;
            const double c = cRead(std::string(number), range);
            const double limit = std::isinf(c) ? HUGE_VAL : 0.0;
            if (!sameDouble(value, number.front() == '-' ? -limit : limit))
                fail("a number out of range reads as the wrong limit", text, value, prefix);
        } else if (ec != std::errc{}) {
            fail("from_chars rejects the accepted prefix", text, value, prefix);
        } else if (!sameDouble(value, expected)) {
            fail("readNumber differs from from_chars on the accepted prefix", text, value, prefix);
        }
    }

    // Longest prefix: whatever from_chars reads of the text (decimal forms only) the rule reads
    // too. A sign doubled after '+' ("+-5") and the words inf and nan are not numbers of the rule.
    std::string_view rest = kept;
    if (!rest.empty() && rest.front() == '+') {
        rest.remove_prefix(1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-'))
            return;
    }
    const std::string_view unsignedRest = rest.substr(!rest.empty() && rest.front() == '-');
    if (unsignedRest.empty() || !(std::isdigit(static_cast<unsigned char>(unsignedRest.front())) ||
                                  unsignedRest.front() == '.'))
        return;
    double ignored = 0;
    const auto read = std::from_chars(rest.data(), rest.data() + rest.size(), ignored);
    const auto readLength = static_cast<std::size_t>(read.ptr - rest.data());
    const std::size_t prefixLength = prefix.size() - (!prefix.empty() && prefix.front() == '+');
    if (read.ec != std::errc::invalid_argument && readLength != prefixLength)
        fail("the accepted prefix is not the longest number", text, value, prefix);
}

// `shown` is what the program made of `value` with `decimals` places: formatRounded's text, or a
// result field's text.
void checkRounded(std::string_view input, double value, int decimals,
                  const std::optional<std::string>& shown)
{
    if (!std::isfinite(value)) {
        if (shown)
            fail("a value without a finite text was shown", input, value, *shown);
        return;
    }
    if (!shown)
        fail("a finite value has no rounded text", input, value);

    // Half to even on the exact binary value, as glibc's printf rounds.
    const std::string fixed = printed("%.*f", decimals < 0 ? 0 : decimals, value);
    bool range = false;
    const double rounded = cRead(fixed, range);
    if (!sameDouble(quorvant::roundHalfEven(value, decimals), rounded))
        fail("roundHalfEven differs from printf's rounding", input, value, fixed);

    const std::string& text = *shown;
    for (char c : text)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
              c == 'E'))
            fail("a shown text holds a foreign character", input, value, text);
    const std::string general = rounded == 0 ? std::string("0") : printed("%.*G", 15, rounded);
    if (text != general)
        fail("a shown text is not the general format of the rounded value", input, value, text);

    // Read back: the rounded value as the general format prints it, to 15 significant digits,
    // and the rounded value itself when its decimal form has no more than 15.
    const double fifteen = cRead(general, range);
    const double back = quorvant::readNumber(text);
    if (!sameDouble(back, fifteen) && !(back == 0 && fifteen == 0))
        fail("a shown text does not read back as its 15-digit value", input, value, text);
    if (significantDigits(fixed) <= 15 && back != rounded)
        fail("a shown text of at most 15 digits does not read back as the rounded value", input,
             value, text);
}

void checkShown(std::string_view input, double value)
{
    using quorvant::ShownResult;
    using quorvant::UnitKind;
    // Each output unit: how the working value becomes the shown one, and its decimals.
    struct Unit {
        std::string_view text;
        UnitKind kind;
        double (*scale)(double);
        int decimals;
    };
    static constexpr Unit units[] = {
        {"pF", UnitKind::Capacitance, [](double v) { return v * 1000000; }, 1},
        {"nF", UnitKind::Capacitance, [](double v) { return v * 1000; }, 3},
        {"uF", UnitKind::Capacitance, [](double v) { return v; }, 6},
        {"nH", UnitKind::Inductance, [](double v) { return v * 1000; }, 1},
        {"uH", UnitKind::Inductance, [](double v) { return v; }, 3},
        {"mH", UnitKind::Inductance, [](double v) { return v / 1000; }, 6},
    };
    for (const Unit& unit : units) {
        const ShownResult point = quorvant::showResult(value, unit.text, unit.kind, ".");
        const ShownResult comma = quorvant::showResult(value, unit.text, unit.kind, ",");
        const double scaled = unit.scale(value);
        if (point.status == ShownResult::Status::Unchanged)
            fail("a unit of the list was not recognised", input, value, unit.text);
        if ((point.status == ShownResult::Status::OutOfRange) != !std::isfinite(scaled))
            fail("a result is out of range exactly when its shown value is not finite", input,
                 value, unit.text);
        if (point.status != comma.status)
            fail("the decimal separator changes whether a result is shown", input, value,
                 unit.text);
        std::string swapped = comma.text;
        for (char& c : swapped)
            if (c == ',')
                c = '.';
        if (swapped != point.text)
            fail("the comma text differs from the point text", input, value, comma.text);
        if (point.status == ShownResult::Status::Text)
            checkRounded(input, scaled, unit.decimals, point.text);
    }
    // A list text that is none of the items leaves the field as it is.
    if (quorvant::showResult(value, "pf", UnitKind::Capacitance, ".").status !=
        ShownResult::Status::Unchanged)
        fail("a unit text that is no item changed a result", input, value);
}

bool finiteRecord(const quorvant::CalibrationRecord& r)
{
    return std::isfinite(r.F1) && std::isfinite(r.F2) && std::isfinite(r.L0) &&
           std::isfinite(r.C0) && std::isfinite(r.C1) && std::isfinite(r.L1);
}

void checkResultText(std::string_view input, std::string_view what, const std::string& text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos ||
        !std::isfinite(quorvant::readNumber(text)))
        fail("a result text is not a finite number", input, 0, std::string(what) + ": " + text);
}

// The whole calculations on the input cut at '|' into the typed fields: frequency, stray
// inductance, F1, F2 and the reference. Whatever is typed, the record holds finite values and
// no result reads "inf" or "nan".
void checkCalculations(std::string_view text, const std::uint8_t* data, std::size_t size)
{
    std::string_view fields[5];
    std::string_view rest = text;
    for (auto& field : fields) {
        const auto bar = rest.find('|');
        field = rest.substr(0, bar);
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    // Units from the input's first bytes, a text that is no item included.
    const auto pick = [&](std::size_t i, std::initializer_list<std::string_view> items) {
        const std::uint8_t byte = i < size ? data[i] : 0;
        return items.begin()[byte % items.size()];
    };
    const std::string_view fUnit = pick(1, {"Hz", "KHz", "MHz", "hz"});
    const std::string_view lUnit = pick(2, {"nH", "uH", "mH", "UH"});
    const std::string_view cUnit = pick(3, {"pF", "nF", "uF", ""});

    for (const auto method : {quorvant::CalibrationMethod::SeriesInductor,
                              quorvant::CalibrationMethod::ParallelCapacitor}) {
        const bool series = method == quorvant::CalibrationMethod::SeriesInductor;
        quorvant::CalibrationRecord record;
        const auto calibrated = quorvant::calibrate(
            method,
            {fields[2], fUnit, fields[3], fUnit, fields[4], series ? lUnit : cUnit, cUnit, lUnit},
            record, ".");
        if (!finiteRecord(record))
            fail("a calibration stored a value that is not finite", text);
        for (const auto& shown : {calibrated.text4, calibrated.text5})
            if (shown)
                checkResultText(text, "calibration", *shown);
        const auto returned = quorvant::returnTexts(record, ".");
        for (const std::string& t : {returned.text3, returned.text5, returned.text6})
            if (!t.empty())
                checkResultText(text, "return", t);

        for (const std::string_view mode :
             {quorvant::modeLxSeries, quorvant::modeCxParallel, quorvant::modeLxParallel}) {
            quorvant::MeasurementValues values;
            const auto outcome = quorvant::measure(
                {mode, fields[0], fUnit, fields[1], lUnit, cUnit}, record, values, ".");
            using Kind = quorvant::MeasurementOutcome::Kind;
            if (outcome.kind == Kind::Text2 || outcome.kind == Kind::Text4)
                checkResultText(text, mode, outcome.text);
            if (!std::isfinite(values.F3) || !std::isfinite(values.Cx) ||
                !std::isfinite(values.Lx) || !std::isfinite(values.Ls))
                fail("a measurement kept a working value that is not finite", text);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReading(text);

    const double read = quorvant::readNumber(text);
    // Any double, subnormals, infinities and NaNs included, from the last eight bytes.
    double raw = 0;
    if (size >= sizeof raw)
        std::memcpy(&raw, data + size - sizeof raw, sizeof raw);
    const int decimals = size == 0 ? 0 : static_cast<int>(data[0] % 34) - 2; // -2 .. 31

    for (double value : {read, raw}) {
        checkShown(text, value);
        checkRounded(text, value, decimals, quorvant::formatRounded(value, decimals, "."));
    }
    checkCalculations(text, data, size);
    return 0;
}
