#pragma once

// What a reader with given settings types for a card, key by key: the one model
// of the reader that the checks, the tests' swipes and the simulation share.

#include "core/image/settings_image.h"
#include "core/keyboard/key_press.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorvel {

// A card as its tracks hold it: the characters between the sentinels, nullopt
// for a track the card lacks. Card data: held in memory only.
struct Card {
    std::optional<QString> track1, track2, track3;
    const std::optional<QString>& track(int number) const;
};

struct ReaderKeyOptions {
    qint64 startMs = 0;
    int spacingMs = 8;     // between consecutive presses, modifiers included
    bool capsLock = false; // this computer's Caps Lock during the swipe
};

struct ReaderTyping {
    // In order, each with its physical key, its state and the text this computer
    // receives on the reader's own layout.
    QList<KeyPress> keys;
    // What the settings leave untypeable or unknown, as the checks word it; the
    // keys leave each such part out rather than guess it.
    QStringList untypeable;
};

ReaderTyping readerKeys(const SettingsImage& image, const Card& card,
                        const ReaderKeyOptions& options = {});

} // namespace quorvel
