#include "app/canvas.h"

#include "app/bildkopie.h"

#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

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
    const double dichte = devicePixelRatioF();
    if (dichte != bild_.devicePixelRatio()) {
        // Another screen or scale: the picture is drawn anew at this density once the paint is
        // done, and meanwhile shown scaled.
        QMetaObject::invokeMethod(this, [this, dichte] { emit dichteGeaendert(dichte); },
                                  Qt::QueuedConnection);
    }
    QPainter painter(this);
    const QRectF bereich = event->rect();
    const double bildDichte = bild_.devicePixelRatio();
    // The device pixels of the picture under the area asked for.
    const QRect geraet =
        QRect(QPoint(static_cast<int>(std::floor(bereich.left() * bildDichte)),
                     static_cast<int>(std::floor(bereich.top() * bildDichte))),
              QPoint(static_cast<int>(std::ceil(bereich.right() * bildDichte)) - 1,
                     static_cast<int>(std::ceil(bereich.bottom() * bildDichte)) - 1));
    if (!bild_.rect().contains(geraet)) {
        painter.fillRect(bereich, Qt::black);
    }
    const QRect aus = geraet.intersected(bild_.rect());
    if (aus.isEmpty()) {
        return;
    }
    const QPointF ziel = QPointF(aus.topLeft()) / bildDichte;
    if (bild_.format() == QImage::Format_RGB16) {
        alsRgb32(bild_, aus, puffer_);
        puffer_.setDevicePixelRatio(bildDichte);
        painter.drawImage(ziel, puffer_, QRect(QPoint(0, 0), aus.size()));
    } else {
        painter.drawImage(ziel, bild_, aus);
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
