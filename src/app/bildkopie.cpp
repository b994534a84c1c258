#include "app/bildkopie.h"

#include <algorithm>
#include <cstdint>

namespace wyk {

namespace {

// 5-6-5 bits to 8-8-8: each channel's top bits repeat below it, so 31 becomes 255.
inline std::uint32_t rgb32(std::uint32_t c) {
    const std::uint32_t blau = ((c << 3) & 0xf8) | ((c >> 2) & 0x07);
    const std::uint32_t gruen = ((c << 5) & 0xfc00) | ((c >> 1) & 0x300);
    const std::uint32_t rot = ((c << 8) & 0xf80000) | ((c << 3) & 0x70000);
    return 0xff000000u | rot | gruen | blau;
}

} // namespace

void alsRgb32(const QImage& rgb16, const QRect& bereich, QImage& ziel) {
    if (ziel.format() != QImage::Format_RGB32 || ziel.width() < bereich.width() ||
        ziel.height() < bereich.height()) {
        ziel = QImage(std::max(ziel.width(), bereich.width()),
                      std::max(ziel.height(), bereich.height()), QImage::Format_RGB32);
    }
    const uchar* quelle = rgb16.constBits();
    const qsizetype quellZeile = rgb16.bytesPerLine();
    uchar* ausgabe = ziel.bits();
    const qsizetype zielZeile = ziel.bytesPerLine();
    const int breite = bereich.width();
    for (int y = 0; y < bereich.height(); ++y) {
        const auto* __restrict von =
            reinterpret_cast<const std::uint16_t*>(quelle + (bereich.top() + y) * quellZeile) +
            bereich.left();
        auto* __restrict nach = reinterpret_cast<std::uint32_t*>(ausgabe + y * zielZeile);
        for (int x = 0; x < breite; ++x) {
            nach[x] = rgb32(von[x]);
        }
    }
}

} // namespace wyk
