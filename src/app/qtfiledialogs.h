#pragma once

#include "platform/filedialogs.h"

namespace wyk {

// The system's open and save dialogs, over the active window. The folder of the last chosen
// file is where the next dialog starts.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> GetOpenFolderItem() override;
    std::optional<QString> GetSaveFolderItem(const QString& defaultName) override;

private:
    std::optional<QString> gewaehlt(const QString& path);

    QString ordner_;
};

} // namespace wyk
