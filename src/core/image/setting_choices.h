#pragma once

#include <array>
#include <cstddef>

namespace quorvel {

// What a keyboard terminator makes the reader type, beside a reader key code.
inline constexpr int kSendsUnknown = -1; // no key is known for it
inline constexpr int kSendsNothing = -2;
inline constexpr int kSendsCtrlC = -3;

// One named choice of a setting: the stored value with the caption its page
// shows, the shorter word the command-line tool takes where it has one, and
// for a keyboard terminator what the reader types for it.
struct NamedCode {
    int code;
    const char* caption;
    const char* word = nullptr; // nullptr: the caption without its blanks
    int sends = kSendsUnknown;
};

// Track order, code = position in the list.
inline constexpr std::array<NamedCode, 6> kTrackOrders{{
    {0, " 1-2-3"}, {1, " 1-3-2"}, {2, " 2-1-3"}, {3, " 2-3-1"}, {4, " 3-2-1"}, {5, " 3-1-2"}}};

// Track selection; captions as displayed (a single "&").
inline constexpr std::array<NamedCode, 7> kTrackSelections{{{0x3F, "TK1/TK2/TK3 any", "any"},
                                                            {0x01, "TK1 only", "tk1"},
                                                            {0x02, "TK2 only", "tk2"},
                                                            {0x04, "TK3 only", "tk3"},
                                                            {0x08, "TK1 & TK2 only", "tk1+tk2"},
                                                            {0x10, "TK2 & TK3 only", "tk2+tk3"},
                                                            {0x20, "TK1/TK2/TK3 only", "tk1+tk2+tk3"}}};

// Keyboard terminator; the list index is the page's button index. The codes
// sent are the reader's key codes: Enter 13, Space 32, Tab 14, Esc 27.
inline constexpr std::array<NamedCode, 7> kKeyboardTerminators{{{0, "NONE", nullptr, kSendsNothing},
                                                                {1, "CR", nullptr, 13},
                                                                {4, "SPACE", nullptr, 32},
                                                                {5, "TAB", nullptr, 14},
                                                                {6, "ESC", nullptr, 27},
                                                                {7, "CTRL-C", nullptr, kSendsCtrlC},
                                                                {8, "EXEC"}}};

// RS-232 terminator; code = button index.
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

// Keyboard language; code = button index.
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

// Case mode.
inline constexpr std::array<NamedCode, 3> kCaseModes{
    {{0x0, "Lower Case", "lower"}, {0x2, "Upper Case", "upper"}, {0x8, "Universal", "universal"}}};

// An on/off bit.
inline constexpr std::array<NamedCode, 2> kOnOff{{{0, "off"}, {1, "on"}}};

// The position of a code in a table, or -1 when the table does not name it.
template <std::size_t N>
constexpr int indexOfCode(const std::array<NamedCode, N>& table, int code) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].code == code)
            return static_cast<int>(i);
    return -1;
}

} // namespace quorvel
