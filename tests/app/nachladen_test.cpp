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
    const std::pair<const char*, void (*)(const QString&, const QByteArray&)> arten[] = {
        {"in place", anOrt}, {"rename over", umbenennen}, {"delete, create", neuAnlegen}};
    const QString alt = laden("alt.wyk", 1);
    for (const auto& [art, speichern] : arten) {
        const QString path = laden(QString::fromLatin1(art) + ".wyk", 2);
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

TEST_F(NachladenTest, WritesInPiecesLoadOnceAfterTheLast) {
    QFile file(laden("m.wyk", 2));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray text = modell(5);
    for (qsizetype i = 0; i < text.size(); i += text.size() / 5 + 1) { // longer than the pause
        file.write(text.mid(i, text.size() / 5 + 1));
        file.flush();
        QTest::qWait(ModellWaechter::kRuhe / 3);
    }
    ASSERT_TRUE(gelesen());
    EXPECT_FALSE(gelesen(ModellWaechter::kRuhe * 3 / 2));
    EXPECT_EQ(std::pair(m().anzpkt, spy->count()), std::pair(5, qsizetype{1}));
}

TEST_F(NachladenTest, ARefusedSaveIsToldOnceUntilAGoodOneAndAGoneFileIsAwaited) {
    const QString path = laden("m.wyk", 3);
    const QByteArray kaputt = "5000\n";
    // Each save, then the points shown and the messages so far.
    const std::tuple<QByteArray, int, qsizetype> saves[] = {
        {kaputt, 3, 1}, {kaputt, 3, 1}, {modell(2), 2, 1}, {kaputt, 2, 2}};
    for (const auto& [text, anzpkt, told] : saves) {
        anOrt(path, text);
        ASSERT_TRUE(gelesen());
        EXPECT_EQ(std::pair(m().anzpkt, meldungen.size()), std::pair(anzpkt, told)) << text.data();
    }
    EXPECT_TRUE(meldungen.last().contains(QStringLiteral("5000 Punkte")))
        << meldungen.last().toStdString();
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(gelesen(ModellWaechter::kRuhe * 3 / 2)) << "a file gone leaves the model";
    anOrt(path, modell(6));
    ASSERT_TRUE(gelesen());
    EXPECT_EQ(std::pair(m().anzpkt, meldungen.size()), std::pair(6, qsizetype{2}));
}

TEST_F(NachladenTest, TheViewStaysAndTheDebugWindowShowsTheNewModel) {
    const QString path = laden("m.wyk", 3);
    klick(control("CBpunkte"));
    klick(control("RBdrag1"));
    m().rotwinkel = {0, 1.5, 0, -2.5};
    m().origx = 90;
    m().zoomfaktor = 4;
    const auto ansicht = [this] {
        return std::tuple(m().rotwinkel, m().origx, m().origy, m().zoomfaktor,
                          control<QCheckBox>("CBpunkte")->isChecked(),
                          control<QRadioButton>("RBdrag1")->isChecked());
    };
    const auto vorher = ansicht();
    klick(control("PushButton3"));
    WINdebug* fenster = app->debugFenster();
    ASSERT_NE(fenster, nullptr);
    m().debugpkt = 3;
    m().debuglinie = 2;
    anOrt(path, modell(2));
    ASSERT_TRUE(gelesen());
    EXPECT_EQ(ansicht(), vorher);
    ASSERT_EQ(app->debugFenster(), fenster);
    const auto* linien = teil<QTableView>(fenster, QStringLiteral("LBlinien"));
    EXPECT_EQ(std::tuple(linien->model()->rowCount(), m().debugpkt, m().debuglinie,
                         linien->selectionModel()->selectedRows().value(0).row()),
              std::tuple(2, 0, 2, 1));
}

} // namespace
} // namespace wyk::test
