#include "platform/grund.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

#include <QFileInfo>
#include <QSet>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace wyk {
namespace {

// Every character up to the end of plane 2 against glibc's table: the bytes 81 8D 8F 90 9D
// stand for no character, so U+0081 and the like have no byte either.
TEST(Windows1252, AgreesWithIconvOnEveryCharacter) {
    std::map<char32_t, int> byteVon;
    const iconv_t cd = iconv_open("UTF-32LE", "CP1252");
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        char32_t out = 0;
        char* from = &in;
        char* to = reinterpret_cast<char*>(&out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        if (iconv(cd, &from, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1)) {
            byteVon[out] = byte;
        }
    }
    iconv_close(cd);
    ASSERT_GT(byteVon.size(), 250U);
    QStringList falsch;
    for (char32_t c = 0; c < 0x30000 && falsch.size() < 5; ++c) {
        const auto got = windows1252Byte(c);
        if ((got ? static_cast<unsigned char>(*got) : -1) !=
            (byteVon.contains(c) ? byteVon[c] : -1)) {
            falsch << QString::number(c, 16);
        }
    }
    EXPECT_EQ(falsch, QStringList()) << "characters whose byte differs";
}

// Files get a new file's permissions, replaced whole through a temporary file that never stays
// and is private whatever the umask; text ends lines in CR LF, with "?" for what cp1252 lacks.
TEST(WriteFile, ReplacesWholeAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    ASSERT_TRUE(writeBinaryFile(dir.path("a.txt"), "alt").isDone());
    ASSERT_TRUE(writeTextFile(dir.path("a.txt"), {"OFF", "", "Über €5 中😀"}).isDone());
    EXPECT_EQ(dir.read("a.txt"), QByteArray("OFF\r\n\r\n\xDC"
                                            "ber \x80"
                                            "5 ??\r\n"));
    for (const QString& ordner : {dir.folder("b.class"), dir.path("b.class/")}) {
        EXPECT_TRUE(writeBinaryFile(ordner, "x").message().contains(grundText(EISDIR)));
    }
    EXPECT_EQ(dir.names(), QStringList({"a.txt", "b.class"}));
    EXPECT_EQ(QFileInfo(dir.path("a.txt")).permissions(),
              QFileInfo(dir.write("plain", "x")).permissions());
}

// The status of the file a name leads to.
struct stat status(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info;
}

// An extended attribute of a file, empty when it has none.
QByteArray attribut(const QString& path, const char* name) {
    QByteArray wert(256, '\0');
    const ssize_t n = ::getxattr(QFile::encodeName(path).constData(), name, wert.data(), 256);
    return wert.left(std::max<ssize_t>(n, 0));
}

bool attributSetzen(const QString& path, const char* name, const QByteArray& wert) {
    return ::setxattr(QFile::encodeName(path).constData(), name, wert.constData(), wert.size(),
                      0) == 0;
}

// An ACL as the kernel stores it: (tag, permissions, id) entries after the version 2.
QByteArray acl(std::initializer_list<std::array<quint32, 3>> eintraege) {
    QByteArray bytes("\2\0\0\0", 4);
    for (const auto& [tag, rechte, id] : eintraege) {
        const quint16 kopf[] = {static_cast<quint16>(tag), static_cast<quint16>(rechte)};
        bytes.append(reinterpret_cast<const char*>(kopf), 4)
            .append(reinterpret_cast<const char*>(&id), 4);
    }
    return bytes;
}
constexpr quint32 kOhneId = 0xFFFFFFFF;

// A replaced file keeps its ACL (the group keeps read only, the mask rw) and other attributes;
// a new one gets what the kernel gives a new file of mode 0666, the folder's default ACL
// included, whatever the umask.
TEST(WriteFile, KeepsAttributesAndGivesNewFilesWhatTheKernelGives) {
    test::TempDir dir;
    const QString alt = dir.write("acl", "alt");
    ASSERT_EQ(::chmod(QFile::encodeName(alt).constData(), 0640), 0);
    const QByteArray zugriff = acl(
        {{1, 6, kOhneId}, {2, 6, 65534}, {4, 4, kOhneId}, {0x10, 6, kOhneId}, {0x20, 0, kOhneId}});
    if (!attributSetzen(alt, "system.posix_acl_access", zugriff) ||
        !attributSetzen(alt, "user.wyk", "eigen")) {
        GTEST_SKIP() << "the temporary folder takes no ACL or extended attributes";
    }
    ASSERT_TRUE(writeBinaryFile(alt, "neu").isDone());
    EXPECT_EQ(dir.read("acl"), "neu");
    EXPECT_EQ(attribut(alt, "system.posix_acl_access"), zugriff);
    EXPECT_EQ(attribut(alt, "user.wyk"), "eigen");
    EXPECT_EQ(status(alt).st_mode & 0777, 0660u);

    const QString ordner = dir.folder("geteilt");
    ASSERT_TRUE(attributSetzen(ordner, "system.posix_acl_default",
                               acl({{1, 6, kOhneId}, {4, 4, kOhneId}, {0x20, 4, kOhneId}})));
    const mode_t maske = ::umask(077);
    const bool geschrieben = writeBinaryFile(ordner + "/neu", "x").isDone();
    const int fd =
        ::open(QFile::encodeName(ordner + "/touch").constData(), O_CREAT | O_WRONLY, 0666);
    ::umask(maske);
    ASSERT_TRUE(geschrieben && ::close(fd) == 0);
    EXPECT_EQ(status(ordner + "/neu").st_mode, status(ordner + "/touch").st_mode);
}

// A kill or an interrupt once every byte is written, before the file is named, leaves the old
// file whole and no other file.
TEST(WriteFile, LeavesNoTraceWhenKilled) {
    for (const int signal : {SIGKILL, SIGINT}) {
        for (const bool vorhanden : {true, false}) {
            test::TempDir dir;
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
            SCOPED_TRACE(testing::Message() << "signal " << signal << ", old file " << vorhanden);
            EXPECT_TRUE(WIFSIGNALED(ende));
            EXPECT_EQ(dir.names(), vorhanden ? QStringList{"ziel"} : QStringList());
            EXPECT_EQ(dir.read("ziel"), vorhanden ? "alt" : "");
        }
    }
}

// Whatever takes the target's place between the check and the open, or a new file's name
// before it is given, is refused and left as it is; the file a link leads to is not written.
TEST(WriteFile, RefusesWhatIsSwappedInAfterTheCheck) {
    const std::pair<const char*, void (*)(const test::TempDir&)> faelle[] = {
        {"link", [](const test::TempDir& d) { QFile::link(d.path("privat"), d.path("ziel")); }},
        {"file",
         [](const test::TempDir& d) {
             ::rename(qPrintable(d.path("anders")), qPrintable(d.path("ziel")));
         }},
        {"fifo", [](const test::TempDir& d) { ::mkfifo(qPrintable(d.path("ziel")), 0600); }},
        {"new name", [](const test::TempDir& d) { QFile::link(d.path("privat"), d.path("neu")); }}};
    for (const auto& [fall, tausch] : faelle) {
        test::TempDir dir;
        dir.write("privat", "privat");
        dir.write("anders", "anders");
        const bool neu = QByteArray(fall) == "new name";
        const QString ziel = dir.path(neu ? "neu" : "ziel");
        if (!neu) {
            dir.write("ziel", "alt");
        }
        const auto haken = [&, tausch = tausch](Schritt s) {
            if (s == (neu ? Schritt::Geschrieben : Schritt::Geprueft)) {
                QFile::remove(ziel);
                tausch(dir);
            }
        };
        const Outcome ergebnis = writeBinaryFile(ziel, "neu", haken);
        EXPECT_TRUE(ergebnis.message().contains("ersetzt"))
            << fall << ": " << qPrintable(ergebnis.message());
        EXPECT_EQ(dir.read("privat"), "privat") << fall;
        EXPECT_FALSE(dir.names().join(' ').contains(".wyk")) << fall;
    }
}

// Names through a descriptor write through it, as a program writes to its standard output:
// a file opened for appending is appended to, and keeps being the file the descriptor has.
TEST(WriteFile, WritesThroughDescriptorNames) {
    test::TempDir dir;
    for (const QString muster : {"/dev/fd/%1", "/proc/self/fd/%1", "/proc/%2/fd/%1"}) {
        const QString log = dir.write("log", "anfang\n");
        const int fd = ::open(QFile::encodeName(log).constData(), O_WRONLY | O_APPEND);
        const QString name = muster.arg(fd).arg(::getpid());
        EXPECT_TRUE(writeBinaryFile(name, "OFF\n").isDone()) << qPrintable(name);
        EXPECT_EQ(::write(fd, "ENDE\n", 5), 5);
        ::close(fd);
        EXPECT_EQ(dir.read("log"), "anfang\nOFF\nENDE\n") << qPrintable(name);
    }
}

// Only each part of a name is limited, as it is for cp: a name of 4095 bytes is written new
// and over.
TEST(WriteFile, WritesNamesUpToTheSystemLimit) {
    test::TempDir dir;
    QString pfad = dir.path(".");
    const QString teil(255, 'o');
    while (QFile::encodeName(pfad).size() + 256 < 4095) {
        pfad += "/" + teil;
        ASSERT_EQ(::mkdir(QFile::encodeName(pfad).constData(), 0700), 0);
    }
    pfad += "/" + QString(4095 - QFile::encodeName(pfad).size() - 1, 'x');
    ASSERT_EQ(QFile::encodeName(pfad).size(), 4095);
    for (const QByteArray inhalt : {"neu", "ueber"}) {
        EXPECT_TRUE(writeBinaryFile(pfad, inhalt).isDone()) << inhalt.data();
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::ReadOnly) && datei.readAll() == inhalt) << inhalt.data();
    }
}

// Links stay links and lead to the file that gets the bytes, which keeps its permissions;
// names up to the system's limit work.
TEST(WriteFile, KeepsLinksLongNamesAndPermissions) {
    test::TempDir dir;
    dir.folder("echt");
    dir.folder("unter");
    const QByteArray ziel = QFile::encodeName(dir.write("echt/ziel", "alt"));
    ASSERT_EQ(::chmod(ziel.constData(), 0640), 0);
    const std::pair<const char*, QByteArray> links[] = {
        {"absolut", ziel}, {"relativ", "echt/ziel"}, {"unter/kette", "../relativ"}};
    for (const auto& [link, inhalt] : links) {
        ASSERT_EQ(::symlink(inhalt.constData(), QFile::encodeName(dir.path(link)).constData()), 0);
        ASSERT_TRUE(writeBinaryFile(dir.path(link), link).isDone()) << link;
        EXPECT_TRUE(QFileInfo(dir.path(link)).isSymLink()) << link;
        EXPECT_EQ(dir.read("echt/ziel"), link);
    }
    struct stat info {};
    ASSERT_EQ(::stat(ziel.constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    const QString laengster = QString(251, 'n') + ".off";
    EXPECT_TRUE(writeBinaryFile(dir.path(laengster), "x").isDone());
    const Outcome zuLang = writeBinaryFile(dir.path("n" + laengster), "x");
    EXPECT_TRUE(zuLang.message().contains("zu lang")) << zuLang.message().toStdString();
    EXPECT_EQ(dir.names(), QStringList({"absolut", "echt", laengster, "relativ", "unter"}));
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
} // namespace wyk
