#pragma once

#include <QRect>

class QWidget;

namespace wyk {

// Gives a window's control its name and its place. wo is in the coordinates of bezug, the
// widget that holds the window's controls; it is the control's parent or, for a control
// inside a group box, one of the parent's ancestors. Without bezug, wo is in the parent's
// coordinates.
void platzieren(QWidget* control, const char* name, const QRect& wo,
                const QWidget* bezug = nullptr);

} // namespace wyk
