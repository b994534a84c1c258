// The process time of each command-line export of the largest example model, as a script
// calls the program once per model: a fresh process without a display, started and waited
// for. The calls take turns, round after round, so that a load on the machine falls on all of
// them alike; the table gives each call's median and its ratio to the preview's, the call a
// file manager makes.
//
//   build/bench/start_bench [ROUNDS [MODEL [PROGRAM]]]
// 15 rounds, the largest of examples/ and the program of this build by default; another
// PROGRAM (an older build) gives the figures to compare with.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Aufruf {
    const char* name;
    std::vector<std::string> argumente; // before the model
};

// The environment of a script in a session without a display.
std::vector<std::string> ohneBildschirm() {
    std::vector<std::string> umgebung;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string eintrag(*e);
        const std::string name = eintrag.substr(0, eintrag.find('='));
        if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM") {
            umgebung.push_back(eintrag);
        }
    }
    return umgebung;
}

// Milliseconds from the start of the program to its end, or a negative value when it failed.
double laufzeit(const std::vector<std::string>& befehl, const std::vector<std::string>& umgebung) {
    std::vector<char*> argv;
    for (const std::string& teil : befehl) {
        argv.push_back(const_cast<char*>(teil.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& teil : umgebung) {
        envp.push_back(const_cast<char*>(teil.c_str()));
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t umleiten;
    posix_spawn_file_actions_init(&umleiten);
    posix_spawn_file_actions_addopen(&umleiten, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer uhr;
    uhr.start();
    pid_t kind = 0;
    const int fehler =
        posix_spawn(&kind, argv[0], &umleiten, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&umleiten);
    int status = 0;
    if (fehler != 0 || waitpid(kind, &status, 0) != kind) {
        return -1;
    }
    const double ms = static_cast<double>(uhr.nsecsElapsed()) / 1e6;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 == 1 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

// The largest model file in the folder.
QString groesstesBeispiel(const QString& ordner) {
    const QFileInfoList dateien = QDir(ordner).entryInfoList({QStringLiteral("*.wyk")}, QDir::Files,
                                                             QDir::Size);
    return dateien.isEmpty() ? QString() : dateien.first().absoluteFilePath();
}

} // namespace

int main(int argc, char** argv) {
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString modell = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()
                                    : groesstesBeispiel(QStringLiteral(WYK_EXAMPLES_DIR));
    const std::string programm = argc > 3 ? argv[3] : WYK_VIEWER_BINARY;
    QTemporaryDir ordner;
    if (modell.isEmpty() || !ordner.isValid() || !QDir::setCurrent(ordner.path())) {
        std::fprintf(stderr, "no model or no temporary folder\n");
        return 1;
    }
    const std::vector<Aufruf> aufrufe = {
        {"preview 400", {"--export-thumbnail", "t.png", "--thumbnail-size", "400"}},
        {"PNG", {"--export-png", "o.png"}},
        {"PNG, fitted 800x600", {"--export-picture", "f.png", "--fit", "--size", "800x600"}},
        {"BMP", {"--export-picture", "o.bmp"}},
        {"SVG", {"--export-picture", "o.svg"}},
        {"PDF", {"--export-picture", "o.pdf"}},
        {"page", {"--export-picture", "o.html"}},
        {"OFF", {"--export-off", "o.off"}},
        {"OFF with web files", {"--export-web", "w.off"}},
        {"--version", {"--version"}},
        {"--help", {"--help"}},
    };
    const std::vector<std::string> umgebung = ohneBildschirm();
    std::vector<std::vector<double>> zeiten(aufrufe.size());
    for (int runde = 0; runde < runden; ++runde) {
        for (std::size_t i = 0; i < aufrufe.size(); ++i) {
            std::vector<std::string> befehl{programm};
            befehl.insert(befehl.end(), aufrufe[i].argumente.begin(), aufrufe[i].argumente.end());
            if (aufrufe[i].argumente.front().starts_with("--export")) {
                befehl.insert(befehl.end(), {"--", modell.toStdString()});
            }
            const double ms = laufzeit(befehl, umgebung);
            if (ms < 0) {
                std::fprintf(stderr, "%s failed\n", aufrufe[i].name);
                return 1;
            }
            zeiten[i].push_back(ms);
        }
    }
    std::printf("%s, %d rounds of alternating calls, each a new process without a display\n\n",
                qPrintable(QDir::toNativeSeparators(modell)), runden);
    std::printf("%-22s %10s   %s\n", "call", "median ms", "against the preview");
    const double vorschau = median(zeiten.front());
    for (std::size_t i = 0; i < aufrufe.size(); ++i) {
        const double ms = median(zeiten[i]);
        std::printf("%-22s %10.1f   %.2f x\n", aufrufe[i].name, ms, ms / vorschau);
    }
    return 0;
}
