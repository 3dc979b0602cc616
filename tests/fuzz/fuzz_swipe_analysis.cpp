// Any settings image and any keys: the analysis gives at most one token a key (lock
// keys are left out, an Alt + keypad code is one character), its nine checks plus
// the ALT mode and lock key notes where they apply, and no run of 12 to 19 digits
// survives the masking.
#include "core/swipe_analysis.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A byte as a key press: printable bytes type themselves, the rest pick a key
// the reader or a keyboard may send.
quorvel::CapturedKey keyOf(std::uint8_t b, qint64 time) {
    static const int special[] = {Qt::Key_Return, Qt::Key_Tab,      Qt::Key_Backtab, Qt::Key_Escape,
                                  Qt::Key_F1,     Qt::Key_F12,      Qt::Key_Space,   Qt::Key_Backspace,
                                  Qt::Key_Delete, Qt::Key_CapsLock, Qt::Key_Shift,   Qt::Key_unknown};
    if (b >= 32 && b <= 126)
        return {time, QChar(b).toUpper().unicode(), Qt::NoModifier, QString(QChar(b))};
    if (b >= 0xF0)
        return {time, Qt::Key_A + (b & 0x0F), Qt::ControlModifier, {}};
    return {time, special[b % std::size(special)], Qt::NoModifier, {}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    SettingsImage image{};
    const std::size_t imageBytes = std::min<std::size_t>(size, kImageSize);
    std::copy(data, data + imageBytes, image.begin());
    QList<CapturedKey> keys;
    for (std::size_t i = imageBytes; i < size; ++i)
        keys << keyOf(data[i], static_cast<qint64>(i) * 7);

    const SwipeAnalysis analysis = analyzeSwipe(keys, image);
    if (analysis.checks.size() < 9 || analysis.checks.size() > 11 || analysis.tokens.size() > keys.size())
        std::abort();
    qsizetype run = 0;
    for (qsizetype i = 0; i <= analysis.tokens.size(); ++i) {
        const bool digit = i < analysis.tokens.size() && analysis.tokens.at(i).size() == 1 &&
                           analysis.tokens.at(i).at(0).isDigit() && analysis.tokens.at(i).at(0) < u'\x80';
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
    expectedFrame(image);
    return 0;
}
