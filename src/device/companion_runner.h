#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// The program that carries usbData.txt into the reader, started by this bare name.
inline QString companionProgramName() {
    return QStringLiteral("Hoplink.exe");
}

struct CompanionRun {
    enum class Outcome {
        Exited,     // ran and ended by itself, whatever its exit code
        NotFound,   // neither beside this program nor on the search path
        NotStarted, // found, but the system would not start it
        Crashed,    // started, then ended abnormally (on Unix by a signal, held in exitCode)
        NeedsWine,  // found, but it is a Windows program and there is no wine to run it
    };
    Outcome outcome = Outcome::NotFound;
    QString program; // the path that was started, or the bare name when not found
    QString reason;  // the system's words for a failure
    int exitCode = 0;
};

// Starts a program and waits until it ends; the caller's event loop keeps turning meanwhile.
class CompanionRunner {
public:
    virtual ~CompanionRunner() = default;

    virtual CompanionRun run(const QString& program, const QStringList& arguments,
                             const QString& workingFolder) = 0;
};

} // namespace quorvel
