#pragma once

#include <QString>

namespace wyk {

// The reason an operating-system call failed with the error number errnoWert, as a German
// phrase that completes a sentence ("… konnte nicht geschrieben werden: <Grund>"). Numbers
// without a phrase of their own give a general text that names the number.
[[nodiscard]] QString grundText(int errnoWert);

} // namespace wyk
