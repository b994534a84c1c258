#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace wyk {

// What a file dialog is asked to offer.
struct DialogAngebot {
    // The open dialog: the folder it shows first, empty for the current folder. A save
    // dialog: the proposed file, in the folder it shows first.
    QString ort;
    // The file types in the dialog's order, each as "Name (*.a *.b)"; the first is selected.
    // None: every file, without a choice of types.
    QStringList filter;
};

// The user's choice in a dialog.
struct DialogWahl {
    QString pfad;   // the chosen file's absolute path
    int filter = 0; // the index of the file type selected when the file was chosen
};

// The open and save dialogs. The application shows the system's dialogs; tests script them.
// They remember where the user works: the open dialog starts in the loaded model's folder
// (before any load, in the folder of the file chosen last), and the save dialogs propose
// their names in the folder of the loaded model or of the file chosen last, whichever came
// later.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // Asks for a model file to open: model files are offered first, "Alle Dateien" second, so
    // every file can be chosen. Gives the chosen file's absolute path, nothing on cancel.
    [[nodiscard]] std::optional<QString> GetOpenFolderItem();

    // Asks where to save, proposing defaultName (a bare file name); every file can be chosen.
    [[nodiscard]] std::optional<QString> GetSaveFolderItem(const QString& defaultName);

    // The same, offering the file types filter (see DialogAngebot) with the first selected.
    [[nodiscard]] std::optional<DialogWahl> GetSaveFolderItem(const QString& defaultName,
                                                              const QStringList& filter);

    // Tells the dialogs that the model file at pfad has been loaded.
    void modellGeladen(const QString& pfad);

    // The folder of the model loaded last, as modellGeladen was told or ordnerMerken set it;
    // empty before.
    [[nodiscard]] QString modellOrdner() const { return modellOrdner_; }
    // Before any load: the dialogs start in ordner, as if a model there had been loaded.
    void ordnerMerken(const QString& ordner);

protected:
    // Shows the open or the save dialog with what it offers; nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<DialogWahl> oeffnen(const DialogAngebot& angebot) = 0;
    [[nodiscard]] virtual std::optional<DialogWahl> speichern(const DialogAngebot& angebot) = 0;

private:
    [[nodiscard]] std::optional<DialogWahl> gewaehlt(std::optional<DialogWahl> wahl);

    QString modellOrdner_;
    QString letzterOrdner_;
};

} // namespace wyk
