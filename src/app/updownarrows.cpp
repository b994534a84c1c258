#include "app/updownarrows.h"

#include <QPainter>
#include <QStyleOption>

namespace wyk {

namespace {

constexpr int kErsteWiederholungMs = 400;
constexpr int kWiederholungMs = 60;

// One arrow: a bevelled button, sunken while held, reporting each press and repeat.
class Pfeil : public QAbstractButton {
public:
    Pfeil(bool aufwaerts, const QString& name, QWidget* parent)
        : QAbstractButton(parent), aufwaerts_(aufwaerts) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(name);
        setAutoRepeat(true);
        setAutoRepeatDelay(kErsteWiederholungMs);
        setAutoRepeatInterval(kWiederholungMs);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
        option.rect.adjust(2, 2, -2, -2);
        style()->drawPrimitive(aufwaerts_ ? QStyle::PE_IndicatorArrowUp
                                          : QStyle::PE_IndicatorArrowDown,
                               &option, &painter, this);
    }

private:
    bool aufwaerts_;
};

} // namespace

UpDownArrows::UpDownArrows(QWidget* parent)
    : QWidget(parent), auf_(new Pfeil(true, QStringLiteral("Zoom größer"), this)),
      ab_(new Pfeil(false, QStringLiteral("Zoom kleiner"), this)) {
    setFocusPolicy(Qt::NoFocus);
    // pressed comes at the press and at every repeat, not at the release.
    connect(auf_, &QAbstractButton::pressed, this, &UpDownArrows::up);
    connect(ab_, &QAbstractButton::pressed, this, &UpDownArrows::down);
}

void UpDownArrows::resizeEvent(QResizeEvent*) {
    const int mitte = height() / 2;
    auf_->setGeometry(0, 0, width(), mitte);
    ab_->setGeometry(0, mitte, width(), height() - mitte);
}

} // namespace wyk
