#pragma once

#include "core/keyboard/reader_keys.h"

#include <QList>

namespace quorvel {

// The characters a terminal received, put back on the keys that type them on this
// computer's layout (that of the reader language code `layoutLanguage`), so that a
// swipe typed into a terminal is read twice as the Swipe Test reads one. A character
// only a dead key gives becomes that dead key and Space; one the layout does not type
// keeps no position, and neither does any key when the code names no layout.
QList<CapturedKey> keysOnLayout(const QList<CapturedKey>& keys, int layoutLanguage);

} // namespace quorvel
