#include "model/reader.h"
#include "platform/dateiname.h"
#include "platform/grund.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

#include <QFileInfo>
#include <QSet>
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
    dir.folder("b.class");
    EXPECT_TRUE(writeBinaryFile(dir.path("b.class"), "x").isFailed()) << "a folder is in the way";
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

// What exists and is no plain file is written as a plain write writes it and stays what it is
// (a FIFO, a device with the numbers of /dev/null); every hard link of a file sees the new
// bytes; a folder is called a folder; a name that is not UTF-8 is written and read as it is.
TEST(WriteFile, WritesWhatExistsAsAPlainWriteWould) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(roh(dir.path("fifo")).constData(), 0600), 0);
    const int leser = ::open(roh(dir.path("fifo")).constData(), O_RDONLY | O_NONBLOCK);
    EXPECT_TRUE(writeBinaryFile(dir.path("fifo"), "durch").isDone());
    std::array<char, 16> gelesen{};
    EXPECT_EQ(::read(leser, gelesen.data(), gelesen.size()), 5);
    ::close(leser);
    EXPECT_STREQ(gelesen.data(), "durch");
    struct stat info {};
    const bool geraet =
        ::mknod(roh(dir.path("null")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    EXPECT_TRUE(!geraet || writeBinaryFile(dir.path("null"), "weg").isDone());
    ASSERT_EQ(::stat(roh(dir.path("null")).constData(), &info) == 0 && S_ISCHR(info.st_mode),
              geraet);
    ASSERT_EQ(::stat(roh(dir.path("fifo")).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    ASSERT_EQ(::link(roh(dir.write("a", "alt")).constData(), roh(dir.path("b")).constData()), 0);
    EXPECT_TRUE(writeBinaryFile(dir.path("b"), "neu").isDone());
    EXPECT_EQ(dir.read("a"), "neu");
    const QString ordner = writeBinaryFile(dir.folder("o") + "/", "x").message();
    EXPECT_TRUE(ordner.contains(grundText(EISDIR))) << ordner.toStdString();

    const QByteArray bytes = "n\xff\xc3(\xed\xa0\x80\xc0\xaf\xf0\x9f\x98\x80.wyk";
    const QString fremd = dir.path(nameAusBytes(bytes));
    EXPECT_TRUE(roh(fremd).endsWith(bytes) &&
                fremd.endsWith(QString::fromUtf8("\xf0\x9f\x98\x80.wyk")));
    ASSERT_TRUE(writeBinaryFile(fremd, "1\n1 2 3\n").isDone());
    const auto m = std::make_unique<Module1>();
    EXPECT_TRUE(ladeDatei(*m, fremd).isDone() && m->anzpkt == 1);
}

// The temporary file is readable by its owner only, whatever the umask allows.
TEST(WriteFile, TemporaryFileIsPrivate) {
    test::TempDir dir;
    const mode_t maske = ::umask(0);
    QByteArray pfad;
    const int fd = temporaereDatei(roh(dir.path("x")).chopped(2), pfad);
    ::umask(maske);
    struct stat info {};
    ASSERT_TRUE(fd >= 0 && ::fstat(fd, &info) == 0);
    ::close(fd);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(pfad.startsWith(roh(dir.path(".wyk-"))));
}

// For a user other than the superuser, run in a child as nobody: a file in a folder the user
// may not write is written, another user's file keeps its owner, a file the user may not
// write is refused and kept. A link in a sticky folder owned by another user is not followed
// (by the superuser neither), one owned by the folder's owner is.
TEST(WriteFile, KeepsWhatAPlainWriteKeepsAndRefusesWhatItRefuses) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs the superuser to set up files of several users";
    }
    constexpr uid_t kNobody = 65534;
    test::TempDir dir;
    const auto anlegen = [&](const char* name, mode_t modus, uid_t besitzer) {
        const QByteArray pfad = roh(name[0] == '\0' ? dir.path("") : dir.path(name));
        ASSERT_TRUE(QFileInfo(QString(name)).suffix() == "d" ? ::mkdir(pfad.constData(), 0) == 0
                                                             : dir.write(name, "alt") != "");
        ASSERT_EQ(::chown(pfad.constData(), besitzer, besitzer), 0);
        ASSERT_EQ(::chmod(pfad.constData(), modus), 0);
    };
    anlegen("", 0755, 0);
    anlegen("fest.d", 0755, 0);
    anlegen("fest.d/eigen", 0644, kNobody);
    anlegen("geteilt.d", 01777, 0);
    anlegen("geteilt.d/fremd", 0666, 0);
    anlegen("geteilt.d/nurlesen", 0444, kNobody);
    anlegen("geteilt.d/ziel", 0666, 0);
    for (const auto& [link, besitzer] : {std::pair("fremd-link", kNobody), {"eigen-link", 0}}) {
        const QByteArray pfad = roh(dir.path(QStringLiteral("geteilt.d/") + link));
        ASSERT_EQ(::symlink("ziel", pfad.constData()), 0);
        ASSERT_EQ(::lchown(pfad.constData(), besitzer, besitzer), 0);
    }
    // name, written as nobody?, done?, then the file's bytes and owner
    const std::tuple<const char*, bool, bool, QByteArray, uid_t> faelle[] = {
        {"fest.d/eigen", true, true, "neu", kNobody},
        {"geteilt.d/fremd", true, true, "neu", 0},
        {"geteilt.d/nurlesen", true, false, "alt", kNobody},
        {"geteilt.d/fremd-link", false, false, "alt", 0},
        {"geteilt.d/eigen-link", false, true, "neu", 0}};
    for (const auto& [name, alsNobody, gelingt, bytes, besitzer] : faelle) {
        const pid_t kind = ::fork();
        if (kind == 0) {
            const bool bereit = !alsNobody || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
            ::_exit(bereit && writeBinaryFile(dir.path(name), "neu").isDone() ? 0 : 1);
        }
        int status = -1;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        EXPECT_EQ(WIFEXITED(status) && WEXITSTATUS(status) == 0, gelingt) << name;
        struct stat info {};
        const QString datei = QString(name).endsWith("link") ? "geteilt.d/ziel" : name;
        ASSERT_EQ(::stat(roh(dir.path(datei)).constData(), &info), 0);
        EXPECT_EQ(std::pair(dir.read(datei), info.st_uid), std::pair(bytes, besitzer)) << name;
        anlegen("geteilt.d/ziel", 0666, 0);
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
