// Unit lists, conversion to the working units and the shown text of a result.
#include "quorvant/units.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace {

using quorvant::ShownResult;
using quorvant::showResult;
using quorvant::toWorkingUnit;
using quorvant::UnitKind;
using Status = ShownResult::Status;

constexpr double inf = std::numeric_limits<double>::infinity();

TEST(Units, ListItemsInOrder)
{
    using Items = std::array<std::string_view, 3>;
    EXPECT_EQ(quorvant::unitItems(UnitKind::Frequency), (Items{"Hz", "KHz", "MHz"}));
    EXPECT_EQ(quorvant::unitItems(UnitKind::Inductance), (Items{"nH", "uH", "mH"}));
    EXPECT_EQ(quorvant::unitItems(UnitKind::Capacitance), (Items{"pF", "nF", "uF"}));
}

TEST(Units, ToWorkingUnit)
{
    struct Row {
        double number;
        const char* unit;
        UnitKind kind;
        double working;
    };
    const Row rows[] = {
        {3500000, "Hz", UnitKind::Frequency, 3.5},
        {3500, "KHz", UnitKind::Frequency, 3.5},
        {3.5, "MHz", UnitKind::Frequency, 3.5},
        {3500, "khz", UnitKind::Frequency, 3500}, // case counts: not an item
        {3500, "", UnitKind::Frequency, 3500},
        {3500, "pF", UnitKind::Frequency, 3500}, // an item of another kind
        {5, "nH", UnitKind::Inductance, 0.005},
        {5, "uH", UnitKind::Inductance, 5},
        {5, "mH", UnitKind::Inductance, 5000},
        {5, "UH", UnitKind::Inductance, 5},
        {1000, "pF", UnitKind::Capacitance, 0.001},
        {1, "nF", UnitKind::Capacitance, 0.001},
        {0.001, "uF", UnitKind::Capacitance, 0.001},
        {1000, "Hz", UnitKind::Capacitance, 1000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.number << " " << row.unit);
        EXPECT_EQ(toWorkingUnit(row.number, row.unit, row.kind), row.working);
    }
    EXPECT_EQ(quorvant::strayToWorkingUnit(12), 0.012);
}

TEST(Units, ShowResult)
{
    struct Row {
        double value;
        const char* unit;
        UnitKind kind;
        ShownResult shown;
    };
    const Row rows[] = {
        {0.0015, "pF", UnitKind::Capacitance, {Status::Text, "1500"}},
        {0.0015, "nF", UnitKind::Capacitance, {Status::Text, "1.5"}},
        {0.0015, "uF", UnitKind::Capacitance, {Status::Text, "0.0015"}},
        {0.00000057, "pF", UnitKind::Capacitance, {Status::Text, "0.6"}},
        {0.00000057, "nF", UnitKind::Capacitance, {Status::Text, "0.001"}},
        {0.00000057, "uF", UnitKind::Capacitance, {Status::Text, "1E-06"}},
        {58.31442, "nH", UnitKind::Inductance, {Status::Text, "58314.4"}},
        {58.31442, "uH", UnitKind::Inductance, {Status::Text, "58.314"}},
        {58.31442, "mH", UnitKind::Inductance, {Status::Text, "0.058314"}},
        {-0.5, "uH", UnitKind::Inductance, {Status::Text, "-0.5"}},
        {0, "pF", UnitKind::Capacitance, {Status::Text, "0"}},
        {-0.00001, "uH", UnitKind::Inductance, {Status::Text, "0"}},
        // The list shows none of its items: the field keeps its text.
        {1, "UH", UnitKind::Inductance, {Status::Unchanged, ""}},
        {1, "", UnitKind::Capacitance, {Status::Unchanged, ""}},
        {1, "pF", UnitKind::Inductance, {Status::Unchanged, ""}},
        {1, "MHz", UnitKind::Frequency, {Status::Unchanged, ""}},
        {inf, "UH", UnitKind::Inductance, {Status::Unchanged, ""}},
        // No finite text in that unit.
        {1e303, "pF", UnitKind::Capacitance, {Status::OutOfRange, ""}},
        {1e303, "uF", UnitKind::Capacitance, {Status::Text, "1E+303"}},
        {inf, "mH", UnitKind::Inductance, {Status::OutOfRange, ""}},
        {std::numeric_limits<double>::quiet_NaN(),
         "uF",
         UnitKind::Capacitance,
         {Status::OutOfRange, ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " " << row.unit);
        EXPECT_EQ(showResult(row.value, row.unit, row.kind, "."), row.shown);
    }
    EXPECT_EQ(showResult(0.0015, "nF", UnitKind::Capacitance, ","),
              (ShownResult{Status::Text, "1,5"}));
}

} // namespace
