#include "core/swipe/track_lrc.h"

#include "core/keyboard/reader_keys.h"

namespace quorvel {

std::optional<QChar> trackLrc(int track, const QString& sentinelToSentinel) {
    const bool alpha = track == 1;
    const char16_t offset = alpha ? 0x20 : 0x30;
    const char16_t mask = alpha ? 0x3F : 0x0F;
    if (sentinelToSentinel.isEmpty())
        return std::nullopt;
    char16_t parity = 0;
    for (const QChar c : sentinelToSentinel) {
        const char16_t code = c.unicode();
        if (code < offset || code > offset + mask)
            return std::nullopt;
        parity ^= static_cast<char16_t>(code - offset);
    }
    return QChar(static_cast<char16_t>(parity + offset));
}

std::optional<QString> trackLrcToken(int track, const QStringList& sentinelToSentinel) {
    QString characters;
    for (const QString& token : sentinelToSentinel) {
        if (token == codeToken(u' '))
            characters += u' ';
        else if (token.size() == 1)
            characters += token;
        else
            return std::nullopt;
    }
    const std::optional<QChar> lrc = trackLrc(track, characters);
    if (!lrc)
        return std::nullopt;
    return codeToken(lrc->unicode());
}

} // namespace quorvel
