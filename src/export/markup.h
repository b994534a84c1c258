#pragma once

#include <QString>

namespace wyk {

// Text as it may stand in XML or HTML content and in quoted attribute values: &, <, >, " and '
// become character references, and characters XML does not allow (controls other than tab,
// line feed and carriage return, unpaired surrogates, U+FFFE and U+FFFF) become U+FFFD.
[[nodiscard]] QString markupText(const QString& text);

} // namespace wyk
