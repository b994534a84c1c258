#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace wyk {

// The steps of writeBinaryFile a test may step in at: Geprueft once the target was checked and
// before it is opened; Geschrieben once every byte reached the disk and before the new file
// gets its name.
enum class Schritt { Geprueft, Geschrieben };
using Haken = std::function<void(Schritt)>;

// Writes the bytes to the file path names, with the effect a plain write of that name (a
// shell's ">") has, but never leaving a half-written file or a trace of one behind:
// - The name is taken as the bytes it is and followed part by part, through every symbolic
//   link on the way, to the file a plain write would change; ".." leads out of the folder a
//   link led into. A link is not followed where the system's protection of shared folders
//   forbids it, whatever the system is set to: a link in a sticky folder that everyone may
//   write, owned neither by the user nor by the folder's owner. In such a folder an existing
//   regular file or FIFO of neither of them is refused as well; so it is in a sticky folder its
//   group may write where the kernel's protected_regular or protected_fifos (in /proc/sys/fs)
//   stands at 2.
// - Each folder on the way is held open once checked, and the target is opened without
//   following a link and must be the very file that was checked. Anything else (another file
//   or a link swapped in meanwhile, a name taken by someone else before a new file got it) is
//   a refusal, never a write somewhere else.
// - A name that leads through a descriptor link (/dev/stdout, /dev/fd/N, /proc/*/fd/N) is
//   written through: one of the program's own descriptors at its position and with its flags
//   (so ">>" appends), any other as opened, in place. Neither is ever replaced.
// - What exists and is no regular file (a FIFO, a device, a terminal) is written directly; it
//   stays what it is.
// - A regular file, or a new one, is written as an unnamed file in its folder. It takes the
//   old file's owner, group, permissions, ACL and extended attributes; a new file gets what the
//   kernel gives a shell's ">" (mode 0666 less the umask, or the folder's default ACL). It gets
//   its name, replacing the old file, only once every byte reached the disk; a kill before
//   leaves the old file whole and nothing behind. Where the file system has no unnamed files,
//   it is a hidden file named by temporaererName (platform/temporaer.h), readable by its owner
//   alone while it replaces a file; an interrupt, a termination or a hang-up removes it, and
//   the next write into the folder removes it should a kill have left it.
// - The file is written in place instead where replacing it would lose what a plain write keeps:
//   when it has further hard links, when its owner, group or attributes cannot be given to a new
//   file, when its folder may not be written, or when it is a single file mounted over another
//   (the system reports it busy). In place means from the file's start, with the signals that
//   end the program held back until it is done, and only after room for the whole content was
//   reserved on the disk (where the file system cannot reserve room: written into and seen to
//   be held, else refused), so a full disk still leaves the old file whole.
// - A file the user may not write is refused, as a plain write refuses it; so is a folder, also
//   when the name ends with "/". The length of a name is limited by its parts only, as it is
//   for cp: each part at most 255 bytes.
// A failure gives the reason in German. (QSaveFile in Qt 6.4 reports success on a full disk and
// leaves an empty file, hence the writer's own steps.) haken, when set, is called at each Schritt.
Outcome writeBinaryFile(const QString& path, const QByteArray& bytes, const Haken& haken = {});

// Gives the bytes of a file piece by piece, each to the function it is called with, which is
// false where the piece could not be kept; the result says whether all bytes were given.
using Erzeuger = std::function<Outcome(const std::function<bool(QByteArrayView)>&)>;

// Writes the bytes erzeugen gives to path by the rules of writeBinaryFile, holding no more than
// a piece of them in memory: they go first into an unnamed file (in the target's folder, else
// the temporary folder), which is then written as writeBinaryFile writes bytes, so the target
// is written whole or not at all. Where erzeugen fails, nothing is written and its outcome is
// given; where the unnamed file cannot be made or written, the reason names path.
Outcome writeBinaryFileStueckweise(const QString& path, const Erzeuger& erzeugen);

} // namespace wyk
