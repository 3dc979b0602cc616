#pragma once

#include "core/image/settings_image.h"

#include <QString>

#include <optional>
#include <span>

namespace quorvel {

// The rules the setting pages apply to entries and bit fields, kept here so a
// command-line tool can apply the same ones.

// The byte an entry text stores: empty is 0; otherwise the numeric reading,
// refused (nullopt) below 0 or above 255 as typed, then rounded halves to even.
std::optional<int> byteFromEntry(const QString& text);

// The value a slider follows while the text is typed: empty is 0; otherwise
// only a whole text of decimal digits, or "&H" and hexadecimal digits, whose
// value as byteFromEntry reads it is a byte. Anything else (nullopt) leaves the
// slider where it is.
std::optional<int> sliderValueOfEntry(const QString& text);

// A preamble or postamble string runs from its first byte to its first 0, so a
// character after a 0 would never be sent: it breaks the string.
bool breaksString(int previousCode, int code);
// The position of the first code that breaks the string, or -1 when it holds together.
int firstStringBreak(std::span<const int> codes);

int withBits(int value, int mask, bool on);

// Byte 52 with the ALT mode on or off; turning it on also ends the function
// key emulation, which cannot work alongside it.
int modesWithAltMode(int modes, bool on);
// Byte 52 with a case mode code in bits 0-3, bits 4-7 kept.
int modesWithCaseMode(int modes, int caseCode);
// Byte 52 as the general parameter factory setting leaves it: only the ALT mode survives.
int factoryModes(int modes);

// The same two rules applied to the image, for the pages.
void setAltMode(SettingsImage& image, bool on);
void restoreFactoryModes(SettingsImage& image);

} // namespace quorvel
