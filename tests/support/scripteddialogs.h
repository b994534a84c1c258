#pragma once

#include "platform/filedialogs.h"

#include <QFileInfo>
#include <QStringList>

namespace wyk::test {

// File dialogs that answer from a script: each takes the next answer (a null QString, or none
// left, cancels) and the next of filterWahl as the chosen file type (0 when none is left).
// Records what each dialog offered and the names the save dialogs proposed.
class ScriptedDialogs : public FileDialogs {
public:
    QList<QString> answers;
    QList<int> filterWahl;
    QList<DialogAngebot> angebote;
    QStringList proposed;
    int opened = 0;

protected:
    std::optional<DialogWahl> oeffnen(const DialogAngebot& angebot) override {
        ++opened;
        angebote << angebot;
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        const int filter = filterWahl.isEmpty() ? 0 : filterWahl.takeFirst();
        return answer.isNull() ? std::nullopt : std::optional(DialogWahl{answer, filter});
    }

    std::optional<DialogWahl> speichern(const DialogAngebot& angebot) override {
        proposed << QFileInfo(angebot.ort).fileName();
        return oeffnen(angebot);
    }
};

} // namespace wyk::test
