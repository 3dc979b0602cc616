#pragma once

#include <QString>

#include <span>

namespace quorvel {

class CommandCall;

// One command of quorvel-cli: the usage text, the help and the dispatch are all made from these.
struct CliCommand {
    const char* name;
    const char* synopsis; // the words after the tool's name, "show [FILE] [--json]"
    const char* summary;  // the command's line in the usage text
    const char* help;     // what COMMAND --help prints after its usage line
    int (*handler)(CommandCall& call);
};

// Every command, in the order the usage text lists them.
std::span<const CliCommand> cliCommands();

const CliCommand* findCliCommand(const QString& name);

// What --help prints.
QString usageText();

// What COMMAND --help prints.
QString commandHelp(const CliCommand& command);

} // namespace quorvel
