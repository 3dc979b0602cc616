#include "active_keyboard_layout.h"

#include "platform/display_keyboard_layout.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace quorvel {

std::optional<XkbLayoutName> activeKeyboardLayout() {
    // On Wayland the compositor hands its keymap to Qt alone: Qt 6.4 gives no
    // way to the seat's keyboard, so there the layout stays unknown.
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return displayKeyboardLayout(x11 ? x11->display() : nullptr);
#else
    return std::nullopt;
#endif
}

} // namespace quorvel
