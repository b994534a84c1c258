#pragma once

#include "platform/outcome.h"

#include <QString>
#include <functional>

class QWidget;

namespace wyk {

// Shows the user a German message about a command that failed, over the given window.
using Melder = std::function<void(QWidget* parent, const QString& text)>;

// The program's way: a warning box, its text shown as plain text.
void warnungZeigen(QWidget* parent, const QString& text);

// Reports a failed outcome through the melder; done and cancelled commands say nothing.
void melden(const Melder& melder, QWidget* parent, const Outcome& outcome);

} // namespace wyk
