#pragma once

namespace quorvel {

class CommandCall;

// quorvel-cli devices [--json]: the attached readers; status 1 when there is none.
int devicesCommand(CommandCall& call);

// quorvel-cli transmit FILE: what the Transmit page does, with FILE's image, in the folder.
int transmitCommand(CommandCall& call);

} // namespace quorvel
