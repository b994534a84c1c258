#include "export/off.h"
#include "export/web.h"
#include "exporthelfer.h"

#include <climits>
#include <tuple>
#include <vector>

namespace wyk {
namespace {

using Zuege = std::vector<std::array<int, 2>>; // point, colour code

// Two points and the given moves; anzpkt and anzlin may differ from the number of rows.
void setze(Modell& m, int anzpkt, const Zuege& zuege, int anzlin) {
    m.punkt[1] = {0, 1.5, -0.25, 1e21};
    m.punkt[2] = {0, 4, 5, 6};
    for (std::size_t i = 0; i < zuege.size(); ++i) {
        m.linie[i + 1] = {0, zuege[i][0], zuege[i][1]};
    }
    m.anzpkt = anzpkt;
    m.anzlin = anzlin;
}

TEST(OffExport, LinesFollowTheModel) {
    const std::tuple<int, Zuege, int, const char*> faelle[] = {
        {-3, {}, 0, "OFF|-3 0 99"},
        {1, {}, 0, "OFF|1 0 99|1.5 -0.25 1e+21"},
        {0, {{1, 5}, {2, 5}}, 1, "OFF|0 0 99"},
        {0, {{1, 9}, {2, 0}}, 2, "OFF|0 0 99"}, // move 1 starts at the origin
        {0, {{1, 0}, {0, 3}}, 2, "OFF|0 1 99|2 0 -1 0 0.5 0.5"},
        {0, {{1, 0}, {2, 0}, {3, -4}, {1, 4}}, 4, "OFF|0 1 99|2 2 0 0.5 0 0"},
        {0, {{INT_MIN, 0}, {INT_MAX, 2}}, 2, "OFF|0 1 99|2 -2147483649 2147483646 0 0.5 0"},
    };
    for (const auto& [anzpkt, zuege, anzlin, zeilen] : faelle) {
        Modell m;
        setze(m, anzpkt, zuege, anzlin);
        EXPECT_EQ(offZeilen(m).join('|'), zeilen);
    }
}

TEST(OffExport, FaceColourComesFromTheFourLowBits) {
    const std::pair<int, const char*> faelle[] = {
        {1, "0 0 0.5"},    {2, "0 0.5 0"}, {4, "0.5 0 0"}, {7, "0.5 0.5 0.5"}, {8, "0.5 0.5 0.5"},
        {12, "1 0.5 0.5"}, {15, "1 1 1"},  {16, "0 0 0"},  {24, "0.5 0.5 0.5"}};
    for (const auto& [code, farbe] : faelle) {
        Modell m;
        setze(m, 0, {{1, 0}, {1, code}}, 2);
        EXPECT_EQ(offZeilen(m).last(), QStringLiteral("2 0 0 ") + farbe) << code;
    }
}

// The export window's "Export" with the boxes as given, the OFF file saved as name in dir.
Outcome exportiere(Module1& m, const test::TempDir& dir, const QString& name, bool html,
                   bool java) {
    test::ScriptedDialogs dialogs;
    dialogs.answers << dir.path(name);
    return offPlusExportieren(m, dialogs, html, java);
}

// The dialog proposes the model's name up to its first point; the page's name follows the OFF
// file's, and the page names that file in its value attribute.
TEST(WebExport, NamesFollowTheModelAndTheOffFile) {
    // datname (the start-up one if null), proposal, OFF name, page name, bytes of the value.
    const std::tuple<const char*, const char*, const char*, const char*, QByteArray> faelle[] = {
        {"haus.wyk", "haus.off", "haus.off", "haus.htm", "haus.off"},
        {"haus.wyk", "haus.off", "haus", "haus.wyk.htm", "haus"},
        {"a.b.c", "a.off", "a.offset", "a.of.htm", "a.offset"},
        {".x", ".off", "<Ü> & \"€Ω\".off", "<Ü> & \"€Ω\".htm",
         "&lt;\xDC&gt; &amp; &quot;\x80&#937;&quot;.off"},
        {nullptr, "3D.off", "x.off😀", "x..htm", "x.off&#128512;"}, // one character, two in UTF-16
    };
    for (const auto& [datname, vorschlag, offName, seitenName, wert] : faelle) {
        test::TempDir dir;
        test::ScriptedDialogs dialogs;
        dialogs.answers << dir.path(offName);
        Module1 m;
        if (datname != nullptr) {
            m.datname = datname;
        }
        ASSERT_TRUE(offPlusExportieren(m, dialogs, true, false).isDone());
        EXPECT_EQ(dialogs.proposed, QStringList{vorschlag});
        EXPECT_EQ(dir.names().size(), 2) << offName;
        EXPECT_EQ(dir.read(seitenName), test::seite(wert));
    }
}

TEST(WebExport, BoxesChooseTheFilesAndTheResourcesAreReadOnce) {
    test::TempDir java;
    test::TempDir html;
    Module1 m;
    ASSERT_TRUE(exportiere(m, java, "w.off", false, true).isDone());
    EXPECT_EQ(java.names(), test::kKlassen + QStringList{"w.off"});
    ASSERT_TRUE(exportiere(m, html, "w.off", true, false).isDone());
    EXPECT_EQ(html.names(), (QStringList{"w.htm", "w.off"}));
    ASSERT_TRUE(exportiere(m, java, "w.off", true, true).isDone());
    EXPECT_EQ(java.names(), (test::kKlassen + QStringList{"w.htm", "w.off"}));
    EXPECT_EQ(test::andereKlassen(java), QStringList());
    EXPECT_EQ(m.ressourcen.reads(), 4);
    EXPECT_FALSE(m.htmlsave || m.javasave);
}

// A page or class file that would replace the OFF file is refused; the others are written.
TEST(WebExport, NeverReplacesTheOffFileJustWritten) {
    const std::tuple<const char*, const char*, QStringList> faelle[] = {
        {"x.htm", "x", test::kKlassen + QStringList{"x.htm"}},
        {"Face.class", "x.wyk", {"Face.class", "x.wyk.htm"}}};
    for (const auto& [offName, datname, dateien] : faelle) {
        test::TempDir dir;
        Module1 m;
        m.datname = datname;
        const Outcome ergebnis = exportiere(m, dir, offName, true, true);
        EXPECT_TRUE(ergebnis.isFailed() && ergebnis.message().contains(offName)) << offName;
        EXPECT_EQ(dir.read(offName), "OFF\r\n0 0 99\r\n");
        EXPECT_EQ(dir.names(), dateien);
    }
}

} // namespace
} // namespace wyk
