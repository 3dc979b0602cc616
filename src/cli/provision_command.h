#pragma once

#include "terminal_layout.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace quorvel {

class CompanionRunner;
class HidBus;
class TerminalInput;

// What provisioning needs from outside, so that tests run it in-process.
struct ProvisionSeams {
    ProvisionSeams(HidBus& b, CompanionRunner& r, TerminalInput& i, QString inFolder,
                   QString factory)
        : bus(b), runner(r), input(i), folder(std::move(inFolder)),
          factoryFile(std::move(factory)) {}

    HidBus& bus;
    CompanionRunner& runner;
    TerminalInput& input;
    QString folder; // where usbData.txt is written and the log is kept by default
    QString factoryFile;
    int pollMs = 500;
    int swipeGapMs = 500;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // Waits between polls once standard input has ended and can no longer wait for us.
    std::function<void(int ms)> sleep;
    // This computer's layout, for the keyboard-language check of the test swipes.
    TerminalLayout layout;
};

// quorvel-cli provision SETTINGS [--log FILE] [--no-verify] [--once]: sets up reader after
// reader, checks each with a test card and keeps a log.
int provisionCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                     const ProvisionSeams& seams);

} // namespace quorvel
