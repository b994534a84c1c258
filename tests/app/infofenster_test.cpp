#include "app/wiinfo.h"
#include "appfixture.h"

#include <QLabel>
#include <QPushButton>

namespace wyk::test {
namespace {

class InfofensterTest : public AppTest {
protected:
    WIInfo* oeffnen() {
        waehle("About");
        return app->infoFenster();
    }

    template <class T> static T* teil(WIInfo* fenster, const char* name) {
        auto* found = fenster->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(InfofensterTest, ShowsLogoTitleVersionAndAuthors) {
    WIInfo* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->windowTitle(), "Info");
    EXPECT_EQ(fenster->size(), QSize(238, 315));
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    EXPECT_EQ(fenster->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(fenster->autoFillBackground());
    struct Fall {
        const char* name;
        QRect geometrie;
        const char* text;
        int groesse;
        bool fett;
    };
    const Fall faelle[] = {{"PushButton1", {85, 275, 69, 20}, "OK", 12, false},
                           {"StaticText1", {52, 224, 131, 20}, "WYK-Viewer", 16, true},
                           {"StaticText2", {52, 248, 134, 20}, "Version 2.1", 12, false}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto* w = teil<QWidget>(fenster, fall.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), fall.geometrie);
        EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(fall.text));
        EXPECT_EQ(w->font().pixelSize(), fall.groesse);
        EXPECT_EQ(w->font().bold(), fall.fett);
    }
    EXPECT_EQ(teil<QLabel>(fenster, "StaticText1")->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    // The authors' line: from x = 146 to the right edge, or further left to show in full.
    auto* autoren = teil<QLabel>(fenster, "StaticText3");
    ASSERT_NE(autoren, nullptr);
    EXPECT_EQ(autoren->text(), QString::fromUtf8("© 2026 WYK-Viewer-Team"));
    EXPECT_EQ(autoren->font().pixelSize(), 9);
    EXPECT_EQ(autoren->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(autoren->y(), 295);
    EXPECT_EQ(autoren->height(), 20);
    EXPECT_EQ(autoren->geometry().right(), 237);
    EXPECT_LE(autoren->x(), 146);
    EXPECT_GE(autoren->x(), 0);
    EXPECT_LE(autoren->fontMetrics().horizontalAdvance(autoren->text()), autoren->width());
    struct BildFall {
        const char* name;
        QRect geometrie;
        int ressource;
    };
    for (const BildFall& fall : {BildFall{"ImageWell1", {39, 52, 160, 160}, 168},
                                 BildFall{"Canvas1", {0, 0, 100, 50}, 169}}) {
        SCOPED_TRACE(fall.name);
        auto* label = teil<QLabel>(fenster, fall.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), fall.geometrie);
        const QImage erwartet = m().ressourcen.picture(fall.ressource);
        ASSERT_FALSE(erwartet.isNull());
        EXPECT_TRUE(label->pixmap().toImage().convertToFormat(erwartet.format()) == erwartet);
    }
}

TEST_F(InfofensterTest, OkAndTheDefaultKeyClose) {
    struct Fall {
        const char* name;
        std::function<void(WIInfo*)> schliessen;
    };
    const Fall faelle[] = {
        {"OK",
         [](WIInfo* f) { QTest::mouseClick(teil<QPushButton>(f, "PushButton1"), Qt::LeftButton); }},
        {"Return", [](WIInfo* f) { QTest::keyClick(f, Qt::Key_Return); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        WIInfo* fenster = oeffnen();
        ASSERT_NE(fenster, nullptr);
        EXPECT_TRUE(teil<QPushButton>(fenster, "PushButton1")->isDefault());
        fall.schliessen(fenster);
        EXPECT_EQ(app->infoFenster(), nullptr);
    }
}

} // namespace
} // namespace wyk::test
