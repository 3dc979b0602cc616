// Where there is no Xlib: no X display to ask.
#include "display_keyboard_layout.h"

namespace quorvel {

std::optional<XkbLayoutName> displayKeyboardLayout(void*) {
    return std::nullopt;
}

std::optional<XkbLayoutName> namedDisplayKeyboardLayout(const QByteArray&) {
    return std::nullopt;
}

} // namespace quorvel
