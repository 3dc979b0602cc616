#include "core/keyboard/keyboard_layout.h"

#include <array>
#include <utility>

namespace quorvel {

namespace {

constexpr int kShiftLevel = 1;
constexpr int kAltGrLevel = 2;

KeyStates stateOfLevel(int level) {
    KeyStates state;
    if (level & kShiftLevel)
        state |= KeyState::Shift;
    if (level & kAltGrLevel)
        state |= KeyState::AltGr;
    return state;
}

} // namespace

const KeyboardLayout* KeyboardLayout::ofLanguage(int code) {
    static const auto layouts = []<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<KeyboardLayout, kLanguages>{KeyboardLayout(kLayoutTables[I])...};
    }(std::make_index_sequence<kLanguages>{});
    if (code < 0 || code >= kLanguages)
        return nullptr;
    return &layouts[static_cast<std::size_t>(code)];
}

const LayoutKey* KeyboardLayout::find(int position) const {
    for (int i = 0; i < m_table.count; ++i)
        if (m_table.keys[i].position == position)
            return &m_table.keys[i];
    return nullptr;
}

LayoutSymbol KeyboardLayout::symbol(int position, KeyStates state, Caps caps) const {
    const LayoutKey* key = find(position);
    if (!key)
        return {};
    int level = (state.testFlag(KeyState::Shift) ? kShiftLevel : 0) |
                (state.testFlag(KeyState::AltGr) ? kAltGrLevel : 0);
    if (caps == Caps::Applied && state.testFlag(KeyState::CapsLock))
        return {key->capsSymbols[level], (key->capsDead & (1 << level)) != 0};
    return {key->symbols[level], (key->dead & (1 << level)) != 0};
}

std::optional<KeyboardLayout::Stroke> KeyboardLayout::strokeFor(char32_t character) const {
    std::optional<Stroke> dead;
    for (int level = 0; level < 4; ++level)
        for (int i = 0; i < m_table.count; ++i) {
            const LayoutKey& key = m_table.keys[i];
            if (key.symbols[level] != character)
                continue;
            const bool isDead = key.dead & (1 << level);
            if (!isDead)
                return Stroke{key.position, stateOfLevel(level), false};
            if (!dead)
                dead = Stroke{key.position, stateOfLevel(level), true};
        }
    return dead;
}

} // namespace quorvel
