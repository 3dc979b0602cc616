#pragma once

#include "core/swipe/swipe_analysis.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace quorvel {

// Turns the bytes a terminal sends into key presses: characters (UTF-8), control
// characters, and the escape sequences of the usual terminals (xterm, VT220, the Linux
// console, rxvt) for F-keys, arrows, Home/End, Ins/Del and PgUp/PgDn.
class KeySequenceDecoder {
public:
    // Decodes what arrived at timeMs. A sequence cut off at the end waits for the rest.
    QList<CapturedKey> feed(const QByteArray& bytes, qint64 timeMs);
    // Gives up waiting: what is held back becomes keys of its own (a lone Esc above all).
    QList<CapturedKey> flush(qint64 timeMs);
    bool holdsBack() const { return !m_pending.isEmpty(); }

private:
    enum class Parse { Key, Incomplete, NotASequence };
    Parse parseEscape(QByteArrayView bytes, qsizetype& length, CapturedKey& key) const;
    void decodeCharacters(const QByteArray& bytes, qint64 timeMs, QList<CapturedKey>& keys);

    QByteArray m_pending;
    bool m_afterCr = false;
};

} // namespace quorvel
