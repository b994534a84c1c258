#include "app/app.h"

#include "app/canvas.h"
#include "app/einzelfenster.h"
#include "app/menubar.h"
#include "app/modellwaechter.h"
#include "app/platzieren.h"
#include "app/qtfiledialogs.h"
#include "app/wiinfo.h"
#include "app/windebug.h"
#include "app/winexport.h"
#include "app/winhaupt.h"
#include "app/zugang.h"
#include "export/off.h"
#include "export/picture.h"
#include "model/reader.h"
#include "platform/temporaer.h"
#include "view/ansichten.h"
#include "view/renderer.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QIcon>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>
#include <utility>

namespace wyk {

App::App(std::unique_ptr<FileDialogs> dialogs, Melder melder, const QString& einstellungen)
    : m_(std::make_unique<Module1>()), dialogs_(std::move(dialogs)), melder_(std::move(melder)),
      einstellungen_(einstellungen), menuBar_(new MenuBar1), waechter_(new ModellWaechter(this)) {
    // Only "Quit" and closing the main window end the program, not the last of the other
    // windows closing.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(m_->ressourcen.picture(kBildLogo))));
    zugangEinrichten();
    addMenuHandlers();
    haupt_ = std::make_unique<WINhaupt>(*m_, menuBar_);
    if (const auto groesse = einstellungen_.fenster()) {
        haupt_->resize(*groesse);
    }
    aufSchirmHalten(*haupt_);
    haupt_->beimLadenEinpassenSetzen(einstellungen_.einpassen());
    dialogs_->ordnerMerken(einstellungen_.ordner());
    // What exports into the folder used last left behind when they were killed.
    verwaisteEntfernen(einstellungen_.ordner());
    connect(haupt_.get(), &WINhaupt::schliesst, this, [this] {
        einstellungen_.merken(haupt_->size(), dialogs_->modellOrdner(),
                              haupt_->beimLadenEinpassen());
    });
    m_->fenster.debugSchliessen = [this] { debugSchliessen(); };
    connect(haupt_.get(), &WINhaupt::ladenGewuenscht, this, &App::FIload_Action);
    connect(haupt_.get(), &WINhaupt::debugGewuenscht, this, &App::debugZeigen);
    connect(haupt_.get(), &WINhaupt::dateiAbgelegt, this, &App::modellLaden);
    connect(haupt_.get(), &WINhaupt::kopierenGewuenscht, this, &App::zeichnungKopieren);
    connect(haupt_.get(), &WINhaupt::markenGewaehlt, this, &App::markenZeigen);
    connect(waechter_, &ModellWaechter::geaendert, this, [this] { dateiGespeichert(true); });
    connect(waechter_, &ModellWaechter::geduldVorbei, this, [this] { dateiGespeichert(false); });
    melden(melder_, haupt_.get(), haupt_->Event_Open());
    haupt_->show();
    aufSchirmHalten(*haupt_); // now with the frame, where the platform tells it at once
}

App::~App() {
    m_->fenster = {};
    delete debug_.data();
    delete export_.data();
    delete info_.data();
}

WINdebug* App::debugFenster() const {
    return offen(debug_) ? debug_.data() : nullptr;
}

WINexport* App::exportFenster() const {
    return offen(export_) ? export_.data() : nullptr;
}

WIInfo* App::infoFenster() const {
    return offen(info_) ? info_.data() : nullptr;
}

// Binds the menu items; the Edit items act on the zoom field when it has the focus, Copy
// otherwise on the drawing.
void App::addMenuHandlers() {
    connect(menuBar_->About, &QAction::triggered, this, &App::About_Action);
    connect(menuBar_->FIload, &QAction::triggered, this, &App::FIload_Action);
    connect(menuBar_->FIsave, &QAction::triggered, this, &App::FIsave_Action);
    connect(menuBar_->FIoff, &QAction::triggered, this, &App::FIoff_Action);
    connect(menuBar_->FIoffhtml, &QAction::triggered, this, &App::FIoffhtml_Action);
    connect(menuBar_->FileQuit, &QAction::triggered, this, [this] { haupt_->close(); });
    bearbeiten(menuBar_->EditUndo, [](QLineEdit& feld) { feld.undo(); });
    bearbeiten(menuBar_->EditCut, [](QLineEdit& feld) { feld.cut(); });
    connect(menuBar_->EditCopy, &QAction::triggered, this, &App::kopieren);
    bearbeiten(menuBar_->EditPaste, [](QLineEdit& feld) { feld.paste(); });
    bearbeiten(menuBar_->EditClear, [](QLineEdit& feld) {
        if (feld.hasSelectedText()) {
            feld.del();
        }
    });
    bearbeiten(menuBar_->EditSelectAll, [](QLineEdit& feld) { feld.selectAll(); });
}

// An Edit item: runs aktion on the zoom field while that has the focus, else does nothing.
void App::bearbeiten(QAction* eintrag, void (*aktion)(QLineEdit&)) {
    connect(eintrag, &QAction::triggered, this, [this, aktion] {
        QLineEdit& feld = haupt_->zoomFeld();
        if (feld.hasFocus()) {
            aktion(feld);
        }
    });
}

// Copy: the focused zoom field's selected text as text, else the drawing.
void App::kopieren() {
    if (haupt_->zoomFeld().hasFocus()) {
        haupt_->zoomFeld().copy();
    } else {
        zeichnungKopieren();
    }
}

// The drawing goes to the clipboard as a picture, exactly its pixels, both as an image and as
// PNG data.
void App::zeichnungKopieren() {
    const QImage bild = zeichnungsBild(*m_).convertToFormat(QImage::Format_RGB32);
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    auto* daten = new QMimeData;
    daten->setImageData(bild);
    daten->setData(QStringLiteral("image/png"), png);
    QApplication::clipboard()->setMimeData(daten);
}

void App::About_Action() {
    zeigen(info_, [this] { return new WIInfo(m_->ressourcen); });
}

void App::FIload_Action() {
    geladen(datenlesen(*m_, *dialogs_));
}

void App::FIsave_Action() {
    melden(melder_, QApplication::activeWindow(), savepic(*m_, *dialogs_));
}

void App::FIoff_Action() {
    m_->htmlsave = false;
    m_->javasave = false;
    melden(melder_, QApplication::activeWindow(), saveoff(*m_, *dialogs_));
}

void App::FIoffhtml_Action() {
    zeigen(export_, [this] { return new WINexport(*m_, *dialogs_, melder_); });
}

void App::debugZeigen() {
    zeigen(debug_, [this] { return new WINdebug(*m_, *haupt_); });
}

void App::modellLaden(const QString& path) {
    geladen(ladeDatei(*m_, path));
}

// Reports a failed load; after a good one the file dialogs start in the model's folder and
// the new file is followed instead of the old. Then draws, a new model fitted as F fits it
// where "Beim Laden einpassen" is ticked.
void App::geladen(const Outcome& outcome) {
    melden(melder_, haupt_.get(), outcome);
    if (outcome.isDone()) {
        haupt_->modellBenennen();
        dialogs_->modellGeladen(m_->datpfad);
        verweigert_.clear();
        waechter_->folgen(m_->datpfad);
    }
    if (outcome.isDone() && haupt_->beimLadenEinpassen()) {
        einpassenZeigen(*m_);
    } else {
        zeichnen(*m_);
    }
}

// The followed file was saved: its model replaces the shown one, and the view, an open debug
// window and the highlights that still exist stay. A save the reader refuses leaves the model
// as it was and is told once, not again for each further save refused for the same reason.
// With ganzVerlangt, a file that ends before the lines its counts announce is a save still in
// progress: the shown model stays, and the file is read again on its next change, or as it is
// once the watcher's waiting time passes without one.
void App::dateiGespeichert(bool ganzVerlangt) {
    const std::optional<Outcome> gelesen = erneutLaden(*m_, waechter_->datei(), ganzVerlangt);
    if (!gelesen) {
        waechter_->abwarten();
        return;
    }
    const Outcome& outcome = *gelesen;
    if (outcome.isFailed()) {
        const QString text =
            outcome.message() + QStringLiteral(" Das angezeigte Modell bleibt, wie es war.");
        if (std::exchange(verweigert_, text) != text) {
            melden(melder_, haupt_.get(), Outcome::failed(text));
        }
        return;
    }
    verweigert_.clear();
    if (offen(debug_)) {
        debug_->neuFuellen();
    }
    zeichnen(*m_);
}

// The open debug window follows what the drawing picked.
void App::markenZeigen() {
    if (offen(debug_)) {
        debug_->markenZeigen();
    }
}

// A load closes the debug window when one is open; none is created for it.
void App::debugSchliessen() {
    if (offen(debug_)) {
        debug_->close();
    }
}

int fensterZeigen(const QString& modell) {
    App viewer(std::make_unique<QtFileDialogs>());
    if (!modell.isEmpty()) {
        viewer.modellLaden(modell);
    }
    return QApplication::exec();
}

} // namespace wyk
