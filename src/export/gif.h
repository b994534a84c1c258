#pragma once

#include "model/module1.h"
#include "platform/outcome.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

namespace wyk {

// How a turning picture turns: the number of pictures in one full turn and the time each is
// shown, in milliseconds.
struct Umlauf {
    int bilder = 36;
    int dauer = 100;
};
constexpr int kMinBilder = 2;
constexpr int kMaxBilder = 360;
constexpr int kMinDauer = 20;
constexpr int kMaxDauer = 10000;

// Whether path names a turning picture: its name ends in .gif, in any case.
[[nodiscard]] bool alsUmlauf(const QString& path);

// An animated GIF, looping forever, of the model turning once about the vertical axis from the
// current view: picture i is the breite x hoehe drawing, in zebild's 16-bit colours as a raster
// export saves it, with the turn bildDrehung(rotwinkel[3], i, umlauf.bilder) and everything else
// as it is now. Each picture is shown umlauf.dauer ms, rounded to the hundredths of a second a
// GIF counts in. Each picture after the first holds only the box in which it differs from the
// one before and is drawn over it; a colour table holds only the colours of the pixels it
// serves. Neither m nor the canvas changes. The file's bytes go to stueck as they are made, in
// pieces of about a MiB (false there ends the GIF), so that only a few pictures are ever held.
// Fails, with a German reason, when the GIF library fails, a piece is not kept or a picture
// holds more than 256 colours.
using GifStueck = std::function<bool(QByteArrayView)>;
[[nodiscard]] Outcome gifUmlauf(const Module1& m, const Umlauf& umlauf, const GifStueck& stueck);

} // namespace wyk
