#include "scene.h"

#include "view/projection.h"

#include <QDir>
#include <QFile>
#include <random>

void grossesModell(wyk::Module1& m) {
    m.breite = 1424;
    m.hoehe = 865;
    m.origx = 712;
    m.origy = 432;
    m.anzeige = wyk::Anzeige{true, true, true};
    // Without its picture the scene would measure nothing; the run stops with the reason.
    if (const wyk::Outcome bereit = wyk::init(m); bereit.isFailed()) {
        qFatal("%s", qPrintable(bereit.message()));
    }
    std::mt19937 random(42);
    std::uniform_real_distribution<double> coordinate(-60.0, 60.0);
    m.anzpkt = wyk::kTabellenGrenze;
    for (int p = 1; p <= m.anzpkt; ++p) {
        m.punkt[p] = {0.0, coordinate(random), coordinate(random), coordinate(random) / 2};
    }
    m.anzlin = wyk::kTabellenGrenze;
    for (int l = 1; l <= m.anzlin; ++l) {
        m.linie[l] = {0, 1 + static_cast<int>(random() % wyk::kTabellenGrenze), 1 + l % 15};
    }
}

QString grosseModellDatei(const wyk::Module1& m) {
    const QString path = QDir::temp().filePath(QStringLiteral("wyk-bench-gross.wyk"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    QByteArray text = "# 3000 Punkte, 3000 Linien\n3000\n";
    for (int p = 1; p <= m.anzpkt; ++p) {
        text += QByteArray::number(m.punkt[p][1], 'g', 17) + ' ' +
                QByteArray::number(m.punkt[p][2], 'g', 17) + ' ' +
                QByteArray::number(m.punkt[p][3], 'g', 17) + '\n';
    }
    text += "3000\n";
    for (int l = 1; l <= m.anzlin; ++l) {
        text += QByteArray::number(m.linie[l][1]) + ' ' + QByteArray::number(m.linie[l][2]) + '\n';
    }
    file.write(text);
    return path;
}
