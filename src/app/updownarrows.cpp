#include "app/updownarrows.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace wyk {

namespace {

constexpr int kErsteWiederholungMs = 400;
constexpr int kWiederholungMs = 60;

} // namespace

UpDownArrows::UpDownArrows(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    connect(&wiederholen_, &QTimer::timeout, this, [this] {
        wiederholen_.setInterval(kWiederholungMs);
        melden();
    });
}

QRect UpDownArrows::feld(Pfeil pfeil) const {
    const int mitte = height() / 2;
    return pfeil == Pfeil::Auf ? QRect(0, 0, width(), mitte)
                               : QRect(0, mitte, width(), height() - mitte);
}

void UpDownArrows::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Pfeil pfeil : {Pfeil::Auf, Pfeil::Ab}) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = feld(pfeil);
        if (pfeil == gedrueckt_) {
            option.state |= QStyle::State_Sunken;
        } else {
            option.state |= QStyle::State_Raised;
        }
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
        option.rect.adjust(2, 2, -2, -2);
        style()->drawPrimitive(pfeil == Pfeil::Auf ? QStyle::PE_IndicatorArrowUp
                                                   : QStyle::PE_IndicatorArrowDown,
                               &option, &painter, this);
    }
}

void UpDownArrows::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    gedrueckt_ = feld(Pfeil::Auf).contains(event->position().toPoint()) ? Pfeil::Auf : Pfeil::Ab;
    update();
    melden();
    wiederholen_.start(kErsteWiederholungMs);
}

void UpDownArrows::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        wiederholen_.stop();
        gedrueckt_ = Pfeil::Keiner;
        update();
    }
}

void UpDownArrows::melden() {
    if (gedrueckt_ == Pfeil::Auf) {
        emit up();
    } else if (gedrueckt_ == Pfeil::Ab) {
        emit down();
    }
}

} // namespace wyk
