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

// Writes the parts one after another, each repeated as often as it says, without holding the
// whole file in memory.
QString grosseDatei(const test::TempDir& dir,
                    std::initializer_list<std::pair<QByteArray, int>> teile) {
    QFile file(dir.path("gross.wyk"));
    if (file.open(QIODevice::WriteOnly)) {
        for (const auto& [bytes, mal] : teile) {
            for (int i = 0; i < mal; ++i) {
                file.write(bytes);
            }
        }
    }
    return file.fileName();
}

Modell geladenesModell(Module1& m, const test::TempDir& dir) {
    EXPECT_TRUE(ladeDatei(m, dir.write("alt.wyk", "1\n1 2 3\n1\n1 4\n")).isDone());
    return m;
}

void erwarteUnveraendert(const Module1& m, const Modell& vorher) {
    EXPECT_EQ(std::tuple(m.datname, m.anzpkt, m.anzlin), std::tuple(vorher.datname, 1, 1));
    EXPECT_TRUE(m.punkt == vorher.punkt && m.linie == vorher.linie);
}

// The reader holds at most one folded line of 1 MiB, never the file: a 24 MiB comment, 24 MiB
// of blanks within a point line and a count line of 24 MiB digits leave no trace in memory.
TEST(HostileFiles, TensOfMegabytesAreReadOrRefusedInBoundedMemory) {
    test::TempDir dir;
    const auto megabyte = [](char c) { return QByteArray(1 << 20, c); };
    const long before = peakKilobytes();
    Module1 m;
    ASSERT_TRUE(ladeDatei(m, grosseDatei(dir, {{"#", 1},
                                               {megabyte('x'), 24},
                                               {"\n1\n4", 1},
                                               {megabyte(' '), 24},
                                               {"5 6\n1\n1 3\n", 1}}))
                    .isDone());
    EXPECT_EQ(m.punkt[1], (std::array<double, 4>{0, 4, 5, 6}));
    const Modell vorher = m;
    const Outcome zuLang = ladeDatei(m, grosseDatei(dir, {{megabyte('7'), 24}}));
    EXPECT_TRUE(zuLang.message().contains(QStringLiteral("Zeile 1 ")))
        << zuLang.message().toStdString();
    erwarteUnveraendert(m, vorher);
    // Below any one of the 24 MiB runs, with room for the sanitizers' own bookkeeping.
    EXPECT_LT(peakKilobytes() - before, 20 * 1024);
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
