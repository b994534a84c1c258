#pragma once

#include "platform/resources.h"

#include <QDialog>

class QLabel;

namespace wyk {

// The about window: logo, title, version and authors; "OK" closes it.
class WIInfo : public QDialog {
    Q_OBJECT

public:
    explicit WIInfo(Resources& ressourcen);

private:
    void Layout();
    void CreateControls(Resources& ressourcen);
    void bild(const QImage& bild, const char* name, const QRect& wo, Qt::Alignment ausrichtung);
    QLabel* text(const QString& text, const char* name, const QRect& wo, int groesse, bool fett,
                 Qt::Alignment ausrichtung);
    static void autoren(QLabel* zeile);
};

} // namespace wyk
