#pragma once

#include <QRgb>

namespace wyk {

// Screen colour of a colour code: its lowest four bits (of the two's complement value for
// negative codes) select intensity (8), red (4), green (2) and blue (1).
constexpr QRgb farbe(int code) {
    const int bits = code & 15;
    const int base = (bits & 8) != 0 ? 105 : 0;
    const int red = base + ((bits & 4) != 0 ? 150 : 0);
    const int green = base + ((bits & 2) != 0 ? 150 : 0);
    const int blue = base + ((bits & 1) != 0 ? 150 : 0);
    return qRgb(red, green, blue);
}

constexpr QRgb kSchwarz = qRgb(0, 0, 0);
constexpr QRgb kWeiss = qRgb(255, 255, 255);
constexpr QRgb kGruen = qRgb(0, 255, 0);
constexpr QRgb kRot = qRgb(255, 0, 0);

} // namespace wyk
