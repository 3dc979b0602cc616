#pragma once

namespace quorvel {

class CommandCall;

// The commands that read settings files and print what they hold.
int showCommand(CommandCall& call);
int getCommand(CommandCall& call);
int diffCommand(CommandCall& call);
int hexCommand(CommandCall& call);
int keysCommand(CommandCall& call);

} // namespace quorvel
