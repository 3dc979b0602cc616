#pragma once

#include "core/image/settings_image.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <chrono>
#include <functional>
#include <optional>

namespace quorvel {

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
} // namespace cli_status

// What the commands need from outside, so tests run them in-process.
struct CliContext {
    QString factoryFile;
    // Reads standard input, at most the given number of bytes (apply reads a profile from "-").
    std::function<QByteArray(qint64 maxSize)> standardInput;
    // The reader commands; a tool built without them reports that they are unavailable.
    std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)> devices;
    std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)> transmit;
    // The commands that read a reader's keys from standard input.
    std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)> swipe;
    std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)> provision;
};

// The text with its control characters shown as escapes (\n, \t, \r, \xHH), so that a word
// from the command line or a file cannot break or forge a line of a message.
QString printable(const QString& text);

// A file name as JSON output carries it: JSON text is UTF-8, so each byte of the name that
// is not UTF-8 is written as the four characters \xHH (as messages show it).
QString jsonFileName(const QString& name);

// The value of --timeout: whole seconds from 1 to a day; nothing for anything else.
std::optional<std::chrono::seconds> timeoutSeconds(const QString& word);
inline constexpr int kMaxTimeoutSeconds = 24 * 3600;

// Reads a settings file; on failure says why on err and gives the status to exit with.
int loadSettingsFile(const QString& path, SettingsImage& image, QTextStream& err);

int runCli(const QStringList& args, QTextStream& out, QTextStream& err, const CliContext& context);

} // namespace quorvel
