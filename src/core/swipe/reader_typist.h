#pragma once

// How a reader presses keys for its key codes: the character's key and level on its
// own layout (or Alt + keypad digits in ALT mode), the editing and function keys, with
// what the computer it types into makes of each press on that computer's layout.

#include "core/keyboard/computer_keys.h"
#include "core/keyboard/key_press.h"
#include "core/keyboard/keyboard_layout.h"

#include <QList>

#include <optional>

namespace quorvel {

struct TypistSetup {
    const KeyboardLayout* reader = nullptr;   // nullptr: no layout, so no character key
    const KeyboardLayout* computer = nullptr; // the reader's own where nullptr
    bool altMode = false;                     // every character as Alt + keypad code
    bool forCapsLock = false;     // letters in the other case, for Caps Lock to turn them
    bool windowsAltCodes = false; // Alt codes with a leading 0, as Windows code pages read them
    KeyStates locks;              // this computer's lock keys during the typing
    qint64 startMs = 0;
    int spacingMs = 8; // between consecutive presses, modifiers included
};

class ReaderTypist {
public:
    explicit ReaderTypist(const TypistSetup& setup);
    ~ReaderTypist();

    enum class Result { Typed, NoKey, NoLayout };
    // Types a reader key code; nothing is typed unless Typed.
    Result code(int code);
    // Ctrl with the key of C.
    Result ctrlC();
    // Any character of the reader's layout, and any code as Alt + keypad digits.
    Result character(char32_t c);
    void altCode(int code);

    const QList<KeyPress>& keys() const { return m_keys; }

private:
    void add(int key, int position, KeyStates state, const QString& text);
    void press(int position, KeyStates state);
    qint64 time() const;

    TypistSetup m_setup;
    QList<KeyPress> m_keys;
    std::optional<ComputerKeys> m_computer;
};

} // namespace quorvel
