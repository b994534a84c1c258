#pragma once

#include "platform/dateischreiben.h"
#include "platform/inhalt.h"
#include "platform/namensweg.h"

// A part of the writer behind writeBinaryFile (platform/dateischreiben.h), for its files only.
namespace wyk::schreiben {

// Replaces the entry of ziel (altFd the old file open for writing, -1 when there is none) by a
// complete new file. 0 or the error number.
int ersetzen(const Ziel& ziel, const Inhalt& bytes, int altFd, const Haken& haken);

} // namespace wyk::schreiben
