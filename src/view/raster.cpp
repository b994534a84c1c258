#include "view/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

// Writes count runs of N pixels (n when N is 0), quer apart in memory, from p on: after each
// run p moves vor along the line and, when the line's middle in 32.32 fixed point crosses a
// pixel, quer across it. No test per pixel: the caller has kept every run inside the picture.
template <int N>
void laeufe(std::uint16_t* p, std::int64_t count, std::int64_t vor, std::int64_t quer,
            std::int64_t minor, std::int64_t slope, int n, std::uint16_t color) {
    const int laenge = N > 0 ? N : n;
    std::int64_t mitte = minor >> 32;
    for (std::int64_t k = 0; k < count; ++k) {
        for (int i = 0; i < laenge; ++i) {
            p[i * quer] = color;
        }
        p += vor;
        minor += slope;
        const std::int64_t next = minor >> 32;
        p += (next - mitte) * quer;
        mitte = next;
    }
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

Raster::Raster(QImage& image, int width, int height)
    : bits_(reinterpret_cast<std::uint16_t*>(image.bits())), stride_(image.bytesPerLine() / 2),
      width_(std::clamp(width, 0, image.width())), height_(std::clamp(height, 0, image.height())) {}

void Raster::setColor(QRgb color) {
    color_ = to16(color);
}

void Raster::fillRect(Pixel topLeft, int width, int height) {
    const std::int64_t left = std::max<std::int64_t>(topLeft.x, 0);
    const std::int64_t top = std::max<std::int64_t>(topLeft.y, 0);
    const std::int64_t right = std::min<std::int64_t>(topLeft.x + width, width_);
    const std::int64_t bottom = std::min<std::int64_t>(topLeft.y + height, height_);
    if (left >= right) {
        return;
    }
    const std::uint16_t color = color_; // a local, so the stores cannot alias it
    for (std::int64_t y = top; y < bottom; ++y) {
        std::fill(bits_ + y * stride_ + left, bits_ + y * stride_ + right, color);
    }
}

void Raster::fillDisc(Pixel topLeft, int size) {
    // Row j holds the pixels whose centres lie inside the inscribed circle.
    for (int j = 0; j < size; ++j) {
        const int v = 2 * j + 1 - size;
        int first = 0;
        while (first < size &&
               (2 * first + 1 - size) * (2 * first + 1 - size) + v * v > size * size) {
            ++first;
        }
        fillRect({topLeft.x + first, topLeft.y + j}, size - 2 * first, 1);
    }
}

void Raster::plot(std::int64_t x, std::int64_t y) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        bits_[y * stride_ + x] = color_;
    }
}

void Raster::drawLine(Pixel from, Pixel to) {
    const auto inside = [this](Pixel p) {
        return p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
    };
    if (pen_ == 1 && inside(from) && inside(to)) {
        span(from, to);
        return;
    }
    // Clip to the picture widened by the pen's reach, then draw between the rounded ends.
    const double reach = pen_ / 2;
    double ax = static_cast<double>(from.x);
    double ay = static_cast<double>(from.y);
    double bx = static_cast<double>(to.x);
    double by = static_cast<double>(to.y);
    if (!clipSegment(ax, ay, bx, by, -reach, width_ - 1 + reach, -reach, height_ - 1 + reach)) {
        return;
    }
    span({std::llround(ax), std::llround(ay)}, {std::llround(bx), std::llround(by)});
}

// Steps along the longer axis and rounds the other coordinate, in 32.32 fixed point.
void Raster::span(Pixel from, Pixel to) {
    if (pen_ != 1) {
        spanWithPen(from, to);
        return;
    }
    // Both ends lie inside the picture here (drawLine clipped them), so no test per pixel.
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    const std::uint16_t color = color_; // a local, so the stores cannot alias it
    std::uint16_t* row = bits_ + from.y * stride_;
    if (std::llabs(dx) >= std::llabs(dy)) {
        const std::int64_t steps = std::llabs(dx);
        const std::int64_t stepX = dx < 0 ? -1 : 1;
        const std::int64_t slope = steps == 0 ? 0 : dy * kEins / steps;
        std::int64_t y = from.y;
        std::int64_t minor = y * kEins + kEins / 2;
        for (std::int64_t k = 0, x = from.x; k <= steps; ++k, x += stepX) {
            row[x] = color;
            minor += slope;
            const std::int64_t next = minor >> 32;
            row += (next - y) * stride_;
            y = next;
        }
        return;
    }
    const std::int64_t steps = std::llabs(dy);
    const std::int64_t stepRow = dy < 0 ? -stride_ : stride_;
    const std::int64_t slope = dx * kEins / steps;
    std::int64_t minor = from.x * kEins + kEins / 2;
    for (std::int64_t k = 0; k <= steps; ++k, row += stepRow, minor += slope) {
        row[minor >> 32] = color;
    }
}

// The same line for a pen wider than one pixel, cut to the area.
void Raster::spanWithPen(Pixel from, Pixel to) {
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = alongX ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t major = alongX ? (dx < 0 ? -1 : 1) : (dy < 0 ? -1 : 1);
    const std::int64_t slope = steps == 0 ? 0 : (alongX ? dy : dx) * kEins / steps;
    std::int64_t minor = (alongX ? from.y : from.x) * kEins + kEins / 2;
    std::int64_t along = alongX ? from.x : from.y;
    const int vor = (pen_ - 1) / 2; // reach left and up; pen_ / 2 right and down
    if (quer_) {
        querLaeufe(alongX, steps, along, major, minor, slope);
        return;
    }
    for (std::int64_t k = 0; k <= steps; ++k, along += major, minor += slope) {
        const std::int64_t other = minor >> 32;
        const std::int64_t x = alongX ? along : other;
        const std::int64_t y = alongX ? other : along;
        for (int j = -vor; j <= pen_ / 2; ++j) {
            for (int i = -vor; i <= pen_ / 2; ++i) {
                plot(x + i, y + j);
            }
        }
    }
}

// The runs across the line of a pen wider than one pixel, steps 0 to steps from along and
// minor on. The steps whose whole run lies inside the area go without a test per pixel; only
// those before and after them (a line leaving the area, at most the pen's reach beyond it) are
// cut pixel by pixel.
void Raster::querLaeufe(bool alongX, std::int64_t steps, std::int64_t along, std::int64_t major,
                        std::int64_t minor, std::int64_t slope) {
    const std::uint16_t color = color_; // a local, so the stores cannot alias it
    const int vor = (pen_ - 1) / 2;     // reach left and up; pen_ / 2 right and down
    const std::int64_t letzte = alongX ? height_ - 1 : width_ - 1;
    const std::int64_t grenze = alongX ? width_ : height_;
    const std::int64_t schritt = alongX ? stride_ : 1;
    // One run per step, cut to the area: down a column or along a row.
    const auto geschnitten = [&](std::int64_t von, std::int64_t bis) {
        for (std::int64_t k = von; k <= bis; ++k) {
            const std::int64_t a = along + k * major;
            const std::int64_t mitte = (minor + k * slope) >> 32;
            if (a < 0 || a >= grenze) {
                continue;
            }
            const std::int64_t erste = std::max<std::int64_t>(mitte - vor, 0);
            const std::int64_t letzteHier = std::min<std::int64_t>(mitte + pen_ / 2, letzte);
            std::uint16_t* p = bits_ + (alongX ? a : a * stride_) + erste * schritt;
            for (std::int64_t i = erste; i <= letzteHier; ++i, p += schritt) {
                *p = color;
            }
        }
    };
    // The steps whose run lies inside: along in [0, grenze), the run's middle in [lo, hi].
    std::int64_t k0 = major > 0 ? -along : along - (grenze - 1);
    std::int64_t k1 = major > 0 ? grenze - 1 - along : along;
    const std::int64_t lo = vor;
    const std::int64_t hi = letzte - pen_ / 2;
    const std::int64_t unten = lo * kEins - minor;             // k * slope at least this
    const std::int64_t oben = (hi + 1) * kEins - 1 - minor;    // and at most this
    if (slope > 0) {
        k0 = std::max(k0, aufgerundet(unten, slope));
        k1 = std::min(k1, abgerundet(oben, slope));
    } else if (slope < 0) {
        k0 = std::max(k0, aufgerundet(-oben, -slope));
        k1 = std::min(k1, abgerundet(-unten, -slope));
    } else if (unten > 0 || oben < 0) {
        k1 = -1;
    }
    k0 = std::max<std::int64_t>(k0, 0);
    k1 = std::min(k1, steps);
    if (k0 > k1) {
        geschnitten(0, steps);
        return;
    }
    geschnitten(0, k0 - 1);
    const std::int64_t a = along + k0 * major;
    const std::int64_t m = minor + k0 * slope;
    std::uint16_t* p = bits_ + (alongX ? a : a * stride_) + ((m >> 32) - vor) * schritt;
    const std::int64_t vorwaerts = alongX ? major : major * stride_;
    const std::int64_t count = k1 - k0 + 1;
    switch (pen_) {
    case 2:
        laeufe<2>(p, count, vorwaerts, schritt, m, slope, pen_, color);
        break;
    case 3:
        laeufe<3>(p, count, vorwaerts, schritt, m, slope, pen_, color);
        break;
    default:
        laeufe<0>(p, count, vorwaerts, schritt, m, slope, pen_, color);
        break;
    }
    geschnitten(k1 + 1, steps);
}

} // namespace wyk
