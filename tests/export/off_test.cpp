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
    const std::tuple<int, Zuege, int, QString> faelle[] = {
        {-3, {}, 0, "OFF|-3 0 99"},
        {1, {}, 0, "OFF|1 0 99|1.5 -0.25 1e+21"},
        {0, {{1, 5}, {2, 5}}, 1, "OFF|0 0 99"},
        {0, {{1, 0}, {0, 3}}, 2, "OFF|0 1 99|2 0 -1 0 0.5 0.5"},
        {0, {{1, 0}, {2, 0}, {3, -4}, {1, 4}}, 4, "OFF|0 1 99|2 2 0 0.5 0 0"},
        {0, {{INT_MIN, 0}, {INT_MAX, 2}}, 2, "OFF|0 1 99|2 -2147483649 2147483646 0 0.5 0"},
        // colours from the intensity (8), red (4), green (2) and blue (1) bits only
        {0,
         {{1, 0}, {1, 1}, {1, 2}, {1, 4}, {1, 7}, {1, 8}, {1, 12}, {1, 15}, {1, 16}, {1, 24}},
         10,
         "OFF|0 9 99|2 0 0 0 0 0.5|2 0 0 0 0.5 0|2 0 0 0.5 0 0|2 0 0 0.5 0.5 0.5|2 0 0 0.5 0.5 0.5|"
         "2 0 0 1 0.5 0.5|2 0 0 1 1 1|2 0 0 0 0 0|2 0 0 0.5 0.5 0.5"}};
    for (const auto& [anzpkt, zuege, anzlin, zeilen] : faelle) {
        Modell m;
        setze(m, anzpkt, zuege, anzlin);
        EXPECT_EQ(offZeilen(m).join('|'), zeilen);
    }
}

// Proposed: the model's name to its first point; the page's name and its value follow the OFF name.
TEST(WebExport, NamesFollowTheModel) {
    // datname ("3D" as at start-up), proposal, OFF name, page name, bytes of the value.
    const std::tuple<const char*, const char*, const char*, const char*, QByteArray> faelle[] = {
        {"haus.wyk", "haus.off", "haus.off", "haus.htm", "haus.off"},
        {"haus.wyk", "haus.off", "haus", "haus.wyk.htm", "haus"},
        {"a.b.c", "a.off", "a.offset", "a.of.htm", "a.offset"},
        {".x", ".off", "<Ü> & \"€Ω\".off", "<Ü> & \"€Ω\".htm",
         "&lt;\xDC&gt; &amp; &quot;\x80&#937;&quot;.off"},
        {"3D", "3D.off", "x.off😀", "x..htm", "x.off&#128512;"}, // one character, two in UTF-16
    };
    for (const auto& [datname, vorschlag, offName, seitenName, wert] : faelle) {
        test::TempDir dir;
        test::ScriptedDialogs dialogs;
        dialogs.answers << dir.path(offName);
        Module1 m;
        m.datname = datname;
        ASSERT_TRUE(offPlusExportieren(m, dialogs, true, false).isDone());
        EXPECT_EQ(dialogs.proposed, QStringList{vorschlag});
        EXPECT_EQ(dir.read(seitenName), test::seite(wert));
    }
}

// The page and Java 8 class files go beside the OFF file; one that would replace it is refused.
TEST(WebExport, NoFileReplacesTheOffFile) {
    // OFF name, the files then in the folder
    const std::pair<QString, QStringList> faelle[] = {
        {"w.off", test::kKlassen + QStringList{"w.htm", "w.off"}},
        {"x.htm", test::kKlassen + QStringList{"x.htm"}},
        {"Face.class", {"Face.class", "x.htm"}}};
    Module1 m;
    m.datname = "x";
    for (const auto& [offName, dateien] : faelle) {
        test::TempDir dir;
        test::ScriptedDialogs dialogs;
        dialogs.answers << dir.path(offName);
        const Outcome ergebnis = offPlusExportieren(m, dialogs, true, true);
        EXPECT_EQ(ergebnis.isFailed(), offName != "w.off") << offName;
        EXPECT_TRUE(ergebnis.isDone() || ergebnis.message().contains(offName));
        EXPECT_EQ(dir.names(), dateien);
        EXPECT_EQ(dir.read(offName), "OFF\r\n0 0 99\r\n");
        const QByteArray java8("\xCA\xFE\xBA\xBE\0\0\0\x34", 8); // magic number, version 52.0
        for (const QString& name : dateien) {
            if (name.endsWith(".class") && name != offName) { // written by the program
                EXPECT_EQ(dir.read(name), test::klasse(name)) << name;
                EXPECT_TRUE(dir.read(name).startsWith(java8)) << name;
            }
        }
        EXPECT_FALSE(m.htmlsave || m.javasave);
    }
    EXPECT_EQ(m.ressourcen.reads(), 4);
}

} // namespace
} // namespace wyk
