#include "platform/kennung.h"

#include "platform/dateiname.h"
#include "platform/namensweg.h"

#include <sys/stat.h>

namespace wyk {

std::optional<Kennung> kennungVon(const QString& path) {
    schreiben::Ziel ziel;
    ziel.nurAnsehen = true;
    if (schreiben::aufloesen(bytesAusName(path), ziel) != 0 || !ziel.vorher) {
        return std::nullopt;
    }
    const struct stat& info = *ziel.vorher;
    return Kennung{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
}

bool dieselbeDatei(const QString& a, const QString& b) {
    const auto eins = kennungVon(a);
    return eins && eins == kennungVon(b);
}

} // namespace wyk
