#pragma once

#include <QStandardPaths>
#include <QString>
#include <gtest/gtest.h>

// The path of an outside program a test needs, found on the path. Without it the test is
// skipped on a developer's machine and fails where CI is set, so a missing install step cannot
// pass unseen. Use as: WYK_WERKZEUG(pfad, "rsvg-convert", "librsvg2-bin");
#define WYK_WERKZEUG(pfad, name, paket)                                                            \
    const QString pfad = QStandardPaths::findExecutable(QStringLiteral(name));                     \
    if (pfad.isEmpty()) {                                                                          \
        ASSERT_TRUE(qEnvironmentVariableIsEmpty("CI")) << name " (" paket ") is missing";          \
        GTEST_SKIP() << name " (" paket ") is missing: this check does not run";                   \
    }
