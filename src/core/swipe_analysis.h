#pragma once

#include "session.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>

namespace quorvel {

// One key press as the capture received it. Held in memory only: it may be card data.
struct CapturedKey {
    qint64 timeMs = 0; // on a monotonic clock
    int key = 0;       // Qt::Key
    Qt::KeyboardModifiers modifiers;
    QString text; // what the key typed, as the window system reports it
};

// Shift, Ctrl, Alt and the like come before the key they change and are no key of their own.
bool isModifierKey(int key);

// The reader's key code a press stands for (1-12 F-keys, 13-28 editing keys,
// 32-126 characters), or -1 when the reader has no such code.
int readerKeyCode(const CapturedKey& key);

// How a key is shown: a printable character as itself, anything else in
// brackets by its key name ("[Enter]", "[F 1]", "[Space]", "[Ctrl-C]").
QString keyToken(const CapturedKey& key);
// The token of a reader key code; empty for a code that no key types.
QString codeToken(int code);

// A pause longer than gapMs ends a swipe; the next key begins another.
bool beginsSwipe(const CapturedKey& previous, const CapturedKey& next, int gapMs);
// Splits the recorded keys into swipes.
QList<QList<CapturedKey>> splitSwipes(const QList<CapturedKey>& keys, int gapMs);

inline constexpr int kDefaultSwipeGapMs = 500;
inline constexpr int kMinSwipeGapMs = 50;
inline constexpr int kMaxSwipeGapMs = 5000;

struct SwipeTiming {
    int keys = 0;
    qint64 durationMs = 0; // first key to last
    // Between consecutive keys; all 0 for a single key.
    qint64 minGapMs = 0;
    qint64 medianGapMs = 0;
    qint64 maxGapMs = 0;
};

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
};

struct SwipeAnalysis {
    // As shown: card numbers masked unless they were asked for.
    QStringList tokens;
    SwipeTiming timing;
    QList<TrackFound> tracks;
    QList<SwipeCheck> checks; // preamble, tracks, track order, track selection, postamble, terminator
};

enum class CardNumbers { Masked, Shown };

// Checks one swipe against what the settings image makes the reader send.
SwipeAnalysis analyzeSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                           CardNumbers cardNumbers = CardNumbers::Masked);

// What the settings make the reader send around the card data, e.g.
// "[Esc] A ‹%…?› ‹;…?› [Enter]".
QString expectedFrame(const SettingsImage& image);

// Runs of 12 to 19 digits keep their first 6 and last 4 digits; the rest become "•".
QStringList maskCardNumbers(const QStringList& tokens);

// The tokens as one line.
QString swipeLine(const QStringList& tokens);
// "5 keys in 40 ms; gaps 8/10/12 ms (min/median/max)".
QString timingText(const SwipeTiming& timing);
// "✓ Preamble: [Esc] A", "✗ Terminator: …", "– Terminator: not checked, …".
QString checkLine(const SwipeCheck& check);

} // namespace quorvel
