#include "export/markup.h"

#include <QList>

namespace wyk {

namespace {

bool erlaubt(char32_t c) {
    if (c < 0x20) {
        return c == 0x09 || c == 0x0A || c == 0x0D;
    }
    return !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFFFE && c != 0xFFFF;
}

} // namespace

QString markupText(const QString& text) {
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
            aus += QString::fromUcs4(erlaubt(c) ? &c : U"\uFFFD", 1);
        }
    }
    return aus;
}

} // namespace wyk
