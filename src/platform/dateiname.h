#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace wyk {

// File names are bytes to the system, and most of them are UTF-8. These two convert between
// the bytes and the program's texts without loss: a byte that is no part of valid UTF-8 stands
// in the text as the lone surrogate U+DC80..U+DCFF and becomes that byte again, so a name that
// is not valid UTF-8 still opens the file it names.
[[nodiscard]] QString nameAusBytes(QByteArrayView bytes);
[[nodiscard]] QByteArray bytesAusName(const QString& name);

// The name made absolute by its bytes: a relative name after the working folder, as the
// system names it; nothing else is changed ("." and ".." stay, for the system to resolve after
// the links before them). A name the working folder cannot be found for stays as it is.
[[nodiscard]] QString absoluterName(const QString& name);

// What a model argument names: a file name as it is, or a URL as file managers, the desktop
// entry's %U and drops pass it, its scheme in any case ("FILE://" too). A local file:// URL (no
// host, or "localhost") names its file, percent-encoding decoded to the bytes of the name. Any
// other URL, and one whose name would hold a NUL byte (%00), gives nothing and, in grund, the
// reason in German.
[[nodiscard]] std::optional<QString> dateiAusArgument(const QString& argument, QString& grund);

} // namespace wyk
