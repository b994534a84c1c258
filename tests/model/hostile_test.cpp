// Files no model writer would produce: each is read as the format says or refused with a
// message, quickly and in bounded memory, and a refusal leaves the loaded model untouched.
#include "model/reader.h"
#include "support/tempdir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace wyk {
namespace {

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Writes size bytes of one character, with an optional head and tail, without holding the
// whole file in memory.
QString grosseDatei(const test::TempDir& dir, const QByteArray& head, char fill, qint64 size,
                    const QByteArray& tail) {
    const QString path = dir.path("gross.wyk");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write(head);
    const QByteArray chunk(1 << 20, fill);
    for (qint64 written = 0; written < size; written += chunk.size()) {
        file.write(chunk);
    }
    file.write(tail);
    return path;
}

// All bytes of a literal, NUL bytes included.
template <std::size_t N> QByteArray mitNul(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

Modell geladenesModell(Module1& m, const test::TempDir& dir) {
    EXPECT_TRUE(ladeDatei(m, dir.write("alt.wyk", "1\n1 2 3\n1\n1 4\n")).isDone());
    return m;
}

void erwarteUnveraendert(const Module1& m, const Modell& vorher) {
    EXPECT_EQ(m.datname, vorher.datname);
    EXPECT_EQ(m.anzpkt, vorher.anzpkt);
    EXPECT_EQ(m.anzlin, vorher.anzlin);
    EXPECT_EQ(m.punkt, vorher.punkt);
    EXPECT_EQ(m.linie, vorher.linie);
}

TEST(HostileFiles, HugeLinesAreReadOrRefusedInBoundedMemory) {
    test::TempDir dir;
    const long before = peakKilobytes();
    struct Case {
        const char* name;
        QByteArray head;
        char fill;
        QByteArray tail;
        bool refused;
    };
    const Case cases[] = {
        // 200 MB of digits and no line end: one over-long count line.
        {"200 MB without a line end", "", '7', "", true},
        // 200 MB of blanks fold into one blank: a count line reading 0, then 2 points.
        {"200 MB of blanks", "", ' ', "\n2\n1 1 1\n2 2 2\n", false},
        // A comment line of 200 MB is skipped like any other comment.
        {"200 MB comment", "#", 'x', "\n1\n5 6 7\n0\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 m;
        const Modell vorher = geladenesModell(m, dir);
        const QString path = grosseDatei(dir, c.head, c.fill, 200 << 20, c.tail);
        const Outcome outcome = ladeDatei(m, path);
        EXPECT_EQ(outcome.isFailed(), c.refused) << outcome.message().toStdString();
        if (c.refused) {
            EXPECT_TRUE(outcome.message().contains(QStringLiteral("Zeile 1")));
            erwarteUnveraendert(m, vorher);
        }
        QFile::remove(path);
    }
    EXPECT_EQ(Module1().anzpkt, 0);
    // The reader holds at most one folded line of 1 MiB, never the file.
    EXPECT_LT(peakKilobytes() - before, 64 * 1024);
}

TEST(HostileFiles, TenMillionBlanksReadAsOneBlank) {
    test::TempDir dir;
    Module1 m;
    const QByteArray file = "1\n" + QByteArray(10'000'000, ' ') + "4 5 6\n1\n" +
                            QByteArray(10'000'000, ' ') + "1" + QByteArray(10'000'000, ' ') + "3\n";
    ASSERT_TRUE(ladeDatei(m, dir.write("blanks.wyk", file)).isDone());
    EXPECT_EQ(m.punkt[1][1], 4.0);
    EXPECT_EQ(m.punkt[1][3], 6.0);
    EXPECT_EQ(m.linie[1][1], 1);
    EXPECT_EQ(m.linie[1][2], 3);
}

TEST(HostileFiles, StrangeBytesAreTextLikeAnyOther) {
    struct Case {
        const char* name;
        QByteArray file;
        double x;
        int zug;
    };
    const Case cases[] = {
        {"NUL bytes", mitNul("1\n2\0003 4 5\n1\n\0007 1\n"), 2.0, 0},
        {"invalid UTF-8 in comments and fields", "#\xff\xfe\xc3\n1\n\xc3\x28 9 9\n1\n6\xe2\x82 1\n",
         0.0, 6},
        {"Windows-1252 bytes",
         "# Gr\xf6\xdf"
         "e\n1\n3\x80 1 1\n1\n\x96"
         "2 1\n",
         3.0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        Module1 m;
        ASSERT_TRUE(ladeDatei(m, dir.write("x.wyk", c.file)).isDone());
        EXPECT_EQ(m.anzpkt, 1);
        EXPECT_EQ(m.punkt[1][1], c.x);
        EXPECT_EQ(m.linie[1][1], c.zug);
    }
}

TEST(HostileFiles, FoldersAndPipesAreNoModelFiles) {
    test::TempDir dir;
    Module1 m;
    const Modell vorher = geladenesModell(m, dir);
    dir.folder("ordner");
    const QString fifo = dir.path("rohr.wyk");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    // Opening a pipe for reading would wait for a writer: it must be refused before that.
    const std::pair<QString, QString> cases[] = {
        {dir.path("ordner"), QStringLiteral("Ordner")},
        {fifo, QStringLiteral("keine gewöhnliche Datei")},
        {dir.path("fehlt.wyk"), QStringLiteral("existiert nicht")},
    };
    for (const auto& [path, reason] : cases) {
        const Outcome outcome = ladeDatei(m, path);
        ASSERT_TRUE(outcome.isFailed()) << path.toStdString();
        EXPECT_TRUE(outcome.message().contains(reason)) << outcome.message().toStdString();
        erwarteUnveraendert(m, vorher);
    }
}

} // namespace
} // namespace wyk
