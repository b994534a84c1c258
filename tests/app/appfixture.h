#pragma once

#include "app/app.h"
#include "app/menubar.h"
#include "app/winhaupt.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Texts in a failed check read as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace wyk::test {

// The application with scripted file dialogs, collected messages and a settings file of its
// own, its main window shown on the offscreen platform. Counts the redraws that reach the
// canvas.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override { starte(); }
    void starte() {
        app.reset();
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        app = std::make_unique<App>(
            std::move(scripted), [this](QWidget*, const QString& text) { meldungen << text; },
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

    template <class T = QWidget> static T* teil(const QObject* in, const QString& name) {
        T* found = in->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template <class T = QWidget> T* control(const char* name) const {
        return teil<T>(&haupt(), name);
    }
    static void klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    static void aktivieren(QWidget* fenster) {
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    }
    void waehle(const char* name) const {
        app->menuBar().findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    QString lade(const QString& path) {
        dialogs->answers << path;
        waehle("FIload");
        return path;
    }

    // One line per control of a window, shown and enabled: "name left top width height" in
    // the window's content, then its caption, "an"/"aus" for a check mark and "default".
    static void pruefeTeile(const QWidget& inhalt, const QStringList& erwartet) {
        for (const QString& zeile : erwartet) {
            const QWidget* w = teil(&inhalt, zeile.section(' ', 0, 0));
            ASSERT_TRUE(w != nullptr && w->isVisible() && w->isEnabled()) << zeile.toStdString();
            const QRect r(w->mapTo(&inhalt, QPoint()), w->size());
            const char* text = w->property("title").isValid() ? "title" : "text";
            QStringList ist{w->objectName(),
                            QString::asprintf("%d %d %d %d", r.x(), r.y(), r.width(), r.height()),
                            w->property(text).toString()};
            if (w->property("checkable").toBool()) {
                ist << (w->property("checked").toBool() ? "an" : "aus");
            }
            ist << (w->property("default").toBool() ? "default" : "");
            ist.removeAll(QString());
            EXPECT_EQ(ist.join(' '), zeile);
        }
    }

    TempDir konfiguration;
    ScriptedDialogs* dialogs = nullptr;
    QStringList meldungen;
    std::unique_ptr<App> app;
    int redraws = 0;
};

} // namespace wyk::test
