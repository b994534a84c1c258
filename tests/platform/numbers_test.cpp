#include "platform/numbers.h"

#include <QLocale>
#include <climits>
#include <gtest/gtest.h>
#include <limits>

namespace wyk {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Val, ReadsTheLeadingNumber) {
    const std::string lang(400, '9');
    const std::string winzig = "0." + std::string(400, '0') + "1";
    const std::string hoch = "0.000001e99999999999999";
    const std::string tief = "-" + lang;
    const std::pair<std::string, double> cases[] = {
        {"", 0},       {"#", 0},        {"abc", 0},      {"-2", -2},       {"+3.5", 3.5},
        {".5", 0.5},   {"5.", 5},       {"-.25", -0.25}, {"  7", 7},       {"\t5", 0},
        {"3 4 5", 3},  {"12abc", 12},   {"1e3", 1000},   {"2.5E-1", 0.25}, {"1e+", 1},
        {"-", 0},      {".", 0},        {"1,5", 1},      {"0x10", 0},      {"--1", 0},
        {"1e-400", 0}, {"1e400", kInf}, {lang, kInf},    {winzig, 0},      {hoch, kInf},
        {tief, -kInf},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE('"' + text + '"');
        EXPECT_EQ(Val(text), expected);
        EXPECT_EQ(Val(QString::fromStdString(text)), expected);
    }
}

TEST(ToInteger, TruncatesAndSaturates) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, int> cases[] = {
        {2.7, 2},        {-2.7, -2},       {2147483647.0, INT_MAX},  {2147483648.0, INT_MAX},
        {kInf, INT_MAX}, {-kInf, INT_MIN}, {-2147483649.0, INT_MIN}, {nan, 0},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(toInteger(value), expected) << value;
    }
}

// The shortest text that reads back as the same number, whatever the user's locale.
TEST(Str, WritesIntegersAndShortestDoubles) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Str(-42), "-42");
    EXPECT_EQ(Str(INT_MIN), "-2147483648");
    const std::pair<double, const char*> cases[] = {
        {10.0, "10"},
        {0.5, "0.5"},
        {-1.5, "-1.5"},
        {1e21, "1e+21"},
        {1234567.25, "1234567.25"},
        {1 / 3.0, "0.3333333333333333"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(Str(value), expected) << value;
    }
    // Lengths: at most four decimals, half away from zero, no trailing zeros.
    const std::pair<double, const char*> gerundet[] = {
        {4.12310562, "4.1231"}, {2.50004, "2.5"},   {-0.00001, "0"}, {0.03125, "0.0313"},
        {-1.23456, "-1.2346"},  {0.0001, "0.0001"}, {1e21, "1e+21"},
    };
    for (const auto& [value, expected] : gerundet) {
        EXPECT_EQ(StrGerundet(value, 4), expected) << value;
    }
    QLocale::setDefault(previous);
}

} // namespace
} // namespace wyk
