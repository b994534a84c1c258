#pragma once

#include "app/app.h"
#include "app/menubar.h"
#include "app/winhaupt.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace wyk::test {

// The application with scripted file dialogs and collected messages, its main window shown
// on the offscreen platform. Counts the redraws that reach the canvas.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        app = std::make_unique<App>(std::move(scripted),
                                    [this](QWidget*, const QString& text) { meldungen << text; });
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt()));
        auto zeigen = m().fenster.canvasZeigen;
        m().fenster.canvasZeigen = [this, zeigen] {
            ++redraws;
            zeigen();
        };
    }

    void TearDown() override {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Module1& m() const { return app->modul(); }
    WINhaupt& haupt() const { return app->haupt(); }

    template <class T> T* control(const char* name) const {
        T* found = haupt().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QAction* eintrag(const char* name) const {
        return app->menuBar().eintrag(QString::fromLatin1(name));
    }

    // Chooses a menu item as the user would.
    void waehle(const char* name) const { eintrag(name)->trigger(); }

    static QString beispiel(const char* name) {
        return QStringLiteral(WYK_EXAMPLES_DIR "/") + QString::fromLatin1(name);
    }

    // Loads a model through the File menu's load command.
    void lade(const QString& path) {
        dialogs->answers << path;
        waehle("FIload");
    }

    ScriptedDialogs* dialogs = nullptr;
    QStringList meldungen;
    std::unique_ptr<App> app;
    int redraws = 0;
};

} // namespace wyk::test
