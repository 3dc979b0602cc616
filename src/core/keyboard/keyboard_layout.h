#pragma once

#include "core/keyboard/key_press.h"
#include "core/keyboard/keyboard_layout_table.h"

#include <optional>

namespace quorvel {

// What a key of a layout gives at one level.
struct LayoutSymbol {
    char32_t symbol = 0; // 0: nothing
    bool dead = false;   // a dead key; symbol is what it types before a Space
    friend bool operator==(const LayoutSymbol&, const LayoutSymbol&) = default;
};

// One reader keyboard language's keys, from the generated tables.
class KeyboardLayout {
public:
    static constexpr int kLanguages = 17;
    // Code 0 to 16 of byte 48; nullptr for any other code.
    static const KeyboardLayout* ofLanguage(int code);

    explicit KeyboardLayout(const LayoutTable& table) : m_table(table) {}

    // The reader presses Shift and AltGr on purpose; Caps Lock is this computer's
    // state, so only a computer applies it.
    enum class Caps { Ignored, Applied };
    LayoutSymbol symbol(int position, KeyStates state, Caps caps = Caps::Ignored) const;
    bool hasPosition(int position) const { return find(position) != nullptr; }

    // How a reader of this language types a character: the key and the level,
    // the plainest level first. A character only a dead key gives is typed as
    // that dead key followed by Space (viaDeadKey).
    struct Stroke {
        int position = kNoPosition;
        KeyStates state;
        bool viaDeadKey = false;
    };
    std::optional<Stroke> strokeFor(char32_t character) const;

private:
    const LayoutKey* find(int position) const;

    LayoutTable m_table;
};

inline constexpr int kSpacePosition = 57;

} // namespace quorvel
