#include "platform/temporaer.h"

#include "platform/dateiname.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace wyk {

namespace {

constexpr std::array<int, 3> kEndsignale = {SIGINT, SIGTERM, SIGHUP};

// The one state the program shares with a signal handler: the named temporary file of the
// export running now, so that the handler can remove it before the program ends. The handler
// touches it through async-signal-safe calls only: it takes the folder's descriptor (a
// lock-free atomic, -1 when no file is guarded), removes the file and puts back the actions
// saved here, or only notes the signal where it is to wait. It is filled and emptied with the
// signals held back, by one guard at a time.
struct Laufend {
    std::atomic<int> ordner{-1};
    std::atomic<bool> aufschieben{false}; // the signal is only noted, in aufgeschoben
    std::atomic<int> aufgeschoben{0};
    std::atomic_flag belegt = ATOMIC_FLAG_INIT;
    std::array<char, 96> name{};
    std::array<struct sigaction, kEndsignale.size()> vorher{};
};
Laufend laufend;

extern "C" void temporaereEntfernen(int signal) {
    if (laufend.aufschieben) {
        laufend.aufgeschoben = signal;
        return;
    }
    const int fehler = errno;
    if (const int ordner = laufend.ordner.exchange(-1); ordner >= 0) {
        ::unlinkat(ordner, laufend.name.data(), 0);
    }
    for (std::size_t i = 0; i < kEndsignale.size(); ++i) {
        if (kEndsignale[i] == signal) {
            ::sigaction(signal, &laufend.vorher[i], nullptr);
        }
    }
    ::raise(signal); // taken once the handler returns, as if this one had never been there
    errno = fehler;
}

// A tag of the running system: a hash of its boot's identity and of its process namespace, so
// that a file left by another machine or container in a shared folder never looks like one of
// a process that is gone here.
QByteArray systemMarke() {
    QByteArray text;
    const int fd = ::open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        std::array<char, 64> boot{};
        const ssize_t n = ::read(fd, boot.data(), boot.size());
        text.append(boot.data(), n > 0 ? n : 0);
        ::close(fd);
    }
    struct stat raum {};
    if (::stat("/proc/self/ns/pid", &raum) == 0) {
        text += QByteArray::number(static_cast<quint64>(raum.st_ino));
    }
    quint32 hash = 2166136261u; // FNV-1a
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return QByteArray::number(hash, 36);
}

// Whether the process of the number prozess is gone since it last wrote a file at the time
// geschrieben: there is no such process, or the one there started later, so that it got the
// number again.
bool verschwunden(int prozess, const struct timespec& geschrieben) {
    if (::kill(prozess, 0) == 0 || errno != ESRCH) {
        QFile datei(QStringLiteral("/proc/%1/stat").arg(prozess));
        const QByteArray text = datei.open(QIODevice::ReadOnly) ? datei.read(1024) : QByteArray();
        // The fields after the name in brackets; the 20th is the start in ticks since the boot.
        const QList<QByteArray> felder = text.mid(text.lastIndexOf(')') + 2).split(' ');
        struct timespec jetzt {};
        struct timespec seitBoot {};
        if (felder.size() < 20 || ::clock_gettime(CLOCK_REALTIME, &jetzt) != 0 ||
            ::clock_gettime(CLOCK_BOOTTIME, &seitBoot) != 0) {
            return false;
        }
        const double start = static_cast<double>(jetzt.tv_sec - seitBoot.tv_sec) +
                             felder[19].toDouble() / static_cast<double>(::sysconf(_SC_CLK_TCK));
        return static_cast<double>(geschrieben.tv_sec) + 2 < start; // a tick and a clock's step
    }
    return true;
}

QByteArray anfang() {
    return ".wyk-" + systemMarke() + '-';
}

} // namespace

SignaleAufhalten::SignaleAufhalten() {
    sigset_t halten;
    sigemptyset(&halten);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaddset(&halten, signal);
    }
    ::pthread_sigmask(SIG_BLOCK, &halten, &vorher_);
}

SignaleAufhalten::~SignaleAufhalten() {
    ::pthread_sigmask(SIG_SETMASK, &vorher_, nullptr);
}

QByteArray temporaererName() {
    return anfang() + QByteArray::number(::getpid()) + '-' +
           QByteArray::number(QRandomGenerator::global()->generate(), 36);
}

int temporaereDatei(int ordnerFd, QByteArray& name, unsigned modus) {
    // The name does not grow with the target's, so any valid name can be written.
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        name = temporaererName();
        fd = ::openat(ordnerFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    return fd;
}

void verwaisteEntfernen(int ordnerFd) {
    const int lesbar = ::openat(ordnerFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* ordner = lesbar >= 0 ? ::fdopendir(lesbar) : nullptr;
    if (ordner == nullptr) {
        if (lesbar >= 0) {
            ::close(lesbar);
        }
        return;
    }
    const QByteArray muster = anfang();
    while (const dirent* eintrag = ::readdir(ordner)) {
        if (std::strncmp(eintrag->d_name, muster.constData(), muster.size()) != 0) {
            continue;
        }
        const QByteArray rest = QByteArray(eintrag->d_name).mid(muster.size());
        bool zahl = false;
        const int prozess = rest.left(rest.indexOf('-')).toInt(&zahl);
        struct stat info {};
        if (!zahl || prozess <= 0 ||
            ::fstatat(lesbar, eintrag->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
            !verschwunden(prozess, info.st_mtim)) {
            continue;
        }
        ::unlinkat(lesbar, eintrag->d_name, 0);
    }
    ::closedir(ordner);
}

void verwaisteEntfernen(const QString& ordner) {
    const int fd = ::open(bytesAusName(ordner).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        verwaisteEntfernen(fd);
        ::close(fd);
    }
}

TemporaereWache::TemporaereWache() : TemporaereWache(-1, {}) {}

TemporaereWache::TemporaereWache(int ordnerFd, const QByteArray& name) {
    const SignaleAufhalten aufhalten;
    if (name.size() >= static_cast<qsizetype>(laufend.name.size()) ||
        laufend.belegt.test_and_set()) {
        return;
    }
    laufend.aufschieben = ordnerFd < 0;
    laufend.aufgeschoben = 0;
    std::copy(name.begin(), name.end(), laufend.name.begin());
    laufend.name[name.size()] = '\0';
    struct sigaction handeln {};
    handeln.sa_handler = temporaereEntfernen;
    handeln.sa_flags = SA_RESTART;
    sigemptyset(&handeln.sa_mask);
    for (std::size_t i = 0; i < kEndsignale.size(); ++i) {
        ::sigaction(kEndsignale[i], nullptr, &laufend.vorher[i]);
        if (laufend.vorher[i].sa_handler != SIG_IGN) {
            ::sigaction(kEndsignale[i], &handeln, nullptr);
        }
    }
    laufend.ordner = ordnerFd;
    aktiv_ = true;
}

void TemporaereWache::loesen() {
    if (!aktiv_) {
        return;
    }
    laufend.ordner = -1;
    for (std::size_t i = 0; i < kEndsignale.size(); ++i) {
        ::sigaction(kEndsignale[i], &laufend.vorher[i], nullptr);
    }
    if (const int signal = laufend.aufgeschoben.exchange(0); signal != 0) {
        ::raise(signal); // taken once the signals are no longer held back
    }
    laufend.aufschieben = false;
    laufend.belegt.clear();
    aktiv_ = false;
}

TemporaereWache::~TemporaereWache() {
    const SignaleAufhalten aufhalten;
    loesen();
}

} // namespace wyk
