#pragma once

#include "view/ansichten.h"

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace wyk {

class Fokusring;

// The drawing canvas: paints the off-screen picture from its top-left corner, one picture pixel
// to one device pixel at the picture's device pixel ratio, and reports the presses and drags
// of the left and the middle mouse button and the wheel in the canvas's own (logical) pixels;
// a drag tells whether it does the other motion (andereBewegung). A press of the left button
// with Shift becomes a drag only once the pointer has left the system's drag distance, so
// that such a click stays a click; the drag then counts from the press. The right button and
// the keys of kZeichnungsTasten that open the menu ask for the context menu; its other keys,
// pressed as their rows allow, it reports with their rows, and any other key goes to its
// parent. When it comes to show on a screen of another device pixel ratio than the picture's,
// it asks for a new drawing at that ratio. Takes the focus by Tab or a click and shows it by a
// ring around its area, drawn on its parent: the drawing's own pixels are the same with and
// without the focus. It follows the pointer while no button is held and tells where it rests
// and when it leaves; a left press and release that moved less than the desktop's drag
// distance is a click, reported at the press's place with whether Shift was held.
class Canvas : public QWidget {
    Q_OBJECT

public:
    Canvas(const QImage& bild, QWidget* parent);

signals:
    void mausRunter(int x, int y);
    void mausGezogen(int x, int y, bool andere);
    // The context menu is asked for, to open at that place on the screen.
    void menueGewuenscht(QPoint wo);
    // Whole wheel notches; positive when the wheel turns towards the user.
    void mausRad(int delta);
    // A key of the drawing, its row of kZeichnungsTasten and the modifiers held.
    void tasteGedrueckt(const wyk::Zeichnungstaste& taste, Qt::KeyboardModifiers mods);
    // The drawing is wanted anew at this device pixel ratio.
    void dichteGeaendert(double dichte);
    void zeigerBewegt(int x, int y);
    void zeigerWeg();
    void geklickt(int x, int y, bool umschalt);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ringFolgen();
    void dichteFolgen();
    void ziehenBeginnen(const QMouseEvent& event);
    void ziehenWeiter(const QMouseEvent& event);

    // The drag under way: the button that began it (none before the first), whether it does
    // the other motion, where it began, and whether it moves the view yet.
    struct Zug {
        Qt::MouseButton knopf = Qt::NoButton;
        bool andere = false;
        QPoint start;
        bool unterwegs = false;
    };
    void klickBeginnen(const QMouseEvent& event);
    void zeigerFolgen(const QMouseEvent& event);

    const QImage& bild_;
    Fokusring* ring_;
    QImage puffer_;            // the picture in the screen's 32-bit format, painted from
    std::int64_t radRest_ = 0; // eighths of a degree not yet given out as a notch
    Zug zug_;
    std::optional<QPoint> klick_; // a left press that has not yet moved a drag distance
};

} // namespace wyk
