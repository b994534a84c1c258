#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace wyk {

// The Windows-1252 byte of a Unicode character, or nothing when the character set lacks it.
[[nodiscard]] std::optional<char> windows1252Byte(char32_t character);

// A text in Windows-1252; characters the set cannot hold become "?".
[[nodiscard]] QByteArray toWindows1252(const QString& text);

// Writes the lines as a Windows-1252 text file, every line (the last included) ended by
// CR LF, by the rules of writeBinaryFile.
Outcome writeTextFile(const QString& path, const QStringList& lines);

} // namespace wyk
