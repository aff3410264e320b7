#include "ValStr.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ui {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Texts pasted from a PDF or a word processor bring typographic characters
// that look like the ASCII ones; each function answers the length in bytes of
// the UTF-8 character at `at` if it is one of its kind, else 0.

std::size_t blankAt(std::string_view text, std::size_t at) {
    const std::string_view rest = text.substr(at);
    if (rest.empty()) return 0;
    switch (rest.front()) {
    case ' ':
    case '\t':
    case '\n':
    case '\r':
    case '\v':
    case '\f':
        return 1;
    }
    // No-break space U+00A0, thin space U+2009, narrow no-break space U+202F.
    for (std::string_view blank : {"\u00A0", "\u2009", "\u202F"})
        if (rest.starts_with(blank)) return blank.size();
    return 0;
}

std::size_t minusAt(std::string_view text, std::size_t at) {
    const std::string_view rest = text.substr(at);
    if (rest.starts_with('-')) return 1;
    // Minus sign U+2212 and en dash U+2013, which typesetting uses as a minus.
    for (std::string_view minus : {"\u2212", "\u2013"})
        if (rest.starts_with(minus)) return minus.size();
    return 0;
}

} // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (const std::size_t blank = blankAt(text, i))
        i += blank;

    const char mark = text.find('.') != std::string_view::npos ? '.' : ',';
    bool negative = false;
    if (const std::size_t minus = minusAt(text, i)) {
        negative = true;
        i += minus;
    } else if (i < n && text[i] == '+') {
        ++i;
    }

    // Mantissa digits, collected without the mark; `pointAt` counts the
    // digits before it.
    std::string digits;
    std::size_t pointAt = std::string::npos;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            digits.push_back(text[i]);
        } else if (text[i] == mark && pointAt == std::string::npos) {
            pointAt = digits.size();
        } else {
            break;
        }
    }
    if (digits.empty()) return 0.0;
    if (pointAt == std::string::npos) pointAt = digits.size();

    // The exponent counts only when at least one digit follows "e" and its sign.
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (const std::size_t minus = minusAt(text, j)) {
            negativeExponent = true;
            j += minus;
        } else if (j < n && text[j] == '+') {
            ++j;
        }
        if (j < n && isDigit(text[j])) {
            for (; j < n && isDigit(text[j]); ++j) {
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
            }
            if (negativeExponent) exponent = -exponent;
        }
    }

    // The mark goes in place; appending "." + a substring trips a false
    // -Wstringop-overflow of GCC 12 at -O3.
    std::string normalised = digits;
    if (pointAt < digits.size()) normalised.insert(pointAt, 1, '.');
    if (exponent != 0) {
        normalised.push_back('e');
        normalised.append(std::to_string(exponent));
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value,
                                              std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here: decide between overflow and
        // underflow from the decimal order of the first significant digit.
        const std::size_t first = digits.find_first_not_of('0');
        const long long order =
            static_cast<long long>(pointAt) - static_cast<long long>(first) - 1 + exponent;
        value = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

double Val(QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    return Val(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString Str(double value) {
    if (std::isnan(value)) return QString::fromLatin1(kStrNaN);
    if (std::isinf(value)) return QString::fromLatin1(value > 0 ? kStrInfinity : kStrMinusInfinity);
    if (value == 0.0) return QStringLiteral("0");
    // "general" with precision 7 is printf's %.7g: plain from 1e-4 to below
    // 1e7 (after rounding to 7 digits), exponent notation outside, trailing
    // zeros dropped.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

} // namespace ui
