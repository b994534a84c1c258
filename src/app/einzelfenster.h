#pragma once

#include "app/platzieren.h"

#include <QPointer>
#include <QWidget>

namespace wyk {

// The title bar every window of the program has: close and minimise buttons, no maximise.
constexpr Qt::WindowFlags kFensterRahmen = Qt::Window | Qt::CustomizeWindowHint |
                                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Whether the one window of a kind is open.
template <class Fenster> bool offen(const QPointer<Fenster>& fenster) {
    return fenster && fenster->isVisible();
}

// Shows the one window of a kind: the open one comes to the front as it is; when none is
// open, machen() creates a new one, kept wholly on its screen (aufSchirmHalten, before it
// shows and once its frame is known), which is destroyed when it closes.
template <class Fenster, class Machen> Fenster& zeigen(QPointer<Fenster>& fenster, Machen machen) {
    if (!offen(fenster)) {
        delete fenster.data(); // closed, its deletion still pending
        fenster = machen();
        aufSchirmHalten(*fenster);
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        fenster->show();
        aufSchirmHalten(*fenster);
    } else {
        if (fenster->isMinimized()) {
            fenster->showNormal();
        }
        fenster->raise();
    }
    fenster->activateWindow();
    return *fenster;
}

} // namespace wyk
