#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <array>
#include <vector>

namespace wyk {

// Follows the name of one model file on disk through the system's file notifications:
// geaendert() is emitted once per save, kRuhe ms after the last notification of that save,
// whichever way the editor saves (writing in place, renaming a new file over the old one,
// deleting and creating it). The name is followed, not the file it led to first: a symbolic
// link re-pointed, a link replaced by a file and saves to a link's present target all count as
// saves. A name that leads nowhere emits nothing until it leads to a file again. Idle, it costs
// nothing. Names are taken by their bytes, also those that are no valid UTF-8.
class ModellWaechter : public QObject {
    Q_OBJECT

public:
    // Quiet time that ends a save: an editor's several writes come well within it.
    static constexpr int kRuhe = 200;
    // How long a save in progress is waited for before the file is taken as it is.
    static constexpr int kGeduld = 2000;

    explicit ModellWaechter(QObject* parent);
    ~ModellWaechter() override;
    ModellWaechter(const ModellWaechter&) = delete;
    ModellWaechter& operator=(const ModellWaechter&) = delete;

    // Follows the file at path from now on, instead of the one followed so far.
    void folgen(const QString& path);

    // The followed file was found half-written: geduldVorbei() follows when the file does not
    // change for the waiting time (kGeduld ms unless set otherwise); a change ends the wait and
    // emits geaendert() as usual.
    void abwarten();
    void geduldSetzen(int ms) { geduld_.setInterval(ms); }

    // The absolute path of the followed file; empty while none is followed.
    const QString& datei() const { return datei_; }

signals:
    void geaendert();
    void geduldVorbei();

private:
    // What the name leads to: the device and inode of the name itself and of the file at the
    // end of its links; zero where there is none.
    using Kennung = std::array<quint64, 4>;
    Kennung kennung() const;

    void beobachten();
    void loslassen();
    QString beobachtbar(const QByteArray& name);
    void veraendert();
    void ordnerGeaendert();
    void ruheErreicht();

    QFileSystemWatcher watcher_;
    QTimer ruhe_;
    QTimer geduld_;
    QString datei_;
    Kennung kennung_{};
    std::vector<int> gehalten_; // descriptors of watched names Qt cannot encode
};

} // namespace wyk
