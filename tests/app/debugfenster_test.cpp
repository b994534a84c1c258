#include "app/windebug.h"
#include "appfixture.h"

#include <QHeaderView>
#include <QTableView>

namespace wyk::test {
namespace {

class DebugfensterTest : public AppTest {
protected:
    WINdebug* oeffnen() {
        klick(control("PushButton3"));
        return app->debugFenster();
    }
    QTableView* tabelle(const char* name) const {
        return teil<QTableView>(app->debugFenster(), QString::fromLatin1(name));
    }
    // The headings, then each row in the order shown, cells separated by blanks.
    QStringList zeilen(const char* name) const {
        const QTableView* view = tabelle(name);
        const QAbstractItemModel& daten = *view->model();
        QStringList zeilen;
        for (int row = -1; row < daten.rowCount(); ++row) {
            QStringList zellen;
            for (int i = 0; i < daten.columnCount(); ++i) {
                const QModelIndex zelle = daten.index(view->verticalHeader()->logicalIndex(row), i);
                zellen << (row < 0 ? daten.headerData(i, Qt::Horizontal) : zelle.data()).toString();
            }
            zeilen << zellen.join(' ');
        }
        return zeilen;
    }
    // Clicks into a cell as the user would, or into a heading for row -1.
    void klicken(const char* name, int row, int column = 1) {
        QTableView* view = tabelle(name);
        QHeaderView* kopf = view->horizontalHeader();
        const QRect zelle = view->visualRect(view->model()->index(row, column));
        QTest::mouseClick(row < 0 ? kopf->viewport() : view->viewport(), Qt::LeftButton, {},
                          row < 0 ? QPoint(kopf->sectionViewportPosition(column) + 5, 5)
                                  : zelle.center());
    }
    // "debugpkt debuglinie redraws", then counts the redraws afresh.
    QString marken() {
        const QString text = QStringLiteral("%1 %2").arg(m().debugpkt).arg(m().debuglinie);
        return text + ' ' + QString::number(std::exchange(redraws, 0));
    }
};

TEST_F(DebugfensterTest, OpensBesideTheMainWindowWithTheHeadingsOnlyAndPassesOnCommands) {
    haupt().move(30, 70); // beside it at the main window's top, not at its left edge
    m().anzpkt = -3; // no rows for a negative count
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->windowTitle(), "Debug");
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    EXPECT_EQ(QRect(fenster->pos(), fenster->size()), QRect(600, 70, 399, 435));
    pruefeTeile(*fenster, {"LBpunkte 20 38 197 377", "StaticText1 254 6 100 20 Linien",
                           "LBlinien 229 38 150 377", "StaticText2 53 6 100 20 Punkte"});
    EXPECT_EQ(zeilen("LBpunkte") + zeilen("LBlinien"),
              (QStringList{"Nr. x y z", "Nr. Pkt. Farbe"}));
    fenster->activateWindow(); // the picture command reaches the program from here too
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    QTest::keyClick(tabelle("LBpunkte"), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->proposed, QStringList{QStringLiteral("bild")});
}

TEST_F(DebugfensterTest, ShowsTheModelAndMarksTheClickedRowsUntilItCloses) {
    lade(beispiel("dreieck.wyk"));
    m().punkt[2][3] = 0.25; // a fraction shows in its shortest form
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    klicken("LBpunkte", -1); // the heading "x", twice: no sorting
    klicken("LBpunkte", -1);
    EXPECT_EQ(zeilen("LBpunkte"), (QStringList{"Nr. x y z", "1 0 0 0", "2 10 0 0.25", "3 0 10 0"}));
    EXPECT_EQ(zeilen("LBlinien"),
              (QStringList{"Nr. Pkt. Farbe", "1 1 0", "2 2 12", "3 3 10", "4 1 9"}));
    EXPECT_EQ(tabelle("LBpunkte")->model()->index(1, 3).data(Qt::ToolTipRole), "0.25");
    EXPECT_EQ(marken(), "0 0 1") << "only the load redrew";
    klicken("LBpunkte", 0);
    EXPECT_EQ(marken(), "1 0 1");
    klicken("LBlinien", 3, 2);
    EXPECT_EQ(marken(), "1 4 1");
    klicken("LBpunkte", 2, 0);
    EXPECT_EQ(marken(), "3 4 1");
    const QModelIndexList auswahl = tabelle("LBpunkte")->selectionModel()->selectedRows();
    EXPECT_TRUE(auswahl.size() == 1 && auswahl[0].row() == 2);
    m().anzpkt = 1; // would show fewer rows if the tables were filled again
    ASSERT_EQ(oeffnen(), fenster);
    EXPECT_EQ(tabelle("LBpunkte")->model()->rowCount(), 3);
    EXPECT_EQ(marken(), "3 4 0");
    fenster->close();
    EXPECT_EQ(marken(), "0 0 1");
    EXPECT_EQ(app->debugFenster(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fensterAnzahl<WINdebug>(), 0) << "a closed window is destroyed";
}

TEST_F(DebugfensterTest, LoadingClosesTheWindowButAFailedLoadDoesNot) {
    lade(beispiel("haus.wyk"));
    EXPECT_EQ(fensterAnzahl<WINdebug>(), 0) << "a load opens none";
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    klicken("LBpunkte", 1);
    klicken("LBlinien", 1);
    lade(beispiel("fehlt.wyk"));
    EXPECT_EQ(app->debugFenster(), fenster) << "the tables still show the loaded model";
    EXPECT_EQ(std::tuple(m().debugpkt, m().debuglinie, m().datname, m().anzpkt),
              std::tuple(2, 2, "haus.wyk", 10));
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("fehlt.wyk"))) << meldungen[0].toStdString();
    lade(beispiel("dreieck.wyk"));
    EXPECT_EQ(app->debugFenster(), nullptr);
    EXPECT_EQ(std::pair(m().debugpkt, m().debuglinie), std::pair(0, 0));
    ASSERT_NE(oeffnen(), nullptr);
    EXPECT_EQ(zeilen("LBpunkte").size(), 4);
}

} // namespace
} // namespace wyk::test
