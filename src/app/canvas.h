#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace wyk {

// The drawing canvas: paints the off-screen picture unscaled from its top-left corner and
// reports the left mouse button's presses and drags and the wheel. Takes no focus.
class Canvas : public QWidget {
    Q_OBJECT

public:
    Canvas(const QImage& bild, QWidget* parent);

signals:
    void mausRunter(int x, int y);
    void mausGezogen(int x, int y);
    // Whole wheel notches; positive when the wheel turns towards the user.
    void mausRad(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const QImage& bild_;
    QImage puffer_;            // the picture in the screen's 32-bit format, painted from
    std::int64_t radRest_ = 0; // eighths of a degree not yet given out as a notch
};

} // namespace wyk
