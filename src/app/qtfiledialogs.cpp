#include "app/qtfiledialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace wyk {

std::optional<QString> QtFileDialogs::GetOpenFolderItem() {
    return gewaehlt(QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                                 QStringLiteral("Modell laden"), ordner_));
}

std::optional<QString> QtFileDialogs::GetSaveFolderItem(const QString& defaultName) {
    const QString vorschlag = ordner_.isEmpty() ? defaultName : QDir(ordner_).filePath(defaultName);
    return gewaehlt(QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                                 QStringLiteral("Speichern unter"), vorschlag));
}

std::optional<QString> QtFileDialogs::gewaehlt(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    ordner_ = QFileInfo(path).absolutePath();
    return QFileInfo(path).absoluteFilePath();
}

} // namespace wyk
