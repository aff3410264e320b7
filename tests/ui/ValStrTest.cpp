#include "ui/ValStr.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

using ui::Str;
using ui::Val;

const double kInf = std::numeric_limits<double>::infinity();

// What a user may type, and the number every window then calculates with.
TEST(Val, ReadsTheLongestLeadingNumber) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        // clang-format off
        {"", 0}, {"abc", 0}, {"nan", 0}, {"-", 0}, {"e5", 0}, {"0x1A", 0}, {"- 5", 0}, {"\t-25", -25},
        {"+7", 7}, {"25 ˚C", 25}, {"1,5", 1.5}, // a decimal comma where the text has no point
        {"1,500.5", 1}, // with a point in the text the comma ends the number
        {"1,5,3", 1.5}, {"1.2.3", 1.2}, {"-.5", -0.5}, {"5.", 5}, {"1.5e-3", 0.0015}, {"1,5e2", 150},
        {"1e", 1}, {"12e3.5", 12000}, {"1e-320", 1e-320}, {"1e-400", 0}, {"1e400", kInf}, {"-1e400", -kInf},
        // Pasted from typeset text: minus sign, en dash, no-break, thin and narrow no-break spaces.
        {"\u2212" "21.2", -21.2}, {"\u2013" "5", -5}, {"\u00A0" "12.5", 12.5}, {"\u2009\u202F\u00A0" "-3", -3},
        {"\u00A0\u2212" "0,5", -0.5}, {"1.5e\u2212" "3", 0.0015}, {"2e\u2013" "1", 0.2}, {"\u2212 5", 0},
        {"5\u00A0" "000", 5}, {"\u2212\u2212" "5", 0}, {"\u2014" "5", 0}, // an em dash is no minus
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Val(c.text), c.expected);
        EXPECT_EQ(Val(QString::fromUtf8(c.text)), c.expected);
    }
    EXPECT_EQ(Val(std::string(400, '9')), kInf);
    EXPECT_TRUE(std::signbit(Val("-0")));
}

TEST(Str, SevenSignificantDigitsWithoutTrailingZeros) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        // clang-format off
        {-0.0, "0"}, {298.15, "298.15"}, {248.15 - 273.15, "-25"}, {1.0 / 3.0, "0.3333333"},
        {9999999.0, "9999999"}, {9999999.5, "1e+07"}, // rounds up to the next decade, with an exponent
        {-12345678.0, "-1.234568e+07"}, {1e-4, "0.0001"}, {1.23456789e-4, "0.0001234568"},
        {9.9999e-5, "9.9999e-05"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(Str(c.value).toStdString(), c.expected) << c.value;
    EXPECT_EQ(Str(std::nan("")), ui::kStrNaN);
    EXPECT_EQ(Str(kInf), ui::kStrInfinity);
    EXPECT_EQ(Str(-kInf), ui::kStrMinusInfinity);
}

TEST(ValStr, IgnoreTheMachineLocaleAndReadEachOther) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Val("1.5"), 1.5);
    EXPECT_EQ(Str(1.5), "1.5");
    QLocale::setDefault(saved);
    for (double v : {-25.0, 298.15, 1.234567e-5, 9.876543e12})
        EXPECT_EQ(Val(Str(v)), std::stod(Str(v).toStdString())) << v;
}

} // namespace
