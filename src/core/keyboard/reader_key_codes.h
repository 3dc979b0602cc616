#pragma once

#include <Qt>

#include <array>
#include <cstddef>

namespace quorvel {

// The reader's editing keys, codes 13 to 28: the name a key code shows and the
// keys of this computer that type it.
struct EditingKey {
    int code;
    const char* name; // empty for the one code that no key types
    int qtKey;        // 0 for none
    int otherQtKey = 0;
};

inline constexpr int kFirstFunctionKeyCode = 1; // F 1 to F 12
inline constexpr int kLastFunctionKeyCode = 12;
inline constexpr int kSpaceCode = 32;
inline constexpr int kFirstCharacterCode = 33; // to 126, the character itself
inline constexpr int kLastCharacterCode = 126;

inline constexpr std::array<EditingKey, 16> kEditingKeys{{
    {13, "Enter", Qt::Key_Return, Qt::Key_Enter},
    {14, "Tab", Qt::Key_Tab},
    {15, "BS", Qt::Key_Backspace},
    {16, "Up", Qt::Key_Up},
    {17, "Down", Qt::Key_Down},
    {18, "Left", Qt::Key_Left},
    {19, "Right", Qt::Key_Right},
    {20, "Home", Qt::Key_Home},
    {21, "End", Qt::Key_End},
    {22, "PgUp", Qt::Key_PageUp},
    {23, "PgDn", Qt::Key_PageDown},
    {24, "Ins", Qt::Key_Insert},
    {25, "Del", Qt::Key_Delete},
    {26, "", 0},
    {27, "Esc", Qt::Key_Escape},
    {28, "S-Tab", Qt::Key_Backtab},
}};

inline constexpr int kTabCode = 14;
inline constexpr int kShiftTabCode = 28;

namespace editing_key_checks {
constexpr bool consecutive() {
    for (std::size_t i = 0; i < kEditingKeys.size(); ++i)
        if (kEditingKeys[i].code != kEditingKeys[0].code + static_cast<int>(i))
            return false;
    return kEditingKeys[0].code == kLastFunctionKeyCode + 1;
}
} // namespace editing_key_checks
static_assert(editing_key_checks::consecutive(), "the editing keys follow the function keys, one code each");
static_assert(kEditingKeys[kTabCode - 13].qtKey == Qt::Key_Tab &&
              kEditingKeys[kShiftTabCode - 13].qtKey == Qt::Key_Backtab);

// The entry of an editing key code; nullptr for any other code.
constexpr const EditingKey* editingKey(int code) {
    const int index = code - kEditingKeys[0].code;
    if (index < 0 || index >= static_cast<int>(kEditingKeys.size()))
        return nullptr;
    return &kEditingKeys[static_cast<std::size_t>(index)];
}

} // namespace quorvel
