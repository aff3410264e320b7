#include "ui/ValStr.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

using ui::Str;
using ui::Val;

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ValCase {
    const char* text;
    double expected;
};

// What a user may type, and the number every window then calculates with.
const ValCase kValCases[] = {
    {"", 0},          {"   ", 0},         {"abc", 0},         {"nan", 0},     {"NaN", 0},
    {"inf", 0},       {"-", 0},           {"+", 0},           {".", 0},       {",", 0},
    {"e5", 0},        {"-e5", 0},         {"0x1A", 0},        {"- 5", 0},     {"25", 25},
    {"  25", 25},     {"\t-25", -25},     {"+7", 7},          {"-0", 0},      {"25 ˚C", 25},
    {"25abc", 25},    {"1.5", 1.5},       {"1,5", 1.5}, // a decimal comma where the text has no point
    {"-1,5", -1.5},   {"1,500.5", 1},                   // with a point in the text the comma ends the number
    {"1.5,3", 1.5},   {"1,5,3", 1.5},                   // only one decimal mark
    {"1.2.3", 1.2},   {".5", 0.5},        {",5", 0.5},        {"-.5", -0.5},  {"5.", 5},
    {"1e3", 1000},    {"1E3", 1000},      {"1.5e-3", 0.0015}, {"1,5e2", 150}, {"2e+2", 200},
    {"1e", 1}, // an exponent needs digits
    {"1e+", 1},       {"1e-x", 1},        {"12e3.5", 12000},  {"0.1", 0.1},   {"-273.15", -273.15},
    {"1e308", 1e308}, {"1e-320", 1e-320}, // subnormal, still read
    {"1e-400", 0},                        // too small for a double
};

TEST(Val, ReadsTheLongestLeadingNumber) {
    for (const ValCase& c : kValCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Val(c.text), c.expected);
        EXPECT_EQ(Val(QString::fromUtf8(c.text)), c.expected);
    }
}

TEST(Val, TooLargeNumbersReadAsInfinity) {
    EXPECT_EQ(Val("1e400"), kInf);
    EXPECT_EQ(Val("-1e400"), -kInf);
    EXPECT_EQ(Val(std::string(400, '9')), kInf);
    EXPECT_EQ(Val("1e99999999999999999999"), kInf);
    EXPECT_EQ(Val("0.0000001e-99999999999999999999"), 0.0);
}

TEST(Val, NegativeZeroKeepsItsSign) {
    EXPECT_TRUE(std::signbit(Val("-0")));
}

TEST(Val, IgnoresTheMachineLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Val("1.5"), 1.5);
    EXPECT_EQ(Val("1,5"), 1.5);
    EXPECT_EQ(Str(1.5), "1.5");
    QLocale::setDefault(saved);
}

TEST(Val, ReadsWhatStrWrites) {
    for (double v : {0.0, 1.0, -25.0, 298.15, 1.234567e-5, 9.876543e12, -0.0001, 12345.67}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(Val(Str(v)), std::stod(Str(v).toStdString()));
        EXPECT_NEAR(Val(Str(v)), v, std::abs(v) * 1e-6);
    }
}

struct StrCase {
    double value;
    const char* expected;
};

const StrCase kStrCases[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {1.0, "1"},
    {-1.0, "-1"},
    {298.15, "298.15"},
    {248.15 - 273.15, "-25"}, // not -24.99999999999997
    {0.1 + 0.2, "0.3"},
    {1.0 / 3.0, "0.3333333"},
    {2.0 / 3.0, "0.6666667"},
    {123456.789, "123456.8"},
    {1234567.0, "1234567"},
    {9999999.0, "9999999"},
    {9999999.5, "1e+07"}, // rounds up to the next decade, written with an exponent
    {1e7, "1e+07"},
    {12345678.0, "1.234568e+07"},
    {-12345678.0, "-1.234568e+07"},
    {1e-4, "0.0001"},
    {1.5e-4, "0.00015"},
    {1.23456789e-4, "0.0001234568"},
    {9.9999e-5, "9.9999e-05"},
    {1e-5, "1e-05"},
    {-3e-12, "-3e-12"},
    {1e300, "1e+300"},
    {4.9e-324, "4.940656e-324"},
    {495.3, "495.3"},
    {0.41, "0.41"},
    {100.0, "100"},
    {1.10, "1.1"},
};

TEST(Str, SevenSignificantDigitsWithoutTrailingZeros) {
    for (const StrCase& c : kStrCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Str(c.value).toStdString(), c.expected);
    }
}

TEST(Str, FixedTextsForValuesThatAreNotNumbers) {
    EXPECT_EQ(Str(kNaN), ui::kStrNaN);
    EXPECT_EQ(Str(-kNaN), ui::kStrNaN);
    EXPECT_EQ(Str(kInf), ui::kStrInfinity);
    EXPECT_EQ(Str(-kInf), ui::kStrMinusInfinity);
}

} // namespace
