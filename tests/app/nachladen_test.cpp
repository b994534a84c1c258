#include "app/modellwaechter.h"
#include "app/windebug.h"
#include "appfixture.h"
#include "support/tempdir.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <filesystem>

namespace wyk::test {
namespace {

// n points and n pen moves.
QByteArray modell(int n) {
    const QByteArray anzahl = QByteArray::number(n) + '\n';
    return anzahl + QByteArray("1 2 3\n").repeated(n) + anzahl + QByteArray("1 9\n").repeated(n);
}

// The ways editors save: in place, a new file renamed over the old one, delete and create.
void anOrt(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}
void umbenennen(const QString& path, const QByteArray& text) {
    anOrt(path + ".neu", text);
    std::filesystem::rename((path + ".neu").toStdString(), path.toStdString());
}
void neuAnlegen(const QString& path, const QByteArray& text) {
    ASSERT_TRUE(QFile::remove(path));
    anOrt(path, text);
}
// In place, in five writes that together take longer than the pause that ends a save.
void stueckweise(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (qsizetype i = 0; i < text.size(); i += text.size() / 5 + 1) {
        file.write(text.mid(i, text.size() / 5 + 1));
        file.flush();
        QTest::qWait(ModellWaechter::kRuhe / 3);
    }
}

class NachladenTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        spy = std::make_unique<QSignalSpy>(app->findChild<ModellWaechter*>(),
                                           &ModellWaechter::geaendert);
    }
    // Loads a model of n points through the menu and returns its path.
    QString laden(const QString& name, int n) {
        const QString path = dir.write(name, modell(n));
        lade(path);
        return path;
    }
    // Whether the followed file is read again within a second (or within wait ms).
    bool gelesen(int wait = 1000) { return spy->wait(wait); }

    TempDir dir;
    std::unique_ptr<QSignalSpy> spy;
};

TEST_F(NachladenTest, EachWayOfSavingLoadsOncePerSaveAndTheNewestFileIsFollowed) {
    const QString alt = laden("alt.wyk", 1);
    int art = 0;
    for (auto* speichern : {anOrt, umbenennen, neuAnlegen, stueckweise}) {
        const QString path = laden(QStringLiteral("%1.wyk").arg(++art), 2);
        anOrt(alt, modell(7)); // no longer followed
        spy->clear();
        for (const int n : {3, 4}) { // the second save finds the file still followed
            speichern(path, modell(n));
            ASSERT_TRUE(gelesen()) << art << ' ' << n;
            EXPECT_EQ(std::pair(m().anzpkt, m().datname), std::pair(n, QFileInfo(path).fileName()));
        }
        EXPECT_EQ(spy->count(), 2) << art;
    }
}

// A save the reader refuses is told once until a good one; the view and the debug window stay.
TEST_F(NachladenTest, TheViewStaysARefusedSaveIsToldOnceAndAGoneFileIsAwaited) {
    const QString path = laden("m.wyk", 3);
    klick(control("CBpunkte"));
    klick(control("RBdrag1"));
    m().rotwinkel = {0, 1.5, 0, -2.5};
    m().origx = 90;
    m().zoomfaktor = 4;
    klick(control("PushButton3"));
    WINdebug* fenster = app->debugFenster();
    ASSERT_NE(fenster, nullptr);
    m().debugpkt = 3;
    m().debuglinie = 2;
    const QByteArray kaputt = "5000\n";
    // Each save, then the points shown and the messages so far.
    const std::tuple<QByteArray, int, qsizetype> saves[] = {
        {kaputt, 3, 1}, {kaputt, 3, 1}, {modell(2), 2, 1}, {kaputt, 2, 2}};
    for (const auto& [text, anzpkt, told] : saves) {
        anOrt(path, text);
        ASSERT_TRUE(gelesen());
        EXPECT_EQ(std::pair(m().anzpkt, meldungen.size()), std::pair(anzpkt, told)) << text.data();
    }
    EXPECT_TRUE(meldungen.last().contains("5000 Punkte")) << meldungen.last().toStdString();
    EXPECT_EQ(std::tuple(m().rotwinkel, m().origx, m().origy, m().zoomfaktor,
                         control<QCheckBox>("CBpunkte")->isChecked(),
                         control<QRadioButton>("RBdrag1")->isChecked()),
              std::tuple(std::array<double, 4>{0, 1.5, 0, -2.5}, 90, 200, 4, true, true));
    ASSERT_EQ(app->debugFenster(), fenster);
    const auto* linien = teil<QTableView>(fenster, "LBlinien");
    EXPECT_EQ(std::tuple(linien->model()->rowCount(), m().debugpkt, m().debuglinie,
                         linien->selectionModel()->selectedRows().value(0).row()),
              std::tuple(2, 0, 2, 1));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(gelesen(ModellWaechter::kRuhe * 3 / 2)) << "a file gone leaves the model";
    anOrt(path, modell(6));
    ASSERT_TRUE(gelesen());
    EXPECT_EQ(m().anzpkt, 6);
}

} // namespace
} // namespace wyk::test
