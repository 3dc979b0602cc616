#pragma once

#include "core/keyboard/reader_keys.h"

#include <QList>

namespace quorvel {

// In ALT mode a reader types every character as Alt + a keypad code. A terminal hands the
// digits on as Esc + digit (Alt sending Esc), as plain digits, or, with Num Lock off, as
// the keypad's other keys ([Ins] for 0, [End] for 1, …). Gives the keys as the sent reading
// knows Alt codes: keypad digits with Alt held, each code ended by an Alt key of its own.
// A code is four digits from a leading 0 (the Windows code page), three otherwise.
QList<CapturedKey> altCodesFromTerminal(const QList<CapturedKey>& keys);

} // namespace quorvel
