#include "export/gif.h"

#include "view/einpassen.h"
#include "view/projection.h"
#include "view/raster.h"
#include "view/renderer.h"

#include <QFileInfo>
#include <QImage>
#include <QRect>
#include <gif_lib.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace wyk {

namespace {

constexpr int kKeineFarbe = -1;
constexpr int kHoechstFarben = 256;

// The GIF being written, closed (and freed) however the writing ends.
struct GifSchliessen {
    void operator()(GifFileType* gif) const {
        int fehler = 0;
        EGifCloseFile(gif, &fehler);
    }
};
using Gif = std::unique_ptr<GifFileType, GifSchliessen>;

struct ColorMapFrei {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using Farbtabelle = std::unique_ptr<ColorMapObject, ColorMapFrei>;

// Where the GIF library's bytes go: gathered into pieces of about kStueck bytes, each handed on
// as it is full, so that the file is never held whole.
class Ausgabe {
public:
    explicit Ausgabe(const GifStueck& weiter) : weiter_(weiter) {}

    // Hands the bytes gathered on; false once a piece could not be kept.
    bool abgeben() {
        gut_ = gut_ && (puffer_.isEmpty() || weiter_(puffer_));
        puffer_.resize(0);
        return gut_;
    }

    static int schreiben(GifFileType* gif, const GifByteType* daten, int laenge) {
        auto& aus = *static_cast<Ausgabe*>(gif->UserData);
        aus.puffer_.append(reinterpret_cast<const char*>(daten), laenge);
        return aus.puffer_.size() < kStueck || aus.abgeben() ? laenge : 0;
    }

private:
    static constexpr qsizetype kStueck = 1 << 20;
    const GifStueck& weiter_;
    QByteArray puffer_;
    bool gut_ = true;
};

const std::uint16_t* zeile(const QImage& bild, int y) {
    return reinterpret_cast<const std::uint16_t*>(bild.constScanLine(y));
}

// The smallest box holding every pixel in which the two pictures differ; empty when none does.
QRect unterschied(const QImage& vorher, const QImage& jetzt) {
    QRect box;
    for (int y = 0; y < jetzt.height(); ++y) {
        const std::uint16_t* a = zeile(vorher, y);
        const std::uint16_t* b = zeile(jetzt, y);
        int links = 0;
        while (links < jetzt.width() && a[links] == b[links]) {
            ++links;
        }
        if (links == jetzt.width()) {
            continue;
        }
        int rechts = jetzt.width() - 1;
        while (a[rechts] == b[rechts]) {
            --rechts;
        }
        box |= QRect(links, y, rechts - links + 1, 1);
    }
    return box;
}

// The colours of a box of a picture, each pixel's index in their table.
class Farben {
public:
    // False when the box holds more colours than a table can.
    bool sammeln(const QImage& bild, const QRect& box) {
        index_.fill(kKeineFarbe);
        werte_.clear();
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const std::uint16_t* z = zeile(bild, y);
            for (int x = box.left(); x <= box.right(); ++x) {
                if (index_[z[x]] == kKeineFarbe) {
                    if (werte_.size() == kHoechstFarben) {
                        return false;
                    }
                    index_[z[x]] = static_cast<std::int16_t>(werte_.size());
                    werte_.push_back(bild.pixel(x, y)); // as a raster export saves it
                }
            }
        }
        return true;
    }

    // Whether every colour of other is in this table.
    bool enthaelt(const Farben& andere) const {
        for (std::size_t i = 0; i < andere.index_.size(); ++i) {
            if (andere.index_[i] != kKeineFarbe && index_[i] == kKeineFarbe) {
                return false;
            }
        }
        return true;
    }

    // The table, padded with black to the power of two a GIF needs.
    Farbtabelle tabelle() const {
        int groesse = 2;
        while (groesse < static_cast<int>(werte_.size())) {
            groesse *= 2;
        }
        Farbtabelle map(GifMakeMapObject(groesse, nullptr));
        if (map != nullptr) {
            for (std::size_t i = 0; i < werte_.size(); ++i) {
                map->Colors[i] = {static_cast<GifByteType>(qRed(werte_[i])),
                                  static_cast<GifByteType>(qGreen(werte_[i])),
                                  static_cast<GifByteType>(qBlue(werte_[i]))};
            }
        }
        return map;
    }

    GifPixelType index(std::uint16_t farbe) const {
        return static_cast<GifPixelType>(index_[farbe]);
    }

private:
    std::array<std::int16_t, 1 << 16> index_{};
    std::vector<QRgb> werte_;
};

QString gifFehler(int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("die GIF-Bibliothek meldet Fehler %1 (%2)")
        .arg(code)
        .arg(QString::fromUtf8(text != nullptr ? text : "?"));
}

// Repeats the pictures forever.
bool endlos(GifFileType* gif) {
    static const GifByteType kennung[] = "NETSCAPE2.0";
    static const GifByteType immer[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, kennung) == GIF_OK &&
           EGifPutExtensionBlock(gif, 3, immer) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

// One picture: the box of bild in the colours of farben, drawn over the picture before and
// shown for hundertstel hundredths of a second.
bool bildSchreiben(GifFileType* gif, const QImage& bild, const QRect& box, const Farben& farben,
                   const ColorMapObject* eigene, int hundertstel) {
    GraphicsControlBlock steuerung{};
    steuerung.DisposalMode = DISPOSE_DO_NOT;
    steuerung.DelayTime = hundertstel;
    steuerung.TransparentColor = NO_TRANSPARENT_COLOR;
    // giflib 5.2.1 drops the previous picture's own colour table without freeing it when this
    // one has none: free it here (later versions find nothing left to free).
    if (eigene == nullptr && gif->Image.ColorMap != nullptr) {
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    GifByteType erweiterung[4];
    const auto laenge = static_cast<int>(EGifGCBToExtension(&steuerung, erweiterung));
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, laenge, erweiterung) != GIF_OK ||
        EGifPutImageDesc(gif, box.x(), box.y(), box.width(), box.height(), false, eigene) !=
            GIF_OK) {
        return false;
    }
    std::vector<GifPixelType> pixel(static_cast<std::size_t>(box.width()));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const std::uint16_t* z = zeile(bild, y);
        for (int x = box.left(); x <= box.right(); ++x) {
            pixel[static_cast<std::size_t>(x - box.left())] = farben.index(z[x]);
        }
        if (EGifPutLine(gif, pixel.data(), box.width()) != GIF_OK) {
            return false;
        }
    }
    return true;
}

} // namespace

bool alsUmlauf(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("gif"), Qt::CaseInsensitive) == 0;
}

Outcome gifUmlauf(const Module1& m, const Umlauf& umlauf, const GifStueck& stueck) {
    Ausgabe ausgabe(stueck);
    int fehler = 0;
    Gif datei(EGifOpen(&ausgabe, Ausgabe::schreiben, &fehler));
    if (datei == nullptr) {
        return Outcome::failed(gifFehler(fehler));
    }
    EGifSetGifVersion(datei.get(), true);
    const auto sicht = std::make_unique<Module1>(m);
    const Anzeige schalter = m.anzeige;
    const int hundertstel = (umlauf.dauer + 5) / 10;
    QImage vorher;
    const QSize groesse = geraeteGroesse(m);
    QImage bild(groesse, QImage::Format_RGB16);
    const auto erste = std::make_unique<Farben>();
    const auto diese = std::make_unique<Farben>();
    for (int i = 0; i < umlauf.bilder; ++i) {
        sicht->rotwinkel[3] = bildDrehung(m.rotwinkel[3], i, umlauf.bilder);
        rotation2(*sicht);
        Raster raster(bild, bild.width(), bild.height());
        szeneZeichnen(raster, *sicht, schalter);
        raster.fertig();
        QRect box = i == 0 ? bild.rect() : unterschied(vorher, bild);
        if (box.isEmpty()) {
            box = QRect(0, 0, 1, 1);
        }
        if (!diese->sammeln(bild, box)) {
            return Outcome::failed(
                QStringLiteral("ein Bild hat mehr als %1 Farben").arg(kHoechstFarben));
        }
        bool gut = true;
        if (i == 0) {
            std::swap(*erste, *diese);
            const Farbtabelle tabelle = erste->tabelle();
            gut = tabelle != nullptr &&
                  EGifPutScreenDesc(datei.get(), bild.width(), bild.height(), 8, 0,
                                    tabelle.get()) == GIF_OK &&
                  endlos(datei.get()) &&
                  bildSchreiben(datei.get(), bild, box, *erste, nullptr, hundertstel);
        } else if (erste->enthaelt(*diese)) {
            gut = bildSchreiben(datei.get(), bild, box, *erste, nullptr, hundertstel);
        } else {
            const Farbtabelle tabelle = diese->tabelle();
            gut = tabelle != nullptr &&
                  bildSchreiben(datei.get(), bild, box, *diese, tabelle.get(), hundertstel);
        }
        if (!gut) {
            return Outcome::failed(gifFehler(datei->Error));
        }
        std::swap(vorher, bild);
        if (bild.isNull()) {
            bild = QImage(groesse, QImage::Format_RGB16);
        }
    }
    if (EGifCloseFile(datei.release(), &fehler) != GIF_OK || !ausgabe.abgeben()) {
        return Outcome::failed(gifFehler(fehler != 0 ? fehler : E_GIF_ERR_WRITE_FAILED));
    }
    return Outcome::done();
}

} // namespace wyk
