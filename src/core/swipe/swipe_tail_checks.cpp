#include "core/swipe/swipe_tail_checks.h"

#include "core/keyboard/key_name.h"

#include <QCoreApplication>

#include <algorithm>

namespace quorvel {

namespace {

// The context lupdate gives to tr() outside a class in this namespace.
QString tr(const char* text) {
    return QCoreApplication::translate("quorvel", text);
}

// The postamble check, and the first key after the postamble; -1 when that is unknown.
std::pair<SwipeCheck, int> checkPostamble(const SwipeKeys& keys, const SwipeFrame& frame,
                                          const DataRegion& region, int tailStart) {
    SwipeCheck check{tr("Postamble"), CheckState::NotChecked, {}};
    const QStringList& postamble = frame.postamble.tokens;
    if (frame.postamble.keylessCode >= 0) {
        check.detail = tr("not checked, the postamble holds the code %1, which no key types")
                           .arg(codeText(frame.postamble.keylessCode));
        return {check, -1};
    }
    if (postamble.isEmpty()) {
        check.state = CheckState::Passed;
        check.detail = tr("none set");
        return {check, tailStart};
    }
    if (region.tailMatched) {
        check.state = CheckState::Passed;
        check.detail = spaced(postamble);
        return {check, -1};
    }
    const int at = keys.mismatch(tailStart, postamble);
    if (at >= 0) {
        check.state = CheckState::Failed;
        check.detail = keys.mismatchText(postamble, tailStart, at, tr(" after the card data"));
        return {check, -1};
    }
    check.state = CheckState::Passed;
    check.detail = spaced(postamble);
    return {check, tailStart + static_cast<int>(postamble.size())};
}

// "[Enter] (CR)", "nothing (NONE)".
QString terminatorText(const TerminatorKeys& terminator) {
    const QString shown = terminator.tokens.isEmpty() ? tr("nothing") : spaced(terminator.tokens);
    return terminator.caption.isEmpty() ? shown : tr("%1 (%2)").arg(shown, terminator.caption);
}

SwipeCheck checkTerminator(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region,
                           int afterPostamble) {
    SwipeCheck check{tr("Terminator"), CheckState::NotChecked, {}};
    const TerminatorKeys& terminator = frame.terminator;
    if (!terminator.known) {
        check.detail = tr("not checked, %1").arg(terminator.why);
        return check;
    }
    const QString expectedText = terminatorText(terminator);
    const QStringList& expected = terminator.tokens;
    if (region.tailMatched) {
        check.state = CheckState::Passed;
        check.detail = expectedText;
        return check;
    }
    if (afterPostamble < 0) {
        // Where the postamble went wrong, only the last keys can be compared.
        if (expected.isEmpty()) {
            check.detail = tr(
                "not checked, the postamble did not come, so the end of the card data is unknown");
            return check;
        }
        afterPostamble = std::max(0, keys.count() - static_cast<int>(expected.size()));
    }
    const int restSize = keys.count() - afterPostamble;
    if (keys.mid(afterPostamble) == expected) {
        check.state = CheckState::Passed;
        check.detail = expectedText;
        return check;
    }
    check.state = CheckState::Failed;
    const QString after =
        frame.postamble.tokens.isEmpty() ? tr("the card data") : tr("the postamble");
    const QString where = QString::number(afterPostamble + 1);
    if (expected.isEmpty())
        check.detail = tr("expected nothing after %1, came %2 at key %3")
                           .arg(after, keys.came(afterPostamble, restSize), where);
    else if (restSize == 0)
        check.detail = tr("expected %1 after %2, the swipe ended after key %3")
                           .arg(expectedText, after, QString::number(keys.count()));
    else
        check.detail = tr("expected %1, came %2 at key %3")
                           .arg(expectedText, keys.came(afterPostamble, restSize), where);
    return check;
}

} // namespace

TailChecks checkTail(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region,
                     int tailStart) {
    const auto [postamble, afterPostamble] = checkPostamble(keys, frame, region, tailStart);
    return {postamble, checkTerminator(keys, frame, region, afterPostamble)};
}

} // namespace quorvel
