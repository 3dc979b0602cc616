#pragma once

namespace quorvel {

class CommandCall;

// The commands that write a settings file.
int setCommand(CommandCall& call);
int applyCommand(CommandCall& call);
int newCommand(CommandCall& call);

} // namespace quorvel
