#pragma once

#include "view/flaeche.h"

#include <QImage>
#include <cstdint>

namespace wyk {

// Clips the segment a-b to the box [lo, hi] x [loY, hiY] (Liang-Barsky); false when nothing
// of it lies inside.
[[nodiscard]] bool clipSegment(double& ax, double& ay, double& bx, double& by, double lo, double hi,
                               double loY, double hiY);

// Draws straight into the pixels of a 16-bit picture, clipped to its top-left width x height
// area: whatever the coordinates, only pixels inside the area are touched and no more than
// its width or height in steps are taken per line. Much faster than a QPainter for 1-pixel
// lines.
class Raster final : public Zeichenflaeche {
public:
    Raster(QImage& image, int width, int height); // QImage::Format_RGB16

    void setColor(QRgb color) override;
    void setPen(int size, Stift art) override {
        pen_ = size;
        quer_ = art == Stift::Quer;
    }
    void fillRect(Pixel topLeft, int width, int height) override;
    void fillDisc(Pixel topLeft, int size) override;
    void drawLine(Pixel from, Pixel to) override;
    // Nothing when the pixel lies outside the picture.
    void plot(std::int64_t x, std::int64_t y) override;

private:
    void span(Pixel from, Pixel to);
    void spanWithPen(Pixel from, Pixel to);
    void querLaeufe(bool alongX, std::int64_t steps, std::int64_t along, std::int64_t major,
                    std::int64_t minor, std::int64_t slope);

    std::uint16_t* bits_;
    std::int64_t stride_; // in pixels
    int width_;
    int height_;
    std::uint16_t color_ = 0;
    int pen_ = 1;
    bool quer_ = false;
};

} // namespace wyk
