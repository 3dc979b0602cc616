#include "core/swipe/track_lrc.h"

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

} // namespace quorvel
