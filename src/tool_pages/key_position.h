#pragma once

#include "core/keyboard/key_press.h"

#include <QString>

class QKeyEvent;

namespace quorvel {

// The window system's own report of a key, turned into what core understands:
// the physical key as its evdev code and the modifier state. Everything that
// depends on the platform lives here.
class KeyPosition {
public:
    // `platform` as QGuiApplication::platformName() gives it.
    static int position(const QString& platform, quint32 nativeScanCode);
    static KeyStates state(const QString& platform, quint32 nativeModifiers,
                           Qt::KeyboardModifiers modifiers);
    // A press as the capture keeps it; `fallbackTimeMs` when the event carries no time.
    static KeyPress pressOf(const QKeyEvent& event, qint64 fallbackTimeMs);
};

} // namespace quorvel
