#pragma once

#include "core/keyboard/key_press.h"

#include <QList>
#include <QString>

// Key presses as a computer with one layout receives a text typed by a reader
// with another: the reader picks each character's key and level from its
// layout, the computer turns that key into its own character. "[Enter]" and
// "[Ctrl-C]" are keys of their own. A dead key of the computer gives no text;
// the next key gives the accent and its own character, as Windows does.
QList<quorvel::KeyPress> typedAt(int readerLanguage, int computerLanguage, const QString& text,
                                 quorvel::KeyStates locks = {});

// An ALT-mode reader: each character as Alt held, the keypad digits of its
// decimal code (with a leading 0 when `windows`), Alt released.
QList<quorvel::KeyPress> typedAsAltCodes(const QString& text, bool windows = false);
