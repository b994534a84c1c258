#pragma once

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace wyk::test {

// Compares a picture pixel for pixel with the stored one of that name in tests/vorlagen, which
// was looked at when it was made; one that differs is written into the working folder for a
// look. With WYK_VORLAGEN_NEU set the pictures are stored anew: look at them, then test again.
inline void wieVorlage(const QString& name, const QImage& bild) {
    const QString datei = name + ".png";
    const QString vorlage = WYK_VORLAGEN_DIR "/" + datei;
    const QImage ist = bild.convertToFormat(QImage::Format_RGB32);
    if (!qEnvironmentVariableIsEmpty("WYK_VORLAGEN_NEU")) {
        EXPECT_TRUE(ist.save(vorlage)) << vorlage.toStdString();
        return;
    }
    const QImage soll = QImage(vorlage).convertToFormat(QImage::Format_RGB32);
    const bool gleichGross = soll.size() == ist.size();
    qsizetype anders = gleichGross ? 0 : ist.width() * ist.height();
    QPoint erstes;
    for (int y = 0; gleichGross && y < ist.height(); ++y) {
        for (int x = 0; x < ist.width(); ++x) {
            if (ist.pixel(x, y) != soll.pixel(x, y) && anders++ == 0) {
                erstes = {x, y};
            }
        }
    }
    if (anders > 0) {
        ist.save(datei);
    }
    EXPECT_EQ(anders, 0) << "pixels of " << datei.toStdString() << " that differ from the "
                         << soll.width() << "x" << soll.height() << " stored, the first at ("
                         << erstes.x() << ", " << erstes.y() << ")";
}

} // namespace wyk::test
