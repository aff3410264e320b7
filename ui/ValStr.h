// The only conversions between text and numbers in the program.
//
// Both are independent of the machine's locale: a user whose desktop writes
// decimal commas gets the same numbers as one who writes points.
#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

namespace ui {

// Text to number. Skips leading blanks (among them the no-break, thin and
// narrow no-break spaces of pasted text), then reads the longest leading
// number: an optional sign, digits with at most one decimal mark, and an
// optional exponent ("e" or "E", optional sign, digits). A minus may also be
// the minus sign U+2212 or the en dash U+2013 of typeset text. The decimal
// mark is "."; in a text without any "." a "," is read as the decimal mark
// too, so "1,5" reads 1.5. There are no thousands separators. Whatever follows
// the number is ignored, and a text without a leading number ("", "abc",
// "nan", "-") reads 0, so an empty field counts as 0. A number too large for a
// double reads as plus or minus infinity, one too small as 0.
double Val(std::string_view text);
double Val(QStringView text);
inline double Val(const QString& text) {
    return Val(QStringView(text));
}
inline double Val(const char* text) {
    return Val(std::string_view(text));
}

// Number to text: at most 7 significant digits, no trailing zeros, plain
// notation for magnitudes from 1e-4 to below 1e7 and exponent notation
// ("1.5e+07", "2e-05") outside; zero (of either sign) is "0". Not-a-number and
// the infinities give the fixed texts below, which no window should ever show:
// a window tests its results and shows its own message instead.
QString Str(double value);

inline constexpr const char* kStrNaN = "NaN";
inline constexpr const char* kStrInfinity = "Infinity";
inline constexpr const char* kStrMinusInfinity = "-Infinity";

} // namespace ui
