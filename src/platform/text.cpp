#include "platform/text.h"

namespace wyk {

std::string_view NthField(std::string_view text, int n) {
    if (n < 1) {
        return {};
    }
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t blank = text.find(' ', start);
        if (blank == std::string_view::npos) {
            return {};
        }
        start = blank + 1;
    }
    return text.substr(start, text.find(' ', start) - start);
}

} // namespace wyk
