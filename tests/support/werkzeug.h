#pragma once

#include <QStandardPaths>
#include <QString>
#include <gtest/gtest.h>

// The path of an outside program a test needs, found on the path. Without it the test is
// skipped with the message on a developer's machine and fails where CI is set, so a missing
// install step cannot pass unseen. Use as: WYK_WERKZEUG(pfad, "rsvg-convert", "librsvg2-bin");
#define WYK_WERKZEUG(pfad, name, paket)                                                          \
    const QString pfad = QStandardPaths::findExecutable(QStringLiteral(name));                   \
    if (pfad.isEmpty()) {                                                                        \
        if (!qEnvironmentVariableIsEmpty("CI")) {                                                \
            FAIL() << name " (" paket ") is missing where CI is set";                           \
        }                                                                                        \
        GTEST_SKIP() << name " (" paket ") is missing: this check does not run";                \
    }
