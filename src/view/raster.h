#pragma once

#include "view/flaeche.h"

#include <QImage>
#include <cstdint>
#include <vector>

namespace wyk {

// Clips the segment a-b to the box [lo, hi] x [loY, hiY] (Liang-Barsky); false when nothing
// of it lies inside.
[[nodiscard]] bool clipSegment(double& ax, double& ay, double& bx, double& by, double lo, double hi,
                               double loY, double hiY);

// Draws straight into the pixels of a 16-bit picture, clipped to its top-left width x height
// area: whatever the coordinates, only pixels inside the area are touched and no more than
// its width or height in steps are taken per line. Much faster than a QPainter for 1-pixel
// lines. The calls are collected and drawn by fertig, band of rows after band of rows, each
// band with every call in its order, so that a picture larger than the cache is written while
// its band lies in the cache; each pixel ends as if every call had drawn at once.
class Raster final : public Zeichenflaeche {
public:
    // QImage::Format_RGB16. bandZeilen rows per band; 0 takes bands of about two megabytes,
    // small enough for the cache.
    Raster(QImage& image, int width, int height, int bandZeilen = 0);
    ~Raster() override; // draws what fertig has not
    Raster(const Raster&) = delete;
    Raster& operator=(const Raster&) = delete;

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

    // Draws the calls collected so far into the picture, which shows them only after this.
    void fertig();

private:
    enum class Art : std::uint8_t { Rechteck, Scheibe, Linie, Punkt };
    // One collected call with the colour and pen it was made with.
    struct Auftrag {
        Art art;
        bool quer;
        std::uint16_t color;
        int groesse;       // a line's pen, a rectangle's width, a disc's size
        int hoehe;         // a rectangle's height
        Pixel a;           // a line's first end, else the top-left corner or the pixel
        Pixel b;           // a line's last end, both inside the area widened by the pen's reach
        std::int64_t oben; // the rows the call can touch, both included
        std::int64_t unten;
    };

    // The calls drawn into the band of rows [oben_, unten_).
    void rechteck(Pixel topLeft, std::int64_t width, std::int64_t height, std::uint16_t color);
    void scheibe(const Auftrag& a);
    void punkt(std::int64_t x, std::int64_t y, std::uint16_t color);
    void linie(const Auftrag& a);

    std::uint16_t* bits_;
    std::int64_t stride_; // in pixels
    int width_;
    int height_;
    std::uint16_t color_ = 0;
    int pen_ = 1;
    bool quer_ = false;
    std::int64_t bandZeilen_;
    std::vector<Auftrag> auftraege_;
    std::int64_t oben_ = 0;
    std::int64_t unten_ = 0;
};

} // namespace wyk
