#pragma once

#include <QString>
#include <string_view>

namespace wyk {

// Value of the number at the start of a text: leading blanks, an optional sign, digits with
// an optional fraction and an optional exponent. Anything else ends the number; a text that
// does not start with a number gives 0. Numbers too large for a double give +-infinity.
[[nodiscard]] double Val(std::string_view text);
[[nodiscard]] double Val(const QString& text);

// The one conversion from a real number to an Integer: the fraction is discarded (truncation
// toward zero), values beyond the 32-bit range saturate at its limits and NaN gives 0.
[[nodiscard]] int toInteger(double value);

// Plain decimal text of an Integer, with a leading "-" when negative.
[[nodiscard]] QString Str(int value);

// Shortest decimal text that reads back as the same double, with "." as the decimal point
// whatever the locale: 10.0 gives "10", 0.5 gives "0.5", 1e21 gives "1e+21".
[[nodiscard]] QString Str(double value);

// A measured length as the status texts show it: rounded to stellen decimals (0 to 9), half
// away from zero, trailing zeros and a bare point dropped, "." as the decimal point: 4.12310
// gives "4.1231", 2.50004 gives "2.5", -0.00001 gives "0". Values too large for that many
// exact decimals, infinity and NaN are written as Str(double) writes them.
[[nodiscard]] QString StrGerundet(double value, int stellen);

} // namespace wyk
