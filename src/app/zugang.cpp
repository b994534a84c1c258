#include "app/zugang.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QPointer>

namespace wyk {

namespace {

// A menu item whose caption ends in a blank ("WYK laden ... "): read as Qt reads menu items,
// but named without the blank.
class Menueeintrag : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Menueeintrag(QMenu* menue, QAction* eintrag) : menue_(menue), eintrag_(eintrag) {}

    bool isValid() const override { return menue_ && eintrag_; }
    QObject* object() const override { return eintrag_; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menue_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Name) {
            QString name = eintrag_->text();
            while (name.endsWith(QLatin1Char(' '))) {
                name.chop(1);
            }
            return name;
        }
        return art == QAccessible::Accelerator ? eintrag_->shortcut().toString() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        return menue_->actionGeometry(eintrag_).translated(menue_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State zustand;
        zustand.invisible = !menue_->isVisible() || !eintrag_->isVisible();
        zustand.disabled = !eintrag_->isEnabled();
        zustand.focused = menue_->activeAction() == eintrag_;
        return zustand;
    }

    void* interface_cast(QAccessible::InterfaceType art) override {
        return art == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && eintrag_->isEnabled()) {
            eintrag_->trigger();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenu> menue_;
    QPointer<QAction> eintrag_;
};

QAccessibleInterface* zugang(const QString& klasse, QObject* objekt) {
    if (auto* eintrag = qobject_cast<QAction*>(objekt);
        eintrag != nullptr && eintrag->text().endsWith(QLatin1Char(' '))) {
        for (QObject* ort : eintrag->associatedObjects()) {
            if (auto* menue = qobject_cast<QMenu*>(ort)) {
                return new Menueeintrag(menue, eintrag);
            }
        }
        return nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (widget == nullptr) {
        return nullptr;
    }
    if (klasse == QLatin1String("wyk::Canvas")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    if (klasse == QLatin1String("wyk::WINhaupt") || klasse == QLatin1String("wyk::WINdebug")) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void zugangEinrichten() {
    QAccessible::installFactory(&zugang);
}

} // namespace wyk
