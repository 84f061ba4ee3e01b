// Unit lists, conversion of typed numbers to the working units and results in a chosen unit.
#include "quorvant/units.hpp"

#include "quorvant/enum_table.hpp"
#include "quorvant/number.hpp"

#include <algorithm>
#include <iterator>

namespace quorvant {

namespace {

struct UnitInfo {
    Unit unit;
    UnitKind kind;
    std::string_view text;
    // The unit is 10^exponent working units. Conversions divide or multiply by the power of ten,
    // never multiply by its reciprocal, which is not exact.
    int exponent;
    // The decimals of a result shown in the unit; a frequency is never shown.
    std::optional<int> decimals;
};

constexpr UnitInfo units[] = {
    {Unit::Hz, UnitKind::Frequency, "Hz", -6, {}},  {Unit::KHz, UnitKind::Frequency, "KHz", -3, {}},
    {Unit::MHz, UnitKind::Frequency, "MHz", 0, {}}, {Unit::nH, UnitKind::Inductance, "nH", -3, 1},
    {Unit::uH, UnitKind::Inductance, "uH", 0, 3},   {Unit::mH, UnitKind::Inductance, "mH", 3, 6},
    {Unit::pF, UnitKind::Capacitance, "pF", -6, 1}, {Unit::nF, UnitKind::Capacitance, "nF", -3, 3},
    {Unit::uF, UnitKind::Capacitance, "uF", 0, 6},
};

// A unit is found by its place in the table.
static_assert(inEnumOrder(units, [](const UnitInfo& row) { return row.unit; }));

// ...and a kind's list is the three rows from its value times three, in list order.
constexpr std::size_t perKind = 3;
constexpr UnitKind kinds[] = {UnitKind::Frequency, UnitKind::Inductance, UnitKind::Capacitance};
static_assert(std::size(units) == std::size(kinds) * perKind &&
              inEnumOrder(kinds, [](UnitKind kind) { return kind; }));
static_assert(std::ranges::all_of(units, [](const UnitInfo& row) {
    return row.kind == static_cast<UnitKind>(static_cast<std::size_t>(row.unit) / perKind);
}));

constexpr std::array<std::string_view, perKind> itemsOf(UnitKind kind)
{
    const auto first = static_cast<std::size_t>(kind) * perKind;
    return {units[first].text, units[first + 1].text, units[first + 2].text};
}

constexpr std::array<std::array<std::string_view, perKind>, std::size(kinds)> items{
    itemsOf(UnitKind::Frequency), itemsOf(UnitKind::Inductance), itemsOf(UnitKind::Capacitance)};

const UnitInfo& info(Unit unit) { return units[static_cast<std::size_t>(unit)]; }

double powerOfTen(int exponent)
{
    double power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

} // namespace

const std::array<std::string_view, 3>& unitItems(UnitKind kind)
{
    return items[static_cast<std::size_t>(kind)];
}

std::optional<Unit> parseUnit(std::string_view text, UnitKind kind)
{
    const auto* found = std::find_if(std::begin(units), std::end(units), [&](const UnitInfo& u) {
        return u.kind == kind && u.text == text;
    });
    if (found == std::end(units))
        return std::nullopt;
    return found->unit;
}

double toWorkingUnit(double number, std::optional<Unit> unit)
{
    if (!unit)
        return number;
    const int exponent = info(*unit).exponent;
    return exponent < 0 ? number / powerOfTen(-exponent) : number * powerOfTen(exponent);
}

double strayToWorkingUnit(double nanohenry) { return toWorkingUnit(nanohenry, Unit::nH); }

double fromWorkingUnit(double value, Unit unit)
{
    const int exponent = info(unit).exponent;
    return exponent < 0 ? value * powerOfTen(-exponent) : value / powerOfTen(exponent);
}

std::optional<std::string> resultText(double value, Unit unit, std::string_view decimalSeparator)
{
    const std::optional<int> decimals = info(unit).decimals;
    if (!decimals)
        return std::nullopt;
    return formatRounded(fromWorkingUnit(value, unit), *decimals, decimalSeparator);
}

} // namespace quorvant
