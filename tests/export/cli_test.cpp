#include "export/batch.h"
#include "exporthelfer.h"

#include <QImage>
#include <QProcess>

namespace wyk {
namespace {

struct Lauf {
    int code; // -1: did not end normally
    QString ausgabe;
    QString fehler;
};

Lauf starte(const QStringList& argumente) {
    QProcess programm;
    programm.start(QStringLiteral(WYK_VIEWER_BINARY), argumente);
    const bool beendet =
        programm.waitForFinished(60000) && programm.exitStatus() == QProcess::NormalExit;
    return {beendet ? programm.exitCode() : -1,
            QString::fromLocal8Bit(programm.readAllStandardOutput()),
            QString::fromLocal8Bit(programm.readAllStandardError())};
}

TEST(Kommandozeile, OnlyAModelOrNothingOpensTheWindows) {
    const std::tuple<QStringList, bool, const char*> faelle[] = {
        {{}, false, ""},
        {{"haus.wyk"}, false, "haus.wyk"},
        {{"--export-web", "a.off", "haus.wyk"}, true, ""},
        {{"--unbekannt", "haus.wyk"}, true, ""},
        {{"a.wyk", "b.wyk"}, true, ""}};
    for (const auto& [argumente, batch, modell] : faelle) {
        const QStringList zeile = QStringList{"wyk-viewer"} + argumente;
        EXPECT_EQ(istBatch(zeile), batch) << zeile.join(' ').toStdString();
        if (!batch) {
            EXPECT_EQ(modellArgument(zeile), modell);
        }
    }
}

// Exports, help and version succeed; a failed export exits with 1 and a wrong call with 2, each
// naming the cause. Only the exports leave files.
TEST(Kommandozeile, ExitCodesMessagesAndFiles) {
    test::TempDir dir;
    dir.write("datei", "kein Ordner");
    const QString haus = WYK_EXAMPLES_DIR "/haus.wyk";
    const QString off = dir.path("a.off");
    const QString png = dir.path("a.png");
    const std::tuple<QStringList, int, QString> faelle[] = {
        {{"--export-off", dir.path("d.off"), WYK_EXAMPLES_DIR "/dreieck.wyk"}, 0, ""},
        {{"--export-web", dir.path("haus.off"), haus}, 0, ""},
        {{"--export-png", dir.path("k.png"), haus}, 0, ""},
        {{"--export-png", dir.path("g.png"), "--size", "1424x865", haus}, 0, ""},
        {{"--help"}, 0, "--export-png"},
        {{"--version"}, 0, "wyk-viewer " WYK_VERSION "\n"},
        {{"--export-off", off, dir.path("fehlt.wyk")}, 1, "fehlt.wyk"},
        {{"--export-web", dir.path("datei/a.off"), haus}, 1, "datei/a.off"},
        {{"--export-off", off}, 2, "--help"},
        {{"--export-off", off, "--export-png", png, haus}, 2, "--help"},
        {{"--export-off", off, "--size", "500x500", haus}, 2, "--size"},
        {{"--export-png", png, "--size", "399x400", haus}, 2, "399x400"},
        {{"--export-png", png, "--size", "1425x865", haus}, 2, "1425x865"},
        {{"--export-png", png, "--size", "400x866", haus}, 2, "400x866"},
        {{"--bunt", haus}, 2, "bunt"}};
    for (const auto& [argumente, code, genannt] : faelle) {
        const Lauf lauf = starte(argumente);
        EXPECT_EQ(lauf.code, code) << argumente.join(' ').toStdString();
        EXPECT_TRUE((code == 0 ? lauf.ausgabe : lauf.fehler).contains(genannt));
        EXPECT_EQ(lauf.fehler.contains("wyk-viewer:"), code != 0) << lauf.fehler.toStdString();
    }
    EXPECT_EQ(test::dateien(dir), (test::kKlassen + QStringList{"d.off", "datei", "g.png",
                                                                "haus.htm", "haus.off", "k.png"}));
    EXPECT_EQ(dir.read("d.off"), test::kDreieckOff);
    EXPECT_EQ(dir.read("haus.htm"), test::seite("haus.off"));
    EXPECT_EQ(test::andereKlassen(dir), QStringList());
    // Black corners, the origin in red at the centre.
    const QImage klein(dir.path("k.png"));
    const QImage gross(dir.path("g.png"));
    EXPECT_EQ(klein.size(), QSize(400, 400));
    EXPECT_EQ(gross.size(), QSize(1424, 865));
    EXPECT_EQ((QList<QRgb>{klein.pixel(0, 0), klein.pixel(200, 200), gross.pixel(1423, 864),
                           gross.pixel(712, 432)}),
              (QList<QRgb>{0xff000000, 0xffff0000, 0xff000000, 0xffff0000}));
}

} // namespace
} // namespace wyk
