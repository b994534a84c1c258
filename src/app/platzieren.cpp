#include "app/platzieren.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace wyk {

void platzieren(QWidget* control, const char* name, const QRect& wo, const QWidget* bezug) {
    control->setObjectName(QString::fromLatin1(name));
    const QPoint ecke =
        bezug != nullptr ? control->parentWidget()->mapTo(bezug, QPoint(0, 0)) : QPoint();
    control->setGeometry(wo.translated(-ecke));
}

namespace {

// wert brought into lo..hi; lo where hi lies below it.
int innerhalb(int wert, int lo, int hi) {
    return std::max(lo, std::min(wert, hi));
}

} // namespace

void aufSchirmHalten(QWidget& fenster) {
    const QRect rahmen = fenster.frameGeometry();
    const QScreen* schirm = QGuiApplication::screenAt(rahmen.center());
    if (schirm == nullptr) {
        schirm = fenster.screen();
    }
    const QRect frei = schirm->availableGeometry();
    QSize zusatz = rahmen.size() - fenster.size();
    if (!fenster.isVisible() && zusatz.isNull()) {
        zusatz.setHeight(fenster.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    }
    const QSize groesse =
        fenster.size().boundedTo(frei.size() - zusatz).expandedTo(fenster.minimumSize());
    if (groesse != fenster.size()) {
        fenster.resize(groesse);
    }
    const QSize aussen = groesse + zusatz;
    const QPoint ecke(innerhalb(rahmen.left(), frei.left(), frei.right() + 1 - aussen.width()),
                      innerhalb(rahmen.top(), frei.top(), frei.bottom() + 1 - aussen.height()));
    if (fenster.testAttribute(Qt::WA_Moved) && ecke != rahmen.topLeft()) {
        fenster.move(ecke);
    }
}

} // namespace wyk
