#include "platform/grund.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <iconv.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace wyk {
namespace {

// The character of each byte in glibc's CP1252 table; bytes the table leaves out are missing.
std::map<char32_t, int> iconvTabelle() {
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
    return byteVon;
}

// Every character up to the end of plane 2 against iconv: the bytes 81 8D 8F 90 9D stand for
// no character, so U+0081 and the like are missing from the set as well.
TEST(Windows1252, AgreesWithIconvOnEveryCharacter) {
    const std::map<char32_t, int> byteVon = iconvTabelle();
    ASSERT_GT(byteVon.size(), 250U);
    int falsch = 0;
    for (char32_t c = 0; c < 0x30000; ++c) {
        const auto got = windows1252Byte(c);
        const auto it = byteVon.find(c);
        const int erwartet = it == byteVon.end() ? -1 : it->second;
        if ((got ? static_cast<unsigned char>(*got) : -1) != erwartet && ++falsch <= 5) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c) << " gives "
                          << (got ? static_cast<unsigned char>(*got) : -1) << ", not " << erwartet;
        }
    }
    EXPECT_EQ(falsch, 0);
    EXPECT_EQ(toWindows1252(QStringLiteral("Größe €5 中😀")), QByteArray("Gr\xF6\xDF"
                                                                        "e \x80"
                                                                        "5 ??"));
}

TEST(WriteTextFile, EndsEveryLineWithCrLf) {
    test::TempDir dir;
    ASSERT_TRUE(writeTextFile(dir.path("a.txt"), {"OFF", "", "Über"}).isDone());
    EXPECT_EQ(dir.read("a.txt"), QByteArray("OFF\r\n\r\n\xDC"
                                            "ber\r\n"));
    ASSERT_TRUE(writeTextFile(dir.path("a.txt"), {"neu"}).isDone());
    EXPECT_EQ(dir.read("a.txt"), QByteArray("neu\r\n")) << "an existing file is replaced";
    ASSERT_TRUE(writeTextFile(dir.path("b.txt"), {}).isDone());
    EXPECT_TRUE(dir.read("b.txt").isEmpty());
}

TEST(WriteFile, ReportsAFolderThatCannotHoldTheFile) {
    test::TempDir dir;
    const QString missing = dir.path("fehlt/x.off");
    const Outcome text = writeTextFile(missing, {"OFF"});
    ASSERT_TRUE(text.isFailed());
    EXPECT_TRUE(text.message().contains(QDir::toNativeSeparators(missing)));
    dir.write("datei", "x");
    EXPECT_TRUE(writeBinaryFile(dir.path("datei/x.class"), "abc").isFailed());
    EXPECT_EQ(dir.read("datei"), "x");
}

TEST(WriteFile, LeavesNoTemporaryFilesAndKeepsTheOldFileOnFailure) {
    test::TempDir dir;
    ASSERT_TRUE(writeBinaryFile(dir.path("a.class"), "alt").isDone());
    ASSERT_TRUE(writeBinaryFile(dir.path("a.class"), "neu").isDone());
    dir.folder("b.class");
    EXPECT_TRUE(writeBinaryFile(dir.path("b.class"), "x").isFailed()) << "a folder is in the way";
    const QStringList files =
        QDir(dir.path(""))
            .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(files, QStringList({"a.class", "b.class"}));
    EXPECT_EQ(dir.read("a.class"), "neu");

    const QString plain = dir.write("plain", "x");
    EXPECT_EQ(QFileInfo(dir.path("a.class")).permissions(), QFileInfo(plain).permissions())
        << "the permissions of any new file, not those of a temporary one";
}

// A write keeps what a plain write keeps: links stay links and lead to the file that gets the
// bytes, names up to the system's limit work, and a replaced file keeps its permissions.
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
    }
    for (const auto& [link, inhalt] : links) {
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
    const auto alle = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(dir.path("")).entryList(alle, QDir::Name),
              QStringList({"absolut", "echt", laengster, "relativ", "unter"}));
    EXPECT_EQ(QDir(dir.path("echt")).entryList(alle), QStringList{"ziel"});
}

// Each reason a user can meet has a German phrase of its own; only other numbers get the
// general text, which names the number.
TEST(GrundText, GivesEveryCommonReasonItsOwnPhrase) {
    for (const int grund : {ENOENT, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EFBIG, ENAMETOOLONG,
                            EISDIR, ENOTDIR, ELOOP, EMLINK, ETXTBSY, EBUSY, EIO, EMFILE, ENFILE}) {
        EXPECT_FALSE(grundText(grund).contains(QString::number(grund))) << grund;
    }
    EXPECT_TRUE(grundText(EHWPOISON).contains(QString::number(EHWPOISON)));
}

} // namespace
} // namespace wyk
