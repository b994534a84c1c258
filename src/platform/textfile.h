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

// Writes the bytes to the file path names, with the effect a plain write of that name has, but
// never leaving a half-written file behind:
// - The name is followed through symbolic links to the file a plain write would change. A link
//   is not followed where the system's protection of shared folders forbids it: a link in a
//   sticky folder that everyone may write, owned neither by the user nor by the folder's owner.
//   This holds whatever the system is set to, since such a link may lead anywhere.
// - What exists and is no regular file (a FIFO, a device, a terminal, /dev/stdout on a pipe) is
//   written directly; it stays what it is.
// - A regular file, or a new one, is written as a hidden temporary file beside it, created
//   readable by its owner only; it takes the old file's owner, group and permissions (a new
//   file those the umask gives) and replaces the old file under its name only once every byte
//   reached the disk. Until then the old file stays whole.
// - The file is written in place instead where replacing it would lose what a plain write keeps:
//   when it has further hard links, when its owner or group cannot be given to a new file (it
//   belongs to another user), when its folder may not be written, or when the name reaches it
//   other than through its folder (/dev/fd/1). In place means only after room for the whole
//   content was reserved on the disk, so a full disk still leaves the old file whole.
// - A file the user may not write is refused, as a plain write refuses it; so is a folder, also
//   when the name ends with "/".
// A failure leaves no temporary file behind and gives the reason in German. (QSaveFile in Qt
// 6.4 reports success on a full disk and leaves an empty file, hence the writer's own steps.)
Outcome writeBinaryFile(const QString& path, const QByteArray& bytes);

// The first step of writeBinaryFile: creates a new, empty hidden file of a short random name in
// the folder ordner (bytes, no separator at its end), readable and writable by its owner only.
// Gives its descriptor and its path in pfad, or -1 with errno set.
[[nodiscard]] int temporaereDatei(const QByteArray& ordner, QByteArray& pfad);

// Whether both names lead, through any links, to the same existing file: the same path, a
// symbolic link to it or a further hard link of it.
[[nodiscard]] bool dieselbeDatei(const QString& a, const QString& b);

} // namespace wyk
