#include "platform/filedialogs.h"

#include <QDir>
#include <QFileInfo>

namespace wyk {

std::optional<QString> FileDialogs::GetOpenFolderItem() {
    const QString ordner = modellOrdner_.isEmpty() ? letzterOrdner_ : modellOrdner_;
    const auto wahl = gewaehlt(oeffnen(
        {ordner, {QStringLiteral("WYK-Modelle (*.wyk)"), QStringLiteral("Alle Dateien (*)")}}));
    return wahl ? std::optional(wahl->pfad) : std::nullopt;
}

std::optional<QString> FileDialogs::GetSaveFolderItem(const QString& defaultName) {
    const auto wahl = GetSaveFolderItem(defaultName, {});
    return wahl ? std::optional(wahl->pfad) : std::nullopt;
}

std::optional<DialogWahl> FileDialogs::GetSaveFolderItem(const QString& defaultName,
                                                         const QStringList& filter) {
    const QString ort =
        letzterOrdner_.isEmpty() ? defaultName : QDir(letzterOrdner_).filePath(defaultName);
    return gewaehlt(speichern({ort, filter}));
}

void FileDialogs::modellGeladen(const QString& pfad) {
    modellOrdner_ = QFileInfo(pfad).absolutePath();
    letzterOrdner_ = modellOrdner_;
}

void FileDialogs::ordnerMerken(const QString& ordner) {
    modellOrdner_ = ordner;
    letzterOrdner_ = ordner;
}

std::optional<DialogWahl> FileDialogs::gewaehlt(std::optional<DialogWahl> wahl) {
    if (wahl) {
        wahl->pfad = QFileInfo(wahl->pfad).absoluteFilePath();
        letzterOrdner_ = QFileInfo(wahl->pfad).absolutePath();
    }
    return wahl;
}

} // namespace wyk
