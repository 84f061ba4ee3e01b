// Reading typed numbers and writing results as text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

// Reads the leading number of a typed text. Blanks, tabs and line feeds are skipped wherever
// they stand; then an optional sign, digits with at most one point, and an optional exponent
// (E or e, optional sign, digits). Reading stops at the first character that cannot continue the
// number; no digits at all read as 0. Only '.' separates decimals: a comma ends the number.
// "&H", "&O" and the exponent letter D are not accepted. A number beyond the double range reads
// as an infinity of its sign; one too small for a double reads as zero.
double readNumber(std::string_view text);

// Rounds to `decimals` places, ties to the even digit, decided on the exact binary value.
double roundHalfEven(double value, int decimals);

// The general number format: at most 15 significant digits, no thousands separator, no trailing
// zeros, no separator for a zero fraction, exponent form (1E+15, 1.5E-05) for non-zero values
// of 1E+15 and above or below 0.0001 in size. `decimalSeparator` replaces the point.
// Returns nullopt for an infinity or a NaN, which has no text.
std::optional<std::string> formatGeneral(double value, std::string_view decimalSeparator);

// roundHalfEven followed by formatGeneral.
std::optional<std::string> formatRounded(double value, int decimals,
                                         std::string_view decimalSeparator);

} // namespace quorvant
