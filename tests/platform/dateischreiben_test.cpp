#include "platform/dateischreiben.h"
#include "platform/grund.h"
#include "platform/windows1252.h"
#include "support/tempdir.h"

#include <QSet>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace wyk::test {
namespace {

QByteArray roh(const QString& path) {
    return QFile::encodeName(path);
}

// The status of the file a name leads to.
struct stat status(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(roh(path), &info), 0) << path;
    return info;
}

// Every character up to plane 2 as in glibc's table, where 81 8D 8F 90 9D stand for none.
TEST(Windows1252, AgreesWithIconvOnEveryCharacter) {
    const iconv_t cd = iconv_open("CP1252", "UTF-32LE");
    QStringList falsch;
    for (char32_t c = 0; c < 0x30000 && falsch.size() < 5; ++c) {
        char byte = 0;
        char* von = reinterpret_cast<char*>(&c);
        char* nach = &byte;
        std::size_t rest = sizeof c;
        std::size_t platz = 1;
        const bool da = iconv(cd, &von, &rest, &nach, &platz) != std::size_t(-1);
        if (windows1252Byte(c) != (da ? std::optional(byte) : std::nullopt)) {
            falsch << QString::number(c, 16);
        }
    }
    iconv_close(cd);
    EXPECT_EQ(falsch, QStringList()) << "characters whose byte differs";
}

// Text in Windows-1252 and CR LF; a folder is refused; bytes in pieces are written all or none.
TEST(WriteFile, WritesTextAndLeavesNoTemporaryFile) {
    TempDir dir;
    ASSERT_TRUE(writeBinaryFile(dir.path("a.txt"), "alt").isDone());
    ASSERT_TRUE(writeTextFile(dir.path("a.txt"), {"OFF", "", "Über €5 中😀"}).isDone());
    EXPECT_EQ(dir.read("a.txt"), "OFF\r\n\r\n\334ber \2005 ??\r\n"); // octal: Ü and €
    dir.folder("b.class");
    for (const char* ordner : {"b.class", "b.class/"}) {
        const Outcome ergebnis = writeBinaryFile(dir.path(ordner), "x");
        EXPECT_TRUE(ergebnis.message().contains(grundText(EISDIR))) << ordner;
    }
    const QByteArray c = roh(dir.write("c", "alt"));
    ASSERT_EQ(::link(c, roh(dir.path("d"))), 0);
    const auto abbruch = [](const auto& stueck) {
        return Outcome::failed(stueck("halb") ? "abgebrochen" : "");
    };
    EXPECT_EQ(writeBinaryFileStueckweise(dir.path("c"), abbruch).message(), "abgebrochen");
    EXPECT_EQ(dir.read("c"), "alt");
    const auto stuecke = [](const auto& stueck) {
        const bool gut = stueck("neu, ") && stueck("in Stücken");
        return gut ? Outcome::done() : Outcome::failed("");
    };
    ASSERT_TRUE(writeBinaryFileStueckweise(dir.path("c"), stuecke).isDone());
    EXPECT_EQ(dir.read("d"), "neu, in Stücken");
    EXPECT_EQ(dir.names(), QStringList({"a.txt", "b.class", "c", "d"}));
}

// An extended attribute of a file, empty when it has none.
QByteArray attribut(const QString& path, const char* name) {
    QByteArray wert(256, '\0');
    const ssize_t n = ::getxattr(roh(path), name, wert.data(), 256);
    return wert.left(std::max<ssize_t>(n, 0));
}

bool attributSetzen(const QString& path, const char* name, const QByteArray& wert) {
    return ::setxattr(roh(path), name, wert.constData(), wert.size(), 0) == 0;
}

// A replaced file keeps its ACL and attributes; a new one gets what the kernel gives.
TEST(WriteFile, KeepsAttributesAndGivesNewFilesWhatTheKernelGives) {
    TempDir dir;
    const QString alt = dir.write("acl", "alt");
    ASSERT_EQ(::chmod(roh(alt), 0640), 0);
    // ACLs as the kernel stores them: version 2, then each entry's tag, permissions and id.
    // Here the owner rw, user 65534 rw, the group r, the mask rw, others nothing.
    const QByteArray zugriff = QByteArray::fromHex(
        "02000000 0100 0600 ffffffff 0200 0600 feff0000 0400 0400 ffffffff 1000 0600 ffffffff"
        " 2000 0000 ffffffff");
    if (!attributSetzen(alt, "system.posix_acl_access", zugriff) ||
        !attributSetzen(alt, "user.wyk", "eigen")) {
        GTEST_SKIP() << "the temporary folder takes no ACL or extended attributes";
    }
    ASSERT_TRUE(writeBinaryFile(alt, "neu").isDone());
    EXPECT_EQ(dir.read("acl"), "neu");
    EXPECT_EQ(attribut(alt, "system.posix_acl_access"), zugriff);
    EXPECT_EQ(attribut(alt, "user.wyk"), "eigen");

    const QString ordner = dir.folder("geteilt");
    const QByteArray vorgabe = QByteArray::fromHex( // the owner rw, the group r, others r
        "02000000 0100 0600 ffffffff 0400 0400 ffffffff 2000 0400 ffffffff");
    ASSERT_TRUE(attributSetzen(ordner, "system.posix_acl_default", vorgabe));
    const mode_t maske = ::umask(077);
    const bool geschrieben = writeBinaryFile(ordner + "/neu", "x").isDone();
    const int fd = ::open(roh(ordner + "/touch"), O_CREAT | O_WRONLY, 0666);
    ::umask(maske);
    ASSERT_TRUE(geschrieben);
    ASSERT_EQ(::close(fd), 0);
    EXPECT_EQ(status(ordner + "/neu").st_mode, status(ordner + "/touch").st_mode);
}

// A kill or an interrupt before the written file is named leaves only the old file, whole.
TEST(WriteFile, LeavesNoTraceWhenKilled) {
    for (const int signal : {SIGKILL, SIGINT}) {
        for (const bool vorhanden : {true, false}) {
            SCOPED_TRACE(testing::Message() << "signal " << signal << ", old file " << vorhanden);
            TempDir dir;
            if (vorhanden) {
                dir.write("ziel", "alt");
            }
            const pid_t kind = ::fork();
            if (kind == 0) {
                const auto halt = [signal](Schritt s) {
                    if (s == Schritt::Geschrieben) {
                        ::raise(signal);
                    }
                };
                ::_exit(writeBinaryFile(dir.path("ziel"), "neu", halt).isDone() ? 0 : 1);
            }
            int ende = 0;
            ASSERT_EQ(::waitpid(kind, &ende, 0), kind);
            EXPECT_TRUE(WIFSIGNALED(ende));
            EXPECT_EQ(dir.names(), vorhanden ? QStringList{"ziel"} : QStringList());
            EXPECT_EQ(dir.read("ziel"), vorhanden ? "alt" : "");
        }
    }
}

// Whatever takes the target's or a new file's place meanwhile is refused and left alone.
TEST(WriteFile, RefusesWhatIsSwappedInAfterTheCheck) {
    using Tausch = void (*)(const TempDir&);
    const std::pair<const char*, Tausch> faelle[] = {
        {"link", [](auto& d) { QFile::link(d.path("privat"), d.path("ziel")); }},
        {"file", [](auto& d) { QFile::rename(d.path("anders"), d.path("ziel")); }},
        {"fifo", [](auto& d) { ::mkfifo(qPrintable(d.path("ziel")), 0600); }},
        {"new name", [](auto& d) { QFile::link(d.path("privat"), d.path("ziel")); }}};
    for (const auto& [fall, tausch] : faelle) {
        SCOPED_TRACE(fall);
        TempDir dir;
        dir.write("privat", "privat");
        dir.write("anders", "anders");
        const QString ziel = dir.path("ziel");
        const bool neu = QByteArray(fall) == "new name";
        if (!neu) {
            dir.write("ziel", "alt");
        }
        const auto haken = [&, tausch = tausch](Schritt s) {
            if (s == (neu ? Schritt::Geschrieben : Schritt::Geprueft)) {
                QFile::remove(ziel);
                tausch(dir);
            }
        };
        const QString meldung = writeBinaryFile(ziel, "neu", haken).message();
        EXPECT_TRUE(meldung.contains("ersetzt")) << meldung;
        EXPECT_EQ(dir.read("privat"), "privat");
        EXPECT_FALSE(dir.names().join(' ').contains(".wyk"));
    }
}

// Each common reason has a German phrase (a few share one); other numbers get one naming them.
TEST(GrundText, GivesEveryCommonReasonItsOwnPhrase) {
    QSet<QString> texte;
    for (const int grund : {ENOENT, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EFBIG, ENAMETOOLONG,
                            EISDIR, ENOTDIR, ELOOP, EMLINK, ETXTBSY, EBUSY, EIO, EMFILE, ENFILE}) {
        EXPECT_FALSE(grundText(grund).contains(QString::number(grund))) << grund;
        texte << grundText(grund);
    }
    EXPECT_EQ(texte.size(), 14);
    EXPECT_TRUE(grundText(EHWPOISON).contains(QString::number(EHWPOISON)));
}

} // namespace
} // namespace wyk::test
