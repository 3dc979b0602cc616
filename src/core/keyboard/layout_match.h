#pragma once

#include "core/keyboard/key_press.h"

#include <QList>

namespace quorvel {

// Which reader keyboard languages give, at the positions pressed, the very
// characters this computer produced.
struct LayoutMatch {
    QList<int> languages; // codes of byte 48 that fit every key compared, lowest first
    int keysCompared = 0;  // keys with a position whose character tells layouts apart
};

LayoutMatch matchComputerLayout(const QList<KeyPress>& keys);

} // namespace quorvel
