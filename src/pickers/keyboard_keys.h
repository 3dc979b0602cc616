#pragma once

#include <QString>

#include <optional>
#include <span>

namespace quorvel {

enum class KeyKind {
    Fixed,     // always the same code
    ShiftPair, // the upper code while the Shift latch is set
    CapsPair,  // the upper code while exactly one of Shift and Caps Lock is set
    CapsLock,
    Shift,
    Inert, // Ctrl and Alt
};

enum class KeyPicture { None, Space, Up, Down, Left, Right };

// One key of the on-screen keyboard. Geometry is in key widths: a letter key
// is 1 wide, rows are 1 high, the function row stands half a key apart.
struct KeyboardKey {
    int index; // CKey(index)
    KeyKind kind;
    const char* caption; // "\n" parts the shifted from the plain character
    const char* code;    // hexadecimal digits as picked, e.g. "0F"
    const char* upperCode;
    KeyPicture picture;
    double left;
    int row;
    double width;

    // The code the key picks under the latches; nullopt for keys that choose nothing.
    std::optional<QString> pickedCode(bool shift, bool capsLock) const;
};

// The 81 keys, CKey(0) to CKey(80), in index order.
std::span<const KeyboardKey> keyboardKeys();

} // namespace quorvel
