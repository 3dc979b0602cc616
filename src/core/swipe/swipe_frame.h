#pragma once

#include "core/image/settings_image.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace quorvel {

// The characters of a preamble or postamble: its bytes up to the first 0.
struct CodeString {
    QStringList tokens;
    int keylessCode = -1; // the first code that no key types, if any
};

struct TerminatorKeys {
    bool known = false;
    QStringList tokens; // empty for NONE
    QString caption;    // "CR"; empty for a code the page does not offer
    QString why;        // why it cannot be checked
};

struct TrackOrder {
    QList<int> tracks;
    QString caption; // "1-3-2"
};

struct TrackSelection {
    QList<int> allowed;
    QString caption;
};

// What the settings image makes the reader send around and between the tracks,
// read through the field table.
struct SwipeFrame {
    CodeString preamble;
    CodeString postamble;
    TerminatorKeys terminator;
    std::array<int, 3> startCodes{}; // tracks 1, 2 and 3
    std::array<QString, 3> start;    // their tokens; empty for a code no key types
    int endCode = 0;
    QString end;
    std::optional<TrackOrder> order; // nullopt for a code that names no order
    int orderCode = 0;
    std::optional<TrackSelection> selection;
    int selectionCode = 0;
    bool lrc = false;         // an LRC character follows each end sentinel
    bool accountOnly = false; // track 2 is sent up to its first field separator (=)
    int language = 0;         // the reader's keyboard language, a code of byte 48
    bool altMode = false;     // the reader types every character as Alt + keypad code
    QString caseMode;         // "Lower Case"; empty for a code that names no case mode

    // Why no order can be checked, for an unknown order code.
    QString unknownOrder() const;
    // Why no selection can be checked, for an unknown selection code.
    QString unknownSelection() const;

    Q_DECLARE_TR_FUNCTIONS(quorvel::SwipeFrame)
};

SwipeFrame swipeFrame(const SettingsImage& image);

// What the settings make the reader send around the card data, e.g.
// "[Esc] A ‹%…?› ‹;…?› [Enter]".
QString expectedFrame(const SettingsImage& image);

// The track numbers a track order or selection caption names: " 1-3-2", "TK1 & TK2 only".
QList<int> tracksNamedIn(const char* caption);

// "track 1", "tracks 1 and 2", "tracks 1, 2 and 3".
QString trackList(const QList<int>& tracks);

} // namespace quorvel
