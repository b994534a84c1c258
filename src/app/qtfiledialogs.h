#pragma once

#include "platform/filedialogs.h"

namespace wyk {

// The system's open and save dialogs, over the active window.
class QtFileDialogs : public FileDialogs {
protected:
    std::optional<DialogWahl> oeffnen(const DialogAngebot& angebot) override;
    std::optional<DialogWahl> speichern(const DialogAngebot& angebot) override;
};

} // namespace wyk
