#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace wyk {

// What the program remembers between runs, in an INI file: the main window's size, whether a
// load fits the model ("Beim Laden einpassen") and the folder of the last model. A file that
// is missing, damaged or cannot be read or written is ignored without a word, and so is a value
// that is not valid; remembering replaces a damaged file as a whole (QSettings writes a new file
// and renames it over the old). Only a regular file is read, never waiting and only up to a
// size no settings file reaches; only such a file of the user's own (or none) is written, so a
// name that leads to a device, a FIFO or a folder is left as it is and nothing is remembered.
class Einstellungen {
public:
    // The file at pfad.
    explicit Einstellungen(QString pfad);

    // The user's file: wyk-viewer/wyk-viewer.conf in the configuration folder
    // ($XDG_CONFIG_HOME, else ~/.config).
    [[nodiscard]] static QString standardPfad();

    // The remembered window size, when there is one.
    [[nodiscard]] std::optional<QSize> fenster() const;
    // Whether a load fits the model; false where nothing valid is remembered.
    [[nodiscard]] bool einpassen() const;
    // The remembered folder, when there is one and it still exists; else an empty text.
    [[nodiscard]] QString ordner() const;

    // Remembers the window size, einpassen and, when not empty, the folder.
    void merken(QSize fenster, const QString& ordner, bool einpassen) const;

private:
    QString pfad_;
};

} // namespace wyk
