#include "core/keyboard/alt_code.h"

#include <array>
#include <utility>

namespace quorvel {

namespace {

// evdev codes of the keypad digits.
constexpr std::array<std::pair<int, int>, 10> kKeypadPositions{
    {{82, 0}, {79, 1}, {80, 2}, {81, 3}, {75, 4}, {76, 5}, {77, 6}, {71, 7}, {72, 8}, {73, 9}}};

constexpr int kFirstCommon = 32;
constexpr int kLastCommon = 126;

} // namespace

int keypadDigit(const KeyPress& key) {
    if (key.position != kNoPosition) {
        for (const auto& [position, digit] : kKeypadPositions)
            if (position == key.position)
                return digit;
        return -1;
    }
    if (key.modifiers.testFlag(Qt::KeypadModifier) && key.key >= Qt::Key_0 && key.key <= Qt::Key_9)
        return key.key - Qt::Key_0;
    return -1;
}

bool altHeld(const KeyPress& key) {
    return key.modifiers.testFlag(Qt::AltModifier) || key.state.testFlag(KeyState::Alt);
}

QString altCodeCharacter(const QString& digits) {
    bool ok = false;
    // Windows keeps the code modulo 256.
    const int code = digits.toInt(&ok) % 256;
    if (!ok || code < kFirstCommon || code > kLastCommon)
        return {};
    return QString(QChar(code));
}

} // namespace quorvel
