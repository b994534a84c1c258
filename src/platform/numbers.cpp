#include "platform/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace wyk {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

// Decimal order of magnitude of a number that from_chars found out of range: positive means
// it overflowed, otherwise it underflowed.
long long magnitude(std::string_view mantissa, std::string_view exponent) {
    long long order = 0;
    bool seenNonZero = false;
    bool inFraction = false;
    for (char c : mantissa) {
        if (c == '.') {
            inFraction = true;
        } else if (isDigit(c)) {
            seenNonZero = seenNonZero || c != '0';
            if (!inFraction && seenNonZero) {
                ++order;
            } else if (inFraction && !seenNonZero) {
                --order;
            }
        }
    }
    long long exp = 0;
    bool negative = !exponent.empty() && exponent[0] == '-';
    for (char c : exponent) {
        if (isDigit(c) && exp < 1'000'000'000) {
            exp = exp * 10 + (c - '0');
        }
    }
    return order + (negative ? -exp : exp);
}

} // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    i = skipDigits(text, i);
    bool hasDigits = i > start;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = i + 1;
        const std::size_t end = skipDigits(text, fraction);
        if (end > fraction || hasDigits) {
            hasDigits = true;
            i = end;
        }
    }
    if (!hasDigits) {
        return 0.0;
    }
    const std::string_view mantissa = text.substr(start, i - start);
    std::string_view exponent;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        const std::size_t end = skipDigits(text, j);
        if (end > j) {
            exponent = text.substr(i + 1, end - i - 1);
            i = end;
        }
    }
    const std::string_view number = text.substr(start, i - start);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        value = magnitude(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

double Val(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return Val(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

int toInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

QString Str(int value) {
    return QString::number(value);
}

QString Str(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString StrGerundet(double value, int stellen) {
    const auto teiler = static_cast<std::int64_t>(std::pow(10.0, stellen));
    const double skaliert = std::round(std::fabs(value) * static_cast<double>(teiler));
    // Below 2^53 every whole number is exact in a double.
    if (!(skaliert < 9007199254740992.0)) {
        return Str(value);
    }
    const auto zahl = static_cast<std::int64_t>(skaliert);
    QString text = QString::number(zahl / teiler);
    if (const std::int64_t rest = zahl % teiler; rest != 0) {
        QString nachkomma = QString::number(rest).rightJustified(stellen, QLatin1Char('0'));
        while (nachkomma.endsWith(QLatin1Char('0'))) {
            nachkomma.chop(1);
        }
        text += QLatin1Char('.') + nachkomma;
    }
    return value < 0 && zahl != 0 ? QLatin1Char('-') + text : text;
}

} // namespace wyk
