// The three kinds of unit list, conversion to the working units (MHz, uH, uF) and back.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

enum class UnitKind { Frequency, Inductance, Capacitance };

// The items of a unit list, in list order: "Hz" "KHz" "MHz", "nH" "uH" "mH", "pF" "nF" "uF".
const std::array<std::string_view, 3>& unitItems(UnitKind kind);

// A typed number in the unit `unitText` converted to the working unit of its kind. The unit is
// compared exactly, case included; a text that is none of the items leaves the number as it is.
double toWorkingUnit(double number, std::string_view unitText, UnitKind kind);

// The stray inductance is always typed in nH.
double strayToWorkingUnit(double nanohenry);

// What showing a result yields for its output field.
struct ShownResult {
    enum class Status {
        Text,       // `text` is the field's new text
        Unchanged,  // the unit list shows none of its items: the field keeps its text
        OutOfRange, // the value has no finite text in that unit
    };
    Status status = Status::Unchanged;
    std::string text;

    friend bool operator==(const ShownResult&, const ShownResult&) = default;
};

// A value in the working unit shown in the unit `unitText`, with the decimals of that unit
// (pF 1, nF 3, uF 6, nH 1, uH 3, mH 6). Frequency lists are never output lists.
ShownResult showResult(double value, std::string_view unitText, UnitKind kind,
                       std::string_view decimalSeparator);

} // namespace quorvant
