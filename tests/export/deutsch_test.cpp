// The real program under a locale without German texts: every message it prints is German,
// the operating system's reason included.
#include "support/tempdir.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wyk {
namespace {

TEST(Meldungen, GiveTheSystemsReasonInGerman) {
    test::TempDir dir;
    // The superuser may write anywhere but into the kernel's own file system.
    QString nurLesen = QStringLiteral("/sys");
    if (::geteuid() != 0) {
        nurLesen = dir.folder("nurlesen");
        ::chmod(QFile::encodeName(nurLesen).constData(), 0555);
    }
    const QString laufzeit = dir.folder("laufzeit"); // else Qt warns in English
    ::chmod(QFile::encodeName(laufzeit).constData(), 0700);
    const QString haus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");
    const std::pair<QStringList, QString> faelle[] = {
        {{"/nonexistent-dir/x.off", haus}, "existiert nicht"},
        {{nurLesen + "/x.off", haus}, "Berechtigung"},
        {{dir.path(QString(256, 'n')), haus}, "zu lang"},
        {{dir.path("x.off"), dir.path("fehlt.wyk")}, "existiert nicht"},
    };
    static const QRegularExpression englisch(
        "\\b(no|such|file|directory|permission|denied|error|failed|cannot|read-only|too|long|"
        "space|left)\\b",
        QRegularExpression::CaseInsensitiveOption);
    for (const auto& [argumente, grund] : faelle) {
        QProcess programm;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("LANG", "C");
        umgebung.insert("LC_ALL", "C");
        umgebung.remove("LANGUAGE");
        umgebung.insert("XDG_RUNTIME_DIR", laufzeit);
        programm.setProcessEnvironment(umgebung);
        programm.start(WYK_VIEWER_BINARY, QStringList{"--export-off"} + argumente);
        ASSERT_TRUE(programm.waitForFinished(60000));
        const QString meldung = QString::fromUtf8(programm.readAllStandardError());
        EXPECT_EQ(programm.exitCode(), 1) << meldung.toStdString();
        EXPECT_TRUE(meldung.contains(grund)) << meldung.toStdString();
        EXPECT_FALSE(meldung.contains(englisch)) << meldung.toStdString();
    }
}

} // namespace
} // namespace wyk
