#include "export/off.h"
#include "exporthelfer.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"

#include <climits>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace wyk {
namespace {

using Punkt = std::array<double, 3>;
using Zug = std::array<int, 2>;

// A model of its points and moves, as the reader would leave it; anzpkt and anzlin may
// differ from the number of rows given.
void setze(Modell& m, const std::vector<Punkt>& punkte, int anzpkt, const std::vector<Zug>& zuege,
           int anzlin) {
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        m.punkt[i + 1] = {0, punkte[i][0], punkte[i][1], punkte[i][2]};
    }
    for (std::size_t i = 0; i < zuege.size(); ++i) {
        m.linie[i + 1] = {0, zuege[i][0], zuege[i][1]};
    }
    m.anzpkt = anzpkt;
    m.anzlin = anzlin;
}

TEST(OffExport, StartUpStateWritesTheEmptyModel) {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    dialogs.answers << dir.path("3D.off");
    Module1 m;
    ASSERT_TRUE(saveoff(m, dialogs).isDone());
    EXPECT_EQ(dialogs.proposed, QStringList{"3D.off"});
    EXPECT_EQ(dir.read("3D.off"), QByteArray("OFF\r\n0 0 99\r\n"));
    EXPECT_EQ(dir.read("3D.off").size(), 13);
    EXPECT_EQ(test::dateien(dir.path("")), QStringList{"3D.off"});
}

TEST(OffExport, SmallExampleGivesItsEightLines) {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    dialogs.answers << dir.path("dreieck.off");
    Module1 m;
    ASSERT_TRUE(test::ladeBeispiel(m, "dreieck.wyk"));
    ASSERT_TRUE(saveoff(m, dialogs).isDone());
    EXPECT_EQ(dialogs.proposed, QStringList{"dreieck.off"});
    EXPECT_EQ(dir.read("dreieck.off"),
              test::crlf({"OFF", "3 3 99", "0 0 0", "10 0 0", "0 10 0", "2 0 1 1 0.5 0.5",
                          "2 1 2 0.5 1 0.5", "2 2 0 0.5 0.5 1"}));
}

TEST(OffExport, DefaultNameIsDatnameUpToItsFirstPoint) {
    const std::pair<const char*, const char*> cases[] = {
        {"3D", "3D.off"},
        {"haus.wyk", "haus.off"},
        {"a.b.c", "a.off"},
        {".x", ".off"},
        {"modell", "modell.off"},
        {"", ".off"},
        {"Würfel.WYK", "Würfel.off"},
        {"x.", "x.off"},
    };
    for (const auto& [datname, vorschlag] : cases) {
        EXPECT_EQ(offVorschlag(QString::fromUtf8(datname)), QString::fromUtf8(vorschlag))
            << datname;
    }
}

struct ZeilenFall {
    const char* name;
    std::vector<Punkt> punkte;
    int anzpkt;
    std::vector<Zug> zuege;
    int anzlin;
    QStringList zeilen;
};

TEST(OffExport, LinesFollowTheModel) {
    const double inf = std::numeric_limits<double>::infinity();
    const ZeilenFall cases[] = {
        {"negative point count means no vertex", {{1, 2, 3}}, -3, {}, 0, {"OFF", "0 0 99"}},
        {"rows above the count are not written",
         {{1, 2, 3}, {4, 5, 6}},
         1,
         {},
         0,
         {"OFF", "1 0 99", "1 2 3"}},
        {"no moves", {}, 0, {{1, 5}, {2, 5}}, 0, {"OFF", "0 0 99"}},
        {"a single move gives no face", {{1, 0, 0}}, 1, {{1, 5}}, 1, {"OFF", "1 0 99", "1 0 0"}},
        {"negative move count", {}, 0, {{1, 5}, {2, 5}}, -2, {"OFF", "0 0 99"}},
        {"only move 1 draws",
         {{1, 0, 0}, {2, 0, 0}},
         2,
         {{1, 9}, {2, 0}},
         2,
         {"OFF", "2 0 99", "1 0 0", "2 0 0"}},
        {"point 0 gives -1",
         {{1, 0, 0}},
         1,
         {{1, 0}, {0, 3}},
         2,
         {"OFF", "1 1 99", "1 0 0", "2 0 -1 0 0.5 0.5"}},
        {"point above the count is written as it is",
         {{1, 0, 0}},
         1,
         {{1, 0}, {9, 1}},
         2,
         {"OFF", "1 1 99", "1 0 0", "2 0 8 0 0 0.5"}},
        {"skipped moves still carry the pen",
         {},
         0,
         {{1, 0}, {2, 0}, {3, -4}, {1, 4}},
         4,
         {"OFF", "0 1 99", "2 2 0 0.5 0 0"}},
        {"extreme point numbers",
         {},
         0,
         {{INT_MIN, 0}, {INT_MAX, 2}, {INT_MIN, 2}},
         3,
         {"OFF", "0 2 99", "2 -2147483649 2147483646 0 0.5 0", "2 2147483646 -2147483649 0 0.5 0"}},
        {"coordinates in their shortest form",
         {{1.5, -0.25, 1e21}, {-7, 0.1, 123456.789}},
         2,
         {},
         0,
         {"OFF", "2 0 99", "1.5 -0.25 1e+21", "-7 0.1 123456.789"}},
        {"non-finite coordinates above the count do not matter",
         {{1, 1, 1}, {inf, 0, 0}},
         1,
         {},
         0,
         {"OFF", "1 0 99", "1 1 1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Modell m;
        setze(m, c.punkte, c.anzpkt, c.zuege, c.anzlin);
        EXPECT_EQ(offZeilen(m), c.zeilen);
    }
}

TEST(OffExport, FaceColourComesFromTheFourLowBits) {
    const std::pair<int, const char*> cases[] = {
        {1, "0 0 0.5"},     {2, "0 0.5 0"},      {4, "0.5 0 0"},    {7, "0.5 0.5 0.5"},
        {8, "0.5 0.5 0.5"}, {9, "0.5 0.5 1"},    {12, "1 0.5 0.5"}, {15, "1 1 1"},
        {16, "0 0 0"},      {24, "0.5 0.5 0.5"}, {31, "1 1 1"},     {INT_MAX, "1 1 1"},
    };
    for (const auto& [code, farbe] : cases) {
        Modell m;
        setze(m, {{0, 0, 0}, {1, 0, 0}}, 2, {{1, 0}, {2, code}}, 2);
        EXPECT_EQ(offZeilen(m).last(), QStringLiteral("2 0 1 ") + farbe) << "code " << code;
    }
}

TEST(OffExport, CancelledDialogWritesNothingAtAll) {
    for (const bool flags : {false, true}) {
        test::TempDir dir;
        test::ScriptedDialogs dialogs;
        Module1 m;
        m.htmlsave = flags;
        m.javasave = flags;
        ASSERT_TRUE(test::ladeBeispiel(m, "haus.wyk"));
        EXPECT_TRUE(saveoff(m, dialogs).isCancelled());
        EXPECT_EQ(dialogs.proposed, QStringList{"haus.off"});
        EXPECT_TRUE(test::dateien(dir.path("")).isEmpty());
    }
}

TEST(OffExport, ReplacesAnExistingFile) {
    test::TempDir dir;
    const QString path = dir.write("alt.off", QByteArray(500, 'x'));
    Module1 m;
    ASSERT_TRUE(schreibeOff(m, path).isDone());
    EXPECT_EQ(dir.read("alt.off"), test::crlf({"OFF", "0 0 99"}));
}

TEST(OffExport, NonFiniteCoordinateIsRefusedNamingThePoint) {
    const double werte[] = {std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (const double wert : werte) {
        test::TempDir dir;
        Module1 m;
        m.htmlsave = true;
        m.javasave = true;
        setze(m, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, 3, {}, 0);
        m.punkt[2][3] = wert;
        const Outcome ergebnis = schreibeOff(m, dir.path("modell.off"));
        ASSERT_TRUE(ergebnis.isFailed());
        EXPECT_TRUE(ergebnis.message().contains("Punkt 2")) << ergebnis.message().toStdString();
        EXPECT_TRUE(ergebnis.message().contains("modell.off"));
        EXPECT_TRUE(test::dateien(dir.path("")).isEmpty());
    }
}

TEST(OffExport, UnwritableTargetFailsAndLeavesNoFile) {
    test::TempDir dir;
    dir.write("datei", "kein Ordner");
    const QString ziele[] = {dir.path("datei/modell.off"), dir.path("fehlt/modell.off"),
                             dir.path("")};
    for (const QString& ziel : ziele) {
        Module1 m;
        m.htmlsave = true;
        m.javasave = true;
        ASSERT_TRUE(test::ladeBeispiel(m, "dreieck.wyk"));
        const Outcome ergebnis = schreibeOff(m, ziel);
        ASSERT_TRUE(ergebnis.isFailed()) << ziel.toStdString();
        EXPECT_TRUE(ergebnis.message().contains(QDir::toNativeSeparators(ziel)))
            << ergebnis.message().toStdString();
        EXPECT_EQ(test::dateien(dir.path("")), QStringList{"datei"}) << ziel.toStdString();
    }
}

} // namespace
} // namespace wyk
