#include "export/svg.h"

#include "export/markup.h"
#include "platform/numbers.h"
#include "view/raster.h"
#include "view/renderer.h"

#include <QColor>

namespace wyk {

namespace {

QString zahl(double wert) {
    return Str(wert);
}

QString farbText(QRgb farbe) {
    return QColor(farbe).name(QColor::HexRgb);
}

// Writes the scene as SVG elements. Consecutive lines of one colour and pen share one path, as
// do consecutive single pixels of one colour, so the picture keeps the drawing order.
class SvgFlaeche final : public Zeichenflaeche {
public:
    SvgFlaeche(int breite, int hoehe) : breite_(breite), hoehe_(hoehe) {}

    void setColor(QRgb color) override { farbe_ = color; }
    void setPen(int size, Stift) override { pen_ = size; }

    void fillRect(Pixel topLeft, int width, int height) override {
        const std::int64_t links = std::max<std::int64_t>(topLeft.x, 0);
        const std::int64_t oben = std::max<std::int64_t>(topLeft.y, 0);
        const std::int64_t rechts = std::min<std::int64_t>(topLeft.x + width, breite_);
        const std::int64_t unten = std::min<std::int64_t>(topLeft.y + height, hoehe_);
        if (links >= rechts || oben >= unten) {
            return;
        }
        element(QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>")
                    .arg(links)
                    .arg(oben)
                    .arg(rechts - links)
                    .arg(unten - oben)
                    .arg(farbText(farbe_)));
    }

    void fillDisc(Pixel topLeft, int size) override {
        const double r = size / 2.0;
        const double cx = static_cast<double>(topLeft.x) + r;
        const double cy = static_cast<double>(topLeft.y) + r;
        if (cx < -r || cy < -r || cx > breite_ + r || cy > hoehe_ + r) {
            return;
        }
        element(QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>")
                    .arg(zahl(cx), zahl(cy), zahl(r), farbText(farbe_)));
    }

    void drawLine(Pixel from, Pixel to) override {
        double ax = stiftMitte(from.x, pen_);
        double ay = stiftMitte(from.y, pen_);
        double bx = stiftMitte(to.x, pen_);
        double by = stiftMitte(to.y, pen_);
        // Only the part near the picture can show; far ends would burden every reader.
        const double rand = pen_;
        if (!clipSegment(ax, ay, bx, by, -rand, breite_ + rand, -rand, hoehe_ + rand)) {
            return;
        }
        pfad(Art::Linie,
             QStringLiteral("M%1 %2L%3 %4").arg(zahl(ax), zahl(ay), zahl(bx), zahl(by)));
    }

    void plot(std::int64_t x, std::int64_t y) override {
        if (x < 0 || y < 0 || x >= breite_ || y >= hoehe_) {
            return;
        }
        pfad(Art::Pixel, QStringLiteral("M%1 %2h1v1h-1z").arg(x).arg(y));
    }

    // The elements written so far, the last path included.
    QString elemente() {
        schliessen();
        return text_;
    }

private:
    enum class Art { Keine, Linie, Pixel };

    void element(const QString& text) {
        schliessen();
        text_ += text + QLatin1Char('\n');
    }

    // Adds to the open path when it has the same kind, colour and pen, else starts a new one.
    void pfad(Art art, const QString& stueck) {
        if (art != art_ || farbe_ != pfadFarbe_ || (art == Art::Linie && pen_ != pfadPen_)) {
            schliessen();
            art_ = art;
            pfadFarbe_ = farbe_;
            pfadPen_ = pen_;
        }
        daten_ += stueck;
    }

    void schliessen() {
        if (art_ == Art::Linie) {
            text_ +=
                QStringLiteral("<path d=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                               "stroke-linecap=\"square\"/>\n")
                    .arg(daten_, farbText(pfadFarbe_))
                    .arg(pfadPen_);
        } else if (art_ == Art::Pixel) {
            text_ +=
                QStringLiteral("<path d=\"%1\" fill=\"%2\"/>\n").arg(daten_, farbText(pfadFarbe_));
        }
        art_ = Art::Keine;
        daten_.clear();
    }

    int breite_;
    int hoehe_;
    QRgb farbe_ = 0;
    int pen_ = 1;
    QString text_;
    Art art_ = Art::Keine;
    QRgb pfadFarbe_ = 0;
    int pfadPen_ = 1;
    QString daten_;
};

} // namespace

QByteArray svgBild(const Module1& m) {
    const QSize groesse = geraeteGroesse(m);
    SvgFlaeche flaeche(groesse.width(), groesse.height());
    szeneZeichnen(flaeche, m, m.anzeige);
    const QString bild =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%1\" "
                       "height=\"%2\" viewBox=\"0 0 %1 %2\">\n<title>%3</title>\n%4</svg>\n")
            .arg(groesse.width())
            .arg(groesse.height())
            .arg(markupText(m.datname), flaeche.elemente());
    return bild.toUtf8();
}

} // namespace wyk
