#pragma once

#include "model/module1.h"

#include <QWidget>

class QModelIndex;
class QTableView;

namespace wyk {

class DebugTabelle;

// The debug window: the model's points and pen moves in two tables. A row chosen by a click
// or by the keyboard marks that point or move in the drawing, and ends a measurement; Shift+
// Return on a row of the point table measures from the point marked before to that row's
// point. Closing the window (also by Escape or Ctrl+W) removes all marks.
class WINdebug : public QWidget {
    Q_OBJECT

public:
    // Fills the tables from the model, with the marked rows selected, and opens beside the
    // main window, level with its top.
    WINdebug(Module1& m, const QWidget& haupt);

    // Shows the model anew after it was read again; the highlighted rows stay selected.
    void neuFuellen();

    // Selects the marked point's and move's rows, scrolled into view, after the drawing
    // picked them; a row whose mark went is no longer selected.
    void markenZeigen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Layout();
    void CreateControls();
    QTableView* tabelle(DebugTabelle* inhalt, const char* name, const QRect& wo,
                        const QString& titel, void (WINdebug::*waehlen)(const QModelIndex&));
    void ueberschrift(const QString& text, const char* name, const QRect& wo);
    void debugzeigen();
    void Event_Open(const QWidget& haupt);
    void LBpunkte_CellClick(const QModelIndex& index);
    void LBlinien_CellClick(const QModelIndex& index);
    void markieren(int& marke, int nummer);
    void messen();
    void Event_Close();

    Module1& m_;
    DebugTabelle* punkte_ = nullptr;
    DebugTabelle* linien_ = nullptr;
    QTableView* LBpunkte_ = nullptr;
    QTableView* LBlinien_ = nullptr;
    int vorigerPkt_ = 0; // the point marked before the marked one, where a measurement starts
};

} // namespace wyk
