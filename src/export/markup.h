#pragma once

#include <QString>

namespace wyk {

// What becomes of the characters other than the five markup ones. Xml: those XML does not
// allow (controls other than tab, line feed and carriage return, unpaired surrogates, U+FFFE
// and U+FFFF) become U+FFFD, for a UTF-8 document. Windows1252: those the code page lacks
// become numeric references and all others stay as they are, so that a file name reaches a
// Windows-1252 page unchanged, whatever it holds.
enum class Zeichenregel { Xml, Windows1252 };

// Text as it may stand in XML or HTML content and in quoted attribute values: &, <, >, " and '
// become character references, the other characters follow the rule.
[[nodiscard]] QString markupText(const QString& text, Zeichenregel regel = Zeichenregel::Xml);

} // namespace wyk
