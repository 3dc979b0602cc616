#include "key_position.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <array>
#include <utility>

namespace quorvel {

namespace {

bool isWindows(const QString& platform) {
    return platform == QLatin1String("windows");
}

// X11 and Wayland report the X key code, the evdev code + 8; offscreen and the
// other Linux platforms carry the same, so tests can give real codes.
bool isEvdevBased(const QString& platform) {
    static const std::array<QLatin1String, 7> platforms{
        QLatin1String("xcb"),     QLatin1String("wayland"), QLatin1String("offscreen"),
        QLatin1String("minimal"), QLatin1String("eglfs"),   QLatin1String("linuxfb"),
        QLatin1String("vnc")};
    return std::any_of(platforms.begin(), platforms.end(),
                       [&](QLatin1String name) { return platform.startsWith(name); });
}

constexpr int kXKeycodeOffset = 8;

// Set-1 scan codes 0x01 to 0x58 are the evdev codes themselves; beyond them
// the JIS keys, and with the 0xE0 prefix (0x100 as Windows reports it) the keys
// doubled on the keypad and the navigation block.
constexpr std::array<std::pair<quint32, int>, 22> kWindowsOthers{{
    {0x70, 93},   {0x73, 89},   {0x79, 92},   {0x7B, 94},   {0x7D, 124},  {0x11C, 96},
    {0x11D, 97},  {0x135, 98},  {0x138, 100}, {0x147, 102}, {0x148, 103}, {0x149, 104},
    {0x14B, 105}, {0x14D, 106}, {0x14F, 107}, {0x150, 108}, {0x151, 109}, {0x152, 110},
    {0x153, 111}, {0x15B, 125}, {0x15C, 126}, {0x15D, 127},
}};

// X11 state bits; Wayland compositors send the same order of modifiers.
constexpr quint32 kXShift = 0x01;
constexpr quint32 kXLock = 0x02;
constexpr quint32 kXControl = 0x04;
constexpr quint32 kXMod1 = 0x08; // Alt
constexpr quint32 kXMod2 = 0x10; // Num Lock
constexpr quint32 kXMod5 = 0x80; // ISO_Level3_Shift, AltGr

// Qt's Windows modifier bits.
constexpr quint32 kWinShift = 0x01 | 0x10;
constexpr quint32 kWinControlLeft = 0x02;
constexpr quint32 kWinControl = 0x02 | 0x20;
constexpr quint32 kWinAltLeft = 0x04;
constexpr quint32 kWinAltRight = 0x40;
constexpr quint32 kWinCapsLock = 0x100;
constexpr quint32 kWinNumLock = 0x200;

} // namespace

int KeyPosition::position(const QString& platform, quint32 nativeScanCode) {
    if (isEvdevBased(platform))
        return nativeScanCode > kXKeycodeOffset ? static_cast<int>(nativeScanCode) - kXKeycodeOffset
                                                : kNoPosition;
    if (isWindows(platform)) {
        if (nativeScanCode >= 0x01 && nativeScanCode <= 0x58)
            return static_cast<int>(nativeScanCode);
        for (const auto& [scanCode, evdev] : kWindowsOthers)
            if (scanCode == nativeScanCode)
                return evdev;
    }
    return kNoPosition;
}

KeyStates KeyPosition::state(const QString& platform, quint32 nativeModifiers,
                             Qt::KeyboardModifiers modifiers) {
    KeyStates state;
    if (isWindows(platform)) {
        // Windows reports AltGr as the left Ctrl with the right Alt.
        const bool altGr = (nativeModifiers & kWinAltRight) && (nativeModifiers & kWinControlLeft);
        state.setFlag(KeyState::Shift, nativeModifiers & kWinShift);
        state.setFlag(KeyState::AltGr, altGr);
        state.setFlag(KeyState::Control, !altGr && (nativeModifiers & kWinControl));
        state.setFlag(KeyState::Alt, !altGr && (nativeModifiers & (kWinAltLeft | kWinAltRight)));
        state.setFlag(KeyState::CapsLock, nativeModifiers & kWinCapsLock);
        state.setFlag(KeyState::NumLock, nativeModifiers & kWinNumLock);
        return state;
    }
    if (isEvdevBased(platform)) {
        state.setFlag(KeyState::Shift, nativeModifiers & kXShift);
        state.setFlag(KeyState::CapsLock, nativeModifiers & kXLock);
        state.setFlag(KeyState::Control, nativeModifiers & kXControl);
        state.setFlag(KeyState::Alt, nativeModifiers & kXMod1);
        state.setFlag(KeyState::NumLock, nativeModifiers & kXMod2);
        state.setFlag(KeyState::AltGr, nativeModifiers & kXMod5);
    }
    // Whatever the native state leaves out, Qt's own modifiers still tell.
    state.setFlag(KeyState::Shift,
                  state.testFlag(KeyState::Shift) || modifiers.testFlag(Qt::ShiftModifier));
    state.setFlag(KeyState::Control,
                  state.testFlag(KeyState::Control) || modifiers.testFlag(Qt::ControlModifier));
    state.setFlag(KeyState::Alt,
                  state.testFlag(KeyState::Alt) || modifiers.testFlag(Qt::AltModifier));
    state.setFlag(KeyState::AltGr,
                  state.testFlag(KeyState::AltGr) || modifiers.testFlag(Qt::GroupSwitchModifier));
    return state;
}

KeyPress KeyPosition::pressOf(const QKeyEvent& event, qint64 fallbackTimeMs) {
    const QString platform = QGuiApplication::platformName();
    KeyPress press;
    press.timeMs = event.timestamp() ? static_cast<qint64>(event.timestamp()) : fallbackTimeMs;
    press.key = event.key();
    press.modifiers = event.modifiers();
    press.text = event.text();
    press.position = position(platform, event.nativeScanCode());
    press.state = state(platform, event.nativeModifiers(), event.modifiers());
    return press;
}

} // namespace quorvel
