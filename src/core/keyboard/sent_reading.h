#pragma once

#include "core/keyboard/key_press.h"

#include <QList>

namespace quorvel {

// One character the reader sent, made of the captured keys first to last.
struct SentKey {
    KeyPress key;   // text and key as the reader meant them
    int first = 0;  // index into the captured keys
    int last = 0;
    QString altCode; // the digits when it came as an Alt+keypad code, else empty
};

// What the reader sent, decoded from the key positions with its keyboard
// language; keys without a position keep the text they came with.
struct SentReading {
    QList<SentKey> keys;
    int altCodes = 0;      // characters that came as Alt+keypad codes
    int lockKeys = 0;      // Caps Lock, Num Lock and Scroll Lock presses, left out
    bool capsLock = false; // Caps Lock was on for some key of the card data
    bool positions = false; // at least one key carried its position
};

bool isLockKey(int key);

// `language` is the code of byte 48; one that names no layout decodes nothing
// by position. Alt held with keypad digits is one character, whatever the
// language; Shift, Ctrl, Alt and the lock keys are no characters of their own.
SentReading readAsSent(const QList<KeyPress>& keys, int language);

} // namespace quorvel
