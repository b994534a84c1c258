#include "model/reader.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"

#include <QStringEncoder>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace wyk {
namespace {

using Punkt = std::array<double, 3>;
using Zug = std::array<int, 2>;

struct ReadCase {
    const char* name;
    QByteArray file;
    int anzpkt;
    std::vector<Punkt> punkte; // rows 1.. that must hold these values
    int anzlin;
    std::vector<Zug> zuege;
};

Punkt punktAus(const Module1& m, int i) {
    return {m.punkt[i][1], m.punkt[i][2], m.punkt[i][3]};
}
Zug zugAus(const Module1& m, int i) {
    return {m.linie[i][1], m.linie[i][2]};
}

Outcome lade(Module1& m, test::TempDir& dir, const QByteArray& bytes,
             const QString& name = QStringLiteral("modell.wyk")) {
    return ladeDatei(m, dir.write(name, bytes));
}

TEST(Reader, FollowsTheFileFormat) {
    const ReadCase cases[] = {
        {"the small example",
         "# Kopf\n3\n0 0 0\n10   0  0\n0 10 0\n\n4\n1 0\n2 12\n3 10\n1 9\n",
         3,
         {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}},
         4,
         {{1, 0}, {2, 12}, {3, 10}, {1, 9}}},
        {"comments and empty lines everywhere",
         "\n#a\n\n2\n#b\n1 2 3\n\n#c\n4 5 6\n#d\n\n1\n#\n2 7\n",
         2,
         {{1, 2, 3}, {4, 5, 6}},
         1,
         {{2, 7}}},
        {"blank-only line is a data line",
         "2\n   \n1 1 1\n1\n \n",
         2,
         {{0, 0, 0}, {1, 1, 1}},
         1,
         {{0, 0}}},
        {"blank-only count line reads 0", "  \n1\n", 0, {}, 1, {{1, 0}}},
        {"blank then # is not a comment",
         "2\n #7 8 9\n1 2 3\n1\n # 5\n",
         2,
         {{0, 8, 9}, {1, 2, 3}},
         1,
         {{0, 5}}},
        {"runs of blanks act as one", "1\n  1.5   -2  3  \n0\n", 1, {{1.5, -2, 3}}, 0, {}},
        {"tabs do not separate", "1\n1\t2\t3\n0\n", 1, {{1, 0, 0}}, 0, {}},
        {"short move line draws nothing", "0\n1\n5\n", 0, {}, 1, {{5, 0}}},
        {"extra fields are ignored", "1\n1 2 3 4 5\n1\n1 2 3\n", 1, {{1, 2, 3}}, 1, {{1, 2}}},
        {"missing point fields read 0", "1\n7\n0\n", 1, {{7, 0, 0}}, 0, {}},
        {"five announced, three there",
         "5\n1 1 1\n2 2 2\n3 4 5\n",
         5,
         {{1, 1, 1}, {2, 2, 2}, {3, 4, 5}, {3, 4, 5}, {3, 4, 5}},
         3,
         {{3, 4}, {3, 4}, {3, 4}}},
        {"lines after the last move are never read",
         "0\n1\n1 1\n9999\nnonsense\n",
         0,
         {},
         1,
         {{1, 1}}},
        {"count 0 reads no lines", "0\n0\n1 2\n", 0, {}, 0, {}},
        {"negative count reads no lines", "-3\n2\n1 1\n2 2\n", -3, {}, 2, {{1, 1}, {2, 2}}},
        {"counts below the Integer range saturate",
         "-2147483649\n-1e300\n7 7\n",
         INT_MIN,
         {},
         INT_MIN,
         {}},
        {"fractional fields are truncated",
         "2.9\n1 1 1\n2 2 2\n1\n2.7 -9.9\n",
         2,
         {},
         1,
         {{2, -9}}},
        {"CR LF line ends", "1\r\n1 2 3\r\n1\r\n1 4\r\n", 1, {{1, 2, 3}}, 1, {{1, 4}}},
        {"CR line ends", "1\r1 2 3\r1\r1 4\r", 1, {{1, 2, 3}}, 1, {{1, 4}}},
        {"no line end at the end", "1\n1 2 3\n1\n1 4", 1, {{1, 2, 3}}, 1, {{1, 4}}},
        {"empty file", "", 0, {}, 0, {}},
        {"only comments", "# a\n#b\n\n", 0, {}, 0, {}},
        {"exponents", "1\n1e2 -2.5E-1 .5\n0\n", 1, {{100, -0.25, 0.5}}, 0, {}},
        {"letters read as 0", "1\nx 1 y\n1\nq 3\n", 1, {{0, 1, 0}}, 1, {{0, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        Module1 m;
        ASSERT_TRUE(lade(m, dir, c.file).isDone());
        EXPECT_EQ(m.anzpkt, c.anzpkt);
        EXPECT_EQ(m.anzlin, c.anzlin);
        for (std::size_t i = 0; i < c.punkte.size(); ++i) {
            EXPECT_EQ(punktAus(m, static_cast<int>(i) + 1), c.punkte[i]) << "point " << i + 1;
        }
        for (std::size_t i = 0; i < c.zuege.size(); ++i) {
            EXPECT_EQ(zugAus(m, static_cast<int>(i) + 1), c.zuege[i]) << "move " << i + 1;
        }
        EXPECT_EQ(punktAus(m, 0), (Punkt{0, 0, 0})) << "the origin is never written";
        EXPECT_EQ(m.punkt[1][0], 0.0) << "column 0 is never written";
    }
}

QByteArray kodiert(QStringConverter::Encoding encoding, const QByteArray& utf8) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(QString::fromUtf8(utf8));
}

// The small example as editors save it gives the model of the plain file.
TEST(Reader, ReadsByteOrderMarksUtf16AndUtf32) {
    const QByteArray plain = "# Kopf\n3\n0 0 0\n10   0  0\n0 10 0\n\n4\n1 0\n2 12\n3 10\n1 9\n";
    // A comment that ends in a surrogate pair cut by the end of the first 64 KiB piece.
    const QByteArray lang = "#" + QByteArray(32765, 'x') + "\xF0\x9F\x98\x80\r\n";
    const std::pair<const char*, QByteArray> cases[] = {
        {"UTF-8 mark before the count", "\xEF\xBB\xBF" + plain.mid(7)},
        {"UTF-8 mark before a comment", "\xEF\xBB\xBF" + plain},
        {"UTF-16 LE", kodiert(QStringConverter::Utf16LE, plain)},
        {"UTF-16 BE", kodiert(QStringConverter::Utf16BE, plain)},
        {"UTF-16 LE over two pieces", kodiert(QStringConverter::Utf16LE, lang + plain)},
        {"UTF-16 BE over two pieces", kodiert(QStringConverter::Utf16BE, lang + plain)},
        {"UTF-32 LE", kodiert(QStringConverter::Utf32LE, plain)},
        {"UTF-32 BE", kodiert(QStringConverter::Utf32BE, plain)},
    };
    test::TempDir dir;
    Module1 expected;
    ASSERT_TRUE(lade(expected, dir, plain).isDone());
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        Module1 m;
        ASSERT_TRUE(lade(m, dir, bytes).isDone());
        EXPECT_EQ(m.anzpkt, expected.anzpkt);
        EXPECT_EQ(m.anzlin, expected.anzlin);
        EXPECT_EQ(m.punkt, expected.punkt);
        EXPECT_EQ(m.linie, expected.linie);
    }
}

TEST(Reader, LeavesRowsAboveTheNewCounts) {
    test::TempDir dir;
    Module1 m;
    ASSERT_TRUE(lade(m, dir, "3\n1 1 1\n2 2 2\n3 3 3\n3\n1 1\n2 2\n3 3\n").isDone());
    ASSERT_TRUE(lade(m, dir, "1\n9 9 9\n1\n3 5\n").isDone());
    EXPECT_EQ(m.anzpkt, 1);
    EXPECT_EQ(punktAus(m, 1), (Punkt{9, 9, 9}));
    EXPECT_EQ(punktAus(m, 3), (Punkt{3, 3, 3}));
    EXPECT_EQ(zugAus(m, 1), (Zug{3, 5}));
    EXPECT_EQ(zugAus(m, 2), (Zug{2, 2}));
}

TEST(Reader, SetsTheNameClosesTheDebugWindowAndClearsHighlights) {
    test::TempDir dir;
    Module1 m;
    int closed = 0;
    m.fenster.debugSchliessen = [&] { ++closed; };
    m.debugpkt = 2;
    m.debuglinie = 3;
    ASSERT_TRUE(lade(m, dir, "", "leer.modell.wyk").isDone());
    EXPECT_EQ(m.datname, "leer.modell.wyk");
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(m.debugpkt, 0);
    EXPECT_EQ(m.debuglinie, 0);
}

TEST(Reader, RefusesFilesItCannotTakeAndKeepsTheModel) {
    test::TempDir dir;
    const std::pair<const char*, QByteArray> refused[] = {
        {"too many points", "3001\n"},
        {"too many moves", "0\n3001\n"},
        {"count beyond the Integer range", "2147483648\n"},
        {"count far beyond the Integer range", "1e300\n"},
        {"over-long data line", "1\n" + QByteArray(2 << 20, '1') + "\n0\n"},
    };
    for (const auto& [name, bytes] : refused) {
        SCOPED_TRACE(name);
        Module1 m;
        int closed = 0;
        m.fenster.debugSchliessen = [&] { ++closed; };
        ASSERT_TRUE(lade(m, dir, "2\n1 2 3\n4 5 6\n1\n2 9\n", "alt.wyk").isDone());
        m.debugpkt = 1;
        const Modell before = m;
        const Outcome outcome = lade(m, dir, bytes, "neu.wyk");
        ASSERT_TRUE(outcome.isFailed());
        EXPECT_TRUE(outcome.message().contains("neu.wyk")) << outcome.message().toStdString();
        EXPECT_EQ(m.anzpkt, 2);
        EXPECT_EQ(m.anzlin, 1);
        EXPECT_EQ(m.datname, "alt.wyk");
        EXPECT_EQ(m.punkt, before.punkt);
        EXPECT_EQ(m.linie, before.linie);
        EXPECT_EQ(m.debugpkt, 1);
        EXPECT_EQ(closed, 1) << "only the successful load closed the debug window";
    }
}

TEST(Reader, AcceptsTheLargestCounts) {
    test::TempDir dir;
    QByteArray file = "3000\n";
    for (int i = 1; i <= 3000; ++i) {
        file += QByteArray::number(i) + " 0 0\n";
    }
    Module1 m;
    ASSERT_TRUE(lade(m, dir, file + "0\n").isDone());
    EXPECT_EQ(m.anzpkt, 3000);
    EXPECT_EQ(m.punkt[3000][1], 3000.0);
}

TEST(Reader, CancelledDialogChangesNothing) {
    Module1 m;
    m.debugpkt = 4;
    test::ScriptedDialogs dialogs;
    dialogs.answers.push_back(QString());
    EXPECT_TRUE(datenlesen(m, dialogs).isCancelled());
    EXPECT_EQ(dialogs.opened, 1);
    EXPECT_EQ(m.datname, "3D");
    EXPECT_EQ(m.debugpkt, 4);
}

TEST(Reader, ReadsTheChosenFile) {
    test::TempDir dir;
    Module1 m;
    test::ScriptedDialogs dialogs;
    dialogs.answers.push_back(QString(WYK_EXAMPLES_DIR "/dreieck.wyk"));
    ASSERT_TRUE(datenlesen(m, dialogs).isDone());
    EXPECT_EQ(m.datname, "dreieck.wyk");
    EXPECT_EQ(m.anzpkt, 3);
    EXPECT_EQ(m.anzlin, 4);
    EXPECT_EQ(punktAus(m, 2), (Punkt{10, 0, 0}));
}

TEST(Reader, ReadingAgainKeepsTheHighlightsThatStillExist) {
    struct Fall {
        int debugpkt, debuglinie;
        QByteArray file;
        int pktDanach, linieDanach;
    };
    const Fall faelle[] = {
        {2, 3, "2\n1 1 1\n2 2 2\n2\n1 0\n2 3\n", 2, 0},
        {3, 1, "2\n1 1 1\n2 2 2\n2\n1 0\n2 3\n", 0, 1},
        {1, 1, "-1\n0\n", 0, 0},
        {2, 2, "5000\n", 2, 2}, // refused: the old model and its highlights stay
    };
    test::TempDir dir;
    for (const Fall& fall : faelle) {
        Module1 m;
        m.anzpkt = m.anzlin = 3;
        m.fenster.debugSchliessen = [] { ADD_FAILURE() << "the debug window stays open"; };
        m.debugpkt = fall.debugpkt;
        m.debuglinie = fall.debuglinie;
        const QString path = dir.write("m.wyk", fall.file);
        const bool geladen = erneutLaden(m, path).isDone();
        EXPECT_EQ(
            std::tuple(geladen, m.debugpkt, m.debuglinie, m.datpfad),
            std::tuple(m.anzpkt != 3, fall.pktDanach, fall.linieDanach, geladen ? path : QString()))
            << fall.file.data();
    }
}

TEST(Normalisieren, CollapsesBlanksAndDropsOneLeadingBlank) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},       {" ", ""},     {"    ", ""},     {"  1.5   -2  3  ", "1.5 -2 3 "},
        {"a b", "a b"}, {" #x", "#x"}, {"\t 1", "\t 1"},
    };
    for (const auto& [line, expected] : cases) {
        std::string text = line;
        normalisieren(text);
        EXPECT_EQ(text, expected) << '"' << line << '"';
    }
}

} // namespace
} // namespace wyk
