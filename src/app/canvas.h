#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace wyk {

class Fokusring;

// The drawing canvas: paints the off-screen picture from its top-left corner, one picture pixel
// to one device pixel at the picture's device pixel ratio, and reports the left mouse
// button's presses and drags and the wheel in the canvas's own (logical) pixels. When it
// paints on a screen of another device pixel ratio than the picture's, it asks for a new
// drawing at that ratio. Takes the focus by Tab or a click and shows it by a ring around its
// area, drawn on its parent: the drawing's own pixels are the same with and without the
// focus. Its keys reach whoever filters its events.
class Canvas : public QWidget {
    Q_OBJECT

public:
    Canvas(const QImage& bild, QWidget* parent);

    // What the canvas shows: the picture's part under the canvas, in 32-bit colours (the
    // picture is larger than the largest canvas).
    [[nodiscard]] QImage zeichnung() const;

signals:
    void mausRunter(int x, int y);
    void mausGezogen(int x, int y);
    // Whole wheel notches; positive when the wheel turns towards the user.
    void mausRad(int delta);
    void dichteGeaendert(double dichte);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ringFolgen();

    const QImage& bild_;
    Fokusring* ring_;
    QImage puffer_;            // the picture in the screen's 32-bit format, painted from
    std::int64_t radRest_ = 0; // eighths of a degree not yet given out as a notch
};

} // namespace wyk
