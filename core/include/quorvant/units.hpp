// The three kinds of unit list, the units they name, conversion of typed numbers to the working
// units (MHz, uH, uF) and results shown in a chosen unit.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

enum class UnitKind { Frequency, Inductance, Capacitance };

enum class Unit { Hz, KHz, MHz, nH, uH, mH, pF, nF, uF };

// The items of a unit list, in list order: "Hz" "KHz" "MHz", "nH" "uH" "mH", "pF" "nF" "uF".
const std::array<std::string_view, 3>& unitItems(UnitKind kind);

// The unit a list's text names, compared exactly, case included; nullopt for a text that is none
// of the items of its kind (the one typable list may hold any text).
std::optional<Unit> parseUnit(std::string_view text, UnitKind kind);

// A typed number in `unit` converted to its working unit; without a unit it stays as it is.
double toWorkingUnit(double number, std::optional<Unit> unit);

// A value in its working unit, in `unit`.
double fromWorkingUnit(double value, Unit unit);

// The stray inductance is always typed in nH.
double strayToWorkingUnit(double nanohenry);

// A value in its working unit as the text of `unit`, rounded to the unit's decimals (pF 1, nF 3,
// uF 6, nH 1, uH 3, mH 6). nullopt when the value has no finite text in that unit, and for a
// frequency unit: results are inductances and capacitances.
std::optional<std::string> resultText(double value, Unit unit, std::string_view decimalSeparator);

} // namespace quorvant
