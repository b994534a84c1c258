#pragma once

#include "app/einstellungen.h"
#include "app/meldung.h"
#include "model/module1.h"
#include "platform/filedialogs.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QAction;
class QLineEdit;

namespace wyk {

class MenuBar1;
class ModellWaechter;
class WINdebug;
class WINexport;
class WINhaupt;
class WIInfo;

// The application: owns the shared state, the file dialogs, the menu bar and the windows,
// and handles the menu commands, whichever window is in front. Creating it opens the main
// window with its first drawing, at the size remembered in the settings file einstellungen
// (made smaller where the screen is), with "Beim Laden einpassen" as remembered and the file
// dialogs in the remembered folder; closing the main window remembers all three.
// The loaded model file is followed: each save loads it again.
class App : public QObject {
    Q_OBJECT

public:
    explicit App(std::unique_ptr<FileDialogs> dialogs, Melder melder = warnungZeigen,
                 const QString& einstellungen = Einstellungen::standardPfad());
    ~App() override;

    Module1& modul() const { return *m_; }
    WINhaupt& haupt() const { return *haupt_; }
    MenuBar1& menuBar() const { return *menuBar_; }

    // The open debug, export or about window, or null.
    WINdebug* debugFenster() const;
    WINexport* exportFenster() const;
    WIInfo* infoFenster() const;

    // Loads the model file at path (named on the command line or dropped on the window) and
    // redraws, fitted where "Beim Laden einpassen" is ticked; a file that cannot be loaded is
    // reported and the model stays as it was.
    void modellLaden(const QString& path);

    void About_Action();
    void FIload_Action();
    void FIsave_Action();
    void FIoff_Action();
    void FIoffhtml_Action();
    // The main window's "Debug": shows the debug window.
    void debugZeigen();

private:
    void addMenuHandlers();
    void bearbeiten(QAction* eintrag, void (*aktion)(QLineEdit&));
    void kopieren();
    void zeichnungKopieren();
    void debugSchliessen();
    void markenZeigen();
    void geladen(const Outcome& outcome);
    void dateiGespeichert(bool ganzVerlangt);

    std::unique_ptr<Module1> m_;
    std::unique_ptr<FileDialogs> dialogs_;
    Melder melder_;
    Einstellungen einstellungen_;
    MenuBar1* menuBar_;
    std::unique_ptr<WINhaupt> haupt_;
    QPointer<WINdebug> debug_;
    QPointer<WINexport> export_;
    QPointer<WIInfo> info_;
    ModellWaechter* waechter_;
    QString verweigert_; // the message last told about a refused save, until a good one
};

// Opens the windows, with the model file at modell loaded when it is not empty, and runs them
// until the program quits; gives the exit code. Needs the QApplication in place.
[[nodiscard]] int fensterZeigen(const QString& modell);

} // namespace wyk
