#pragma once

#include <QFlags>
#include <QString>
#include <Qt>

namespace quorvel {

// The modifier and lock state of the keyboard when a key went down, as the
// window system reported it, in one meaning for every platform.
enum class KeyState : unsigned {
    Shift = 0x01,
    Control = 0x02,
    Alt = 0x04,
    AltGr = 0x08,
    CapsLock = 0x10,
    NumLock = 0x20,
};
Q_DECLARE_FLAGS(KeyStates, KeyState)
Q_DECLARE_OPERATORS_FOR_FLAGS(KeyStates)

// No position: the key came from somewhere that reports characters only.
inline constexpr int kNoPosition = 0;

// One key press as a capture received it. Held in memory only: it may be card data.
struct KeyPress {
    qint64 timeMs = 0; // on a monotonic clock
    int key = 0;       // Qt::Key
    Qt::KeyboardModifiers modifiers;
    QString text;              // what the key typed, as the window system reports it
    int position = kNoPosition; // evdev key code of the physical key
    KeyStates state = {};      // meaningful only with a position
};

} // namespace quorvel
