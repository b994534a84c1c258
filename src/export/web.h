#pragma once

#include "model/module1.h"
#include "platform/filedialogs.h"
#include "platform/outcome.h"

#include <QString>
#include <QStringList>

namespace wyk {

// Writes the page that shows the OFF file offName with the viewer applet into the folder
// ordner (which ends with a separator). The page is named after offName without its last
// four characters when offName contains ".off", else after datname, plus ".htm".
// The page is Windows-1252 text; its model parameter names the OFF file in one of two forms:
// - the name itself, with markup characters and those the code page lacks as references,
//   when the name's bytes are valid UTF-8 (the applet addresses the name's UTF-8 bytes);
// - else "./" followed by the name's bytes, each but a letter, a digit and "-._~" written as
//   "%" and two upper-case hex digits (the applet addresses exactly these bytes). A name
//   never holds a "/", so this form cannot be mistaken for a name.
Outcome saveHTML(const Module1& m, const QString& ordner, const QString& offName);

// Copies the applet's four class files from the application's resources into ordner.
Outcome savejava(Module1& m, const QString& ordner);

// After the OFF file ordner + offName was written: the page when m.htmlsave is set, then the
// class files when m.javasave is set. A failed page does not stop the class files; every
// failure is reported. Neither ever replaces the OFF file itself.
Outcome webDateien(Module1& m, const QString& ordner, const QString& offName);

// The files webDateien would write for the OFF file ordner + offName, in its order.
[[nodiscard]] QStringList webZiele(const Module1& m, const QString& ordner, const QString& offName);

// The export window's "Export": sets htmlsave and javasave, runs saveoff and sets both back
// to false whatever happened.
Outcome offPlusExportieren(Module1& m, FileDialogs& dialogs, bool html, bool java);

} // namespace wyk
