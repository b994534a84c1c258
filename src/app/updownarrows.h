#pragma once

#include <QAbstractButton>
#include <QWidget>

namespace wyk {

// A pair of small arrow buttons, up above down, named for screen readers "Zoom größer" and
// "Zoom kleiner". A press on one reports it at once and, while the button is held, repeats
// it. Neither takes the focus: the zoom field's keys do their work.
class UpDownArrows : public QWidget {
    Q_OBJECT

public:
    explicit UpDownArrows(QWidget* parent);

    QAbstractButton& auf() const { return *auf_; }
    QAbstractButton& ab() const { return *ab_; }

signals:
    void up();
    void down();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QAbstractButton* auf_;
    QAbstractButton* ab_;
};

} // namespace wyk
