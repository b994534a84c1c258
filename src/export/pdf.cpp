#include "export/pdf.h"

#include "view/raster.h"
#include "view/renderer.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace wyk {

namespace {

// Paints the scene onto a PDF page whose units are drawing pixels. A line runs between the
// centres of its end pixels with a square pen, a disc is the circle inscribed in its box, a
// pixel is a unit square: the shapes the raster fills.
class PdfFlaeche final : public Zeichenflaeche {
public:
    PdfFlaeche(QPainter& maler, int breite, int hoehe)
        : maler_(maler), breite_(breite), hoehe_(hoehe) {}

    void setColor(QRgb color) override { farbe_ = QColor(color); }
    void setPen(int size, Stift) override { pen_ = size; }

    void fillRect(Pixel topLeft, int width, int height) override {
        maler_.fillRect(
            QRectF(static_cast<double>(topLeft.x), static_cast<double>(topLeft.y), width, height),
            farbe_);
    }

    void fillDisc(Pixel topLeft, int size) override {
        const double r = size / 2.0;
        maler_.setPen(Qt::NoPen);
        maler_.setBrush(farbe_);
        maler_.drawEllipse(
            QPointF(static_cast<double>(topLeft.x) + r, static_cast<double>(topLeft.y) + r), r, r);
    }

    void drawLine(Pixel from, Pixel to) override {
        double ax = stiftMitte(from.x, pen_);
        double ay = stiftMitte(from.y, pen_);
        double bx = stiftMitte(to.x, pen_);
        double by = stiftMitte(to.y, pen_);
        // Far ends are cut at the page's edge widened by the pen, where nothing more shows.
        if (!clipSegment(ax, ay, bx, by, -pen_, breite_ + pen_, -pen_, hoehe_ + pen_)) {
            return;
        }
        maler_.setPen(QPen(farbe_, pen_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        maler_.drawLine(QPointF(ax, ay), QPointF(bx, by));
    }

    void plot(std::int64_t x, std::int64_t y) override { fillRect({x, y}, 1, 1); }

private:
    QPainter& maler_;
    int breite_;
    int hoehe_;
    QColor farbe_;
    int pen_ = 1;
};

// Qt gives a page whole points. The page box is set to the picture's exact size instead, its
// top edge where Qt placed the drawing's top, and padded to its old length so that the file's
// cross-reference offsets stay right. A file of another layout is left as it is.
QByteArray genauesFormat(QByteArray pdf, int breite, int hoehe) {
    const QByteArray schluessel = "/MediaBox [";
    const qsizetype anfang = pdf.indexOf(schluessel);
    const qsizetype ende = anfang < 0 ? -1 : pdf.indexOf(']', anfang);
    if (ende < 0) {
        return pdf;
    }
    const qsizetype laenge = ende - anfang;
    const QList<QByteArray> box =
        pdf.mid(anfang + schluessel.size(), laenge - schluessel.size()).simplified().split(' ');
    if (box.size() != 4) {
        return pdf;
    }
    const QByteArray neu = schluessel + "0 " +
                           QByteArray::number(box[3].toDouble() - hoehe * 0.75) + ' ' +
                           QByteArray::number(breite * 0.75) + ' ' + box[3];
    if (neu.size() <= laenge) {
        pdf.replace(anfang, laenge, neu.leftJustified(laenge, ' '));
    }
    return pdf;
}

} // namespace

QByteArray pdfBild(const Module1& m) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    const int breite = geraeteGroesse(m).width();
    const int hoehe = geraeteGroesse(m).height();
    {
        QPdfWriter writer(&puffer);
        writer.setTitle(m.datname);
        writer.setCreator(QStringLiteral("WYK-Viewer"));
        writer.setResolution(96);
        writer.setPageSize(QPageSize(QSizeF(breite / 96.0, hoehe / 96.0), QPageSize::Inch));
        writer.setPageMargins(QMarginsF());
        QPainter maler(&writer);
        // Everything beyond the page is cut off, as the canvas cuts it off.
        maler.setClipRect(0, 0, breite, hoehe);
        PdfFlaeche flaeche(maler, breite, hoehe);
        szeneZeichnen(flaeche, m, m.anzeige);
    }
    return genauesFormat(bytes, breite, hoehe);
}

} // namespace wyk
