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
    QString nurLesen = QStringLiteral("/sys"); // the superuser may write anywhere else
    if (::geteuid() != 0) {
        nurLesen = dir.folder("nurlesen");
        ::chmod(QFile::encodeName(nurLesen).constData(), 0555);
    }
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("LANG", "C");
    umgebung.insert("LC_ALL", "C");
    umgebung.remove("LANGUAGE");
    umgebung.insert("XDG_RUNTIME_DIR", dir.folder("laufzeit")); // else Qt warns in English
    ::chmod(QFile::encodeName(dir.path("laufzeit")).constData(), 0700);
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
        programm.setProcessEnvironment(umgebung);
        programm.start(WYK_VIEWER_BINARY, QStringList{"--export-off"} + argumente);
        ASSERT_TRUE(programm.waitForFinished(60000));
        const QString meldung = QString::fromUtf8(programm.readAllStandardError());
        EXPECT_TRUE(programm.exitCode() == 1 && meldung.contains(grund) &&
                    !meldung.contains(englisch))
            << meldung.toStdString();
    }
}

} // namespace
} // namespace wyk
