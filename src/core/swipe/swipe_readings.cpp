#include "core/swipe/swipe_readings.h"

#include "core/swipe/swipe_check.h"

namespace quorvel {

namespace {

const QString kMask = QStringLiteral("•");

bool printable(const QString& text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!c.isPrint())
            return false;
    return true;
}

} // namespace

QString sentToken(const SentKey& key) {
    if (!key.altCode.isEmpty() && key.key.text.isEmpty())
        return QStringLiteral("[Alt+%1]").arg(key.altCode);
    return keyToken(key.key);
}

QString receivedToken(const CapturedKey& key) {
    if (readerKeyCode(key) >= 0 || key.modifiers.testFlag(Qt::ControlModifier))
        return keyToken(key);
    // An accent with the next character, or a letter beyond ASCII, shows as it came.
    if (printable(key.text))
        return key.text;
    const bool deadKey =
        key.key >= Qt::Key_Dead_Grave && key.key <= Qt::Key_Dead_Longsolidusoverlay;
    if (key.text.isEmpty() && (deadKey || key.key == Qt::Key_unknown))
        return {};
    return keyToken(key);
}

SwipeReadings readSwipe(const QList<CapturedKey>& keys, int language, CardNumbers cardNumbers) {
    SwipeReadings readings;
    readings.sent = readAsSent(keys, language);
    for (const SentKey& key : std::as_const(readings.sent.keys))
        readings.sentRaw << sentToken(key);
    // Every run is masked, not only those inside tracks that were recognised:
    // a swipe that fails its checks is still card data.
    readings.sentShown =
        cardNumbers == CardNumbers::Shown ? readings.sentRaw : maskCardNumbers(readings.sentRaw);

    QList<bool> keyMasked(keys.size(), false);
    for (qsizetype i = 0; i < readings.sentRaw.size(); ++i) {
        const bool masked = readings.sentShown.at(i) != readings.sentRaw.at(i);
        readings.sentMasked << masked;
        if (masked)
            for (int k = readings.sent.keys.at(i).first; k <= readings.sent.keys.at(i).last; ++k)
                keyMasked[k] = true;
    }
    for (int i = 0; i < keys.size(); ++i) {
        const CapturedKey& key = keys.at(i);
        if (isModifierKey(key.key) || isLockKey(key.key))
            continue;
        const QString token = receivedToken(key);
        if (token.isEmpty())
            continue;
        readings.receivedRaw << token;
        readings.receivedKeys << i;
    }
    readings.receivedShown = readings.receivedRaw;
    if (cardNumbers == CardNumbers::Masked) {
        readings.receivedShown = maskCardNumbers(readings.receivedRaw);
        for (qsizetype i = 0; i < readings.receivedShown.size(); ++i)
            if (keyMasked.at(readings.receivedKeys.at(i)))
                readings.receivedShown[i] = kMask;
    }
    readings.differ = swipeLine(readings.sentRaw) != swipeLine(readings.receivedRaw);
    return readings;
}

} // namespace quorvel
