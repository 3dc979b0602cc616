#pragma once

#include "core/image/settings_image.h"

#include <QString>

namespace quorvel {

// The one program-wide state: the reader's settings image and the flags kept
// beside it. Created in main() (or by each test) and passed by reference.
class Session {
public:
    SettingsImage image{};

    // True when the image holds edits not yet saved to a file.
    bool changed = false;

    // Item number of the latest menu click, whatever its group; 0 until then.
    int lastMenuItem = 0;

    // What a character picker hands back: an empty name means no choice.
    QString pickedName;
    // Hexadecimal digits without "&H", e.g. "1B".
    QString pickedCode;
    bool shiftLatch = false;
    bool capsLockLatch = false;

    // Where the factory settings are read from (start-up and the Default command).
    QString factoryFile;

    // The folder of the last settings file opened or saved, where the file dialogs
    // start; empty before any.
    QString lastFolder;

    std::uint8_t byte(int n) const { return image.at(static_cast<std::size_t>(n)); }
    void setByte(int n, int value) {
        image.at(static_cast<std::size_t>(n)) = static_cast<std::uint8_t>(value & 0xFF);
    }
};

} // namespace quorvel
