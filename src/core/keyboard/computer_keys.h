#pragma once

#include "core/keyboard/keyboard_layout.h"

#include <QString>

namespace quorvel {

// The Qt key a window system reports for a key's text; Key_unknown for none.
int qtKeyOfText(const QString& text);
// The modifiers a window system reports beside a key pressed in that state.
Qt::KeyboardModifiers modifiersOf(KeyStates state);

// What a computer with a layout makes of keys pressed one after another, as its window
// system reports them: a dead key gives nothing, and its accent comes with the next key
// (alone after Space).
class ComputerKeys {
public:
    explicit ComputerKeys(const KeyboardLayout& layout) : m_layout(layout) {}
    KeyPress press(qint64 timeMs, int position, KeyStates state);

private:
    const KeyboardLayout& m_layout;
    QString m_pendingDead;
};

} // namespace quorvel
