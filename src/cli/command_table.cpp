#include "command_table.h"

#include "cli.h"
#include "command_call.h"
#include "device_commands.h"
#include "identify_command.h"
#include "provision_command.h"
#include "reading_commands.h"
#include "simulate_command.h"
#include "swipe_command.h"
#include "writing_commands.h"

#include "core/swipe/swipe_split.h"

namespace quorvel {

namespace {

constexpr double kDay = 24 * 3600;

constexpr CliOption kJson[] = {flagOption("--json", "print JSON")};
constexpr CliOption kOutput[] = {
    fileOption("-o", "write OUT instead of FILE", "-o needs a file name", "*.msr")};
constexpr CliOption kForce[] = {flagOption("--force", "replace an existing OUT")};
constexpr CliOption kTransmitOptions[] = {
    numberOption("--timeout", "end the companion after SECONDS",
                 "--timeout needs whole seconds from %1 to %2", 1, kDay)};
// How swipe and identify read swipes.
constexpr CliOption kGap =
    numberOption("--gap", "the pause in ms that ends a swipe",
                 "--gap needs whole milliseconds from %1 to %2", kMinSwipeGapMs, kMaxSwipeGapMs);
constexpr CliOption kSwipeTimeout = numberOption(
    "--timeout", "end after SECONDS", "--timeout needs seconds, more than 0", 0.001, kDay, false);
constexpr CliOption kCount = numberOption("--count", "end after N swipes",
                                          "--count needs a whole number from %1", 1, 1000000);
constexpr CliOption kLayout = layoutOption("--layout", "this computer's XKB layout",
                                           "--layout needs an XKB layout such as de or ch(fr)");
constexpr CliOption kSwipeOptions[] = {
    kGap,
    kSwipeTimeout,
    kCount,
    kLayout,
    flagOption("--json", "one JSON object a line per swipe"),
    flagOption("--show-card-numbers", "show card numbers unmasked"),
};
constexpr CliOption kSimulateOptions[] = {
    tracksOption(
        "--card", "the texts of tracks 1 to 3, - for none",
        "--card needs three words: the texts of tracks 1, 2 and 3, - for a track the card lacks"),
    fileOption("--card-file", "a card, a track a line", "--card-file needs a file name", "*.txt"),
    flagOption("--show-card-numbers", "show card numbers unmasked"),
};
constexpr CliOption kIdentifyOptions[] = {
    kGap,
    kSwipeTimeout,
    kCount,
    kLayout,
    flagOption("--json", "print JSON"),
    fileOption("-o", "write a profile of what the swipes showed", "-o needs a file name", "*.json"),
};
constexpr CliOption kProvisionOptions[] = {
    fileOption("--log", "the log file", "--log needs a file name", "*.jsonl"),
    flagOption("--no-verify", "ask for no test swipe"),
    flagOption("--once", "end after one reader"),
    numberOption("--timeout", "end the companion after SECONDS",
                 "--timeout needs whole seconds from %1 to %2", 1, kDay),
};

constexpr Operand kFile[] = {Operand::SettingsFile};
constexpr Operand kTwoFiles[] = {Operand::SettingsFile, Operand::SettingsFile};
constexpr Operand kFileAndKey[] = {Operand::SettingsFile, Operand::Key};
constexpr Operand kFileAndAssignments[] = {Operand::SettingsFile, Operand::Assignments};
constexpr Operand kProfileAndFile[] = {Operand::Profile, Operand::SettingsFile};
constexpr Operand kSettingsOrProfile[] = {Operand::SettingsOrProfile};

const CliCommand kCommands[] = {
    {"show", "show [FILE] [--json]", "every setting of FILE (default: factory file)",
     "Prints every named setting of FILE as 'key: value', then 'byte.N: 0xHH' for each\n"
     "byte with bits set that no setting shows. Without FILE the factory file.\n"
     "--json prints {\"file\", \"settings\", \"bytes\"}: \"settings\" holds every named\n"
     "setting and byte.N for each byte with bits no setting shows, enough for apply\n"
     "to restore every byte. JSON text is UTF-8: in \"file\" a byte of the name that\n"
     "is not UTF-8 is written as the four characters \\xHH.\n",
     showCommand, kJson, kFile},
    {"get",
     "get FILE KEY",
     "the value of one setting",
     "Prints the value of one setting (or byte.N) in the form set reads back.\n",
     getCommand,
     {},
     kFileAndKey},
    {"set", "set FILE KEY=VALUE... [-o OUT]", "change settings, writing FILE or OUT",
     "Checks every assignment, then writes FILE (or OUT) atomically. Characters are\n"
     "codes (&H1B, 0x1B, 27), key names (Esc, Enter, F 1, A) or both as shown\n"
     "(Esc (&H1B)); preamble and postamble take up to ten characters separated by\n"
     "commas, empty for none. Every value get and show print is read back.\n",
     setCommand, kOutput, kFileAndAssignments},
    {"apply", "apply PROFILE FILE [-o OUT]", "set a JSON profile as show --json prints it",
     "PROFILE is a JSON object of settings as show --json prints them: either the\n"
     "whole output (its \"settings\" are applied; \"file\" and \"bytes\" are not read)\n"
     "or the settings object alone, with any subset of its keys. Every key and value\n"
     "is checked before FILE (or OUT) is written atomically; an unknown key or a\n"
     "refused value is named and nothing changes (status 4). A byte.N entry sets its\n"
     "whole byte, but named settings given beside it win for the bits they show.\n"
     "A named setting already holding its value is left as it is.\n"
     "PROFILE '-' reads standard input.\n",
     applyCommand, kOutput, kProfileAndFile},
    {"diff", "diff A B [--json]", "every difference (status 1 when there is one)",
     "Prints 'key: valueA -> valueB' for each setting that differs, and a byte.N line\n"
     "for each byte whose differing bits no setting shows. Status 0 when the files\n"
     "are equal byte for byte, 1 when they are not.\n",
     diffCommand, kJson, kTwoFiles},
    {"new", "new OUT [--force]", "a copy of the factory settings",
     "Writes a copy of the factory settings to OUT; an existing OUT only with --force\n"
     "(status 4 without).\n",
     newCommand, kForce, kFile},
    {"hex",
     "hex FILE",
     "the image as 8 rows of 16 hexadecimal bytes",
     "Prints the image with the headings of the table view.\n",
     hexCommand,
     {},
     kFile},
    {"keys", "keys", "every key with the values it takes",
     "Lists every key with the values it takes.\n", keysCommand},
    {"devices", "devices [--json]", "the attached readers (status 1 when none)",
     "Lists the attached readers: path, serial number, whether it could be opened.\n",
     devicesCommand, kJson},
    {"transmit", "transmit FILE [--timeout SECONDS]", "send FILE's settings to the reader",
     "Sets byte 127 to 0x80, writes usbData.txt into the current directory and runs\n"
     "the companion program Hoplink.exe. Status 0 when it ends with status 0; 5 (and a\n"
     "line naming its status or signal) when it cannot run or ends otherwise.\n"
     "--timeout ends a companion still running after SECONDS, with all it started\n"
     "(asked to end, killed 3 seconds later): status 5 and a line saying so. Default:\n"
     "no limit. One transmission per folder at a time: another one waits for it (and\n"
     "says so), its --timeout counting the wait. Ctrl+C ends the companion the same\n"
     "way, then the tool.\n",
     transmitCommand, kTransmitOptions, kFile},
    {"simulate", "simulate [FILE] [OPTIONS]", "what a reader with FILE's settings types",
     "Options: [--card T1 T2 T3 | --card-file F] [--show-card-numbers]\n"
     "Prints what a reader with FILE's settings (default: the factory file) types for\n"
     "a card, key by key as swipe prints a swipe, with the checks swipe makes, so that\n"
     "the effect of settings shows before they are sent. The card is a test card\n"
     "unless --card gives the texts of its tracks 1 to 3 (between the sentinels; -\n"
     "for a track the card lacks) or --card-file a file with a track a line (an empty\n"
     "line for a track it lacks). Card numbers are masked unless --show-card-numbers.\n"
     "A part of the frame that no key types is named on a line of its own.\n"
     "Status 0 when all of it can be typed and every check passes, 1 otherwise.\n",
     simulateCommand, kSimulateOptions, kFile},
    {"swipe", "swipe [FILE] [OPTIONS]", "check what a reader types against FILE",
     "Options: [--gap MS] [--timeout SECONDS] [--count N] [--layout XKB[(VARIANT)]]\n"
     "         [--json] [--show-card-numbers]\n"
     "Reads what a reader types into this terminal and checks each swipe against\n"
     "FILE's settings (default: the factory file) as the Swipe Test page does: the\n"
     "keys, card numbers masked, the timing and every check with a mark (passed,\n"
     "failed, not checked). A pause longer than --gap (default 500 ms, 50 to 5000)\n"
     "ends a swipe. The terminal reads keys raw while it runs; Ctrl+C ends it\n"
     "(right after another key it is the reader's own terminator). The characters\n"
     "are put back on the keys of this computer's layout for the keyboard-language\n"
     "check: --layout names it (de, ch(fr)), else the X display's or that of\n"
     "/etc/default/keyboard; the check says which it took. Caps Lock cannot be\n"
     "seen in a terminal. From a pipe each line is a swipe, its line end the Enter\n"
     "key only where the settings send Enter, and timing is not measured; more than\n"
     "4096 keys without an end are no reader's swipe (status 1).\n"
     "--count ends after N swipes, --timeout after SECONDS; --json prints one\n"
     "object a line per swipe. Card data goes to standard output only.\n"
     "Status 0 when every swipe passed every check, 1 when a check failed, 7 when\n"
     "no swipe came.\n",
     swipeCommand, kSwipeOptions, kFile},
    {"identify", "identify [FILE] [OPTIONS]", "read what a reader is set to from its swipes",
     "Options: [--gap MS] [--timeout SECONDS] [--count N] [--layout XKB[(VARIANT)]]\n"
     "         [--json] [-o PROFILE]\n"
     "Reads swipes as swipe does and tells, setting by setting, what the reader is\n"
     "set to: keyboard language and ALT mode, preamble, postamble and terminator,\n"
     "sentinels, track order and selection, Transmit LRC, letter case, track 2\n"
     "account number only. Each comes with what in the swipes shows it and the\n"
     "other values that fit; where several fit, FILE's (default: the factory file)\n"
     "is kept, else the first in the page's order, and a second swipe of a card\n"
     "with more tracks narrows it. Settings no swipe shows are listed as such; the\n"
     "pauses between characters are shown beside the keyboard intercharacter delay.\n"
     "Card data is never printed. -o writes a JSON profile of only what the swipes\n"
     "showed, for apply: apply PROFILE Default.mag -o reader.msr sets another\n"
     "reader up alike.\n"
     "Status 0 when the swipes read as a reader's frame, 1 when they disagree or\n"
     "cannot be read as one, 7 when no swipe came.\n",
     identifyCommand, kIdentifyOptions, kFile},
    {"provision", "provision SETTINGS [OPTIONS]", "set up reader after reader, with a log",
     "Options: [--log FILE] [--no-verify] [--once] [--timeout SECONDS]\n"
     "SETTINGS is a settings file or a JSON profile (applied to the factory file).\n"
     "For each reader: waits until one is plugged in, sends the settings as\n"
     "transmit does, asks for a swipe of a test card and checks it as swipe does\n"
     "(swipe again after a failed check; Esc records the reader as not verified),\n"
     "appends one line to the log and waits until the reader is unplugged.\n"
     "The log (default provision-log.jsonl here) holds JSON Lines: time, reader\n"
     "path and serial, SHA-256 of the image sent, the settings' file name, the\n"
     "transmission and verification outcomes and the names of failed checks; no\n"
     "card data. It is opened before the first reader and locked for each line; a\n"
     "link in a shared sticky folder is followed only if it is the user's own or the\n"
     "folder owner's. Ctrl+C (or the end of one round with --once) prints a summary;\n"
     "status 0 when every reader was set up and verified, 1 otherwise. --timeout\n"
     "ends the companion as transmit --timeout does; that reader is not set up.\n"
     "Ctrl+C while the companion runs ends it the same way, then the run.\n",
     provisionCommand, kProvisionOptions, kSettingsOrProfile},
};

// The synopsis column of the usage text, as wide as the longest synopsis needs.
constexpr qsizetype kSynopsisWidth = 30;

QString usageLine(const QString& words, const QString& summary) {
    return QStringLiteral("  ") + words.leftJustified(qMax(kSynopsisWidth, words.size() + 2)) +
           summary + u'\n';
}

} // namespace

std::span<const CliCommand> cliCommands() {
    return kCommands;
}

const CliCommand* findCliCommand(const QString& name) {
    for (const CliCommand& command : kCommands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

QString commandHelp(const CliCommand& command) {
    return QStringLiteral("Usage: quorvel-cli ") + QLatin1String(command.synopsis) + u'\n' +
           QLatin1String(command.help);
}

QString usageText() {
    QString text = QStringLiteral("Usage: quorvel-cli COMMAND [ARGUMENTS]\n"
                                  "\n"
                                  "Reads, changes and compares reader settings files (*.msr, "
                                  "Default.mag).\n"
                                  "\n"
                                  "Commands:\n");
    for (const CliCommand& command : kCommands)
        text += usageLine(QLatin1String(command.synopsis), QLatin1String(command.summary));
    text += u'\n';
    text += usageLine(QStringLiteral("--help"),
                      QStringLiteral("this text; COMMAND --help for one command"));
    text += usageLine(QStringLiteral("--version"), QStringLiteral("the version"));
    text += QStringLiteral("\n"
                           "OUT '-' writes the settings text to standard output; an input FILE or\n"
                           "PROFILE '-' reads standard input. '--' ends the options.\n"
                           "\n"
                           "Exit status:\n");
    for (const auto& [status, meaning] : cli_status::kStatusMeanings)
        text += QStringLiteral("  %1  %2\n")
                    .arg(status)
                    .arg(QString::fromLatin1(meaning).replace(u'\n', "\n     "));
    return text;
}

} // namespace quorvel
