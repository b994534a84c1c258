#include "model/reader.h"
#include "model/zeilenleser.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"

#include <QStringEncoder>
#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace wyk {
namespace {

using Punkt = std::array<double, 3>;
using Zug = std::array<int, 2>;

Punkt punktAus(const Module1& m, int i) {
    return {m.punkt[i][1], m.punkt[i][2], m.punkt[i][3]};
}
Zug zugAus(const Module1& m, int i) {
    return {m.linie[i][1], m.linie[i][2]};
}

// "count: row, row, ..." of the rows up to the count.
QString zeilen(int anzahl, const std::function<QString(int)>& zeile) {
    QStringList liste;
    for (int i = 1; i <= anzahl; ++i) {
        liste << zeile(i);
    }
    return QString::number(anzahl) + ':' + (liste.isEmpty() ? "" : ' ' + liste.join(", "));
}

// The model as "anzpkt: x y z, ... | anzlin: point colour, ...".
QString beschreibung(const Module1& m) {
    return zeilen(m.anzpkt,
                  [&m](int i) {
                      return QStringLiteral("%1 %2 %3")
                          .arg(m.punkt[i][1])
                          .arg(m.punkt[i][2])
                          .arg(m.punkt[i][3]);
                  }) +
           " | " + zeilen(m.anzlin, [&m](int i) {
               return QStringLiteral("%1 %2").arg(m.linie[i][1]).arg(m.linie[i][2]);
           });
}

Outcome lade(Module1& m, test::TempDir& dir, const QByteArray& bytes,
             const QString& name = QStringLiteral("modell.wyk")) {
    return ladeDatei(m, dir.write(name, bytes));
}

// Each file and the model read from it.
TEST(Reader, FollowsTheFileFormat) {
    const std::pair<QByteArray, const char*> cases[] = {
        {"# Kopf\n3\n0 0 0\n10   0  0\n0 10 0\n\n4\n1 0\n2 12\n3 10\n1 9\n",
         "3: 0 0 0, 10 0 0, 0 10 0 | 4: 1 0, 2 12, 3 10, 1 9"},
        {"\n#a\n\n2\n#b\n1 2 3\n\n#c\n4 5 6\n#d\n\n1\n#\n2 7\n", "2: 1 2 3, 4 5 6 | 1: 2 7"},
        {"2\n   \n1 1 1\n1\n \n", "2: 0 0 0, 1 1 1 | 1: 0 0"}, // blank lines are data lines
        {"  \n1\n", "0: | 1: 1 0"},
        {"2\n #7 8 9\n1 2 3\n1\n # 5\n", "2: 0 8 9, 1 2 3 | 1: 0 5"}, // " #" is no comment
        {"1\n  1.5   -2  3  \n0\n", "1: 1.5 -2 3 | 0:"},
        {"1\n1\t2\t3\n0\n", "1: 1 0 0 | 0:"}, // tabs do not separate
        {"0\n1\n5\n", "0: | 1: 5 0"},
        {"1\n1 2 3 4 5\n1\n1 2 3\n", "1: 1 2 3 | 1: 1 2"},
        {"1\n7\n0\n", "1: 7 0 0 | 0:"},
        {"5\n1 1 1\n2 2 2\n3 4 5\n", "5: 1 1 1, 2 2 2, 3 4 5, 3 4 5, 3 4 5 | 3: 3 4, 3 4, 3 4"},
        {"0\n1\n1 1\n9999\nnonsense\n", "0: | 1: 1 1"},
        {"0\n0\n1 2\n", "0: | 0:"},
        {"-3\n2\n1 1\n2 2\n", "-3: | 2: 1 1, 2 2"},
        {"-2147483649\n-1e300\n7 7\n", "-2147483648: | -2147483648:"},
        {"2.9\n1 1 1\n2 2 2\n1\n2.7 -9.9\n", "2: 1 1 1, 2 2 2 | 1: 2 -9"},
        {"1\r\n1 2 3\r\n1\r\n1 4\r\n", "1: 1 2 3 | 1: 1 4"},
        {"1\r1 2 3\r1\r1 4\r", "1: 1 2 3 | 1: 1 4"},
        {"1\n1 2 3\n1\n1 4", "1: 1 2 3 | 1: 1 4"},
        {"", "0: | 0:"},
        {"# a\n#b\n\n", "0: | 0:"},
        {"1\n1e2 -2.5E-1 .5\n0\n", "1: 100 -0.25 0.5 | 0:"},
        {"1\nx 1 y\n1\nq 3\n", "1: 0 1 0 | 1: 0 3"},
        // NUL bytes, invalid UTF-8 and Windows-1252 are bytes like any other.
        {QByteArrayLiteral("1\n2\0003 4 5\n1\n\0007 1\n"), "1: 2 4 5 | 1: 0 1"},
        {"#\xff\xfe\xc3\n1\n\xc3\x28 9 9\n1\n6\xe2\x82 1\n", "1: 0 9 9 | 1: 6 1"},
        {"# Gr\xf6\xdf"
         "e\n1\n3\x80 1 1\n1\n\x96"
         "2 1\n",
         "1: 3 1 1 | 1: 0 1"},
    };
    for (const auto& [file, model] : cases) {
        test::TempDir dir;
        Module1 m;
        ASSERT_TRUE(lade(m, dir, file).isDone()) << file.toStdString();
        EXPECT_EQ(beschreibung(m), model) << file.toStdString();
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

// Messages count lines as an editor does, whatever the line ends, even where CR and LF fall
// into different reads; a data line may hold kLaengsteZeile characters after its blanks are
// folded, not one more.
TEST(Reader, CountsLinesAsEditorsDoAndTakesLinesUpToTheLimit) {
    const QByteArray voll = "5  6 7" + QByteArray(ZeilenLeser::kLaengsteZeile - 5, 'x');
    const QByteArray lang(ZeilenLeser::kLaengsteZeile + 1, '1');
    const std::pair<QByteArray, const char*> faelle[] = {
        {"1\n" + voll + "\n0\n", nullptr}, // nullptr: accepted
        {"1\n" + voll + "x\n0\n", "Zeile 2 "},
        {"#\r\n\r\n1\r\n" + lang + "\r\n", "Zeile 4 "},
        {"#\r\r1\r" + lang, "Zeile 4 "},
        {"#" + QByteArray(65534, 'x') + "\r\n1\n" + lang, "Zeile 3 "},
    };
    for (const auto& [file, zeile] : faelle) {
        test::TempDir dir;
        Module1 m;
        const Outcome outcome = lade(m, dir, file);
        EXPECT_EQ(outcome.isFailed(), zeile != nullptr) << zeile;
        EXPECT_TRUE(zeile ? outcome.message().contains(zeile) : m.punkt[1][3] == 7.0)
            << outcome.message().toStdString();
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

TEST(Reader, ReadsTheChosenFileAndNothingWhenCancelled) {
    Module1 m;
    test::ScriptedDialogs dialogs;
    dialogs.answers << QString() << QString(WYK_EXAMPLES_DIR "/dreieck.wyk");
    EXPECT_TRUE(datenlesen(m, dialogs).isCancelled());
    EXPECT_EQ(m.datname, "3D");
    ASSERT_TRUE(datenlesen(m, dialogs).isDone());
    EXPECT_EQ(m.datname, "dreieck.wyk");
    EXPECT_EQ(beschreibung(m), "3: 0 0 0, 10 0 0, 0 10 0 | 4: 1 0, 2 12, 3 10, 1 9");
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

} // namespace
} // namespace wyk
