// Arbitrary bytes as a model file: the reader takes them or refuses them, and whatever it
// takes is drawn once and written as OFF text.
#include "export/off.h"
#include "model/reader.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstdint>

namespace {

// Lives until the process ends; the application object is never destroyed, since libFuzzer
// leaves through exit() after Qt's own statics may be gone.
struct Harness {
    QGuiApplication* app = nullptr;
    wyk::Module1 m;
};

Harness& harness() {
    static Harness h;
    return h;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Harness& h = harness();
    h.app = new QGuiApplication(*argc, *argv);
    h.m.anzeige = {true, true, true};
    // Without its picture the drawing would not be exercised; the run stops with the reason.
    if (const wyk::Outcome bereit = wyk::init(h.m); bereit.isFailed()) {
        qFatal("%s", qPrintable(bereit.message()));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wyk::Module1& m = harness().m;
    static_cast<wyk::Modell&>(m) = wyk::Modell{};
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    if (wyk::ladeAus(m, device, QStringLiteral("fuzz.wyk")).isDone()) {
        // The first two moves pick the highlights, so they get drawn as well.
        m.debugpkt = m.anzlin >= 1 ? m.linie[1][1] : 0;
        m.debuglinie = m.anzlin >= 2 ? m.linie[2][1] : 0;
        wyk::zeichnen(m);
        const QStringList off = wyk::offZeilen(m);
        if (off.isEmpty()) {
            __builtin_trap();
        }
    }
    return 0;
}
