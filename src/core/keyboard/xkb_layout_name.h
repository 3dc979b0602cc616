#pragma once

#include <QString>

#include <optional>

namespace quorvel {

// A keyboard layout as XKB names it: "ch", or "ch" with the variant "fr".
struct XkbLayoutName {
    QString layout;
    QString variant;
    friend bool operator==(const XkbLayoutName&, const XkbLayoutName&) = default;
};

// The layout of one group out of the comma-separated lists of the XKB rules
// names, as `setxkbmap -query` shows them ("us,ch" and ",fr"); nullopt when the
// lists hold no such group.
std::optional<XkbLayoutName> xkbLayoutOfGroup(const QString& layouts, const QString& variants,
                                              int group);

// "ch" or "ch(fr)", as a person names a layout; nullopt for anything else.
std::optional<XkbLayoutName> parseXkbLayoutName(const QString& text);
// The same form back: "ch(fr)".
QString xkbLayoutText(const XkbLayoutName& name);

// The first layout of XKBLAYOUT and XKBVARIANT in a text of shell assignments, as
// /etc/default/keyboard holds them (Debian's console and desktop default).
std::optional<XkbLayoutName> keyboardDefaultsLayout(const QByteArray& text);

// The reader keyboard language (code of byte 48) whose layout this is, -1 for none.
int languageOfXkbLayout(const XkbLayoutName& name);

} // namespace quorvel
