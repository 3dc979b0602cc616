#pragma once

namespace quorvel {

class CommandCall;

// quorvel-cli provision SETTINGS [--log FILE] [--no-verify] [--once] [--timeout SECONDS]: sets
// up reader after reader, checks each with a test card and keeps a log.
int provisionCommand(CommandCall& call);

} // namespace quorvel
