#pragma once

#include "platform/deskriptor.h"

#include <QByteArray>
#include <optional>
#include <sys/stat.h>

// A part of the writer behind writeBinaryFile (platform/dateischreiben.h), for its files and
// kennungVon only.
namespace wyk::schreiben {

// An error number of the writer's own: the target is no longer what was checked.
constexpr int kAusgetauscht = -1;

// Whether both statuses are of the same file.
bool gleich(const struct stat& a, const struct stat& b);

// Whether the kernel's protection of sticky folders keeps the user from writing the existing
// regular file or FIFO with the status eintrag in the folder with the status ordner: the entry
// belongs neither to the user nor to the folder's owner, and the folder is sticky and either
// everyone may write it (refused here whatever the system is set to) or its group may and the
// level for such entries is 2.
bool geschuetztImKlebrigen(const struct stat& eintrag, const struct stat& ordner);

// Where a name leads: a part name in the folder held open as ordner, with the status vorher
// when it exists; or, for a name through a descriptor link, the file opened for writing.
struct Ziel {
    Deskriptor ordner;
    QByteArray name;
    std::optional<struct stat> vorher;
    Deskriptor durchgereicht;
    bool eigenerDeskriptor = false; // durchgereicht is a copy of one of the program's own
    bool nurAnsehen = false;        // a descriptor link is looked at (vorher), not opened
};

// Follows path part by part, each folder held open once checked, to the entry a plain write
// would change, which need not exist yet. 0 or the error number.
int aufloesen(const QByteArray& path, Ziel& ziel);

} // namespace wyk::schreiben
