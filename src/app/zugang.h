#pragma once

namespace wyk {

// Gives the program's own widgets the roles a screen reader announces: the drawing as a
// graphic, the main and debug windows as windows; their names come from the widgets'
// accessible names and titles. Menu items whose captions end in a blank are named without
// it. Installing it again changes nothing.
void zugangEinrichten();

} // namespace wyk
