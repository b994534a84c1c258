#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace wyk {

// Follows one model file on disk through the system's file notifications: geaendert() is
// emitted once per save, kRuhe ms after the last notification of that save, whichever way the
// editor saves (writing in place, renaming a new file over the old one, deleting and creating
// it). A file that is gone emits nothing until it is there again. Idle, it costs nothing.
class ModellWaechter : public QObject {
    Q_OBJECT

public:
    // Quiet time that ends a save: an editor's several writes come well within it.
    static constexpr int kRuhe = 200;

    explicit ModellWaechter(QObject* parent);

    // Follows the file at path from now on, instead of the one followed so far.
    void folgen(const QString& path);

    // The absolute path of the followed file; empty while none is followed.
    const QString& datei() const { return datei_; }

signals:
    void geaendert();

private:
    void ordnerGeaendert();
    void ruheErreicht();

    QFileSystemWatcher watcher_;
    QTimer ruhe_;
    QString datei_;
};

} // namespace wyk
