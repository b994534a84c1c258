#include "app/menubar.h"

#include <QShortcut>

namespace wyk {

MenuBar1::MenuBar1(QWidget* parent) : QMenuBar(parent) {
    createFileMenu();
    createEditMenu();
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, &MenuBar1::ersteOeffnen);
}

// The first menu opens as by a click on it, keys then move through the bar.
void MenuBar1::ersteOeffnen() {
    setActiveAction(actions().constFirst());
}

void MenuBar1::createFileMenu() {
    QMenu* file = addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    FIload = addItem(file, "FIload", QStringLiteral("WYK laden ... "), "Ctrl+O");
    FIsave = addItem(file, "FIsave", QStringLiteral("Bild speichern ... "), "Ctrl+S");
    FIoff = addItem(file, "FIoff", QStringLiteral("OFF exportieren..."), "Ctrl+E");
    FIoffhtml = addItem(file, "FIoffhtml", QStringLiteral("OFF+ exportieren..."), "Ctrl+H");
    addSeparator(file, "UntitledItem");
    About = addItem(file, "About", QStringLiteral("Über... "), "Ctrl+I");
    About->setMenuRole(QAction::AboutRole);
    addSeparator(file, "UntitledItem");
    FileQuit = addItem(file, "FileQuit", QStringLiteral("Quit"), "Ctrl+Q");
    FileQuit->setMenuRole(QAction::QuitRole);
    // The commands reach the program from the debug, export and about windows too.
    for (QAction* action : file->actions()) {
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
}

void MenuBar1::createEditMenu() {
    QMenu* edit = addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    EditUndo = addItem(edit, "EditUndo", QStringLiteral("&Undo"), "Ctrl+Z");
    addSeparator(edit, "UntitledMenu1");
    EditCut = addItem(edit, "EditCut", QStringLiteral("Cu&t"), "Ctrl+X");
    EditCopy = addItem(edit, "EditCopy", QStringLiteral("&Copy"), "Ctrl+C");
    EditPaste = addItem(edit, "EditPaste", QStringLiteral("&Paste"), "Ctrl+V");
    EditClear = addItem(edit, "EditClear", QStringLiteral("Clear"), nullptr);
    addSeparator(edit, "UntitledMenu0");
    EditSelectAll = addItem(edit, "EditSelectAll", QStringLiteral("Select &All"), "Ctrl+A");
}

QAction* MenuBar1::addItem(QMenu* menu, const char* name, const QString& text,
                           const char* shortcut) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (shortcut != nullptr) {
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    }
    return action;
}

void MenuBar1::addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace wyk
