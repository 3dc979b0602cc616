#include "core/keyboard/layout_match.h"

#include "core/keyboard/keyboard_layout.h"

namespace quorvel {

namespace {

enum class Fit { Agrees, Disagrees, Unknown };

// How a key's received text fits one layout. After a dead key the layout's
// composition is unknown here, so that key tells nothing.
Fit fitOf(const KeyboardLayout& layout, const KeyPress& key, bool afterDead) {
    const LayoutSymbol symbol = layout.symbol(key.position, key.state, KeyboardLayout::Caps::Applied);
    if (symbol.dead)
        return key.text.isEmpty() ? Fit::Agrees : Fit::Disagrees;
    if (afterDead || key.state.testFlag(KeyState::Control))
        return Fit::Unknown;
    if (symbol.symbol == 0)
        return key.text.isEmpty() ? Fit::Unknown : Fit::Disagrees;
    const QList<uint> received = key.text.toUcs4();
    return received.size() == 1 && received.first() == symbol.symbol ? Fit::Agrees : Fit::Disagrees;
}

bool onSomeLayout(int position) {
    for (int language = 0; language < KeyboardLayout::kLanguages; ++language)
        if (KeyboardLayout::ofLanguage(language)->hasPosition(position))
            return true;
    return false;
}

} // namespace

LayoutMatch matchComputerLayout(const QList<KeyPress>& keys) {
    LayoutMatch match;
    for (const KeyPress& key : keys)
        if (key.position != kNoPosition && onSomeLayout(key.position))
            ++match.keysCompared;
    if (match.keysCompared == 0)
        return match;
    for (int language = 0; language < KeyboardLayout::kLanguages; ++language) {
        const KeyboardLayout& layout = *KeyboardLayout::ofLanguage(language);
        bool fits = true;
        bool afterDead = false;
        for (const KeyPress& key : keys) {
            if (key.position == kNoPosition || !layout.hasPosition(key.position)) {
                afterDead = false;
                continue;
            }
            const Fit fit = fitOf(layout, key, afterDead);
            afterDead = layout.symbol(key.position, key.state, KeyboardLayout::Caps::Applied).dead;
            if (fit == Fit::Disagrees) {
                fits = false;
                break;
            }
        }
        if (fits)
            match.languages << language;
    }
    return match;
}

} // namespace quorvel
