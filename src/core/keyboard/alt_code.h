#pragma once

#include "core/keyboard/key_press.h"

#include <QString>

namespace quorvel {

// The digit a key of the numeric keypad stands for, whatever Num Lock made of
// it; -1 for any other key.
int keypadDigit(const KeyPress& key);

// Alt held while the key went down.
bool altHeld(const KeyPress& key);

// The character of an Alt+keypad code ("065", "0233"): a leading 0 names the
// Windows code page, otherwise the DOS one. Both agree on 32 to 126, the only
// codes that mean the same on every computer, so only those give a character;
// any other code gives an empty text.
QString altCodeCharacter(const QString& digits);

} // namespace quorvel
