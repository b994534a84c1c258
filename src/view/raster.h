#pragma once

#include <QImage>
#include <cstdint>

namespace wyk {

// A pixel position; 64 bits wide so that positions far outside the picture cannot overflow.
struct Pixel {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// Clips the segment a-b to the box [lo, hi] x [loY, hiY] (Liang-Barsky); false when nothing
// of it lies inside.
bool clipSegment(double& ax, double& ay, double& bx, double& by, double lo, double hi, double loY,
                 double hiY);

// Draws straight into the pixels of a 16-bit picture, clipped to its top-left width x height
// area: whatever the coordinates, only pixels inside the area are touched and no more than
// its width or height in steps are taken per line. Much faster than a QPainter for 1-pixel
// lines.
class Raster {
public:
    Raster(QImage& image, int width, int height); // QImage::Format_RGB16

    void setColor(QRgb color);
    void setPen(int size) { pen_ = size; } // square pen, centred on the line
    void fillRect(Pixel topLeft, int width, int height);
    // The disc inscribed in the size x size box with the given top-left corner.
    void fillDisc(Pixel topLeft, int size);
    // A line including both end points.
    void drawLine(Pixel from, Pixel to);
    // One pixel; nothing when it lies outside the picture.
    void plot(std::int64_t x, std::int64_t y);

private:
    void span(Pixel from, Pixel to);
    void spanWithPen(Pixel from, Pixel to);

    std::uint16_t* bits_;
    std::int64_t stride_; // in pixels
    int width_;
    int height_;
    std::uint16_t color_ = 0;
    int pen_ = 1;
};

} // namespace wyk
