#include "platform/numbers.h"
#include "platform/text.h"

#include <QLocale>
#include <climits>
#include <gtest/gtest.h>
#include <limits>

namespace wyk {
namespace {

struct ValCase {
    const char* text;
    double expected;
};

TEST(Val, ReadsTheLeadingNumber) {
    const ValCase cases[] = {
        {"", 0.0},        {"#", 0.0},    {"# 12", 0.0},  {"abc", 0.0},    {"12", 12.0},
        {"-2", -2.0},     {"+3.5", 3.5}, {"1.5", 1.5},   {".5", 0.5},     {"5.", 5.0},
        {"-.25", -0.25},  {"  7", 7.0},  {"3 4 5", 3.0}, {"12abc", 12.0}, {"1e3", 1000.0},
        {"2.5E-1", 0.25}, {"1e", 1.0},   {"1e+", 1.0},   {"-", 0.0},      {".", 0.0},
        {"1,5", 1.0},     {"\t5", 0.0},  {"0x10", 0.0},  {"007", 7.0},    {"1e-400", 0.0},
        {"--1", 0.0},     {"3\t4", 3.0}, {"2.7", 2.7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Val(std::string_view(c.text)), c.expected) << "text: \"" << c.text << '"';
        EXPECT_EQ(Val(QString::fromUtf8(c.text)), c.expected) << "text: \"" << c.text << '"';
    }
}

TEST(Val, OverflowGivesInfinityWithTheSign) {
    const std::string digits(400, '9');
    EXPECT_EQ(Val(digits), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("-" + digits), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val(std::string_view("1e400")), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val(std::string_view("0.000001e99999999999999")),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(ToInteger, TruncatesAndSaturates) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, int> cases[] = {
        {0.0, 0},
        {2.7, 2},
        {-2.7, -2},
        {7.9, 7},
        {2147483647.0, INT_MAX},
        {2147483648.0, INT_MAX},
        {1e300, INT_MAX},
        {inf, INT_MAX},
        {-2147483648.0, INT_MIN},
        {-2147483649.0, INT_MIN},
        {-inf, INT_MIN},
        {nan, 0},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(toInteger(value), expected) << "value: " << value;
    }
}

TEST(Str, WritesIntegersAndShortestDoubles) {
    EXPECT_EQ(Str(0) + ' ' + Str(-42) + ' ' + Str(INT_MIN), "0 -42 -2147483648");
    const std::pair<double, const char*> cases[] = {
        {10.0, "10"},
        {0.5, "0.5"},
        {0.0, "0"},
        {-1.5, "-1.5"},
        {1 / 3.0, "0.3333333333333333"},
        {1e21, "1e+21"},
        {123456.0, "123456"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(Str(value), QString::fromLatin1(expected));
    }
}

TEST(Str, IgnoresTheUserLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Str(0.5), "0.5");
    EXPECT_EQ(Str(1234567.25), "1234567.25");
    QLocale::setDefault(previous);
}

TEST(NthField, SplitsAtSingleBlanks) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"1 2 3", 1, "1"}, {"1 2 3", 3, "3"}, {"1 2 3", 4, ""},      {"1 2", 0, ""}, {"", 1, ""},
        {"a  b", 2, ""},   {"a  b", 3, "b"},  {"1\t2 3", 1, "1\t2"}, {"x ", 2, ""},  {"x ", 3, ""},
    };
    for (const auto& [text, n, expected] : cases) {
        EXPECT_EQ(NthField(text, n), expected) << text << " field " << n;
    }
}

} // namespace
} // namespace wyk
