#include "view/projection.h"

#include "platform/numbers.h"
#include "view/renderer.h"

#include <cmath>

namespace wyk {

void rotation2(Module1& m) {
    const double z = static_cast<double>(m.zoomfaktor);
    const double s1 = std::sin(m.rotwinkel[1]);
    const double c1 = std::cos(m.rotwinkel[1]);
    const double s3 = std::sin(m.rotwinkel[3]);
    const double c3 = std::cos(m.rotwinkel[3]);
    m.basis[1][1] = z * c3;
    m.basis[1][2] = -(z * s1 * s3);
    m.basis[2][1] = -(z * s3);
    m.basis[2][2] = -(z * s1 * c3);
    m.basis[3][1] = 0.0;
    m.basis[3][2] = -(z * c1);
}

Outcome init(Module1& m) {
    m.zebild = QImage(kBildBreite, kBildHoehe, QImage::Format_RGB16);
    if (m.zebild.isNull()) {
        return Outcome::failed(
            QStringLiteral("Für das Bild von %1 x %2 Punkten fehlt der Speicher.")
                .arg(kBildBreite)
                .arg(kBildHoehe));
    }
    m.zebild.fill(Qt::black);
    m.rotwinkel[1] = kStartNeigung;
    m.rotwinkel[3] = kStartDrehung;
    if (m.fenster.zoomTextSetzen) {
        m.fenster.zoomTextSetzen(Str(m.zoomfaktor));
    }
    rotation2(m);
    zeichnen(m);
    return Outcome::done();
}

} // namespace wyk
