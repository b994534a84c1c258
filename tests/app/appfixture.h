#pragma once

#include "app/app.h"
#include "app/menubar.h"
#include "app/winhaupt.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"
#include "view/projection.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace wyk::test {

inline const QString kHaus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");

// Pictures compared by their pixels, whatever format they were made in.
inline QImage rgb32(const QImage& bild) {
    return bild.convertToFormat(QImage::Format_RGB32);
}

// The application with scripted dialogs, messages collected and its own settings file, its
// main window shown; counts the canvas's redraws.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override { starte(); }
    void starte() {
        app.reset();
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        const auto melder = [this](QWidget*, const QString& text) { meldungen << text; };
        app = std::make_unique<App>(std::move(scripted), melder,
                                    konfiguration.path("wyk-viewer.conf"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt()));
        auto zeigen = m().fenster.canvasZeigen;
        m().fenster.canvasZeigen = [this, zeigen] {
            ++redraws;
            zeigen();
        };
    }

    Module1& m() const { return app->modul(); }
    WINhaupt& haupt() const { return app->haupt(); }
    QWidget* canvas() const { return control("CAhaupt"); }
    QLineEdit* zoomFeld() const { return control<QLineEdit>("EFzoom"); }
    QImage zeichnung() const { return rgb32(canvas()->grab().toImage()); }
    QPoint origin() const { return {m().origx, m().origy}; }
    // The canvas pixel nearest to where point p is drawn.
    QPoint ort(int p) const {
        const Bildlage b = bildlage(m().basis, m().punkt[p]);
        return {qRound(b.x + m().origx), qRound(b.y + m().origy)};
    }
    // What a screen reader reads through Qt's accessibility interface.
    static QAccessibleInterface* zugang(QObject* objekt) {
        return QAccessible::queryAccessibleInterface(objekt);
    }
    QString status() const { return zugang(control("SBstatus"))->text(QAccessible::Name); }

    template <class T = QWidget> static T* teil(const QObject* in, const char* name) {
        T* found = in->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <class T = QWidget> T* control(const char* name) const {
        return teil<T>(&haupt(), name);
    }
    static void klick(QWidget* w, QPoint wo = {}, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(w, Qt::LeftButton, mods, wo);
    }
    static void tasten(QWidget* w, const QString& folge) { QTest::keySequence(w, folge); }
    static QWidget* fokus() { return QApplication::focusWidget(); }
    static void aktivieren(QWidget* fenster) {
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    }
    void waehle(const QString& befehl) const {
        app->menuBar().findChild<QAction*>(befehl)->trigger();
    }
    void lade(const QString& path) {
        dialogs->answers << path;
        waehle("FIload");
    }
    // A right click on the drawing, delivered to the window as the system does.
    void rechtsklick() const {
        const QPoint wo = canvas()->mapTo(&haupt(), QPoint(50, 50));
        QTest::mouseClick(haupt().windowHandle(), Qt::RightButton, {}, wo);
    }
    // Clicks the item of that name in the drawing's context menu.
    void druecken(const QString& name) const {
        rechtsklick();
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* punkt : menue->actions()) {
            if (punkt->text() == name) {
                klick(menue, menue->actionGeometry(punkt).center());
            }
        }
    }

    // A control, shown and enabled: its place in the window's content, its caption, and
    // "an" or "aus" for a tick, "default" for the default button.
    struct Teil {
        const char* name;
        QRect ort;
        QString text = {};
        const char* zustand = "";
    };
    using Teile = std::initializer_list<Teil>;
    static void pruefeTeile(const QWidget* inhalt, Teile teile) {
        ASSERT_NE(inhalt, nullptr);
        for (const Teil& soll : teile) {
            SCOPED_TRACE(soll.name);
            const QWidget* w = teil(inhalt, soll.name);
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(w->isEnabled());
            EXPECT_EQ(QRect(w->mapTo(inhalt, QPoint()), w->size()), soll.ort);
            const char* text = w->property("title").isValid() ? "title" : "text";
            EXPECT_EQ(w->property(text).toString(), soll.text);
            EXPECT_EQ(zustand(*w), soll.zustand);
        }
    }
    static QString zustand(const QWidget& w) {
        if (w.property("checkable").toBool()) {
            return w.property("checked").toBool() ? "an" : "aus";
        }
        return w.property("default").toBool() ? "default" : "";
    }
    // The window's size where it is fixed, else none.
    static QSize festeGroesse(const QWidget* fenster) {
        const QSize fest = fenster->maximumSize();
        return fenster->minimumSize() == fest ? fest : QSize();
    }

    TempDir konfiguration;
    ScriptedDialogs* dialogs = nullptr;
    QStringList meldungen;
    std::unique_ptr<App> app;
    int redraws = 0;
};

} // namespace wyk::test
