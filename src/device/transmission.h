#pragma once

#include <QString>

namespace quorvel {

class CompanionRunner;
class Session;

struct TransmitOutcome {
    enum class Failure {
        None,
        FileNotWritten,
        CompanionNotFound,
        CompanionNeedsWine,
        CompanionNotStarted,
        CompanionCrashed
    };
    Failure failure = Failure::None;
    // For a failure: what failed and the system's reason, ready to show.
    QString message;
    int exitCode = 0; // the companion's own, when it ended by itself

    bool succeeded() const { return failure == Failure::None; }
};

// Marks the image for USB (byte 127 = 0x80), writes usbData.txt into the folder and
// runs the companion program there until it ends: Hoplink.exe, or the command named in
// QUORVEL_COMPANION. The changed flag is left alone:
// transmitting is not an edit. A companion that ends by itself counts as success,
// whatever its exit code, for only it knows what its codes mean.
TransmitOutcome transmitSettings(Session& session, const QString& folder, CompanionRunner& runner);

} // namespace quorvel
