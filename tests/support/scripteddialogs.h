#pragma once

#include "platform/filedialogs.h"

#include <QStringList>

namespace wyk::test {

// File dialogs that answer from a script: each dialog takes the next answer, a null QString
// (or no answer left) meaning the user cancelled. Records the names the save dialogs proposed.
class ScriptedDialogs : public FileDialogs {
public:
    QList<QString> answers;
    QStringList proposed;
    int opened = 0;

    std::optional<QString> GetOpenFolderItem() override { return next(); }

    std::optional<QString> GetSaveFolderItem(const QString& defaultName) override {
        proposed << defaultName;
        return next();
    }

private:
    std::optional<QString> next() {
        ++opened;
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        return answer.isNull() ? std::nullopt : std::optional(answer);
    }
};

} // namespace wyk::test
