// Any settings image and any keys: the analysis gives at most one token a key (lock
// keys are left out, an Alt + keypad code is one character), its nine checks plus
// the ALT mode and lock key notes where they apply, and no run of 12 to 19 digits
// survives the masking. Splitting at the pauses and after the terminator keeps
// every key in order, and each cut is a pause or the terminator of the swipe it ends.
// Identifying the reader from the keys changes only the settings it tells, each of them
// one a swipe can show.
#include "core/image/setting_fields.h"
#include "core/swipe/reader_identity.h"
#include "core/swipe/swipe_analysis.h"
#include "core/swipe/swipe_split.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace quorvel;

// A byte as a key press: printable bytes type themselves, the rest pick a key
// the reader or a keyboard may send.
CapturedKey keyOf(std::uint8_t b, qint64 time) {
    static const int special[] = {Qt::Key_Return,   Qt::Key_Tab,       Qt::Key_Backtab,
                                  Qt::Key_Escape,   Qt::Key_F1,        Qt::Key_F12,
                                  Qt::Key_Space,    Qt::Key_Backspace, Qt::Key_Delete,
                                  Qt::Key_CapsLock, Qt::Key_Shift,     Qt::Key_unknown};
    if (b >= 32 && b <= 126)
        return {time, QChar(b).toUpper().unicode(), Qt::NoModifier, QString(QChar(b))};
    if (b >= 0xF0)
        return {time, Qt::Key_A + (b & 0x0F), Qt::ControlModifier, {}};
    return {time, special[b % std::size(special)], Qt::NoModifier, {}};
}

// The time before a key, two bits of the pause byte a key: the usual step, none
// (events handled in a bunch), just the gap, and just over it.
qint64 stepBefore(std::uint8_t pauses, std::size_t key, int gapMs) {
    switch ((pauses >> (key % 4 * 2)) & 3) {
    case 0:
        return 7;
    case 1:
        return 0;
    case 2:
        return gapMs;
    default:
        return gapMs + 1;
    }
}

// Most input bytes pick one of the terminators the reader knows, the rest leave
// a code it does not, so that both kinds of frame are split.
void chooseTerminator(SettingsImage& image) {
    const Field& terminator = field(FieldId::KeyboardTerminator);
    const int raw = image[static_cast<std::size_t>(terminator.byte)];
    if (raw < 0x80)
        setFieldValue(
            image, FieldId::KeyboardTerminator,
            terminator.choices[static_cast<std::size_t>(raw) % terminator.choices.size()].code);
}

bool sameKey(const CapturedKey& a, const CapturedKey& b) {
    return a.timeMs == b.timeMs && a.key == b.key && a.modifiers == b.modifiers && a.text == b.text;
}

void checkAnalysis(const QList<CapturedKey>& keys, const SettingsImage& image) {
    const SwipeAnalysis analysis = analyzeSwipe(keys, image);
    if (analysis.checks.size() < 9 || analysis.checks.size() > 11 ||
        analysis.tokens.size() > keys.size())
        std::abort();
    qsizetype run = 0;
    for (qsizetype i = 0; i <= analysis.tokens.size(); ++i) {
        const bool digit = i < analysis.tokens.size() && analysis.tokens.at(i).size() == 1 &&
                           analysis.tokens.at(i).at(0).isDigit() &&
                           analysis.tokens.at(i).at(0) < u'\x80';
        if (digit) {
            ++run;
            continue;
        }
        if (run >= 12 && run <= 19)
            std::abort();
        run = 0;
    }
    for (const SwipeCheck& check : analysis.checks)
        if (checkLine(check).isEmpty())
            std::abort();
}

void checkIdentity(const QList<CapturedKey>& keys, const SettingsImage& image) {
    const ReaderIdentity identity = identifyReader({{keys}}, image);
    if (identity.outcome != ReaderIdentity::Outcome::Read)
        return;
    QList<int> toldBytes;
    for (const ToldSetting& told : identity.told) {
        if (!fieldsASwipeShows().contains(told.id) ||
            (told.value.isEmpty() && field(told.id).kind != FieldKind::String))
            std::abort();
        for (int i = 0; i < field(told.id).length; ++i)
            toldBytes << field(told.id).byte + i;
    }
    for (int n = 0; n < kImageSize; ++n)
        if (identity.image[static_cast<std::size_t>(n)] != image[static_cast<std::size_t>(n)] &&
            !toldBytes.contains(n))
            std::abort();
}

// The keys from first up to the next pause that ends a swipe (lock keys pressed alone go
// on with the next keys).
QList<CapturedKey> untilPause(const QList<CapturedKey>& keys, qsizetype first, int gapMs) {
    qsizetype end = first + 1;
    while (end < keys.size() && !pauseEnds(keys.mid(first, end - first), keys.at(end), gapMs))
        ++end;
    return keys.mid(first, end - first);
}

void checkSplit(const QList<CapturedKey>& keys, int gapMs, const SettingsImage& image) {
    const QList<QList<CapturedKey>> swipes = splitSwipes(keys, gapMs, image);
    const SwipeFrame frame = swipeFrame(image);
    qsizetype next = 0;
    for (qsizetype s = 0; s < swipes.size(); ++s) {
        const QList<CapturedKey>& swipe = swipes.at(s);
        const qsizetype first = next;
        if (swipe.isEmpty())
            std::abort();
        for (qsizetype k = 0; k < swipe.size(); ++k, ++next) {
            if (next >= keys.size() || !sameKey(swipe.at(k), keys.at(next)))
                std::abort();
            // Every pause is a cut, but after lock keys pressed alone.
            if (k > 0 && beginsSwipe(swipe.at(k - 1), swipe.at(k), gapMs) &&
                isSwipe(swipe.first(k)))
                std::abort();
        }
        // A cut without a pause is the first terminator from the swipe's start on,
        // as the page finds it for keys gathered one by one (a postamble that holds
        // the terminator's key is told only by the keys after it).
        if (s + 1 < swipes.size() && !beginsSwipe(swipe.last(), swipes.at(s + 1).first(), gapMs) &&
            terminatorEnd(untilPause(keys, first, gapMs), frame) != swipe.size() - 1)
            std::abort();
    }
    // Only lock keys pressed alone at the end are no swipe yet.
    if (next > keys.size() || isSwipe(keys.mid(next)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingsImage image{};
    const std::size_t imageBytes = std::min<std::size_t>(size, kImageSize);
    std::copy(data, data + imageBytes, image.begin());
    chooseTerminator(image);
    const std::uint8_t pauses = size > imageBytes ? data[imageBytes] : 0;
    QList<CapturedKey> keys;
    qint64 time = 0;
    for (std::size_t i = imageBytes + 1; i < size; ++i) {
        time += stepBefore(pauses, i, kDefaultSwipeGapMs);
        keys << keyOf(data[i], time);
    }

    checkAnalysis(keys, image);
    checkSplit(keys, kDefaultSwipeGapMs, image);
    checkIdentity(keys, image);
    expectedFrame(image);
    return 0;
}
