#pragma once

// Keys pressed on the X server itself, by key code, as a reader presses them,
// and the server's lock state set without a key press. Apart from the test so
// that Xlib's macros stay out of Qt's way.
class X11Keys {
public:
    X11Keys();
    ~X11Keys();
    X11Keys(const X11Keys&) = delete;
    X11Keys& operator=(const X11Keys&) = delete;

    bool isOpen() const { return m_display != nullptr; }
    // An evdev key code, with Shift or AltGr held around it.
    void press(int position, bool shift, bool altGr);
    void lockCaps(bool on);
    void lockGroup(int group);

private:
    void* m_display = nullptr;
};
