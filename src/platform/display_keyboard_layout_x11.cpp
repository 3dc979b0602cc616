#include "display_keyboard_layout.h"

#include <QList>

// Xlib last: its macros (KeyPress, None, Bool) would spoil the names above.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace quorvel {

namespace {

// Rules, model, layouts, variants and options, as setxkbmap leaves them on the
// root window, each ended by a NUL.
QList<QByteArray> rulesNames(Display* display) {
    const Atom property = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (property == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False, XA_STRING,
                           &type, &format, &count, &after, &data) != Success)
        return {};
    QList<QByteArray> names;
    if (data && type == XA_STRING && format == 8)
        names = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count))
                    .split('\0');
    if (data)
        XFree(data);
    return names;
}

} // namespace

std::optional<XkbLayoutName> displayKeyboardLayout(void* opened) {
    auto* display = static_cast<Display*>(opened);
    if (!display)
        return std::nullopt;
    const QList<QByteArray> names = rulesNames(display);
    if (names.size() < 4)
        return std::nullopt;
    const QString layouts = QString::fromLatin1(names.at(2));
    int group = 0;
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) == Success)
        group = state.group;
    else if (layouts.contains(u','))
        return std::nullopt; // several layouts, and which one is active is not told
    return xkbLayoutOfGroup(layouts, QString::fromLatin1(names.at(3)), group);
}

std::optional<XkbLayoutName> namedDisplayKeyboardLayout(const QByteArray& name) {
    if (name.isEmpty())
        return std::nullopt;
    Display* display = XOpenDisplay(name.constData());
    if (!display)
        return std::nullopt;
    const std::optional<XkbLayoutName> layout = displayKeyboardLayout(display);
    XCloseDisplay(display);
    return layout;
}

} // namespace quorvel
