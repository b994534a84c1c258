#include "app/canvas.h"

#include "app/bildkopie.h"
#include "view/interaction.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <utility>

namespace wyk {

namespace {

// One notch of a wheel, in the eighths of a degree that QWheelEvent reports.
constexpr int kRaste = 120;

// The focus ring: kRing pixels wide, kLuecke pixels away from the drawing.
constexpr int kRing = 2;
constexpr int kLuecke = 1;

} // namespace

// The ring around the focused canvas: a sibling below it that paints only its frame and lets
// every mouse event through.
class Fokusring : public QWidget {
public:
    explicit Fokusring(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor farbe = palette().color(QPalette::Highlight);
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), kRing), farbe);
        painter.fillRect(QRect(r.left(), r.bottom() - kRing + 1, r.width(), kRing), farbe);
        painter.fillRect(QRect(r.left(), r.top(), kRing, r.height()), farbe);
        painter.fillRect(QRect(r.right() - kRing + 1, r.top(), kRing, r.height()), farbe);
    }
};

Canvas::Canvas(const QImage& bild, QWidget* parent)
    : QWidget(parent), bild_(bild), ring_(new Fokusring(parent)) {
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted from the picture, so the background need not be cleared first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void Canvas::focusInEvent(QFocusEvent* event) {
    ringFolgen();
    ring_->show();
    QWidget::focusInEvent(event);
}

void Canvas::focusOutEvent(QFocusEvent* event) {
    ring_->hide();
    QWidget::focusOutEvent(event);
}

void Canvas::moveEvent(QMoveEvent*) {
    ringFolgen();
}

void Canvas::resizeEvent(QResizeEvent*) {
    ringFolgen();
}

void Canvas::ringFolgen() {
    constexpr int kAussen = kRing + kLuecke;
    ring_->setGeometry(geometry().adjusted(-kAussen, -kAussen, kAussen, kAussen));
    ring_->stackUnder(this);
}

// A move to another screen, or a change of the screen's scale, may change the ratio.
bool Canvas::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        || event->type() == QEvent::DevicePixelRatioChange
#endif
    ) {
        dichteFolgen();
    }
    return QWidget::event(event);
}

void Canvas::showEvent(QShowEvent* event) {
    dichteFolgen();
    QWidget::showEvent(event);
}

void Canvas::dichteFolgen() {
    const double dichte = devicePixelRatioF();
    if (dichte != bild_.devicePixelRatio()) {
        emit dichteGeaendert(dichte);
    }
}

// Paints the picture at the density it was drawn at; a picture of another density than the
// screen's shows scaled until the new one is drawn.
void Canvas::paintEvent(QPaintEvent* event) {
#if QT_VERSION < QT_VERSION_CHECK(6, 6, 0)
    // Before Qt 6.6 a new scale of the same screen comes without an event of its own; the paint
    // that follows it is the first to see the new ratio.
    dichteFolgen();
#endif
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
    klickBeginnen(*event);
    ziehenBeginnen(*event);
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    zeigerFolgen(*event);
    ziehenWeiter(*event);
}

// A press of the left or the middle button begins a drag, unless the other button's drag is
// still under way.
void Canvas::ziehenBeginnen(const QMouseEvent& event) {
    const Qt::MouseButton knopf = event.button();
    if ((knopf != Qt::LeftButton && knopf != Qt::MiddleButton) ||
        (knopf != zug_.knopf && (event.buttons() & zug_.knopf) != Qt::NoButton)) {
        return;
    }
    const QPoint p = event.position().toPoint();
    const bool andere = andereBewegung(knopf, event.modifiers());
    zug_ = {knopf, andere, p, !andere || knopf != Qt::LeftButton};
    emit mausRunter(p.x(), p.y());
}

void Canvas::ziehenWeiter(const QMouseEvent& event) {
    if ((event.buttons() & zug_.knopf) == Qt::NoButton) {
        return;
    }
    const QPoint p = event.position().toPoint();
    if (!zug_.unterwegs && (p - zug_.start).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    zug_.unterwegs = true;
    emit mausGezogen(p.x(), p.y(), zug_.andere);
}

// By the mouse the menu opens under the pointer, by a key at the drawing's middle.
void Canvas::contextMenuEvent(QContextMenuEvent* event) {
    const bool maus = event->reason() == QContextMenuEvent::Mouse;
    emit menueGewuenscht(maus ? event->globalPos() : mapToGlobal(rect().center()));
    event->accept();
}

void Canvas::keyPressEvent(QKeyEvent* event) {
    const Zeichnungstaste* taste = zeichnungsTaste(event->key(), event->modifiers());
    if (taste == nullptr) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (taste->wirkung == Tastenwirkung::Menue) {
        emit menueGewuenscht(mapToGlobal(rect().center()));
    } else {
        emit tasteGedrueckt(*taste, event->modifiers());
    }
    event->accept();
}

// A press ends the pointer's rest. A left press alone may become a click; any other button
// ends it.
void Canvas::klickBeginnen(const QMouseEvent& event) {
    emit zeigerWeg();
    klick_.reset();
    if (event.button() == Qt::LeftButton && event.buttons() == Qt::LeftButton) {
        klick_ = event.position().toPoint();
    }
}

// With no button held the pointer's place is reported; a press that moves a drag distance is
// no click any more.
void Canvas::zeigerFolgen(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    if (event.buttons() == Qt::NoButton) {
        emit zeigerBewegt(p.x(), p.y());
    } else if (klick_ && (p - *klick_).manhattanLength() >= QApplication::startDragDistance()) {
        klick_.reset();
    }
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    const std::optional<QPoint> klick = std::exchange(klick_, std::nullopt);
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && klick &&
        (p - *klick).manhattanLength() < QApplication::startDragDistance()) {
        emit geklickt(klick->x(), klick->y(), (event->modifiers() & Qt::ShiftModifier) != 0);
    }
}

void Canvas::leaveEvent(QEvent*) {
    emit zeigerWeg();
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
