#pragma once

namespace quorvel {

class CommandCall;

// quorvel-cli identify [FILE] [--gap MS] [--timeout SECONDS] [--count N] [--layout XKB] [--json]
// [-o PROFILE]: what a reader is set to, read from its swipes and compared with FILE.
int identifyCommand(CommandCall& call);

} // namespace quorvel
