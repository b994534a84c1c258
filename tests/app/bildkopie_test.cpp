#include "app/bildkopie.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// A 16-bit picture whose pixel (x, y) holds the value y * width + x (modulo 65536).
QImage durchgezaehlt(int width, int height) {
    QImage bild(width, height, QImage::Format_RGB16);
    for (int y = 0; y < height; ++y) {
        auto* zeile = reinterpret_cast<std::uint16_t*>(bild.scanLine(y));
        for (int x = 0; x < width; ++x) {
            zeile[x] = static_cast<std::uint16_t>(y * width + x);
        }
    }
    return bild;
}

TEST(Bildkopie, EveryColourComesOutAsQtConvertsIt) {
    const QImage alle = durchgezaehlt(256, 256);
    QImage ziel;
    alsRgb32(alle, alle.rect(), ziel);
    EXPECT_TRUE(ziel == alle.convertToFormat(QImage::Format_RGB32));
}

TEST(Bildkopie, CopiesThePartIntoTheTopLeftCorner) {
    const QImage bild = durchgezaehlt(300, 200);
    const QRect teile[] = {{0, 0, 300, 200}, {17, 3, 40, 90}, {299, 199, 1, 1}, {120, 0, 180, 1}};
    QImage ziel;
    for (const QRect& teil : teile) {
        SCOPED_TRACE(::testing::Message() << teil.x() << "," << teil.y());
        alsRgb32(bild, teil, ziel);
        ASSERT_GE(ziel.width(), teil.width());
        ASSERT_GE(ziel.height(), teil.height());
        EXPECT_TRUE(ziel.copy(QRect(QPoint(0, 0), teil.size())) ==
                    bild.copy(teil).convertToFormat(QImage::Format_RGB32));
    }
}

TEST(Bildkopie, KeepsABufferThatIsLargeEnough) {
    const QImage bild = durchgezaehlt(64, 64);
    QImage ziel(100, 100, QImage::Format_RGB32);
    const uchar* vorher = ziel.constBits();
    alsRgb32(bild, QRect(0, 0, 64, 64), ziel);
    EXPECT_EQ(ziel.constBits(), vorher);
    EXPECT_EQ(ziel.size(), QSize(100, 100));
    QImage falschesFormat(100, 100, QImage::Format_ARGB32);
    alsRgb32(bild, QRect(0, 0, 64, 64), falschesFormat);
    EXPECT_EQ(falschesFormat.format(), QImage::Format_RGB32);
}

} // namespace
} // namespace wyk
