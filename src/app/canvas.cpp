#include "app/canvas.h"

#include "app/bildkopie.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace wyk {

namespace {

// One notch of a wheel, in the eighths of a degree that QWheelEvent reports.
constexpr int kRaste = 120;

} // namespace

Canvas::Canvas(const QImage& bild, QWidget* parent) : QWidget(parent), bild_(bild) {
    setFocusPolicy(Qt::NoFocus);
    // Every pixel is painted from the picture, so the background need not be cleared first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect bereich = event->rect();
    if (!bild_.rect().contains(bereich)) {
        painter.fillRect(bereich, Qt::black);
    }
    const QRect aus = bereich.intersected(bild_.rect());
    if (aus.isEmpty()) {
        return;
    }
    if (bild_.format() == QImage::Format_RGB16) {
        alsRgb32(bild_, aus, puffer_);
        painter.drawImage(aus.topLeft(), puffer_, QRect(QPoint(0, 0), aus.size()));
    } else {
        painter.drawImage(aus.topLeft(), bild_, aus);
    }
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        emit mausRunter(p.x(), p.y());
    }
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) != 0) {
        const QPoint p = event->position().toPoint();
        emit mausGezogen(p.x(), p.y());
    }
}

void Canvas::wheelEvent(QWheelEvent* event) {
    // Touchpads report fractions of a notch: they add up until a whole notch is reached.
    radRest_ += event->angleDelta().y();
    const std::int64_t rasten = radRest_ / kRaste;
    radRest_ -= rasten * kRaste;
    if (rasten != 0) {
        emit mausRad(static_cast<int>(-rasten));
    }
    event->accept();
}

} // namespace wyk
