#include "export/markup.h"

#include "platform/windows1252.h"

#include <QList>

namespace wyk {

namespace {

bool xmlErlaubt(char32_t c) {
    if (c < 0x20) {
        return c == 0x09 || c == 0x0A || c == 0x0D;
    }
    return !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFFFE && c != 0xFFFF;
}

QString zeichen(char32_t c, Zeichenregel regel) {
    if (regel == Zeichenregel::Windows1252) {
        return windows1252Byte(c) ? QString::fromUcs4(&c, 1)
                                  : QStringLiteral("&#%1;").arg(static_cast<quint32>(c));
    }
    return QString::fromUcs4(xmlErlaubt(c) ? &c : U"\uFFFD", 1);
}

} // namespace

QString markupText(const QString& text, Zeichenregel regel) {
    QString aus;
    aus.reserve(text.size());
    for (const char32_t c : text.toUcs4()) { // unpaired surrogates arrive as U+FFFD
        switch (c) {
        case '&':
            aus += QStringLiteral("&amp;");
            break;
        case '<':
            aus += QStringLiteral("&lt;");
            break;
        case '>':
            aus += QStringLiteral("&gt;");
            break;
        case '"':
            aus += QStringLiteral("&quot;");
            break;
        case '\'':
            aus += QStringLiteral("&#39;");
            break;
        default:
            aus += zeichen(c, regel);
        }
    }
    return aus;
}

} // namespace wyk
