#pragma once

#include <QString>
#include <optional>

namespace wyk {

// The open and save dialogs. The application shows the system's dialogs; tests script them.
// Each returns the chosen file's absolute path, or nothing when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // Every file can be chosen.
    virtual std::optional<QString> GetOpenFolderItem() = 0;

    // Proposes defaultName (a bare file name) in the dialog.
    virtual std::optional<QString> GetSaveFolderItem(const QString& defaultName) = 0;
};

} // namespace wyk
