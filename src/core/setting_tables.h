#pragma once

#include <QString>

#include <array>

namespace quorvel {

// The named choices of the settings image, kept once for the pages and the
// command-line tool. Each entry pairs the stored code with the caption the
// pages show.
struct NamedCode {
    int code;
    const char* caption;
};

// Byte 32, bits 0-6: track order, code = position in the list.
inline constexpr std::array<NamedCode, 6> kTrackOrders{{
    {0, " 1-2-3"}, {1, " 1-3-2"}, {2, " 2-1-3"}, {3, " 2-3-1"}, {4, " 3-2-1"}, {5, " 3-1-2"}}};

// Byte 63: track selection; captions as displayed (a single "&").
inline constexpr std::array<NamedCode, 7> kTrackSelections{{{0x3F, "TK1/TK2/TK3 any"},
                                                            {0x01, "TK1 only"},
                                                            {0x02, "TK2 only"},
                                                            {0x04, "TK3 only"},
                                                            {0x08, "TK1 & TK2 only"},
                                                            {0x10, "TK2 & TK3 only"},
                                                            {0x20, "TK1/TK2/TK3 only"}}};

// Byte 50: keyboard terminator; the list index is the page's button index.
inline constexpr std::array<NamedCode, 7> kKeyboardTerminators{{{0, "NONE"},
                                                                {1, "CR"},
                                                                {4, "SPACE"},
                                                                {5, "TAB"},
                                                                {6, "ESC"},
                                                                {7, "CTRL-C"},
                                                                {8, "EXEC"}}};

// Byte 39: RS-232 terminator; code = button index.
inline constexpr std::array<NamedCode, 11> kRs232Terminators{{{0, "NONE"},
                                                              {1, "CR"},
                                                              {2, "LF"},
                                                              {3, "CR/LF"},
                                                              {4, "SPACE"},
                                                              {5, "TAB"},
                                                              {6, "ESC"},
                                                              {7, "CTRL-C"},
                                                              {8, "STX.....ETX"},
                                                              {9, "XON.....XOFF"},
                                                              {10, "EOT"}}};

// Byte 48: keyboard language; code = button index.
inline constexpr std::array<NamedCode, 17> kKeyboardLanguages{{{0, "U.S."},
                                                               {1, "U.K."},
                                                               {2, "FRANCE"},
                                                               {3, "GERMANY"},
                                                               {4, "ITALY"},
                                                               {5, "BELGIUM"},
                                                               {6, "SWEDEN/FINLAND"},
                                                               {7, "SPANISH"},
                                                               {8, "DENMARK"},
                                                               {9, "PORTUGAL"},
                                                               {10, "SWISS"},
                                                               {11, "NORWAY"},
                                                               {12, "CANADA"},
                                                               {13, "HOLLAND"},
                                                               {14, "POLAND"},
                                                               {15, "LATIN"},
                                                               {16, "JAPAN"}}};

// Byte 52, bits 0-3: case mode.
inline constexpr std::array<NamedCode, 3> kCaseModes{
    {{0x0, "Lower Case"}, {0x2, "Upper Case"}, {0x8, "Universal"}}};

// Byte numbers and bits that several places share.
namespace bytes {
inline constexpr int kTrackOrder = 32;
inline constexpr int kRs232Terminator = 39;
inline constexpr int kRs232Delay = 41;
inline constexpr int kEndSentinel = 46;
// Tracks 1, 2 and 3.
inline constexpr std::array<int, 3> kStartSentinels{53, 54, 55};
inline constexpr int kLanguage = 48;
inline constexpr int kKeyboardTerminator = 50;
inline constexpr int kKeyboardDelay = 51;
inline constexpr int kModes = 52;
inline constexpr int kBuzzerPitch = 57;
inline constexpr int kBuzzerDuration = 58;
inline constexpr int kTrackSelection = 63;
inline constexpr int kFirstPreamble = 80;
inline constexpr int kFirstPostamble = 91;
inline constexpr int kAmbleCount = 10;
inline constexpr int kInterface = 127;
inline constexpr int kAltModeBit = 0x40;
inline constexpr int kFunctionKeyBit = 0x20;
// Of byte 32.
inline constexpr int kTransmitLrcBit = 0x80;
} // namespace bytes

// The position of a code in a table, or -1 when the table does not name it.
template <std::size_t N>
constexpr int indexOfCode(const std::array<NamedCode, N>& table, int code) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].code == code)
            return static_cast<int>(i);
    return -1;
}

} // namespace quorvel
