#pragma once

class QCoreApplication;

namespace wyk {

// Makes Qt's own texts German, as the program's captions are, whatever the system's language:
// the buttons of message boxes, the file dialogs, the context menus of text fields. Installs
// Qt's German translations (qtbase_de) on app and makes German the default locale of number
// and date widgets. Without the translations installed the texts stay English; a warning
// says so.
void deutschLaden(QCoreApplication& app);

} // namespace wyk
