#include "app/windebug.h"
#include "appfixture.h"

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
        return teil<QTableView>(app->debugFenster(), name);
    }
    // The headings, then each row, cells separated by blanks.
    QStringList zeilen(const char* name) const {
        const QAbstractItemModel& daten = *tabelle(name)->model();
        QStringList zeilen;
        for (int row = -1; row < daten.rowCount(); ++row) {
            QStringList zellen;
            for (int i = 0; i < daten.columnCount(); ++i) {
                zellen << (row < 0 ? daten.headerData(i, Qt::Horizontal)
                                   : daten.index(row, i).data())
                              .toString();
            }
            zeilen << zellen.join(' ');
        }
        return zeilen;
    }
    // Clicks a cell, then gives "debugpkt debuglinie redraws" and counts the redraws afresh.
    QString klicken(const char* name, int row, int column) {
        QTableView* view = tabelle(name);
        const QRect zelle = view->visualRect(view->model()->index(row, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, zelle.center());
        return QStringLiteral("%1 %2 %3")
            .arg(m().debugpkt)
            .arg(m().debuglinie)
            .arg(std::exchange(redraws, 0));
    }
};

TEST_F(DebugfensterTest, OpensBesideTheMainWindowAtItsTopAndPassesOnCommands) {
    haupt().move(30, 70);
    m().anzpkt = -3; // no rows for a negative count
    WINdebug* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(std::tuple(fenster->windowTitle(), fenster->pos(), fenster->minimumSize(),
                         fenster->maximumSize()),
              std::tuple("Debug", QPoint(600, 70), QSize(399, 435), QSize(399, 435)));
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
    m().punkt[2][3] = 0.25;
    const QPointer<WINdebug> fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(zeilen("LBpunkte") + zeilen("LBlinien"),
              (QStringList{"Nr. x y z", "1 0 0 0", "2 10 0 0.25", "3 0 10 0", "Nr. Pkt. Farbe",
                           "1 1 0", "2 2 12", "3 3 10", "4 1 9"}));
    EXPECT_EQ(tabelle("LBpunkte")->model()->index(1, 3).data(Qt::ToolTipRole), "0.25");
    EXPECT_EQ(std::exchange(redraws, 0), 1) << "only the load redrew";
    EXPECT_EQ(klicken("LBpunkte", 2, 0), "3 0 1");
    EXPECT_EQ(klicken("LBlinien", 3, 2), "3 4 1");
    m().anzpkt = 1; // would show fewer rows if the tables were filled again
    ASSERT_EQ(oeffnen(), fenster);
    EXPECT_EQ(std::pair(tabelle("LBpunkte")->model()->rowCount(), redraws), std::pair(3, 0));
    fenster->close();
    EXPECT_EQ(std::tuple(app->debugFenster(), m().debugpkt, m().debuglinie, redraws),
              std::tuple(nullptr, 0, 0, 1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull()) << "a closed window is destroyed";
    ASSERT_NE(oeffnen(), nullptr);
    lade(beispiel("haus.wyk"));
    EXPECT_EQ(app->debugFenster(), nullptr) << "a load closes it";
}

} // namespace
} // namespace wyk::test
