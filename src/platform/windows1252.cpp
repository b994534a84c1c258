#include "platform/windows1252.h"

#include "platform/dateischreiben.h"

#include <array>

namespace wyk {

namespace {

// Characters of the bytes 0x80..0x9F; zero marks the five bytes the set leaves unassigned.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

std::optional<char> windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == character) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

QByteArray toWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (char32_t character : text.toUcs4()) {
        bytes.append(windows1252Byte(character).value_or('?'));
    }
    return bytes;
}

Outcome writeTextFile(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return writeBinaryFile(path, bytes);
}

} // namespace wyk
