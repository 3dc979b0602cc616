#include "keyboard_keys.h"

#include <array>

namespace quorvel {

namespace {

constexpr std::array<KeyboardKey, 81> kKeys = {{
    {0, KeyKind::Fixed, "Esc", "1B", nullptr, KeyPicture::None, 0.0, 0, 1.0},
    {1, KeyKind::Fixed, "F1", "1", nullptr, KeyPicture::None, 2.0, 0, 1.0},
    {2, KeyKind::Fixed, "F2", "2", nullptr, KeyPicture::None, 3.0, 0, 1.0},
    {3, KeyKind::Fixed, "F3", "3", nullptr, KeyPicture::None, 4.0, 0, 1.0},
    {4, KeyKind::Fixed, "F4", "4", nullptr, KeyPicture::None, 5.0, 0, 1.0},
    {5, KeyKind::Fixed, "F5", "5", nullptr, KeyPicture::None, 6.5, 0, 1.0},
    {6, KeyKind::Fixed, "F6", "6", nullptr, KeyPicture::None, 7.5, 0, 1.0},
    {7, KeyKind::Fixed, "F7", "7", nullptr, KeyPicture::None, 8.5, 0, 1.0},
    {8, KeyKind::Fixed, "F8", "8", nullptr, KeyPicture::None, 9.5, 0, 1.0},
    {9, KeyKind::Fixed, "F9", "9", nullptr, KeyPicture::None, 11.0, 0, 1.0},
    {10, KeyKind::Fixed, "F10", "A", nullptr, KeyPicture::None, 12.0, 0, 1.0},
    {11, KeyKind::Fixed, "F11", "B", nullptr, KeyPicture::None, 13.0, 0, 1.0},
    {12, KeyKind::Fixed, "F12", "C", nullptr, KeyPicture::None, 14.0, 0, 1.0},
    {13, KeyKind::ShiftPair, "~\n`", "60", "7E", KeyPicture::None, 0.0, 1, 1.0},
    {14, KeyKind::ShiftPair, "!\n1", "31", "21", KeyPicture::None, 1.0, 1, 1.0},
    {15, KeyKind::ShiftPair, "@\n2", "32", "40", KeyPicture::None, 2.0, 1, 1.0},
    {16, KeyKind::ShiftPair, "#\n3", "33", "23", KeyPicture::None, 3.0, 1, 1.0},
    {17, KeyKind::ShiftPair, "$\n4", "34", "24", KeyPicture::None, 4.0, 1, 1.0},
    {18, KeyKind::ShiftPair, "%\n5", "35", "25", KeyPicture::None, 5.0, 1, 1.0},
    {19, KeyKind::ShiftPair, "^\n6", "36", "5E", KeyPicture::None, 6.0, 1, 1.0},
    {20, KeyKind::ShiftPair, "&\n7", "37", "26", KeyPicture::None, 7.0, 1, 1.0},
    {21, KeyKind::ShiftPair, "*\n8", "38", "2A", KeyPicture::None, 8.0, 1, 1.0},
    {22, KeyKind::ShiftPair, "(\n9", "39", "28", KeyPicture::None, 9.0, 1, 1.0},
    {23, KeyKind::ShiftPair, ")\n0", "30", "29", KeyPicture::None, 10.0, 1, 1.0},
    {24, KeyKind::ShiftPair, "_\n-", "2D", "5F", KeyPicture::None, 11.0, 1, 1.0},
    {25, KeyKind::ShiftPair, "+\n=", "3D", "2B", KeyPicture::None, 12.0, 1, 1.0},
    {26, KeyKind::Fixed, "<-----", "0F", nullptr, KeyPicture::None, 13.0, 1, 2.0},
    {27, KeyKind::ShiftPair, "|<----\n---->|", "E", "1C", KeyPicture::None, 0.0, 2, 1.5},
    {28, KeyKind::CapsPair, "Q", "71", "51", KeyPicture::None, 1.5, 2, 1.0},
    {29, KeyKind::CapsPair, "W", "77", "57", KeyPicture::None, 2.5, 2, 1.0},
    {30, KeyKind::CapsPair, "E", "65", "45", KeyPicture::None, 3.5, 2, 1.0},
    {31, KeyKind::CapsPair, "R", "72", "52", KeyPicture::None, 4.5, 2, 1.0},
    {32, KeyKind::CapsPair, "T", "74", "54", KeyPicture::None, 5.5, 2, 1.0},
    {33, KeyKind::CapsPair, "Y", "79", "59", KeyPicture::None, 6.5, 2, 1.0},
    {34, KeyKind::CapsPair, "U", "75", "55", KeyPicture::None, 7.5, 2, 1.0},
    {35, KeyKind::CapsPair, "I", "69", "49", KeyPicture::None, 8.5, 2, 1.0},
    {36, KeyKind::CapsPair, "O", "6F", "4F", KeyPicture::None, 9.5, 2, 1.0},
    {37, KeyKind::CapsPair, "P", "70", "50", KeyPicture::None, 10.5, 2, 1.0},
    {38, KeyKind::ShiftPair, "{\n[", "5B", "7B", KeyPicture::None, 11.5, 2, 1.0},
    {39, KeyKind::ShiftPair, "}\n]", "5D", "7D", KeyPicture::None, 12.5, 2, 1.0},
    {40, KeyKind::ShiftPair, "|\n\\", "5C", "7C", KeyPicture::None, 13.5, 2, 1.5},
    {41, KeyKind::CapsLock, "Caps Lock", nullptr, nullptr, KeyPicture::None, 0.0, 3, 1.75},
    {42, KeyKind::CapsPair, "A", "61", "41", KeyPicture::None, 1.75, 3, 1.0},
    {43, KeyKind::CapsPair, "S", "73", "53", KeyPicture::None, 2.75, 3, 1.0},
    {44, KeyKind::CapsPair, "D", "64", "44", KeyPicture::None, 3.75, 3, 1.0},
    {45, KeyKind::CapsPair, "F", "66", "46", KeyPicture::None, 4.75, 3, 1.0},
    {46, KeyKind::CapsPair, "G", "67", "47", KeyPicture::None, 5.75, 3, 1.0},
    {47, KeyKind::CapsPair, "H", "68", "48", KeyPicture::None, 6.75, 3, 1.0},
    {48, KeyKind::CapsPair, "J", "6A", "4A", KeyPicture::None, 7.75, 3, 1.0},
    {49, KeyKind::CapsPair, "K", "6B", "4B", KeyPicture::None, 8.75, 3, 1.0},
    {50, KeyKind::CapsPair, "L", "6C", "4C", KeyPicture::None, 9.75, 3, 1.0},
    {51, KeyKind::ShiftPair, ":\n;", "3B", "3A", KeyPicture::None, 10.75, 3, 1.0},
    {52, KeyKind::CapsPair, "\"\n'", "27", "22", KeyPicture::None, 11.75, 3, 1.0},
    {53, KeyKind::Fixed, "Enter", "D", nullptr, KeyPicture::None, 12.75, 3, 2.25},
    {54, KeyKind::Shift, "Shift", nullptr, nullptr, KeyPicture::None, 0.0, 4, 2.25},
    {55, KeyKind::CapsPair, "Z", "7A", "5A", KeyPicture::None, 2.25, 4, 1.0},
    {56, KeyKind::CapsPair, "X", "78", "58", KeyPicture::None, 3.25, 4, 1.0},
    {57, KeyKind::CapsPair, "C", "63", "43", KeyPicture::None, 4.25, 4, 1.0},
    {58, KeyKind::CapsPair, "V", "76", "56", KeyPicture::None, 5.25, 4, 1.0},
    {59, KeyKind::CapsPair, "B", "62", "42", KeyPicture::None, 6.25, 4, 1.0},
    {60, KeyKind::CapsPair, "N", "6E", "4E", KeyPicture::None, 7.25, 4, 1.0},
    {61, KeyKind::CapsPair, "M", "6D", "4D", KeyPicture::None, 8.25, 4, 1.0},
    {62, KeyKind::ShiftPair, "<\n,", "2C", "3C", KeyPicture::None, 9.25, 4, 1.0},
    {63, KeyKind::ShiftPair, ">\n.", "2E", "3E", KeyPicture::None, 10.25, 4, 1.0},
    {64, KeyKind::ShiftPair, "?\n/", "2F", "3F", KeyPicture::None, 11.25, 4, 1.0},
    {65, KeyKind::Shift, "Shift", nullptr, nullptr, KeyPicture::None, 12.25, 4, 2.75},
    {66, KeyKind::Inert, "Ctrl", nullptr, nullptr, KeyPicture::None, 0.0, 5, 1.5},
    {67, KeyKind::Inert, "Alt", nullptr, nullptr, KeyPicture::None, 1.5, 5, 1.5},
    {68, KeyKind::Fixed, "", "20", nullptr, KeyPicture::Space, 3.0, 5, 9.0},
    {69, KeyKind::Inert, "Alt", nullptr, nullptr, KeyPicture::None, 12.0, 5, 1.5},
    {70, KeyKind::Inert, "Ctrl", nullptr, nullptr, KeyPicture::None, 13.5, 5, 1.5},
    {71, KeyKind::Fixed, "Ins", "18", nullptr, KeyPicture::None, 15.5, 1, 1.0},
    {72, KeyKind::Fixed, "Home", "14", nullptr, KeyPicture::None, 16.5, 1, 1.0},
    {73, KeyKind::Fixed, "Pg Up", "16", nullptr, KeyPicture::None, 17.5, 1, 1.0},
    {74, KeyKind::Fixed, "Del", "19", nullptr, KeyPicture::None, 15.5, 2, 1.0},
    {75, KeyKind::Fixed, "End", "15", nullptr, KeyPicture::None, 16.5, 2, 1.0},
    {76, KeyKind::Fixed, "Pg Dn", "17", nullptr, KeyPicture::None, 17.5, 2, 1.0},
    {77, KeyKind::Fixed, "", "10", nullptr, KeyPicture::Up, 16.5, 4, 1.0},
    {78, KeyKind::Fixed, "", "12", nullptr, KeyPicture::Left, 15.5, 5, 1.0},
    {79, KeyKind::Fixed, "", "11", nullptr, KeyPicture::Down, 16.5, 5, 1.0},
    {80, KeyKind::Fixed, "", "13", nullptr, KeyPicture::Right, 17.5, 5, 1.0},
}};

constexpr bool inIndexOrder() {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i].index != static_cast<int>(i))
            return false;
    return true;
}
static_assert(inIndexOrder(), "CKey(i) must sit at position i");

} // namespace

std::optional<QString> KeyboardKey::pickedCode(bool shift, bool capsLock) const {
    switch (kind) {
    case KeyKind::Fixed:
        return QString::fromLatin1(code);
    case KeyKind::ShiftPair:
        return QString::fromLatin1(shift ? upperCode : code);
    case KeyKind::CapsPair:
        return QString::fromLatin1(shift != capsLock ? upperCode : code);
    case KeyKind::CapsLock:
    case KeyKind::Shift:
    case KeyKind::Inert:
        break;
    }
    return std::nullopt;
}

std::span<const KeyboardKey> keyboardKeys() { return kKeys; }

} // namespace quorvel
