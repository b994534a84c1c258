#pragma once

#include <QMenuBar>

namespace wyk {

// The program's menu bar: the File menu with the commands and the Edit menu. Every item is
// found by its name; the File menu's shortcuts work in every window of the program.
class MenuBar1 : public QMenuBar {
    Q_OBJECT

public:
    explicit MenuBar1(QWidget* parent = nullptr);

    // The item of that name (FIload, FIsave, FIoff, FIoffhtml, About, FileQuit, EditUndo,
    // EditCut, EditCopy, EditPaste, EditClear, EditSelectAll).
    QAction* eintrag(const QString& name) const;

private:
    void createFileMenu();
    void createEditMenu();
    QAction* addItem(QMenu* menu, const char* name, const QString& text, const char* shortcut);
    static void addSeparator(QMenu* menu, const char* name);
};

} // namespace wyk
