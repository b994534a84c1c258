#include "app/winexport.h"

#include "app/einzelfenster.h"

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
    CBhtml_->setObjectName(QStringLiteral("CBhtml"));
    CBhtml_->setGeometry(56, 14, 100, 20);
    CBjava_ = new QCheckBox(QStringLiteral("Java-Plugins"), this);
    CBjava_->setObjectName(QStringLiteral("CBjava"));
    CBjava_->setGeometry(56, 46, 100, 20);
    auto* exportieren = new QPushButton(QStringLiteral("Export"), this);
    exportieren->setObjectName(QStringLiteral("PushButton1"));
    exportieren->setGeometry(20, 88, 80, 20);
    exportieren->setAutoDefault(false);
    exportieren->setDefault(true);
    connect(exportieren, &QPushButton::clicked, this, &WINexport::PushButton1_Action);
    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    abbruch->setObjectName(QStringLiteral("PushButton2"));
    abbruch->setGeometry(112, 88, 80, 20);
    connect(abbruch, &QPushButton::clicked, this, &WINexport::close);
}

void WINexport::PushButton1_Action() {
    melden(melder_, this,
           offPlusExportieren(m_, dialogs_, CBhtml_->isChecked(), CBjava_->isChecked()));
    close();
}

} // namespace wyk
