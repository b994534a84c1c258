#pragma once

#include <QRgb>
#include <cstdint>

namespace wyk {

// A pixel position; 64 bits wide so that positions far outside the picture cannot overflow.
// Pixel (x, y) covers the unit square from (x, y) to (x + 1, y + 1); its centre lies at
// (x + 0.5, y + 0.5).
struct Pixel {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// The centre, along one axis, of a pen of the given size stamped on pixel q: the pixel's
// centre for odd sizes, its right or lower edge for even ones.
[[nodiscard]] constexpr double stiftMitte(std::int64_t q, int size) {
    return static_cast<double>(q - (size - 1) / 2) + size / 2.0;
}

// How a pen wider than one pixel lies on a line: a square stamped on every pixel of the line,
// or a run of pixels across the line's longer direction (down the columns of a line that runs
// more across than down, else along the rows), which gives the line one width along its whole
// length.
enum class Stift { Quadrat, Quer };

// What the scene is drawn on: the pixels of zebild or a vector picture. Each drawing call uses
// the colour and the pen size set last. A surface shows only its top-left drawing area and
// must accept any position, also far outside that area.
class Zeichenflaeche {
public:
    virtual ~Zeichenflaeche() = default;

    virtual void setColor(QRgb color) = 0;
    // A pen size pixels wide on each pixel of a line: it reaches (size - 1) / 2 pixels to the
    // left and up and size / 2 to the right and down (stiftMitte), both ways for a square,
    // across the line for Stift::Quer. Vector surfaces draw both as square-capped strokes.
    virtual void setPen(int size, Stift art) = 0;
    virtual void fillRect(Pixel topLeft, int width, int height) = 0;
    // The disc inscribed in the size x size box with the given top-left corner: the pixels whose
    // centres lie inside it.
    virtual void fillDisc(Pixel topLeft, int size) = 0;
    // A line from the centre of one pixel to the centre of the other, both ends included.
    virtual void drawLine(Pixel from, Pixel to) = 0;
    // One pixel, whatever the pen.
    virtual void plot(std::int64_t x, std::int64_t y) = 0;
};

} // namespace wyk
