// Writes src/core/keyboard/keyboard_layout_table.cpp: for each reader keyboard language,
// the character of every key of the typing block at its four levels, without
// and with Caps Lock, read from xkeyboard-config through libxkbcommon. Usage:
// generate_keyboard_layouts [OUTPUT] (standard output without an argument).
// The xkeyboard-config version is taken from the XKB_CONFIG_VERSION given at
// build time.

#include "core/keyboard/keyboard_layout_sources.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kEvdevOffset = 8; // xkb key codes are evdev codes + 8
constexpr int kLeftShift = 42;
constexpr int kRightAlt = 100; // AltGr where the layout has one

// The keys a reader types characters with: the number row, the three letter
// rows with their ends, the ISO key left of Z, Space and the two JIS keys.
std::vector<int> typingBlock() {
    std::vector<int> keys;
    for (int code = 2; code <= 13; ++code) // 1 .. =
        keys.push_back(code);
    for (int code = 16; code <= 27; ++code) // Q .. ]
        keys.push_back(code);
    for (int code = 30; code <= 41; ++code) // A .. ' and the key left of 1
        keys.push_back(code);
    for (int code = 43; code <= 53; ++code) // \ and Z .. /
        keys.push_back(code);
    keys.push_back(57);  // Space
    keys.push_back(86);  // the ISO key left of Z
    keys.push_back(89);  // JIS Ro
    keys.push_back(124); // JIS Yen
    return keys;
}

bool isDead(xkb_keysym_t sym) { return sym >= XKB_KEY_dead_grave && sym <= XKB_KEY_dead_greek; }

// A dead key followed by Space types its own accent; Compose knows which.
char32_t spacingCharacter(xkb_compose_table* compose, xkb_keysym_t dead) {
    if (!compose)
        return 0;
    xkb_compose_state* state = xkb_compose_state_new(compose, XKB_COMPOSE_STATE_NO_FLAGS);
    xkb_compose_state_feed(state, dead);
    xkb_compose_state_feed(state, XKB_KEY_space);
    char32_t result = 0;
    if (xkb_compose_state_get_status(state) == XKB_COMPOSE_COMPOSED)
        result = xkb_keysym_to_utf32(xkb_compose_state_get_one_sym(state));
    xkb_compose_state_unref(state);
    return result;
}

struct Level {
    char32_t symbol = 0;
    bool dead = false;
};

Level levelOf(xkb_keymap* keymap, xkb_compose_table* compose, int position, bool shift, bool altGr,
              bool caps) {
    xkb_state* state = xkb_state_new(keymap);
    auto press = [&](int code, xkb_key_direction direction) {
        xkb_state_update_key(state, static_cast<xkb_keycode_t>(code + kEvdevOffset), direction);
    };
    if (caps) {
        // The lock itself, not the key: on JIS keyboards the key alone is Eisu.
        const xkb_mod_mask_t lock = 1u << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_CAPS);
        xkb_state_update_mask(state, 0, 0, lock, 0, 0, 0);
    }
    if (shift)
        press(kLeftShift, XKB_KEY_DOWN);
    if (altGr)
        press(kRightAlt, XKB_KEY_DOWN);
    const auto key = static_cast<xkb_keycode_t>(position + kEvdevOffset);
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(state, key);
    Level level;
    if (isDead(sym)) {
        level.dead = true;
        level.symbol = spacingCharacter(compose, sym);
    } else {
        level.symbol = xkb_state_key_get_utf32(state, key);
        if (level.symbol < 0x20 || level.symbol == 0x7F)
            level.symbol = 0;
    }
    xkb_state_unref(state);
    return level;
}

std::string literal(char32_t c) {
    if (c == 0)
        return "0";
    std::ostringstream out;
    if (c == U'\'' || c == U'\\')
        out << "U'\\" << static_cast<char>(c) << "'";
    else if (c >= 0x20 && c < 0x7F)
        out << "U'" << static_cast<char>(c) << "'";
    else
        out << "0x" << std::hex << std::uppercase << static_cast<unsigned long>(c);
    return out.str();
}

// "{U'a', U'A', 0, 0}, 0": the four symbols, then the bits of the dead ones.
void writeLevels(std::ostream& out, const Level (&levels)[4]) {
    int dead = 0;
    out << "{";
    for (int n = 0; n < 4; ++n) {
        out << (n ? ", " : "") << literal(levels[n].symbol);
        if (levels[n].dead)
            dead |= 1 << n;
    }
    out << "}, " << dead;
}

std::string layoutName(const quorvel::LayoutSource& source) {
    std::string name = source.layout;
    if (*source.variant)
        name += std::string("(") + source.variant + ")";
    return name;
}

} // namespace

int main(int argc, char** argv) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!context) {
        std::cerr << "libxkbcommon: no context\n";
        return 1;
    }
    xkb_compose_table* compose =
        xkb_compose_table_new_from_locale(context, "en_US.UTF-8", XKB_COMPOSE_COMPILE_NO_FLAGS);
    if (!compose) {
        std::cerr << "no Compose table for en_US.UTF-8: dead keys cannot be named\n";
        return 1;
    }

    std::ostringstream out;
    out << "// Generated by tools/keyboard_layouts/generate_keyboard_layouts from xkeyboard-config "
        << XKB_CONFIG_VERSION << "\n// through libxkbcommon. Do not edit; run the generator again.\n\n"
        << "#include \"keyboard_layout_table.h\"\n\n#include <iterator>\n\nnamespace quorvel {\n\n"
        << "namespace {\n\n";
    const std::vector<int> block = typingBlock();
    for (std::size_t language = 0; language < quorvel::kLayoutSources.size(); ++language) {
        const quorvel::LayoutSource& source = quorvel::kLayoutSources[language];
        const xkb_rule_names names{"evdev", "pc105", source.layout, source.variant, ""};
        xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
        if (!keymap) {
            std::cerr << "xkeyboard-config has no layout " << layoutName(source) << "\n";
            return 1;
        }
        out << "// " << layoutName(source) << "\nconst LayoutKey kLayout" << language << "[] = {\n";
        for (int position : block) {
            Level levels[4];
            for (int n = 0; n < 4; ++n)
                levels[n] = levelOf(keymap, compose, position, n & 1, n & 2, false);
            if (std::none_of(std::begin(levels), std::end(levels),
                             [](const Level& level) { return level.symbol != 0; }))
                continue;
            // Caps Lock is more than Shift on letters: the key's type decides which
            // levels it reaches, and xkbcommon upper-cases what the type leaves alone.
            Level caps[4];
            for (int n = 0; n < 4; ++n)
                caps[n] = levelOf(keymap, compose, position, n & 1, n & 2, true);
            out << "    {" << position << ", ";
            writeLevels(out, levels);
            out << ", ";
            writeLevels(out, caps);
            out << "},\n";
        }
        out << "};\n\n";
        xkb_keymap_unref(keymap);
    }
    out << "} // namespace\n\nconst std::array<LayoutTable, 17> kLayoutTables{{\n";
    for (std::size_t language = 0; language < quorvel::kLayoutSources.size(); ++language)
        out << "    {kLayout" << language << ", static_cast<int>(std::size(kLayout" << language
            << "))},\n";
    out << "}};\n\nconst char* const kLayoutTablesSource = \"xkeyboard-config " << XKB_CONFIG_VERSION
        << "\";\n\n} // namespace quorvel\n";
    xkb_compose_table_unref(compose);
    xkb_context_unref(context);

    if (argc > 1) {
        std::ofstream file(argv[1], std::ios::binary);
        file << out.str();
        return file ? 0 : 1;
    }
    std::cout << out.str();
    return 0;
}
