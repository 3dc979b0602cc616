#pragma once

#include "core/keyboard/xkb_layout_name.h"

#include <QByteArray>

#include <optional>

namespace quorvel {

// The active keyboard layout of an X display as XKB names it: the display's rules
// names (what `setxkbmap -query` shows) and its active group. nullopt where there is
// no X display or it does not say.

// Of a display already open (an Xlib Display*, as Qt's own).
std::optional<XkbLayoutName> displayKeyboardLayout(void* display);
// Of the display of that name (DISPLAY's value), opened for the question only.
std::optional<XkbLayoutName> namedDisplayKeyboardLayout(const QByteArray& name);

} // namespace quorvel
