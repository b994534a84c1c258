#pragma once

namespace wyk {

// Gives the program's own widgets the roles a screen reader announces: the drawing as a
// graphic, the main and debug windows as windows. Their names come from the widgets'
// accessible names and titles. Installing it again changes nothing.
void zugangEinrichten();

} // namespace wyk
