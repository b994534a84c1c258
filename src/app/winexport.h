#pragma once

#include "app/meldung.h"
#include "model/module1.h"
#include "platform/filedialogs.h"

#include <QDialog>

class QCheckBox;

namespace wyk {

// The export window: writes the OFF file and, as ticked, the web page and the applet's class
// files beside it, then closes. "Abbruch" closes it without writing anything.
class WINexport : public QDialog {
    Q_OBJECT

public:
    WINexport(Module1& m, FileDialogs& dialogs, const Melder& melder);

private:
    void Layout();
    void CreateControls();
    void PushButton1_Action();

    Module1& m_;
    FileDialogs& dialogs_;
    const Melder& melder_;
    QCheckBox* CBhtml_ = nullptr;
    QCheckBox* CBjava_ = nullptr;
};

} // namespace wyk
