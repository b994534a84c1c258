#include "platform/dateiname.h"

#include <QUrl>
#include <array>
#include <cerrno>
#include <unistd.h>

namespace wyk {

namespace {

constexpr char16_t kErsatz = 0xDC00; // plus the byte: where an invalid byte stands in a text

// The length of the valid UTF-8 sequence at the start of the rest bytes at s, or 0 when none
// starts there (a stray byte, an overlong form, a surrogate or a code beyond U+10FFFF).
int folgeLaenge(const unsigned char* s, qsizetype rest) {
    const unsigned char kopf = s[0];
    if (kopf < 0x80) {
        return 1;
    }
    const int laenge = kopf >= 0xF0 ? 4 : kopf >= 0xE0 ? 3 : kopf >= 0xC0 ? 2 : 0;
    if (laenge == 0 || rest < laenge) {
        return 0;
    }
    char32_t code = kopf & (0x7F >> laenge);
    for (int i = 1; i < laenge; ++i) {
        if ((s[i] & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (s[i] & 0x3F);
    }
    constexpr std::array<char32_t, 5> kKleinste = {0, 0, 0x80, 0x800, 0x10000};
    const bool gueltig = code >= kKleinste[static_cast<std::size_t>(laenge)] && code <= 0x10FFFF &&
                         (code < 0xD800 || code > 0xDFFF);
    return gueltig ? laenge : 0;
}

} // namespace

QString nameAusBytes(QByteArrayView bytes) {
    QString name;
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size();) {
        const int laenge = folgeLaenge(s + i, bytes.size() - i);
        if (laenge == 0) {
            name += QChar(static_cast<char16_t>(kErsatz + s[i++]));
        } else {
            name += QString::fromUtf8(bytes.data() + i, laenge);
            i += laenge;
        }
    }
    return name;
}

QByteArray bytesAusName(const QString& name) {
    QByteArray bytes;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool einzeln = !(i > 0 && name[i - 1].isHighSurrogate());
        if (c >= kErsatz + 0x80 && c <= kErsatz + 0xFF && einzeln) {
            bytes += QStringView(name).sliced(anfang, i - anfang).toUtf8();
            bytes += static_cast<char>(c - kErsatz);
            anfang = i + 1;
        }
    }
    return bytes + QStringView(name).sliced(anfang).toUtf8();
}

QString absoluterName(const QString& name) {
    if (name.startsWith(QLatin1Char('/'))) {
        return name;
    }
    QByteArray ordner(4096, '\0');
    while (::getcwd(ordner.data(), static_cast<std::size_t>(ordner.size())) == nullptr) {
        if (errno != ERANGE || ordner.size() > (1 << 20)) {
            return name;
        }
        ordner.resize(ordner.size() * 2);
    }
    ordner.truncate(static_cast<qsizetype>(qstrlen(ordner.constData())));
    if (!ordner.endsWith('/')) {
        ordner += '/';
    }
    return nameAusBytes(ordner) + name;
}

std::optional<QString> dateiAusArgument(const QString& argument, QString& grund) {
    const QUrl url(argument);
    const QString schema = url.scheme() + QStringLiteral("://");
    if (url.scheme().isEmpty() || !argument.startsWith(schema, Qt::CaseInsensitive)) {
        return argument;
    }
    if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == QLatin1String("localhost"))) {
        grund = QStringLiteral("„%1“ ist keine lokale Datei: Nur Dateinamen und file://-Adressen "
                               "lassen sich öffnen.")
                    .arg(argument);
        return std::nullopt;
    }
    const QByteArray name =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (name.contains('\0')) {
        grund = QStringLiteral("„%1“ enthält ein Nullzeichen (%2), das in keinem Dateinamen "
                               "stehen kann.")
                    .arg(argument, QStringLiteral("%00"));
        return std::nullopt;
    }
    return nameAusBytes(name);
}

} // namespace wyk
