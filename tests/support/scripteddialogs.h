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

    std::optional<QString> GetOpenFolderItem() override {
        ++opened;
        return next();
    }

    std::optional<QString> GetSaveFolderItem(const QString& defaultName) override {
        ++opened;
        proposed << defaultName;
        return next();
    }

private:
    std::optional<QString> next() {
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isNull()) {
            return std::nullopt;
        }
        return answer;
    }
};

} // namespace wyk::test
