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
// CR LF. The file appears under its name only when it was written completely; an existing
// file of that name is replaced.
Outcome writeTextFile(const QString& path, const QStringList& lines);

// Writes the bytes unchanged, with the same all-or-nothing rule as writeTextFile: the bytes go
// to a hidden file beside the target, which replaces the target only once every byte reached
// the disk. (QSaveFile in Qt 6.4 reports success on a full disk and leaves an empty file.)
// What a plain write keeps stays: a symbolic link remains a link and the file at the end of
// its chain gets the bytes, and a replaced file keeps its permissions. A failure leaves no
// temporary file behind and gives the reason in German.
Outcome writeBinaryFile(const QString& path, const QByteArray& bytes);

} // namespace wyk
