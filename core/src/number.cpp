// Reading typed numbers (the leading-number rule) and writing results as text.
#include "quorvant/number.hpp"

#include "number_scan.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>

namespace quorvant {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return !isBlank(c); });
    return kept;
}

// The accepted number at the start of a text without blanks, and the decimal exponent of its
// leading non-zero digit, which decides overflow from underflow when the conversion fails.
struct Scanned {
    std::size_t length = 0; // 0: no digit was read
    long long magnitude = 0;
};

Scanned scanNumber(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    bool point = false;
    bool nonZero = false;
    std::size_t digits = 0;
    long long integerDigits = 0; // integer digits from the first non-zero one on
    long long leading = 0;
    long long fractionDigits = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            ++digits;
            if (!point) {
                if (nonZero || c != '0') {
                    nonZero = true;
                    ++integerDigits;
                }
            } else {
                ++fractionDigits;
                if (!nonZero && c != '0') {
                    nonZero = true;
                    leading = -fractionDigits;
                }
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return {};
    }
    if (integerDigits > 0) {
        leading = integerDigits - 1;
    }

    // The exponent counts only with at least one digit: "1e" and "1e+" read as 1.
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negative = s[j] == '-';
            ++j;
        }
        const std::size_t firstDigit = j;
        // Far beyond any double exponent, and small enough that adding `leading` cannot overflow.
        constexpr long long saturation = 1'000'000'000'000'000LL;
        for (; j < s.size() && isDigit(s[j]); ++j) {
            exponent = std::min(saturation, exponent * 10 + (s[j] - '0'));
        }
        if (j > firstDigit) {
            i = j;
            if (negative) {
                exponent = -exponent;
            }
        }
    }
    return {i, leading + exponent};
}

} // namespace

std::string detail::acceptedPrefix(std::string_view text)
{
    const std::string kept = withoutBlanks(text);
    return kept.substr(0, scanNumber(kept).length);
}

double readNumber(std::string_view text)
{
    const std::string kept = withoutBlanks(text);
    const Scanned scanned = scanNumber(kept);
    if (scanned.length == 0) {
        return 0.0;
    }
    const char* first = kept.data();
    const char* last = first + scanned.length;
    const bool negative = *first == '-';
    if (*first == '+') {
        ++first; // from_chars takes a minus sign only
    }
    double value = 0.0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = scanned.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    return value;
}

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value)) {
        return value;
    }
    decimals = std::max(decimals, 0);
    // The fixed form of the largest double has 309 digits; add sign, point and the decimals.
    std::string buffer(320 + static_cast<std::size_t>(decimals), '\0');
    char* const first = buffer.data();
    // Exact decimal expansion rounded half to even, so 2.675 (really 2.67499...) gives 2.67.
    const auto written =
        std::to_chars(first, first + buffer.size(), value, std::chars_format::fixed, decimals);
    double rounded = value;
    std::from_chars(first, written.ptr, rounded);
    return rounded;
}

std::optional<std::string> formatGeneral(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    if (value == 0) {
        return "0"; // also for -0
    }
    char buffer[64];
    // Fifteen significant digits as "%.15g": exponent form below 1E-04 and from 1E+15 on.
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text;
    for (const char* p = buffer; p != written.ptr; ++p) {
        if (*p == '.') {
            text += decimalSeparator;
        } else if (*p == 'e') {
            text += 'E';
        } else {
            text += *p;
        }
    }
    return text;
}

std::optional<std::string> formatRounded(double value, int decimals,
                                         std::string_view decimalSeparator)
{
    return formatGeneral(roundHalfEven(value, decimals), decimalSeparator);
}

} // namespace quorvant
