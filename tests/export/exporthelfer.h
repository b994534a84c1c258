#pragma once

#include "model/reader.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

namespace wyk::test {

// The web page for the OFF file whose name stands in the page as the bytes wert.
inline QByteArray seite(const QByteArray& wert) {
    return "<HTML>\r\n<HEAD>\r\n<TITLE>OFF-Viewer</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<CENTER><APPLET "
           "code=\"Viewer41.class\" WIDTH=\"640\" HEIGHT=\"480\"><PARAM name=model value=\"" +
           wert + "\"></APPLET></CENTER>\r\n</BODY>\r\n</HTML>\r\n";
}

inline const QStringList kKlassen = {"Face.class", "Matrix3D.class", "OOGL_OFF.class",
                                     "Viewer41.class"};

// The applet's class file as the program's resources are built of it.
inline QByteArray klasse(const QString& name) {
    QFile datei(QStringLiteral(WYK_APPLET_DIR "/") + name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace wyk::test
