#include "app/windebug.h"
#include "appfixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace wyk::test {
namespace {

class DebugfensterTest : public AppTest {
protected:
    WINdebug* oeffnen() {
        QTest::mouseClick(control<QPushButton>("PushButton3"), Qt::LeftButton);
        return app->debugFenster();
    }

    static QTableView* tabelle(WINdebug* fenster, const char* name) {
        auto* view = fenster->findChild<QTableView*>(QString::fromLatin1(name));
        EXPECT_NE(view, nullptr) << name;
        return view;
    }

    static QStringList ueberschriften(const QTableView* view) {
        QStringList texte;
        for (int i = 0; i < view->model()->columnCount(); ++i) {
            texte << view->model()->headerData(i, Qt::Horizontal).toString();
        }
        return texte;
    }

    static QStringList zeile(const QTableView* view, int row) {
        QStringList texte;
        for (int i = 0; i < view->model()->columnCount(); ++i) {
            texte << view->model()->index(row, i).data().toString();
        }
        return texte;
    }

    // Clicks into a row as the user would, scrolling it into view first.
    static void klicken(QTableView* view, int row, int column = 1) {
        const QModelIndex index = view->model()->index(row, column);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }

    // Every debug window in existence, open or about to be destroyed.
    static int debugFensterAnzahl() {
        int anzahl = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            anzahl += qobject_cast<WINdebug*>(w) != nullptr ? 1 : 0;
        }
        return anzahl;
    }
};

TEST_F(DebugfensterTest, OpensBesideTheMainWindow) {
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->windowTitle(), "Debug");
    EXPECT_EQ(fenster->size(), QSize(399, 435));
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize()) << "not resizable";
    EXPECT_EQ(fenster->x(), 600);
    EXPECT_EQ(fenster->y(), haupt().y());
    struct Fall {
        const char* name;
        QRect geometrie;
        const char* text;
    };
    const Fall faelle[] = {{"LBpunkte", {20, 38, 197, 377}, nullptr},
                           {"StaticText1", {254, 6, 100, 20}, "Linien"},
                           {"LBlinien", {229, 38, 150, 377}, nullptr},
                           {"StaticText2", {53, 6, 100, 20}, "Punkte"}};
    for (const Fall& fall : faelle) {
        auto* w = fenster->findChild<QWidget*>(QString::fromLatin1(fall.name));
        ASSERT_NE(w, nullptr) << fall.name;
        EXPECT_EQ(w->geometry(), fall.geometrie) << fall.name;
        if (fall.text != nullptr) {
            EXPECT_EQ(w->property("text").toString(), fall.text);
        }
    }
}

TEST_F(DebugfensterTest, EmptyModelShowsOnlyTheHeadings) {
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    QTableView* punkte = tabelle(fenster, "LBpunkte");
    QTableView* linien = tabelle(fenster, "LBlinien");
    EXPECT_EQ(ueberschriften(punkte), (QStringList{"Nr.", "x", "y", "z"}));
    EXPECT_EQ(ueberschriften(linien), (QStringList{"Nr.", "Pkt.", "Farbe"}));
    EXPECT_TRUE(punkte->horizontalHeader()->isVisible());
    EXPECT_EQ(punkte->model()->rowCount(), 0);
    EXPECT_EQ(linien->model()->rowCount(), 0);
}

TEST_F(DebugfensterTest, RowsShowTheModelInIndexOrder) {
    lade(beispiel("dreieck.wyk"));
    m().punkt[2][3] = 0.25; // a fraction shows in its shortest form
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    QTableView* punkte = tabelle(fenster, "LBpunkte");
    QTableView* linien = tabelle(fenster, "LBlinien");
    ASSERT_EQ(punkte->model()->rowCount(), 3);
    EXPECT_EQ(zeile(punkte, 0), (QStringList{"1", "0", "0", "0"}));
    EXPECT_EQ(zeile(punkte, 1), (QStringList{"2", "10", "0", "0.25"}));
    EXPECT_EQ(zeile(punkte, 2), (QStringList{"3", "0", "10", "0"}));
    ASSERT_EQ(linien->model()->rowCount(), 4);
    EXPECT_EQ(zeile(linien, 0), (QStringList{"1", "1", "0"}));
    EXPECT_EQ(zeile(linien, 1), (QStringList{"2", "2", "12"}));
    EXPECT_EQ(zeile(linien, 3), (QStringList{"4", "1", "9"}));
}

TEST_F(DebugfensterTest, ClicksMarkAPointAndAMove) {
    lade(beispiel("haus.wyk"));
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    redraws = 0;
    QTableView* punkte = tabelle(fenster, "LBpunkte");
    QTableView* linien = tabelle(fenster, "LBlinien");
    klicken(punkte, 0);
    EXPECT_EQ(m().debugpkt, 1);
    EXPECT_EQ(redraws, 1);
    klicken(linien, m().anzlin - 1, 2);
    EXPECT_EQ(m().debuglinie, m().anzlin);
    EXPECT_EQ(m().debugpkt, 1) << "the other table's mark stays";
    klicken(punkte, 6, 0);
    EXPECT_EQ(m().debugpkt, 7);
    EXPECT_EQ(redraws, 3);
    EXPECT_EQ(punkte->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(punkte->selectionModel()->selectedRows().constFirst().row(), 6);
}

TEST_F(DebugfensterTest, HeadingClickDoesNotSort) {
    lade(beispiel("haus.wyk"));
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    QTableView* punkte = tabelle(fenster, "LBpunkte");
    QHeaderView* kopf = punkte->horizontalHeader();
    for (int klick = 0; klick < 2; ++klick) {
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                          QPoint(kopf->sectionViewportPosition(1) + 5, kopf->height() / 2));
    }
    for (int row = 0; row < 10; ++row) {
        const QModelIndex oben =
            punkte->indexAt(punkte->visualRect(punkte->model()->index(row, 0)).center());
        EXPECT_EQ(oben.row(), row);
        EXPECT_EQ(oben.data().toString(), QString::number(row + 1));
    }
    EXPECT_EQ(m().debugpkt, 0);
}

TEST_F(DebugfensterTest, ClosingRemovesTheMarks) {
    lade(beispiel("haus.wyk"));
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    klicken(tabelle(fenster, "LBpunkte"), 2);
    klicken(tabelle(fenster, "LBlinien"), 3);
    redraws = 0;
    fenster->close();
    EXPECT_EQ(m().debugpkt, 0);
    EXPECT_EQ(m().debuglinie, 0);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(app->debugFenster(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(debugFensterAnzahl(), 0) << "a closed window is destroyed";
}

TEST_F(DebugfensterTest, DebugAgainBringsTheSameWindowWithoutRefilling) {
    lade(beispiel("haus.wyk"));
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    klicken(tabelle(fenster, "LBpunkte"), 4);
    m().anzpkt = 3; // would show fewer rows if the tables were filled again
    EXPECT_EQ(oeffnen(), fenster);
    EXPECT_EQ(tabelle(fenster, "LBpunkte")->model()->rowCount(), 10);
    EXPECT_EQ(m().debugpkt, 5);
    EXPECT_EQ(debugFensterAnzahl(), 1);
}

TEST_F(DebugfensterTest, LoadingClosesTheWindowAndClearsTheMarks) {
    lade(beispiel("haus.wyk"));
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    klicken(tabelle(fenster, "LBpunkte"), 1);
    klicken(tabelle(fenster, "LBlinien"), 1);
    lade(beispiel("dreieck.wyk"));
    EXPECT_EQ(app->debugFenster(), nullptr);
    EXPECT_EQ(m().debugpkt, 0);
    EXPECT_EQ(m().debuglinie, 0);
    WINdebug* neu = oeffnen();
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(tabelle(neu, "LBpunkte")->model()->rowCount(), 3);
}

TEST_F(DebugfensterTest, LoadingWithoutTheWindowCreatesNone) {
    lade(beispiel("haus.wyk"));
    EXPECT_EQ(debugFensterAnzahl(), 0);
    EXPECT_EQ(m().debugpkt, 0);
}

TEST_F(DebugfensterTest, FailedLoadLeavesTheWindowAndMarks) {
    lade(beispiel("haus.wyk"));
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    klicken(tabelle(fenster, "LBpunkte"), 1);
    lade(beispiel("fehlt.wyk"));
    EXPECT_EQ(app->debugFenster(), fenster) << "the tables still show the loaded model";
    EXPECT_EQ(m().debugpkt, 2);
    EXPECT_EQ(meldungen.size(), 1);
}

TEST_F(DebugfensterTest, SavePictureShortcutWorksWithTheDebugWindowInFront) {
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    QTest::keyClick(tabelle(fenster, "LBpunkte"), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->proposed, QStringList{QStringLiteral("bild")});
}

} // namespace
} // namespace wyk::test
