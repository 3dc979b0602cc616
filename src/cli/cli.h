#pragma once

#include "terminal_input.h"
#include "terminal_layout.h"

#include "core/image/settings_image.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>

namespace quorvel {

class CompanionRunner;
class HidBus;

// Exit statuses of the tool.
namespace cli_status {
inline constexpr int kOk = 0;
inline constexpr int kDiffers = 1;
inline constexpr int kNoReader = 1;
inline constexpr int kUsage = 2;
inline constexpr int kFile = 3;
inline constexpr int kRefused = 4;
inline constexpr int kCompanionFailed = 5;
inline constexpr int kCheckFailed = 1; // swipe, provision
inline constexpr int kNoSwipe = 7;     // swipe: none came before the timeout

// What each status means, as --help lists it; a line break there starts an indented line.
struct StatusMeaning {
    int status;
    const char* text;
};
inline constexpr StatusMeaning kStatusMeanings[] = {
    {kOk, "done"},
    {kDiffers, "diff: the files differ; devices: no reader found; swipe: a check failed;\n"
               "identify: the swipes disagree or read as no frame; provision: a reader was\n"
               "not set up and verified"},
    {kUsage, "usage error: unknown command or option, unknown key given to get or set,\n"
             "missing or extra argument, empty -o"},
    {kFile, "a file could not be read, is not a settings file or profile, or could not\n"
            "be written; standard output could not be written"},
    {kRefused, "a value was refused; apply: a profile entry was refused, its key is\n"
               "unknown or given twice; new: OUT exists (without --force)"},
    {kCompanionFailed, "transmit: the companion program could not run, or it ended with a status\n"
                       "other than 0, by a signal or was stopped after --timeout; standard error\n"
                       "says which"},
    {kNoSwipe, "swipe: no swipe came (before --timeout ended); identify: no swipe came"},
};
static_assert(kNoReader == kDiffers && kCheckFailed == kDiffers, "status 1 has one line of meanings");
} // namespace cli_status

// What the commands need from outside, so tests run them in-process.
struct CliContext {
    QString factoryFile;
    // Reads standard input, at most the given number of bytes (apply reads a profile from "-").
    std::function<QByteArray(qint64 maxSize)> standardInput;
    // The reader commands' world; a tool built without it reports that they are unavailable.
    HidBus* bus = nullptr;
    CompanionRunner* runner = nullptr;
    QString folder; // where usbData.txt is written and provision keeps its log by default
    // The keys a reader types (swipe, provision): opened once the command line is understood,
    // raw for as long as it lives.
    std::function<std::unique_ptr<TerminalInput>()> openTerminal;
    TerminalLayoutSources layouts; // where this computer's layout is told
    // provision's pace and clock.
    int pollMs = 500;
    int swipeGapMs = 500;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // Waits between polls once standard input has ended and can no longer wait for us.
    std::function<void(int ms)> sleep;
};

// The text with its control characters shown as escapes (\n, \t, \r, \xHH), so that a word
// from the command line or a file cannot break or forge a line of a message.
QString printable(const QString& text);

// A file name as JSON output carries it: JSON text is UTF-8, so each byte of the name that
// is not UTF-8 is written as the four characters \xHH (as messages show it).
QString jsonFileName(const QString& name);

// Reads a settings file; on failure says why on err and gives the status to exit with.
int loadSettingsFile(const QString& path, SettingsImage& image, QTextStream& err);

int runCli(const QStringList& args, QTextStream& out, QTextStream& err, const CliContext& context);

} // namespace quorvel
