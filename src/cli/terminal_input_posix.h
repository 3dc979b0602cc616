#pragma once

#include "terminal_input.h"

namespace quorvel {

// TerminalInput on a file descriptor; a terminal's settings are restored when it is
// destroyed and when a signal ends the program. One may exist at a time.
std::unique_ptr<TerminalInput> openTerminalInput(int fd);

} // namespace quorvel
