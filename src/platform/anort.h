#pragma once

#include "platform/inhalt.h"

// A part of the writer behind writeBinaryFile (platform/dateischreiben.h), for its files only.
namespace wyk::schreiben {

// An error number of the writer's own: the file system could not show room for the whole
// content, so the file is not written in place.
constexpr int kOhneVorhalt = -2;

// Writes over the open regular file fd from its start, once the disk holds room for all bytes;
// the signals that end the program wait until the file is whole. 0 or the error number.
int anOrt(int fd, const Inhalt& bytes);

} // namespace wyk::schreiben
