#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <ostream>

// Texts, bytes, points, sizes and pictures in a failed check read as such, so checks compare
// Qt's values directly; a text streamed into a check's message reads as itself.
inline std::ostream& operator<<(std::ostream& os, const QString& text) {
    return os << text.toStdString();
}
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}
inline void PrintTo(const QStringList& texte, std::ostream* os) {
    *os << '{';
    for (const QString& text : texte) {
        PrintTo(text, os);
        *os << (&text == &texte.back() ? "" : ", ");
    }
    *os << '}';
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << s.width() << 'x' << s.height();
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << '(' << r.x() << ", " << r.y() << ") " << r.width() << 'x' << r.height();
}
inline void PrintTo(const QImage& bild, std::ostream* os) {
    *os << bild.width() << "x" << bild.height() << " pixels";
}
