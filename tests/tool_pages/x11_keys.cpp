#include "x11_keys.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr unsigned kEvdevOffset = 8;
constexpr unsigned kLeftShift = 50;
constexpr unsigned kRightAlt = 108; // ISO_Level3_Shift on the layouts that have AltGr

Display* display(void* handle) {
    return static_cast<Display*>(handle);
}

} // namespace

X11Keys::X11Keys() : m_display(XOpenDisplay(nullptr)) {}

X11Keys::~X11Keys() {
    if (m_display)
        XCloseDisplay(display(m_display));
}

void X11Keys::press(int position, bool shift, bool altGr) {
    Display* d = display(m_display);
    const auto code = static_cast<unsigned>(position) + kEvdevOffset;
    if (shift)
        XTestFakeKeyEvent(d, kLeftShift, True, 0);
    if (altGr)
        XTestFakeKeyEvent(d, kRightAlt, True, 0);
    XTestFakeKeyEvent(d, code, True, 0);
    XTestFakeKeyEvent(d, code, False, 0);
    if (altGr)
        XTestFakeKeyEvent(d, kRightAlt, False, 0);
    if (shift)
        XTestFakeKeyEvent(d, kLeftShift, False, 0);
    XSync(d, False);
}

void X11Keys::lockCaps(bool on) {
    XkbLockModifiers(display(m_display), XkbUseCoreKbd, LockMask, on ? LockMask : 0);
    XSync(display(m_display), False);
}

void X11Keys::lockGroup(int group) {
    XkbLockGroup(display(m_display), XkbUseCoreKbd, static_cast<unsigned>(group));
    XSync(display(m_display), False);
}
