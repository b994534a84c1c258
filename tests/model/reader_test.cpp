#include "model/reader.h"
#include "model/zeilenleser.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"

#include <QBuffer>
#include <QFileInfo>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace wyk::test {
namespace {

// The model as "anzpkt (x y z, ...) | anzlin (point colour, ...)".
QString beschreibung(const Module1& m) {
    QStringList punkte;
    QStringList linien;
    for (int i = 1; i <= m.anzpkt; ++i) {
        punkte << QString::asprintf("%g %g %g", m.punkt[i][1], m.punkt[i][2], m.punkt[i][3]);
    }
    for (int i = 1; i <= m.anzlin; ++i) {
        linien << QString::asprintf("%d %d", m.linie[i][1], m.linie[i][2]);
    }
    return QString::asprintf("%d (%s) | %d (%s)", m.anzpkt, qPrintable(punkte.join(", ")), m.anzlin,
                             qPrintable(linien.join(", ")));
}

const QByteArray kBeispiel = "# Kopf\n3\n0 0 0\n10   0  0\n0 10 0\n\n4\n1 0\n2 12\n3 10\n1 9\n";
constexpr const char* kBeispielModell = "3 (0 0 0, 10 0 0, 0 10 0) | 4 (1 0, 2 12, 3 10, 1 9)";
// A data line of kLaengsteZeile characters with blanks folded: the longest taken.
const QByteArray kVoll = "5  6 7" + QByteArray(ZeilenLeser::kLaengsteZeile - 5, 'x');

// Each file and the model read from it; the highlights are cleared.
TEST(Reader, FollowsTheFileFormat) {
    QList<std::pair<QByteArray, const char*>> cases = {
        {kBeispiel, kBeispielModell},
        {"\xEF\xBB\xBF" + kBeispiel, kBeispielModell},
        {"\xEF\xBB\xBF" + kBeispiel.mid(7), kBeispielModell}, // before the count
        {"\n#a\n\n2\n#b\n1 2 3\n\n#c\n4 5 6\n#d\n\n1\n#\n2 7\n", "2 (1 2 3, 4 5 6) | 1 (2 7)"},
        {"2\n   \n1 1 1\n1\n \n", "2 (0 0 0, 1 1 1) | 1 (0 0)"}, // blank lines are data lines
        {"  \n1\n", "0 () | 1 (1 0)"},
        {"2\n #7 8 9\n1 2 3\n1\n # 5\n", "2 (0 8 9, 1 2 3) | 1 (0 5)"}, // " #" is no comment
        {"1\n  1.5   -2  3  \n0\n", "1 (1.5 -2 3) | 0 ()"},
        {"1\n1\t2\t3\n0\n", "1 (1 0 0) | 0 ()"}, // tabs do not separate
        {"5\n1 1 1\n2 2 2\n3 4 5\n", "5 (1 1 1, 2 2 2, 3 4 5, 3 4 5, 3 4 5) | 3 (3 4, 3 4, 3 4)"},
        {"0\n1\n1 1\n9999\nnonsense\n", "0 () | 1 (1 1)"},
        {"-3\n2\n1 1\n2 2\n", "-3 () | 2 (1 1, 2 2)"},
        {"-2147483649\n-1e300\n7 7\n", "-2147483648 () | -2147483648 ()"},
        {"2.9\n1 1 1\n2 2 2\n1\n2.7 -9.9\n", "2 (1 1 1, 2 2 2) | 1 (2 -9)"},
        {"1\n1 2 3\n1\n1 4", "1 (1 2 3) | 1 (1 4)"},
        {"# a\n#b\n\n", "0 () | 0 ()"},
        {"1\n" + kVoll + "\n0\n", "1 (5 6 7) | 0 ()"},
        // NUL bytes, invalid UTF-8 and Windows-1252 are bytes like any other.
        {QByteArrayLiteral("1\n2\0003 4 5\n1\n\0007 1\n"), "1 (2 4 5) | 1 (0 1)"},
        {"# \xd6l\n1\n\xc3\x28 9 9\n1\n\x96x 1\n", "1 (0 9 9) | 1 (0 1)"}};
    // In UTF-16 and UTF-32, a comment ending in a surrogate pair cut by the first 64 KiB piece.
    const QByteArray lang = "#" + QByteArray(32765, 'x') + "\xF0\x9F\x98\x80\r\n" + kBeispiel;
    using enum QStringConverter::Encoding;
    for (const auto encoding : {Utf16LE, Utf16BE, Utf32LE, Utf32BE}) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        cases << std::pair(encoder.encode(QString::fromUtf8(lang)), kBeispielModell);
    }
    for (const auto& [file, model] : cases) {
        SCOPED_TRACE(file.left(60).toHex().constData());
        TempDir dir;
        Module1 m;
        m.debugpkt = m.debuglinie = 1;
        ASSERT_TRUE(ladeDatei(m, dir.write("m.wyk", file)).isDone());
        EXPECT_EQ(beschreibung(m), model);
        EXPECT_EQ(std::pair(m.debugpkt, m.debuglinie), std::pair(0, 0)) << "the highlights";
    }
}

// A refusal or a cancel keeps the model; the message names the file and an editor's line.
TEST(Reader, RefusesFilesItCannotTakeAndKeepsTheModel) {
    TempDir dir;
    dir.folder("ordner");
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.path("rohr.wyk")), 0600), 0);
    const QString alt =
        dir.write("alt.wyk", "3000\n" + QByteArray("1 2 3\n").repeated(3000) + "3000\n4 5\n");
    const QByteArray lang(ZeilenLeser::kLaengsteZeile + 1, '1');
    // A text read as "n.wyk", or the dialog's answer (none: cancelled); part of the reason.
    const std::tuple<QByteArray, QString, const char*> refused[] = {
        {"3001\n", "", "3001 Punkte"},
        {"0\n3001\n", "", "3001 Linien"},
        {"2147483648\n", "", "2147483647 Punkte"},
        {"1\n" + kVoll + "x\n0\n", "", "Zeile 2 "},
        {"#\r\n\r\n1\r\n" + lang + "\r\n", "", "Zeile 4 "},
        {"#\r\r1\r" + lang, "", "Zeile 4 "},
        {"#" + QByteArray(65534, 'x') + "\r\n1\n" + lang, "", "Zeile 3 "},
        {"1\n" + QByteArray(64 << 20, '\0'), "", "Zeile 2 "},
        {"", dir.path("ordner"), "Ordner"},
        {"", dir.path("rohr.wyk"), "keine gewöhnliche Datei"},
        {"", dir.path("fehlt.wyk"), "existiert nicht"},
        {"", QString(), ""}};
    for (auto [text, path, reason] : refused) {
        const bool abgebrochen = path.isNull() && text.isEmpty();
        SCOPED_TRACE(abgebrochen ? "cancelled" : reason);
        Module1 m;
        int closed = 0;
        m.fenster.debugSchliessen = [&] { ++closed; };
        ASSERT_TRUE(ladeDatei(m, alt).isDone());
        m.debugpkt = 1;
        QBuffer puffer(&text);
        ASSERT_TRUE(puffer.open(QIODevice::ReadOnly));
        ScriptedDialogs dialogs;
        dialogs.answers << path;
        const auto outcome = text.isEmpty() ? datenlesen(m, dialogs) : ladeAus(m, puffer, "n.wyk");
        const QString name = text.isEmpty() ? QFileInfo(path).fileName() : "n.wyk";
        const QString message = outcome.message();
        EXPECT_EQ(outcome.isCancelled(), abgebrochen);
        EXPECT_TRUE(message.contains(name)) << message;
        EXPECT_TRUE(message.contains(reason)) << message;
        EXPECT_EQ(m.anzpkt, 3000);
        EXPECT_EQ(m.punkt[3000][3], 3.0);
        EXPECT_EQ(m.anzlin, 3000);
        EXPECT_EQ(m.linie[3000][2], 5);
        EXPECT_EQ(m.datname, "alt.wyk");
        EXPECT_EQ(m.debugpkt, 1) << "the highlight";
        EXPECT_EQ(closed, 1) << "closings of the debug window";
        EXPECT_LT(puffer.pos(), 2 << 20) << "bytes read";
    }
}

TEST(Reader, ReadingAgainKeepsTheHighlightsThatStillExist) {
    // Highlighted point and move, the file read again, and the highlights after.
    const std::tuple<int, int, QByteArray, int, int> faelle[] = {
        {2, 3, "2\n1 1 1\n2 2 2\n2\n1 0\n2 3\n", 2, 0},
        {3, 2, "2\n1 1 1\n2 2 2\n2\n1 0\n2 3\n", 0, 2},
        {1, 1, "-1\n0\n", 0, 0},
        {2, 2, "5000\n", 2, 2},     // refused: model and highlights stay
        {2, 2, "5\n1 1 1\n", 2, 2}, // ends early: mid-save, nothing is read
    };
    TempDir dir;
    for (const auto& [pkt, linie, file, pktDanach, linieDanach] : faelle) {
        SCOPED_TRACE(file.data());
        Module1 m;
        std::tie(m.anzpkt, m.anzlin, m.debugpkt, m.debuglinie) = std::tuple(3, 3, pkt, linie);
        m.fenster.debugSchliessen = [] { ADD_FAILURE() << "debug window closed"; };
        const QString path = dir.write("m.wyk", file);
        const std::optional<Outcome> gelesen = erneutLaden(m, path, true);
        EXPECT_EQ(gelesen.has_value(), !file.endsWith("1 1 1\n"));
        const bool geladen = gelesen && gelesen->isDone();
        EXPECT_EQ(geladen, m.anzpkt != 3);
        EXPECT_EQ(m.debugpkt, pktDanach);
        EXPECT_EQ(m.debuglinie, linieDanach);
        EXPECT_EQ(m.datpfad, geladen ? path : QString());
    }
}

// The reader holds one folded line of at most 1 MiB, never the file.
TEST(HostileFiles, TensOfMegabytesAreReadOrRefusedInBoundedMemory) {
    // Peak resident memory in KiB since the last reset, which sets it to the current use.
    const auto peak = [](bool reset) {
        QFile clear("/proc/self/clear_refs"), status("/proc/self/status");
        if (reset) {
            EXPECT_TRUE(clear.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            EXPECT_EQ(clear.write("5"), 1);
        }
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : "";
        return text.mid(text.indexOf("VmHWM:") + 6).trimmed().split(' ')[0].toLong();
    };
    TempDir dir;
    QFile file(dir.path("gross.wyk"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const auto& [vorn, c] : {std::pair("#", 'x'), {"\n1\n4", ' '}}) {
        file.write(vorn);
        for (int i = 0; i < 24; ++i) { // a megabyte at a time, never all in memory
            file.write(QByteArray(1 << 20, c));
        }
    }
    file.write("5 6\n1\n1 3\n");
    file.close();
    const long before = peak(true);
    Module1 m;
    ASSERT_TRUE(ladeDatei(m, file.fileName()).isDone());
    EXPECT_EQ(beschreibung(m), "1 (4 5 6) | 1 (1 3)");
    // Below one 24 MiB run, with room for the sanitizers' bookkeeping.
    EXPECT_LT(peak(false) - before, 20 * 1024);
}

} // namespace
} // namespace wyk::test
