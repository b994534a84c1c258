#pragma once

#include "model/module1.h"
#include "model/reader.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <initializer_list>

namespace wyk::test {

// The bytes of a text file the program writes: every line ended by CR LF.
inline QByteArray crlf(std::initializer_list<const char*> lines) {
    QByteArray bytes;
    for (const char* line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

inline QString beispiel(const QString& name) {
    return QStringLiteral(WYK_EXAMPLES_DIR "/") + name;
}

// Loads one of the example models; false when that failed.
inline bool ladeBeispiel(Module1& m, const QString& name) {
    return ladeDatei(m, beispiel(name)).isDone();
}

// The applet's class file kept under resource number n, read straight from the resources.
inline QByteArray klassendatei(int n) {
    QFile file(QStringLiteral(":/TEXT/%1").arg(n));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names of the files in a folder, sorted.
inline QStringList dateien(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace wyk::test
