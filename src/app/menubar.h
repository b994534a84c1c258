#pragma once

#include <QMenuBar>

namespace wyk {

// The program's menu bar: the File menu with the commands and the Edit menu. Each item is a
// member named like the item and carries that name as its object name; the File menu's
// shortcuts work in every window of the program. F10 opens the first menu.
class MenuBar1 : public QMenuBar {
    Q_OBJECT

public:
    explicit MenuBar1(QWidget* parent = nullptr);

    QAction* FIload = nullptr;
    QAction* FIsave = nullptr;
    QAction* FIoff = nullptr;
    QAction* FIoffhtml = nullptr;
    QAction* About = nullptr;
    QAction* FileQuit = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditCut = nullptr;
    QAction* EditCopy = nullptr;
    QAction* EditPaste = nullptr;
    QAction* EditClear = nullptr;
    QAction* EditSelectAll = nullptr;

private:
    void createFileMenu();
    void createEditMenu();
    void ersteOeffnen();
    static QAction* addItem(QMenu* menu, const char* name, const QString& text,
                            const char* shortcut);
    static void addSeparator(QMenu* menu, const char* name);
};

} // namespace wyk
