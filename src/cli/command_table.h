#pragma once

#include <QString>

#include <span>

namespace quorvel {

class CommandCall;

// What an option takes after it; the one parser checks it, the completions offer for it.
enum class OptionArgument {
    None,     // a flag
    Number,   // a number from least to most (whole where `whole`)
    File,     // a file name, not empty
    Layout,   // an XKB layout such as de or ch(fr)
    Tracks,   // three words, the texts of tracks 1 to 3, "-" for a track left out
};

struct CliOption {
    const char* name;
    const char* help; // a few words, as the completions describe it
    OptionArgument argument = OptionArgument::None;
    const char* problem = nullptr; // the usage error when its argument is missing or refused
    double least = 0;
    double most = 0;
    bool whole = true;
    const char* files = nullptr; // the files the completions offer for its argument ("*.msr")
    int words = 1;               // how many words its argument is
};

constexpr CliOption flagOption(const char* name, const char* help) {
    return {name, help};
}
// A number within bounds; %1 and %2 in the problem stand for them.
constexpr CliOption numberOption(const char* name, const char* help, const char* problem, double least,
                                 double most, bool whole = true) {
    return {name, help, OptionArgument::Number, problem, least, most, whole};
}
constexpr CliOption fileOption(const char* name, const char* help, const char* problem, const char* files) {
    return {name, help, OptionArgument::File, problem, 0, 0, true, files};
}
constexpr CliOption layoutOption(const char* name, const char* help, const char* problem) {
    return {name, help, OptionArgument::Layout, problem};
}
constexpr CliOption tracksOption(const char* name, const char* help, const char* problem) {
    return {name, help, OptionArgument::Tracks, problem, 0, 0, true, nullptr, 3};
}

// What an operand is, for the completions.
enum class Operand {
    SettingsFile,  // *.msr
    Profile,       // *.json
    SettingsOrProfile,
    Key,           // a setting key
    Assignments,   // KEY=VALUE, any number of them
};

// One command of quorvel-cli: the usage text, the help, the parsing, the dispatch and the shell
// completions are all made from these.
struct CliCommand {
    const char* name;
    const char* synopsis; // the words after the tool's name, "show [FILE] [--json]"
    const char* summary;  // the command's line in the usage text
    const char* help;     // what COMMAND --help prints after its usage line
    int (*handler)(CommandCall& call);
    std::span<const CliOption> options = {};
    std::span<const Operand> operands = {};
};

// Every command, in the order the usage text lists them.
std::span<const CliCommand> cliCommands();

const CliCommand* findCliCommand(const QString& name);

// What --help prints.
QString usageText();

// What COMMAND --help prints.
QString commandHelp(const CliCommand& command);

} // namespace quorvel
