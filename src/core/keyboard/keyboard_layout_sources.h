#pragma once

#include <array>

namespace quorvel {

// The xkeyboard-config layout that stands for each reader keyboard language
// (byte 48, code = index). The layout generator reads it, and so does the
// keyboard-language check to name this computer's own language; the generated
// tables carry the same order.
struct LayoutSource {
    const char* layout;
    const char* variant;
    // Another XKB layout whose computers the language serves, "" for none.
    const char* alsoLayout = "";
};

inline constexpr std::array<LayoutSource, 17> kLayoutSources{{
    {"us", ""},    // U.S.
    {"gb", ""},    // U.K.
    {"fr", ""},    // FRANCE: AZERTY as French computers ship it
    {"de", ""},    // GERMANY
    {"it", ""},    // ITALY
    {"be", ""},    // BELGIUM: Belgian AZERTY
    // SWEDEN/FINLAND: one layout serves both; fi differs only beyond ASCII.
    {"se", "", "fi"},
    {"es", ""},    // SPANISH: Spain
    {"dk", ""},    // DENMARK
    {"pt", ""},    // PORTUGAL
    // SWISS: Swiss German, the layout most Swiss computers carry; Swiss French
    // (ch(fr)) has the same ASCII keys and differs only in accented letters.
    {"ch", ""},
    {"no", ""},    // NORWAY
    // CANADA: French (Canada), the layout Windows calls "Canadian French" with
    // # | \ left of 1; the multilingual standard layout is ca(multix).
    {"ca", ""},
    {"nl", ""},    // HOLLAND
    // POLAND: Polish (programmer's), a U.S. layout with Polish letters on AltGr,
    // which is what Polish computers use; the old typewriter QWERTZ is pl(qwertz).
    {"pl", ""},
    // LATIN: Latin American Spanish, the layout the name means on readers and
    // in Windows ("Latin American").
    {"latam", ""},
    // JAPAN: the 106/109-key JIS layout with its extra keys Ro and Yen; no
    // kana, since a reader types ASCII.
    {"jp", ""},
}};

} // namespace quorvel
