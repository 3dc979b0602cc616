#pragma once

#include "core/keyboard/key_press.h"

#include <QString>
#include <Qt>

namespace quorvel {

// One key press as the capture received it, with the physical key when known.
using CapturedKey = KeyPress;

// Shift, Ctrl, Alt and the like come before the key they change and are no key of their own.
bool isModifierKey(int key);

// The reader's key code a press stands for (1-12 F-keys, 13-28 editing keys,
// 32-126 characters), or -1 when the reader has no such code.
int readerKeyCode(const CapturedKey& key);

// How a key is shown: a printable character as itself, anything else in
// brackets by its key name ("[Enter]", "[F 1]", "[Space]", "[Ctrl-C]").
QString keyToken(const CapturedKey& key);
// The token of a reader key code; empty for a code that no key types.
QString codeToken(int code);
// "[Ctrl-C]" for 'C'.
QString ctrlToken(QChar letter);
// A code as the frame and the messages show it, also when no key types it: "[&H0]".
QString shownCode(int code);

} // namespace quorvel
