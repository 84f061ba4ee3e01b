// Reading typed numbers, rounding half to even, and the general number format.
#include "quorvant/number.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

using quorvant::acceptedPrefix;
using quorvant::formatGeneral;
using quorvant::formatRounded;
using quorvant::readNumber;
using quorvant::roundHalfEven;

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Every test runs in the C locale unless it sets another one itself.
class CLocale : public testing::Environment {
public:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};
const testing::Environment* const cLocale = testing::AddGlobalTestEnvironment(new CLocale);

struct ReadRow {
    std::string text;
    std::string prefix;
    double value;
};

void expectReads(const ReadRow& row)
{
    SCOPED_TRACE("text: \"" + row.text + "\"");
    EXPECT_EQ(acceptedPrefix(row.text), row.prefix);
    const double value = readNumber(row.text);
    EXPECT_EQ(value, row.value);
    EXPECT_EQ(std::signbit(value), std::signbit(row.value));
}

TEST(ReadNumber, LeadingNumberRule)
{
    const ReadRow rows[] = {
        {"", "", 0},
        {" 1 000 ", "1000", 1000},
        {"\t1\n2", "12", 12},
        {"12 . 5", "12.5", 12.5},
        {"1 e 3", "1e3", 1000},
        {"3.5MHz", "3.5", 3.5},
        {"abc", "", 0},
        {"1e3", "1e3", 1000},
        {"2.5E-3", "2.5E-3", 0.0025},
        {"-4", "-4", -4},
        {"+7", "+7", 7},
        {".5", ".5", 0.5},
        {"-.5", "-.5", -0.5},
        {"5.", "5.", 5},
        {"5.e1", "5.e1", 50},
        {"0.1", "0.1", 0.1},
        {"-0", "-0", -0.0},
        {"1.2.3", "1.2", 1.2},
        // A comma ends the number.
        {",5", "", 0},
        {"2,5", "2", 2},
        {"0,4", "0", 0},
        // An exponent needs a digit.
        {"1e", "1", 1},
        {"1e+", "1", 1},
        {"2E-x", "2", 2},
        {"e5", "", 0},
        // No signs without digits, no second sign, no other notations.
        {"-", "", 0},
        {".", "", 0},
        {"-.", "", 0},
        {"--5", "", 0},
        {"+-5", "", 0},
        {"&H10", "", 0},
        {"&O7", "", 0},
        {"1D3", "1", 1},
        {"0x10", "0", 0},
        {"inf", "", 0},
        {"nan", "", 0},
        // Beyond the double range: an infinity of its sign, or zero of its sign.
        {"1e309", "1e309", inf},
        {"-1e309", "-1e309", -inf},
        {"1e-400", "1e-400", 0},
        {"-1e-400", "-1e-400", -0.0},
        {"1e-310", "1e-310", 1e-310},
        {"1e99999999999999999999999", "1e99999999999999999999999", inf},
        {"1e-99999999999999999999999", "1e-99999999999999999999999", 0},
        {"0e99999999999999999999999", "0e99999999999999999999999", 0},
    };
    for (const auto& row : rows) {
        expectReads(row);
    }
}

TEST(ReadNumber, LongDigitStrings)
{
    const std::string zeros(5000, '0');
    const ReadRow rows[] = {
        {"1" + zeros + "e-5000", "1" + zeros + "e-5000", 1},
        {"0." + zeros + "1e5001", "0." + zeros + "1e5001", 1},
        {std::string(5000, '9'), std::string(5000, '9'), inf},
        {"-" + std::string(5000, '9'), "-" + std::string(5000, '9'), -inf},
        {"0." + zeros + "1", "0." + zeros + "1", 0},
        // 2^53 + 1 is a tie between two doubles; a far-away digit decides it upwards.
        {"9007199254740993", "9007199254740993", 9007199254740992.0},
        {"9007199254740993." + zeros + "1", "9007199254740993." + zeros + "1", 9007199254740994.0},
    };
    for (const auto& row : rows) {
        expectReads(row);
    }
}

// Reading ignores the user's regional settings.
TEST(ReadNumber, IgnoresCommaLocale)
{
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "it_IT.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr &&
            std::string(std::localeconv()->decimal_point) == ",") {
            found = name;
            break;
        }
    }
    if (found == nullptr) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_EQ(readNumber("2.5"), 2.5);
    EXPECT_EQ(readNumber("2,5"), 2);
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(formatGeneral(2.5, "."), "2.5");
    std::setlocale(LC_ALL, "C");
}

TEST(RoundHalfEven, TiesOnTheExactValue)
{
    struct Row {
        double value;
        int decimals;
        double rounded;
    };
    const Row rows[] = {
        {0.25, 1, 0.2},
        {0.75, 1, 0.8},
        {-0.25, 1, -0.2},
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-2.5, 0, -2},
        {0.125, 2, 0.12},
        {0.375, 2, 0.38},
        {2.675, 2, 2.67}, // really 2.67499999999999982236431605997495353221893310546875
        {58.31442, 3, 58.314},
        {1e300, 6, 1e300},
        {-1.7976931348623157e308, 6, -1.7976931348623157e308},
        {-0.04, 1, -0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " to " << row.decimals);
        EXPECT_EQ(roundHalfEven(row.value, row.decimals), row.rounded);
    }
    EXPECT_EQ(roundHalfEven(inf, 1), inf);
    EXPECT_EQ(roundHalfEven(-inf, 1), -inf);
    EXPECT_TRUE(std::isnan(roundHalfEven(nan, 1)));
}

TEST(FormatGeneral, Texts)
{
    struct Row {
        double value;
        const char* separator;
        const char* text;
    };
    const Row rows[] = {
        {2.5, ".", "2.5"},
        {3.0, ".", "3"},
        {0.5, ".", "0.5"},
        {-0.5, ".", "-0.5"},
        {0.0, ".", "0"},
        {-0.0, ".", "0"},
        {-1234.5, ".", "-1234.5"},
        {0.1 + 0.2, ".", "0.3"},
        {123456789.123456789, ".", "123456789.123457"},
        {999999999999999.0, ".", "999999999999999"},
        {1e15, ".", "1E+15"},
        {-2.5e100, ".", "-2.5E+100"},
        {0.0001, ".", "0.0001"},
        {0.000015, ".", "1.5E-05"},
        {2.5, ",", "2,5"},
        {0.000015, ",", "1,5E-05"},
        {2.5, "\u066b", "2\u066b5"},
        {3.0, ",", "3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(formatGeneral(row.value, row.separator), row.text);
    }
    EXPECT_EQ(formatGeneral(inf, "."), std::nullopt);
    EXPECT_EQ(formatGeneral(-inf, "."), std::nullopt);
    EXPECT_EQ(formatGeneral(nan, "."), std::nullopt);
}

TEST(FormatRounded, RoundsThenFormats)
{
    EXPECT_EQ(formatRounded(2.675, 2, "."), "2.67");
    EXPECT_EQ(formatRounded(0.57, 6, "."), "0.57");
    EXPECT_EQ(formatRounded(-0.04, 1, "."), "0");
    EXPECT_EQ(formatRounded(0.0000005, 6, "."), "0");
    EXPECT_EQ(formatRounded(0.0000015, 6, "."), "2E-06");
    EXPECT_EQ(formatRounded(inf, 1, "."), std::nullopt);
}

} // namespace
