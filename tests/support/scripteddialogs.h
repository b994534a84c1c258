#pragma once

#include "platform/filedialogs.h"

#include <QFileInfo>
#include <QStringList>

namespace wyk::test {

// File dialogs that answer from a script: each dialog takes the next answer, a null QString
// (or no answer left) meaning the user cancelled, and the next of filterWahl as the file type
// selected (0 when none is left). Records what each dialog offered and the names the save
// dialogs proposed.
class ScriptedDialogs : public FileDialogs {
public:
    QList<QString> answers;
    QList<int> filterWahl;
    QList<DialogAngebot> angebote;
    QStringList proposed;
    int opened = 0;

protected:
    std::optional<DialogWahl> oeffnen(const DialogAngebot& angebot) override {
        return next(angebot);
    }

    std::optional<DialogWahl> speichern(const DialogAngebot& angebot) override {
        proposed << QFileInfo(angebot.ort).fileName();
        return next(angebot);
    }

private:
    std::optional<DialogWahl> next(const DialogAngebot& angebot) {
        ++opened;
        angebote << angebot;
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        const int filter = filterWahl.isEmpty() ? 0 : filterWahl.takeFirst();
        if (answer.isNull()) {
            return std::nullopt;
        }
        return DialogWahl{answer, filter};
    }
};

} // namespace wyk::test
