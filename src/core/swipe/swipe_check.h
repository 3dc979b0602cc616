#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

enum class CheckState { Passed, Failed, NotChecked };

struct SwipeCheck {
    QString name;
    CheckState state = CheckState::NotChecked;
    QString detail; // what was found, what came instead and where, or why not checked
};

struct TrackFound {
    int track = 0;     // 1 to 3
    int firstKey = 0;  // index of its start sentinel in the swipe
    int length = 0;    // characters between the sentinels
    bool ended = true; // false when no end sentinel came
    // The key after the end sentinel taken as its LRC, or, with Transmit LRC
    // off, as a character that looks like one; -1 when none came.
    int lrcKey = -1;
};

// The tokens as one line.
QString swipeLine(const QStringList& tokens);
// "✓ Preamble: [Esc] A", "✗ Terminator: …", "– Terminator: not checked, …".
QString checkLine(const SwipeCheck& check);

} // namespace quorvel
