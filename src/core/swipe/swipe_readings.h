#pragma once

#include "core/keyboard/reader_keys.h"
#include "core/keyboard/sent_reading.h"
#include "core/swipe/card_number_mask.h"

#include <QList>
#include <QStringList>

namespace quorvel {

// A swipe read twice: what the reader sent, decoded from the key positions
// with its keyboard language, and what this computer received.
struct SwipeReadings {
    SentReading sent;
    QStringList sentRaw;       // one token per character the reader sent
    QStringList sentShown;     // as shown: card numbers masked unless asked for
    QStringList receivedRaw;   // one token per key that gave something here
    QStringList receivedShown; // masked where the reader sent card numbers, too
    QList<int> receivedKeys;   // the captured key of each received token
    QList<bool> sentMasked;    // per sent character: it is masked where shown
    bool differ = false;       // the two lines differ
};

SwipeReadings readSwipe(const QList<CapturedKey>& keys, int language, CardNumbers cardNumbers);

// The token of a character the reader sent: "[Alt+0233]" for an Alt code
// whose character depends on this computer's code pages.
QString sentToken(const SentKey& key);
// What a key gave here: its text as it came, or its key name; empty for a key
// that gave nothing, such as a dead key.
QString receivedToken(const CapturedKey& key);

} // namespace quorvel
