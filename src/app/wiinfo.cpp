#include "app/wiinfo.h"

#include "app/einzelfenster.h"
#include "app/platzieren.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace wyk {

WIInfo::WIInfo(Resources& ressourcen) {
    Layout();
    CreateControls(ressourcen);
}

void WIInfo::Layout() {
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlags(kFensterRahmen);
    setFixedSize(238, 315);
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    weiss.setColor(QPalette::WindowText, Qt::black);
    setPalette(weiss);
    setAutoFillBackground(true);
}

void WIInfo::CreateControls(Resources& ressourcen) {
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    platzieren(ok, "PushButton1", QRect(85, 275, 69, 20));
    QFont schrift = ok->font();
    schrift.setPixelSize(12);
    ok->setFont(schrift);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &WIInfo::close);
    text(QStringLiteral("WYK-Viewer"), "StaticText1", QRect(52, 224, 131, 20), 16, true,
         Qt::AlignHCenter);
    text(QStringLiteral("Version %1").arg(QStringLiteral(WYK_VERSION)), "StaticText2",
         QRect(52, 248, 134, 20), 12, false, Qt::AlignHCenter);
    bild(ressourcen.picture(kBildLogo), "ImageWell1", QRect(39, 52, 160, 160), Qt::AlignCenter);
    autoren(text(QStringLiteral("© 2026 WYK-Viewer-Team"), "StaticText3", QRect(146, 295, 92, 20),
                 9, false, Qt::AlignLeft));
    bild(ressourcen.picture(kBildFarbfaecher), "Canvas1", QRect(0, 0, 100, 50), Qt::AlignLeft | Qt::AlignTop);
}

void WIInfo::bild(const QImage& bild, const char* name, const QRect& wo,
                  Qt::Alignment ausrichtung) {
    auto* label = new QLabel(this);
    label->setPixmap(QPixmap::fromImage(bild));
    label->setAlignment(ausrichtung);
    platzieren(label, name, wo);
}

// The authors' line ends at the window's right edge; where it is longer than its place it
// reaches further to the left, so that it shows in full.
void WIInfo::autoren(QLabel* zeile) {
    const int noetig = zeile->fontMetrics().horizontalAdvance(zeile->text()) + 2;
    if (noetig > zeile->width()) {
        const QRect platz = zeile->geometry();
        zeile->setGeometry(platz.right() + 1 - noetig, platz.top(), noetig, platz.height());
    }
}

// A single line in the given pixel size, black on the window's white.
QLabel* WIInfo::text(const QString& text, const char* name, const QRect& wo, int groesse, bool fett,
                     Qt::Alignment ausrichtung) {
    auto* label = new QLabel(text, this);
    QFont schrift = label->font();
    schrift.setPixelSize(groesse);
    schrift.setBold(fett);
    label->setFont(schrift);
    label->setAlignment(ausrichtung | Qt::AlignVCenter);
    platzieren(label, name, wo);
    return label;
}

} // namespace wyk
