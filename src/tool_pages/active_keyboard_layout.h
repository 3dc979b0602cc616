#pragma once

#include "core/keyboard/xkb_layout_name.h"

#include <optional>

namespace quorvel {

// This computer's active keyboard layout as XKB names it, where the window
// system tells: on X11 the display's rules names (what `setxkbmap -query`
// shows) and its active group. nullopt where it is not known.
std::optional<XkbLayoutName> activeKeyboardLayout();

} // namespace quorvel
