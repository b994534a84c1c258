#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace wyk::test {

// A temporary folder with helpers to write, read and list the files in it.
class TempDir {
public:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
        return path(name);
    }

    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString folder(const QString& name) const {
        QDir(dir_.path()).mkpath(name);
        return path(name);
    }

    // Everything in the folder, hidden files included, sorted by name.
    QStringList names() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir dir_;
};

} // namespace wyk::test
