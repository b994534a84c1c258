#include "view/projection.h"

#include "platform/numbers.h"
#include "view/renderer.h"

#include <cmath>

namespace wyk {

void rotation2(Module1& m) {
    m.basis = basisBei(m, static_cast<double>(m.zoomfaktor));
}

Basis basisBei(const Module1& m, double massstab) {
    return basisBei(m.rotwinkel, massstab);
}

Basis basisBei(const std::array<double, 4>& rotwinkel, double massstab) {
    const double z = massstab;
    const double s1 = std::sin(rotwinkel[1]);
    const double c1 = std::cos(rotwinkel[1]);
    const double s3 = std::sin(rotwinkel[3]);
    const double c3 = std::cos(rotwinkel[3]);
    Basis basis{};
    basis[1][1] = z * c3;
    basis[1][2] = -(z * s1 * s3);
    basis[2][1] = -(z * s3);
    basis[2][2] = -(z * s1 * c3);
    basis[3][1] = 0.0;
    basis[3][2] = -(z * c1);
    return basis;
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
