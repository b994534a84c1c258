#include "platform/dateiname.h"
#include "platform/grund.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

#include <QFileInfo>
#include <QSet>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
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

// Files are written whole or not at all through a temporary file that never stays behind,
// with the permissions any new file gets; a text file ends every line with CR LF and writes
// "?" for each character Windows-1252 lacks.
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

QByteArray roh(const QString& path) {
    return bytesAusName(path);
}

// What exists and is no plain file (a FIFO, a device of /dev/null's numbers) is written
// directly and stays what it is; every hard link of a file sees the new bytes. The temporary
// file is readable by its owner only, whatever the umask allows.
TEST(WriteFile, WritesWhatExistsAsAPlainWriteWouldAndKeepsTheTemporaryFilePrivate) {
    test::TempDir dir;
    QByteArray fifo = roh(dir.path("fifo")), null = roh(dir.path("null"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const int leser = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    const bool geraet = ::mknod(null.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0; // as root
    ASSERT_EQ(::link(roh(dir.write("a", "alt")).constData(), roh(dir.path("b")).constData()), 0);
    for (const char* name : {"fifo", "null", "b"}) {
        EXPECT_TRUE((!geraet && *name == 'n') || writeBinaryFile(dir.path(name), "neu").isDone());
    }
    std::array<char, 8> gelesen{};
    EXPECT_EQ(std::pair(::read(leser, gelesen.data(), 8), dir.read("a")),
              std::pair(3L, QByteArray("neu")));
    struct stat f {};
    EXPECT_TRUE(::stat(fifo.constData(), &f) == 0 && S_ISFIFO(f.st_mode) && ::close(leser) == 0);
    EXPECT_TRUE(!geraet || (::stat(null.constData(), &f) == 0 && S_ISCHR(f.st_mode)));
    const mode_t maske = ::umask(0);
    const int fd = temporaereDatei(roh(dir.path("x")).chopped(2), null);
    ::umask(maske);
    EXPECT_TRUE(::fstat(fd, &f) == 0 && (f.st_mode & 0777) == 0600 && ::close(fd) == 0);
}

// As a user other than the superuser (a child as nobody): a file in a folder the user may not
// write is written, another user's file keeps its owner, one the user may not write is kept; a
// link in a sticky folder owned by a third user is not followed, one of the folder's owner is.
TEST(WriteFile, KeepsWhatAPlainWriteKeepsAndRefusesWhatItRefuses) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs the superuser to set up files of several users";
    }
    test::TempDir dir;
    const char* aufbau =
        "cd '%1' && chmod 755 . && mkdir -m 755 fest && mkdir -m 1777 teil && cd "
        "teil && for f in ../fest/eigen fremd nurlesen ziel; do echo alt >$f; done "
        "&& chmod 666 fremd ziel && chmod 444 nurlesen && chown nobody nurlesen "
        "../fest/eigen && ln -s ziel fremd-link && ln -s ziel eigen-link && chown "
        "-h 1 fremd-link";
    ASSERT_EQ(std::system(qPrintable(QString(aufbau).arg(dir.path(".")))), 0);
    constexpr uid_t kNobody = 65534;
    const std::tuple<const char*, bool, const char*, uid_t> faelle[] = {
        // done?, bytes, owner
        {"fest/eigen", true, "neu", kNobody},
        {"teil/fremd", true, "neu", 0},
        {"teil/nurlesen", false, "alt\n", kNobody},
        {"teil/fremd-link", false, "alt\n", 0},
        {"teil/eigen-link", true, "neu", 0}};
    for (const auto& [name, gelingt, bytes, besitzer] : faelle) {
        const pid_t kind = ::fork();
        if (kind == 0) {
            ::_exit(::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
                            writeBinaryFile(dir.path(name), "neu").isDone()
                        ? 0
                        : 1);
        }
        int status = -1;
        struct stat info {};
        ASSERT_TRUE(::waitpid(kind, &status, 0) == kind &&
                    ::stat(roh(dir.path(name)).constData(), &info) == 0);
        EXPECT_EQ(std::tuple(status == 0, dir.read(name), info.st_uid),
                  std::tuple(gelingt, QByteArray(bytes), besitzer))
            << name;
    }
}

// Each reason a user can meet has a German phrase (a few share one); only other numbers get
// the general text, which names the number.
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
