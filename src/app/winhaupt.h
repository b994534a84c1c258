#pragma once

#include "model/module1.h"
#include "platform/outcome.h"

#include <QPoint>
#include <QWidget>
#include <optional>

class QAction;
class QCheckBox;
class QKeyEvent;
class QKeySequence;
class QLineEdit;
class QMenu;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace wyk {

class Canvas;
struct Zeichnungstaste;
class MenuBar1;

// The main window: display switches, view controls and the load and debug buttons on the
// left, the drawing canvas on the right, and a status line below that names the point or
// move under the pointer, or the measurement that stands. Its controls change the view of the
// shared state; a click on the drawing picks a point or move; closing it ends the program.
// The drawing's context menu holds the standard views, fitting, "Beim Laden einpassen",
// copying, the three boxes (ticked as they are) and "Debug", each showing its key where it
// has one.
class WINhaupt : public QWidget {
    Q_OBJECT

public:
    // Takes over the menu bar and shows it above the content.
    WINhaupt(Module1& m, MenuBar1* menuBar);
    ~WINhaupt() override;

    // Prepares the view and makes the first drawing; fails when the picture cannot be made.
    Outcome Event_Open();

    QLineEdit& zoomFeld() const { return *EFzoom_; }
    Canvas& zeichnung() const { return *CAhaupt_; }

    // Names the window and the drawing after the loaded model: the title becomes
    // "FILENAME – WYK-Viewer".
    void modellBenennen();
    // The area below the menu bar that holds the controls.
    QWidget& inhalt() const { return *inhalt_; }
    QStatusBar& statusZeile() const { return *status_; }

    // "Beim Laden einpassen" in the drawing's context menu: whether a load fits the model.
    bool beimLadenEinpassen() const;
    void beimLadenEinpassenSetzen(bool einpassen);

signals:
    void ladenGewuenscht();
    void debugGewuenscht();
    // "Bild kopieren" in the drawing's context menu.
    void kopierenGewuenscht();
    void dateiAbgelegt(const QString& path);
    // The window is closing: what is to be remembered is as it will stay.
    void schliesst();
    // A click or a key on the drawing changed the marks.
    void markenGewaehlt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Layout(MenuBar1* menuBar);
    void CreateControls();
    void createAnzeige();
    void createAnsicht();
    void createKnoepfe();
    void verbindeModul();
    void createZeichnungsMenue(const MenuBar1& menuBar);
    QAction* menuePunkt(const QString& text, const QKeySequence& taste);

    void CB_Action();
    void PushButton1_Action();
    void UPDzoom_Down();
    void UPDzoom_Up();
    void EFzoom_TextChange(const QString& text);
    void CAhaupt_MouseDown(int x, int y);
    void CAhaupt_MouseDrag(int x, int y, bool andere);
    void CAhaupt_ContextMenu(QPoint wo);
    void CAhaupt_MouseWheel(int delta);
    void CAhaupt_KeyDown(const Zeichnungstaste& taste, Qt::KeyboardModifiers mods);
    bool EFzoom_KeyDown(const QKeyEvent& taste);
    void tabReihenfolge();
    void CAhaupt_ScaleFactorChanged(double dichte);
    void CAhaupt_MouseMove(int x, int y);
    void CAhaupt_MouseExit();
    void CAhaupt_Click(int x, int y, bool umschalt);
    void statusZeigen();
    void PushButton2_Action();
    void Timer1_Action();
    void PushButton3_Action();
    void Event_Resized(QSize inhalt);
    void Event_Close();

    Module1& m_;
    QWidget* inhalt_ = nullptr;
    QCheckBox* CBpunkte_ = nullptr;
    QCheckBox* CBlinien_ = nullptr;
    QCheckBox* CBachsen_ = nullptr;
    QLineEdit* EFzoom_ = nullptr;
    QRadioButton* RBdrag0_ = nullptr;
    Canvas* CAhaupt_ = nullptr;
    QTimer* Timer1_ = nullptr;
    QMenu* zeichnungsMenue_ = nullptr;
    QAction* beimLadenEinpassen_ = nullptr;
    QStatusBar* status_ = nullptr;
    std::optional<QPoint> zeiger_; // where the pointer rests over the drawing, no button held
};

} // namespace wyk
