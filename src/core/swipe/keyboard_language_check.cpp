#include "core/swipe/keyboard_language_check.h"

#include "core/image/setting_choices.h"
#include "core/image/setting_fields.h"
#include "core/keyboard/keyboard_layout.h"
#include "core/keyboard/layout_match.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("quorvel::SwipeAnalysis", text);
}

bool isLanguage(int code) {
    return code >= 0 && code < static_cast<int>(kKeyboardLanguages.size());
}

QString quoted(const QString& text) {
    return text.isEmpty() ? tr("nothing") : QStringLiteral("'%1'").arg(text);
}

// What the captured keys of one sent character gave here, as shown.
QString receivedOf(const QList<CapturedKey>& keys, const SentKey& sent) {
    QString text;
    for (int k = sent.first; k <= sent.last; ++k)
        if (!isModifierKey(keys.at(k).key))
            text += receivedToken(keys.at(k));
    return text;
}

// Whether this computer's Caps Lock alone made the character differ: the
// reader's own layout gives the same with Caps Lock applied.
bool capsLockAlone(const QList<CapturedKey>& keys, const SentKey& sent, const QString& received,
                   const KeyboardLayout& reader) {
    const CapturedKey* pressed = nullptr;
    for (int k = sent.first; k <= sent.last; ++k) {
        if (isModifierKey(keys.at(k).key))
            continue;
        if (pressed)
            return false; // a dead key and its Space: Caps Lock does not change accents
        pressed = &keys.at(k);
    }
    if (!pressed || pressed->position == kNoPosition ||
        !pressed->state.testFlag(KeyState::CapsLock))
        return false;
    const LayoutSymbol symbol =
        reader.symbol(pressed->position, pressed->state, KeyboardLayout::Caps::Applied);
    return symbol.symbol != 0 && !symbol.dead && received == QString::fromUcs4(&symbol.symbol, 1);
}

// "'?' arrived as '_' (key 30)" for the first character that came otherwise
// through the layout; what Caps Lock alone changed the letter case check tells.
QString firstDifference(const QList<CapturedKey>& keys, const SwipeReadings& readings,
                        const KeyboardLayout& reader) {
    for (qsizetype i = 0; i < readings.sent.keys.size(); ++i) {
        const SentKey& sent = readings.sent.keys.at(i);
        const QString received = receivedOf(keys, sent);
        if (received == readings.sentRaw.at(i) || capsLockAlone(keys, sent, received, reader))
            continue;
        if (readings.sentMasked.at(i))
            return tr("a card number digit arrived otherwise (key %1)").arg(i + 1);
        return tr("%1 arrived as %2 (key %3)")
            .arg(quoted(readings.sentRaw.at(i)), quoted(received), QString::number(i + 1));
    }
    return QString();
}

// Of the languages that type the keys alike, this computer's own when it is
// among them, else the lowest-numbered.
int offered(const QList<int>& languages, const LanguageCheckContext& context) {
    if (context.computerLayout) {
        const int own = languageOfXkbLayout(*context.computerLayout);
        if (languages.contains(own))
            return own;
    }
    return languages.first();
}

// "GERMANY" or "GERMANY (SWEDEN/FINLAND and SWISS type these keys alike)", the
// language offered first.
QString matchText(const QList<int>& languages, int first) {
    QString text = languageName(first);
    if (languages.size() == 1)
        return text;
    QStringList others;
    for (const int language : languages)
        if (language != first)
            others << languageName(language);
    const QString last = others.takeLast();
    const QString list =
        others.isEmpty() ? last : tr("%1 and %2").arg(others.join(QStringLiteral(", ")), last);
    return tr("%1 (%2 type these keys alike)").arg(text, list);
}

QList<int> fittingLanguages(const QList<CapturedKey>& keys, int reader) {
    QList<int> languages = matchComputerLayout(keys).languages;
    languages.removeAll(reader);
    return languages;
}

// "; '=' is a dead key on this layout" for each character of the frame's structure
// (sentinels, separators) that the reader types on a key that is a dead key on this
// computer's layout: such a key swallows the character, or joins it to the next.
QString deadKeyFindings(const SwipeFrame& frame, const LanguageCheckContext& context) {
    const int own = context.computerLayout ? languageOfXkbLayout(*context.computerLayout) : -1;
    const KeyboardLayout* computer = KeyboardLayout::ofLanguage(own);
    const KeyboardLayout* reader = KeyboardLayout::ofLanguage(frame.language);
    if (!computer || !reader || own == frame.language)
        return {};
    QString structure;
    for (const QString& start : frame.start)
        structure += start;
    structure += frame.end + QStringLiteral("^=");
    QString findings;
    QString seen;
    for (const QChar c : std::as_const(structure)) {
        if (c.isSpace() || seen.contains(c))
            continue;
        seen += c;
        const std::optional<KeyboardLayout::Stroke> stroke = reader->strokeFor(c.unicode());
        if (stroke && !stroke->viaDeadKey && computer->symbol(stroke->position, stroke->state).dead)
            findings += tr("; '%1' is a dead key on this layout").arg(c);
    }
    return findings;
}

SwipeCheck altModeCheck(const QList<CapturedKey>& keys, const SwipeReadings& readings,
                        const SwipeFrame& frame, const LanguageCheckContext& context,
                        int& suggested) {
    SwipeCheck check{tr("ALT mode"), CheckState::Passed, {}};
    const int codes = readings.sent.altCodes;
    if (codes > 0 && !frame.altMode) {
        check.state = CheckState::Failed;
        check.detail =
            tr("%1 characters came as Alt + keypad codes, but the settings do not put the "
               "reader in ALT mode")
                .arg(codes);
        return check;
    }
    if (codes == 0) {
        check.state = CheckState::Failed;
        check.detail =
            tr("the settings put the reader in ALT mode, but no character came as an Alt + "
               "keypad code");
        return check;
    }
    if (context.composesAltCodes) {
        check.detail = tr("%1 characters came as Alt + keypad codes").arg(codes);
        return check;
    }
    check.state = CheckState::Failed;
    const QList<int> fits = fittingLanguages(keys, -1);
    const int keysWithPositions = matchComputerLayout(keys).keysCompared;
    QString instead =
        tr("choose the keyboard language of this computer's layout instead of ALT mode");
    if (keysWithPositions > 0 && !fits.isEmpty()) {
        suggested = offered(fits, context);
        instead =
            tr("choose %1, the keyboard language this computer's keys match, instead of ALT mode")
                .arg(matchText(fits, suggested));
    }
    check.detail =
        tr("%1 characters came as Alt + keypad codes; this computer does not turn them into "
           "characters, so programs here receive keypad digits with Num Lock on, and [Ins], "
           "[End], [Down] and the keypad's other keys with it off: %2")
            .arg(codes)
            .arg(instead);
    return check;
}

} // namespace

QString languageName(int code) {
    if (isLanguage(code))
        return QString::fromLatin1(kKeyboardLanguages[static_cast<std::size_t>(code)].caption);
    return tr("byte %1 = %2").arg(field(FieldId::KeyboardLanguage).byte).arg(code);
}

LanguageChecks checkLanguage(const QList<CapturedKey>& keys, const SwipeReadings& readings,
                             const SwipeFrame& frame, const LanguageCheckContext& context) {
    LanguageChecks checks;
    if (frame.altMode || readings.sent.altCodes > 0)
        checks.altMode = altModeCheck(keys, readings, frame, context, checks.suggested);

    SwipeCheck& check = checks.language;
    check.name = tr("Keyboard language");
    if (keys.isEmpty()) {
        check.detail = tr("not checked, no key came");
        return checks;
    }
    if (!readings.sent.positions) {
        check.detail =
            context.withoutPositions.isEmpty()
                ? tr("not checked, the keys came without their positions on the keyboard")
                : context.withoutPositions;
        return checks;
    }
    if (!isLanguage(frame.language)) {
        check.detail = tr("not checked, byte %1 holds %2, which names no keyboard language")
                           .arg(field(FieldId::KeyboardLanguage).byte)
                           .arg(frame.language);
        return checks;
    }
    if (readings.sent.altCodes > 0) {
        check.detail =
            tr("not checked, the reader typed Alt + keypad codes, which no layout changes");
        return checks;
    }
    const QString reader = languageName(frame.language);
    const LayoutMatch match = matchComputerLayout(keys);
    // Caps Lock alone makes the readings differ; the letter case check tells of it.
    if (!readings.differ || match.languages.contains(frame.language)) {
        check.state = CheckState::Passed;
        check.detail =
            tr("the reader types for %1, and this computer received the same").arg(reader);
        return checks;
    }
    check.state = CheckState::Failed;
    const QString difference =
        firstDifference(keys, readings, *KeyboardLayout::ofLanguage(frame.language));
    const QList<int>& fits = match.languages;
    if (!fits.isEmpty()) {
        const int first = offered(fits, context);
        if (checks.suggested < 0)
            checks.suggested = first;
        check.detail = tr("the reader types for %1, this computer's keys match %2; %3")
                           .arg(reader, matchText(fits, first), difference) +
                       deadKeyFindings(frame, context);
    } else {
        check.detail =
            tr("the reader types for %1, and none of the reader's keyboard languages matches "
               "this computer's keys; %2. Set this computer's layout to %1 while the reader "
               "is in use, or choose the reader's language nearest to this computer's layout")
                .arg(reader, difference) +
            deadKeyFindings(frame, context);
    }
    return checks;
}

} // namespace quorvel
