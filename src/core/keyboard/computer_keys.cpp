#include "core/keyboard/computer_keys.h"

namespace quorvel {

int qtKeyOfText(const QString& text) {
    if (text.isEmpty())
        return Qt::Key_unknown;
    if (text == QLatin1String(" "))
        return Qt::Key_Space;
    return text.at(0).toUpper().unicode();
}

Qt::KeyboardModifiers modifiersOf(KeyStates state) {
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, state.testFlag(KeyState::Shift));
    modifiers.setFlag(Qt::ControlModifier, state.testFlag(KeyState::Control));
    modifiers.setFlag(Qt::AltModifier, state.testFlag(KeyState::Alt));
    return modifiers;
}

KeyPress ComputerKeys::press(qint64 timeMs, int position, KeyStates state) {
    const LayoutSymbol symbol = m_layout.symbol(position, state, KeyboardLayout::Caps::Applied);
    QString text = symbol.symbol ? QString::fromUcs4(&symbol.symbol, 1) : QString();
    if (symbol.dead) {
        m_pendingDead = text;
        text.clear();
    } else if (!m_pendingDead.isEmpty()) {
        text = position == kSpacePosition ? m_pendingDead : m_pendingDead + text;
        m_pendingDead.clear();
    }
    return KeyPress{timeMs, qtKeyOfText(text), modifiersOf(state), text, position, state};
}

} // namespace quorvel
