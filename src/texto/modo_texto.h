// The game in a terminal as the program starts it: zarrapio-world --texto.
#pragma once

namespace zw::texto {

// Plays on the standard input and output with no window system at all, the
// saved game where the windows keep theirs. The program's exit code.
int jugarEnTerminal(int &argc, char **argv);

} // namespace zw::texto
