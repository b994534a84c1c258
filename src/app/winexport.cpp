#include "app/winexport.h"

#include "app/einzelfenster.h"
#include "app/platzieren.h"
#include "export/web.h"

#include <QCheckBox>
#include <QPushButton>

namespace wyk {

WINexport::WINexport(Module1& m, FileDialogs& dialogs, const Melder& melder)
    : m_(m), dialogs_(dialogs), melder_(melder) {
    Layout();
    CreateControls();
}

void WINexport::Layout() {
    setWindowTitle(QStringLiteral("OFF+ Export"));
    setWindowFlags(kFensterRahmen);
    setFixedSize(212, 128);
}

void WINexport::CreateControls() {
    CBhtml_ = new QCheckBox(QStringLiteral("HTML-Datei"), this);
    platzieren(CBhtml_, "CBhtml", QRect(56, 14, 100, 20));
    CBjava_ = new QCheckBox(QStringLiteral("Java-Plugins"), this);
    platzieren(CBjava_, "CBjava", QRect(56, 46, 100, 20));
    auto* exportieren = new QPushButton(QStringLiteral("Export"), this);
    platzieren(exportieren, "PushButton1", QRect(20, 88, 80, 20));
    exportieren->setAutoDefault(false);
    exportieren->setDefault(true);
    connect(exportieren, &QPushButton::clicked, this, &WINexport::PushButton1_Action);
    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    platzieren(abbruch, "PushButton2", QRect(112, 88, 80, 20));
    connect(abbruch, &QPushButton::clicked, this, &WINexport::close);
}

void WINexport::PushButton1_Action() {
    melden(melder_, this,
           offPlusExportieren(m_, dialogs_, CBhtml_->isChecked(), CBjava_->isChecked()));
    close();
}

} // namespace wyk
