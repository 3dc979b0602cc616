#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorvel {

// The LRC character a reader sends after a track: each data bit has even
// parity over the characters from the start sentinel to the end sentinel, both
// included. Track 1 counts 6-bit characters (sent as the code + 0x20), tracks
// 2 and 3 4-bit characters (sent as the code + 0x30). Nothing when a character
// lies outside the track's character set, so that no LRC can be told.
std::optional<QChar> trackLrc(int track, const QString& sentinelToSentinel);

// The same over a swipe's tokens, a blank being "[Space]", as the token the LRC
// comes as; nothing where a token is no character of the track.
std::optional<QString> trackLrcToken(int track, const QStringList& sentinelToSentinel);

} // namespace quorvel
