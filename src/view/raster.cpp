#include "view/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace wyk {

namespace {

// One pixel in 32.32 fixed point.
constexpr std::int64_t kEins = std::int64_t{1} << 32;

std::uint16_t to16(QRgb color) {
    return static_cast<std::uint16_t>(((qRed(color) >> 3) << 11) | ((qGreen(color) >> 2) << 5) |
                                      (qBlue(color) >> 3));
}

// floor(a / b) and ceil(a / b) for b > 0.
std::int64_t abgerundet(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((b - 1 - a) / b);
}
std::int64_t aufgerundet(std::int64_t a, std::int64_t b) {
    return -abgerundet(-a, b);
}

// Writes count runs of N pixels (n when N is 0), one per step of a line, without a test per
// pixel: the caller has kept every run inside the picture. The line's middle across it is
// minor + k * slope in 32.32 fixed point at step k.
// Runs down the columns of a line that runs more across than down: the run of step 0 starts
// at p, each step moves R (1 or -1) along the row and, when the middle crosses a pixel, a row
// up or down (stride apart).
template <int N, int R>
void spaltenLaeufe(std::uint16_t* p, std::int64_t count, std::int64_t stride, std::int64_t minor,
                   std::int64_t slope, int n, std::uint16_t color) {
    const int laenge = N > 0 ? N : n;
    std::int64_t mitte = minor >> 32;
    for (; count > 0; --count) {
        for (int i = 0; i < laenge; ++i) {
            p[i * stride] = color;
        }
        p += R;
        minor += slope;
        const std::int64_t next = minor >> 32;
        p += (next - mitte) * stride;
        mitte = next;
    }
}

// The same, moving vor (1 or -1) per step.
template <int N>
void spaltenLaeufe(std::uint16_t* p, std::int64_t count, std::int64_t vor, std::int64_t stride,
                   std::int64_t minor, std::int64_t slope, int n, std::uint16_t color) {
    if (vor > 0) {
        spaltenLaeufe<N, 1>(p, count, stride, minor, slope, n, color);
    } else {
        spaltenLaeufe<N, -1>(p, count, stride, minor, slope, n, color);
    }
}

// Runs along the rows of a line that runs more down than across: the run of step k starts in
// the column minor + k * slope (32.32 fixed point) of zeile, a row that moves vor per step.
template <int N>
void zeilenLaeufe(std::uint16_t* zeile, std::int64_t count, std::int64_t vor, std::int64_t minor,
                  std::int64_t slope, int n, std::uint16_t color) {
    const int laenge = N > 0 ? N : n;
    for (; count > 0; --count, zeile += vor, minor += slope) {
        const std::int64_t x = minor >> 32;
        for (int i = 0; i < laenge; ++i) {
            zeile[x + i] = color;
        }
    }
}

// The steps k in [kLo, kHi] at which a line's middle, minor + k * slope in 32.32 fixed point,
// lies in the pixels lo to hi: one range, as the middle only moves one way; empty when the
// first exceeds the second.
std::pair<std::int64_t, std::int64_t> schritteMitMitte(std::int64_t minor, std::int64_t slope,
                                                       std::int64_t lo, std::int64_t hi,
                                                       std::int64_t kLo, std::int64_t kHi) {
    const std::int64_t unten = lo * kEins - minor;          // k * slope at least this
    const std::int64_t oben = (hi + 1) * kEins - 1 - minor; // and at most this
    if (slope > 0) {
        return {std::max(kLo, aufgerundet(unten, slope)), std::min(kHi, abgerundet(oben, slope))};
    }
    if (slope < 0) {
        return {std::max(kLo, aufgerundet(-oben, -slope)),
                std::min(kHi, abgerundet(-unten, -slope))};
    }
    return unten > 0 || oben < 0 ? std::pair(kLo, kLo - 1) : std::pair(kLo, kHi);
}

} // namespace

bool clipSegment(double& ax, double& ay, double& bx, double& by, double lo, double hi, double loY,
                 double hiY) {
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - lo, hi - ax, ay - loY, hiY - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const double ox = ax;
    const double oy = ay;
    ax = ox + t0 * dx;
    ay = oy + t0 * dy;
    bx = ox + t1 * dx;
    by = oy + t1 * dy;
    return true;
}

Raster::Raster(QImage& image, int width, int height, int bandZeilen)
    : bits_(reinterpret_cast<std::uint16_t*>(image.bits())), stride_(image.bytesPerLine() / 2),
      width_(std::clamp(width, 0, image.width())), height_(std::clamp(height, 0, image.height())),
      bandZeilen_(bandZeilen) {
    if (bandZeilen_ <= 0) {
        // Bands of about two megabytes: they stay in the cache while every call draws into them.
        constexpr std::int64_t kBandBytes = std::int64_t{1} << 21;
        bandZeilen_ =
            std::max<std::int64_t>(1, kBandBytes / std::max<std::int64_t>(1, 2 * stride_));
    }
}

Raster::~Raster() {
    fertig();
}

void Raster::setColor(QRgb color) {
    color_ = to16(color);
}

void Raster::fillRect(Pixel topLeft, int width, int height) {
    auftraege_.push_back({Art::Rechteck,
                          false,
                          color_,
                          width,
                          height,
                          topLeft,
                          {},
                          topLeft.y,
                          topLeft.y + height - 1});
}

void Raster::fillDisc(Pixel topLeft, int size) {
    auftraege_.push_back(
        {Art::Scheibe, false, color_, size, 0, topLeft, {}, topLeft.y, topLeft.y + size - 1});
}

void Raster::plot(std::int64_t x, std::int64_t y) {
    auftraege_.push_back({Art::Punkt, false, color_, 0, 0, {x, y}, {}, y, y});
}

void Raster::drawLine(Pixel from, Pixel to) {
    const auto inside = [this](Pixel p) {
        return p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
    };
    if (pen_ != 1 || !inside(from) || !inside(to)) {
        // Clip to the picture widened by the pen's reach, then draw between the rounded ends.
        const double reach = pen_ / 2;
        double ax = static_cast<double>(from.x);
        double ay = static_cast<double>(from.y);
        double bx = static_cast<double>(to.x);
        double by = static_cast<double>(to.y);
        if (!clipSegment(ax, ay, bx, by, -reach, width_ - 1 + reach, -reach, height_ - 1 + reach)) {
            return;
        }
        from = {std::llround(ax), std::llround(ay)};
        to = {std::llround(bx), std::llround(by)};
    }
    const int vor = (pen_ - 1) / 2; // reach left and up; pen_ / 2 right and down
    auftraege_.push_back({Art::Linie, quer_, color_, pen_, 0, from, to,
                          std::min(from.y, to.y) - vor, std::max(from.y, to.y) + pen_ / 2});
}

void Raster::fertig() {
    for (oben_ = 0; oben_ < height_ && width_ > 0; oben_ += bandZeilen_) {
        unten_ = std::min<std::int64_t>(oben_ + bandZeilen_, height_);
        for (const Auftrag& a : auftraege_) {
            if (a.unten < oben_ || a.oben >= unten_) {
                continue;
            }
            switch (a.art) {
            case Art::Rechteck:
                rechteck(a.a, a.groesse, a.hoehe, a.color);
                break;
            case Art::Scheibe:
                scheibe(a);
                break;
            case Art::Punkt:
                punkt(a.a.x, a.a.y, a.color);
                break;
            case Art::Linie:
                linie(a);
                break;
            }
        }
    }
    auftraege_.clear();
}

void Raster::rechteck(Pixel topLeft, std::int64_t width, std::int64_t height, std::uint16_t color) {
    const std::int64_t left = std::max<std::int64_t>(topLeft.x, 0);
    const std::int64_t top = std::max(topLeft.y, oben_);
    const std::int64_t right = std::min<std::int64_t>(topLeft.x + width, width_);
    const std::int64_t bottom = std::min(topLeft.y + height, unten_);
    if (left >= right) {
        return;
    }
    for (std::int64_t y = top; y < bottom; ++y) {
        std::fill(bits_ + y * stride_ + left, bits_ + y * stride_ + right, color);
    }
}

void Raster::scheibe(const Auftrag& a) {
    // Row j holds the pixels whose centres lie inside the inscribed circle.
    const int size = a.groesse;
    const int ab = static_cast<int>(std::clamp<std::int64_t>(oben_ - a.a.y, 0, size));
    const int bis = static_cast<int>(std::clamp<std::int64_t>(unten_ - a.a.y, 0, size));
    for (int j = ab; j < bis; ++j) {
        const int v = 2 * j + 1 - size;
        int first = 0;
        while (first < size &&
               (2 * first + 1 - size) * (2 * first + 1 - size) + v * v > size * size) {
            ++first;
        }
        rechteck({a.a.x + first, a.a.y + j}, size - 2 * first, 1, a.color);
    }
}

void Raster::punkt(std::int64_t x, std::int64_t y, std::uint16_t color) {
    if (x >= 0 && y >= oben_ && x < width_ && y < unten_) {
        bits_[y * stride_ + x] = color;
    }
}

// Steps along the longer axis and rounds the other coordinate, in 32.32 fixed point; a pen
// wider than one pixel is a square on each step or a run across the line.
void Raster::linie(const Auftrag& a) {
    const Pixel from = a.a;
    const Pixel to = a.b;
    const int pen = a.groesse;
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = alongX ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t major = alongX ? (dx < 0 ? -1 : 1) : (dy < 0 ? -1 : 1);
    const std::int64_t slope = steps == 0 ? 0 : (alongX ? dy : dx) * kEins / steps;
    const std::int64_t minor = (alongX ? from.y : from.x) * kEins + kEins / 2;
    const std::int64_t along = alongX ? from.x : from.y;
    const int vor = (pen - 1) / 2; // reach left and up; pen / 2 right and down
    const int nach = pen / 2;
    if (pen > 1 && !a.quer) {
        for (std::int64_t k = 0; k <= steps; ++k) {
            const std::int64_t other = (minor + k * slope) >> 32;
            const std::int64_t x = alongX ? along + k * major : other;
            const std::int64_t y = alongX ? other : along + k * major;
            for (int j = -vor; j <= nach; ++j) {
                for (int i = -vor; i <= nach; ++i) {
                    punkt(x + i, y + j, a.color);
                }
            }
        }
        return;
    }
    // One run across the line per step (a single pixel for a pen of 1): down a column or along
    // a row. Only the steps that reach the band are taken; those whose whole run lies in it go
    // without a test per pixel, the others (a line leaving the area or the band) are cut.
    const std::int64_t alongLo = alongX ? 0 : oben_;
    const std::int64_t alongHi = alongX ? width_ - 1 : unten_ - 1;
    const std::int64_t minorLo = alongX ? oben_ : 0;
    const std::int64_t minorHi = alongX ? unten_ - 1 : width_ - 1;
    const std::int64_t quer = alongX ? stride_ : 1;
    // The middle runs from one end's row or column to the other's, so a line whose ends with
    // the pen's reach lie inside has every run inside.
    const bool ganz = std::min(from.x, to.x) - vor >= 0 && std::max(from.x, to.x) + nach < width_ &&
                      a.oben >= oben_ && a.unten < unten_;
    const std::int64_t kLo =
        std::max<std::int64_t>(major > 0 ? alongLo - along : along - alongHi, 0);
    const std::int64_t kHi = std::min(major > 0 ? alongHi - along : along - alongLo, steps);
    const auto [t0, t1] =
        ganz ? std::pair<std::int64_t, std::int64_t>(0, steps)
             : schritteMitMitte(minor, slope, minorLo - nach, minorHi + vor, kLo, kHi);
    const auto [f0, f1] =
        ganz ? std::pair(t0, t1)
             : schritteMitMitte(minor, slope, minorLo + vor, minorHi - nach, kLo, kHi);
    const std::uint16_t color = a.color;
    const auto geschnitten = [&](std::int64_t von, std::int64_t bis) {
        for (std::int64_t k = von; k <= bis; ++k) {
            const std::int64_t hier = along + k * major;
            const std::int64_t mitte = (minor + k * slope) >> 32;
            const std::int64_t erste = std::max(mitte - vor, minorLo);
            const std::int64_t letzte = std::min(mitte + nach, minorHi);
            std::uint16_t* p = bits_ + (alongX ? hier : hier * stride_) + erste * quer;
            for (std::int64_t i = erste; i <= letzte; ++i, p += quer) {
                *p = color;
            }
        }
    };
    if (f0 > f1) {
        geschnitten(t0, t1);
        return;
    }
    geschnitten(t0, f0 - 1);
    const std::int64_t hier = along + f0 * major;
    const std::int64_t m = minor + f0 * slope;
    const std::int64_t count = f1 - f0 + 1;
    const int laenge = vor + nach + 1;
    if (alongX) {
        std::uint16_t* p = bits_ + hier + ((m >> 32) - vor) * stride_;
        switch (laenge) {
        case 1:
            spaltenLaeufe<1>(p, count, major, stride_, m, slope, laenge, color);
            break;
        case 2:
            spaltenLaeufe<2>(p, count, major, stride_, m, slope, laenge, color);
            break;
        case 3:
            spaltenLaeufe<3>(p, count, major, stride_, m, slope, laenge, color);
            break;
        default:
            spaltenLaeufe<0>(p, count, major, stride_, m, slope, laenge, color);
            break;
        }
    } else {
        std::uint16_t* zeile = bits_ + hier * stride_;
        const std::int64_t links = m - vor * kEins; // the run's first column in 32.32
        const std::int64_t vorwaerts = major * stride_;
        switch (laenge) {
        case 1:
            zeilenLaeufe<1>(zeile, count, vorwaerts, links, slope, laenge, color);
            break;
        case 2:
            zeilenLaeufe<2>(zeile, count, vorwaerts, links, slope, laenge, color);
            break;
        case 3:
            zeilenLaeufe<3>(zeile, count, vorwaerts, links, slope, laenge, color);
            break;
        default:
            zeilenLaeufe<0>(zeile, count, vorwaerts, links, slope, laenge, color);
            break;
        }
    }
    geschnitten(f1 + 1, t1);
}

} // namespace wyk
