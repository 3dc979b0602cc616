#include "active_keyboard_layout.h"

namespace quorvel {

// Windows and macOS name their layouts otherwise than XKB; without a name the
// lowest-numbered of the languages that fit is offered.
std::optional<XkbLayoutName> activeKeyboardLayout() {
    return std::nullopt;
}

} // namespace quorvel
