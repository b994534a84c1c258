#pragma once

#include <string_view>

namespace wyk {

// Field n (counted from 1) of a text whose fields are separated by single blanks; the empty
// text when the text has fewer fields.
[[nodiscard]] std::string_view NthField(std::string_view text, int n);

} // namespace wyk
