#pragma once

#include <QTimer>
#include <QWidget>

namespace wyk {

// A pair of small arrow buttons, up above down. A press on one reports it at once and, while
// the button is held, repeats it. Takes no focus.
class UpDownArrows : public QWidget {
    Q_OBJECT

public:
    explicit UpDownArrows(QWidget* parent);

signals:
    void up();
    void down();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Pfeil { Keiner, Auf, Ab };

    QRect feld(Pfeil pfeil) const;
    void melden();

    Pfeil gedrueckt_ = Pfeil::Keiner;
    QTimer wiederholen_;
};

} // namespace wyk
