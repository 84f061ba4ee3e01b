// Unit lists, conversion of typed numbers to the working units (MHz, uH, uF) and the text of a
// result in the unit its list shows.
#include "quorvant/units.hpp"

#include "quorvant/number.hpp"

#include <utility>

namespace quorvant {

namespace {

constexpr std::array<std::string_view, 3> frequencyItems{"Hz", "KHz", "MHz"};
constexpr std::array<std::string_view, 3> inductanceItems{"nH", "uH", "mH"};
constexpr std::array<std::string_view, 3> capacitanceItems{"pF", "nF", "uF"};

} // namespace

const std::array<std::string_view, 3>& unitItems(UnitKind kind)
{
    switch (kind) {
    case UnitKind::Frequency:
        return frequencyItems;
    case UnitKind::Inductance:
        return inductanceItems;
    case UnitKind::Capacitance:
        break;
    }
    return capacitanceItems;
}

double toWorkingUnit(double number, std::string_view unitText, UnitKind kind)
{
    switch (kind) {
    case UnitKind::Frequency:
        if (unitText == "Hz") {
            return number / 1000000;
        }
        if (unitText == "KHz") {
            return number / 1000;
        }
        break;
    case UnitKind::Inductance:
        if (unitText == "nH") {
            return number / 1000;
        }
        if (unitText == "mH") {
            return number * 1000;
        }
        break;
    case UnitKind::Capacitance:
        if (unitText == "pF") {
            return number / 1000000;
        }
        if (unitText == "nF") {
            return number / 1000;
        }
        break;
    }
    return number;
}

double strayToWorkingUnit(double nanohenry)
{
    return nanohenry / 1000;
}

ShownResult showResult(double value, std::string_view unitText, UnitKind kind,
                       std::string_view decimalSeparator)
{
    double shown = 0;
    int decimals = 0;
    if (kind == UnitKind::Capacitance && unitText == "pF") {
        shown = value * 1000000;
        decimals = 1;
    } else if (kind == UnitKind::Capacitance && unitText == "nF") {
        shown = value * 1000;
        decimals = 3;
    } else if (kind == UnitKind::Capacitance && unitText == "uF") {
        shown = value;
        decimals = 6;
    } else if (kind == UnitKind::Inductance && unitText == "nH") {
        shown = value * 1000;
        decimals = 1;
    } else if (kind == UnitKind::Inductance && unitText == "uH") {
        shown = value;
        decimals = 3;
    } else if (kind == UnitKind::Inductance && unitText == "mH") {
        shown = value / 1000;
        decimals = 6;
    } else {
        return {ShownResult::Status::Unchanged, {}};
    }
    auto text = formatRounded(shown, decimals, decimalSeparator);
    if (!text) {
        return {ShownResult::Status::OutOfRange, {}};
    }
    return {ShownResult::Status::Text, std::move(*text)};
}

} // namespace quorvant
