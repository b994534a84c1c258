#pragma once

#include "model/module1.h"
#include "platform/outcome.h"

#include <QPoint>
#include <QWidget>
#include <optional>

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QMenuBar;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace wyk {

class Canvas;

// The main window: display switches, view controls and the load and debug buttons on the
// left, the drawing canvas on the right, and a status line below that names the point or
// move under the pointer, or the measurement that stands. Its controls change the view of the
// shared state; a click on the drawing picks a point or move; closing it ends the program.
class WINhaupt : public QWidget {
    Q_OBJECT

public:
    // Takes over the menu bar and shows it above the content.
    WINhaupt(Module1& m, QMenuBar* menuBar);
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

signals:
    void ladenGewuenscht();
    void debugGewuenscht();
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
    void Layout(QMenuBar* menuBar);
    void CreateControls();
    void createAnzeige();
    void createAnsicht();
    void createKnoepfe();
    void verbindeModul();

    void CB_Action();
    void PushButton1_Action();
    void UPDzoom_Down();
    void UPDzoom_Up();
    void EFzoom_TextChange(const QString& text);
    void CAhaupt_MouseDown(int x, int y);
    void CAhaupt_MouseDrag(int x, int y);
    void CAhaupt_MouseWheel(int delta);
    bool CAhaupt_KeyDown(const QKeyEvent& taste);
    bool EFzoom_KeyDown(const QKeyEvent& taste);
    void tabReihenfolge();
    void CAhaupt_ScaleFactorChanged(double dichte);
    void CAhaupt_MouseMove(int x, int y);
    void CAhaupt_MouseExit();
    void CAhaupt_Click(int x, int y, bool umschalt);
    bool CAhaupt_Escape(const QKeyEvent& taste);
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
    QStatusBar* status_ = nullptr;
    std::optional<QPoint> zeiger_; // where the pointer rests over the drawing, no button held
};

} // namespace wyk
