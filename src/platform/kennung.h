#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace wyk {

// What a file is, whatever names lead to it: its device and inode number.
struct Kennung {
    quint64 geraet = 0;
    quint64 knoten = 0;
    friend bool operator==(const Kennung&, const Kennung&) = default;
};

// The file the name leads to now, through any links, found by the very walk writeBinaryFile
// takes (the name's bytes as they are, part by part, "." and ".." after the links before them,
// a name of any length); nothing when there is none or the walk refuses the name.
[[nodiscard]] std::optional<Kennung> kennungVon(const QString& path);

// Whether both names lead, through any links, to the same existing file: the same path, a
// symbolic link to it or a further hard link of it.
[[nodiscard]] bool dieselbeDatei(const QString& a, const QString& b);

} // namespace wyk
