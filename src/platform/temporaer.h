#pragma once

#include <QByteArray>
#include <QString>
#include <csignal>

namespace wyk {

// Keeps the signals that end the program on request (SIGINT, SIGTERM, SIGHUP, SIGQUIT) waiting
// while it lives, in the calling thread; they take effect once it is gone.
class SignaleAufhalten {
public:
    SignaleAufhalten();
    SignaleAufhalten(const SignaleAufhalten&) = delete;
    SignaleAufhalten& operator=(const SignaleAufhalten&) = delete;
    ~SignaleAufhalten();

private:
    sigset_t vorher_{};
};

// A new name for a temporary file of the writer: ".wyk-", a tag of the running system (its
// boot and its process namespace), the number of this process and a random part, so that a
// later export can tell the files of a process that is gone.
[[nodiscard]] QByteArray temporaererName();

// The fall-back of writeBinaryFile where a folder cannot hold an unnamed file: creates a new,
// empty hidden file named by temporaererName in the folder open as ordnerFd, with the
// permissions modus (less the umask). Gives its descriptor and its name in name, or -1 with
// errno set.
[[nodiscard]] int temporaereDatei(int ordnerFd, QByteArray& name, unsigned modus);

// Removes from the folder open as ordnerFd (any kind of descriptor) the regular files of the
// user named by temporaererName on this system whose process is gone (there is none of that
// number, or the one there started after the file was last written): what exports killed
// before they were done left behind. A folder that cannot be read is left as it is.
void verwaisteEntfernen(int ordnerFd);

// The same in the folder of that name, as the system finds it; nothing where there is none.
void verwaisteEntfernen(const QString& ordner);

// While it lives, an interrupt, a termination or a hang-up (SIGINT, SIGTERM, SIGHUP, unless the
// program ignores it) first removes the file of the name name in the folder open as ordnerFd,
// then has the effect it had before. Made without a file, it has such a signal, in whichever
// thread it arrives, wait until the guard is gone. One guard at a time is in force in the
// program; a second one at the same time does nothing. loesen ends it early and must be called
// with those signals held back (SignaleAufhalten), so that none can come between a file's
// renaming and the end.
class TemporaereWache {
public:
    TemporaereWache();
    TemporaereWache(int ordnerFd, const QByteArray& name);
    TemporaereWache(const TemporaereWache&) = delete;
    TemporaereWache& operator=(const TemporaereWache&) = delete;
    ~TemporaereWache();
    void loesen();

private:
    bool aktiv_ = false;
};

} // namespace wyk
