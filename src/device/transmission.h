#pragma once

#include "core/image/settings_image.h"

#include <QString>

#include <functional>

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
        CompanionCrashed,  // ended by a signal: exitCode holds it
        CompanionFailed,   // ended by itself with a status other than 0: exitCode holds it
        CompanionStopped,  // ended on request
        CompanionTimedOut, // ended for running past the time limit
        WaitTimedOut,      // another transmission from the folder held it past the time limit
    };
    Failure failure = Failure::None;
    // For a failure: what failed and the system's reason, ready to show.
    QString message;
    int exitCode = 0; // the companion's own status, or the signal that ended it

    bool succeeded() const { return failure == Failure::None; }
};

// Marks the image for USB (byte 127 = 0x80), writes usbData.txt into the folder and
// runs the companion program there until it ends: Hoplink.exe, or the command named in
// QUORVEL_COMPANION. The changed flag is left alone: transmitting is not an edit.
// Only a companion that ends by itself with status 0 counts as success; any other
// status is reported with the status itself, which only the companion can explain.
//
// One transmission per folder at a time, in this program or another: from writing
// usbData.txt until the companion has ended, a lock (usbData.txt.lock) is held. Another
// transmission waits for it, within the runner's time limit, and is told so once.
TransmitOutcome transmitSettings(Session& session, const QString& folder, CompanionRunner& runner,
                                 const std::function<void()>& waiting = {});
// The same for an image alone, marked for USB in a copy: for a caller that keeps no
// session, such as the command-line tool.
TransmitOutcome transmitImage(const SettingsImage& image, const QString& folder, CompanionRunner& runner,
                              const std::function<void()>& waiting = {});
// The image as it is sent: byte 127 = 0x80.
SettingsImage markedForUsb(SettingsImage image);

} // namespace quorvel

namespace quorvel {

// "signal 15 (SIGTERM)": the signals a companion is likely to end by have the same
// numbers on every Unix.
QString signalDescription(int signal);

} // namespace quorvel
