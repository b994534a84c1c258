#include "platform/grund.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>
#include <iconv.h>
#include <map>
#include <sys/stat.h>
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
    QByteArray pfad;
    const mode_t maske = ::umask(0);
    const int fd = temporaereDatei(QFile::encodeName(dir.path("x")).chopped(2), pfad);
    ::umask(maske);
    struct stat info {};
    EXPECT_TRUE(::fstat(fd, &info) == 0 && (info.st_mode & 0777) == 0600 && ::close(fd) == 0);
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
