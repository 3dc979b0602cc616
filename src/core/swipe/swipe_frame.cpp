#include "core/swipe/swipe_frame.h"

#include "core/image/setting_fields.h"
#include "core/keyboard/key_name.h"
#include "core/keyboard/reader_keys.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

// The context lupdate gives to tr() outside a class in this namespace.
QString tr(const char* text) {
    return QCoreApplication::translate("quorvel", text);
}

constexpr std::array<FieldId, 3> kStartSentinels{FieldId::StartSentinel1, FieldId::StartSentinel2,
                                                 FieldId::StartSentinel3};

CodeString codeString(const SettingsImage& image, FieldId id) {
    CodeString string;
    for (const int code : stringCodes(image, id)) {
        if (codeToken(code).isEmpty() && string.keylessCode < 0)
            string.keylessCode = code;
        string.tokens << shownCode(code);
    }
    return string;
}

TerminatorKeys terminatorOf(const SettingsImage& image) {
    TerminatorKeys terminator;
    const NamedCode* choice = fieldChoice(image, FieldId::KeyboardTerminator);
    if (choice)
        terminator.caption = QString::fromLatin1(choice->caption);
    const int sends = choice ? choice->sends : kSendsUnknown;
    terminator.known = sends != kSendsUnknown;
    if (sends == kSendsCtrlC)
        terminator.tokens << ctrlToken(u'C');
    else if (sends >= 0)
        terminator.tokens << codeToken(sends);
    else if (!terminator.known)
        terminator.why = choice
                             ? tr("no key is known for %1").arg(terminator.caption)
                             : tr("byte %1 holds %2, which names no keyboard terminator")
                                   .arg(field(FieldId::KeyboardTerminator).byte)
                                   .arg(codeText(fieldValue(image, FieldId::KeyboardTerminator)));
    return terminator;
}

} // namespace

QList<int> tracksNamedIn(const char* caption) {
    QList<int> tracks;
    for (const char* c = caption; *c; ++c)
        if (*c >= '1' && *c <= '3')
            tracks << (*c - '0');
    return tracks;
}

QString SwipeFrame::unknownOrder() const {
    return tr("byte %1 holds the track order code %2, which names no order")
        .arg(field(FieldId::TrackOrder).byte)
        .arg(orderCode);
}

QString SwipeFrame::unknownSelection() const {
    return tr("byte %1 holds %2, which names no track selection")
        .arg(field(FieldId::TrackSelection).byte)
        .arg(codeText(selectionCode));
}

SwipeFrame swipeFrame(const SettingsImage& image) {
    SwipeFrame frame;
    frame.preamble = codeString(image, FieldId::Preamble);
    frame.postamble = codeString(image, FieldId::Postamble);
    frame.terminator = terminatorOf(image);
    for (std::size_t t = 0; t < kStartSentinels.size(); ++t) {
        frame.startCodes[t] = fieldValue(image, kStartSentinels[t]);
        frame.start[t] = codeToken(frame.startCodes[t]);
    }
    frame.endCode = fieldValue(image, FieldId::EndSentinel);
    frame.end = codeToken(frame.endCode);
    // The order is the field's whole code: one the page has no button for names no order.
    frame.orderCode = fieldValue(image, FieldId::TrackOrder);
    if (const NamedCode* order = fieldChoice(image, FieldId::TrackOrder))
        frame.order = TrackOrder{tracksNamedIn(order->caption),
                                 QString::fromLatin1(order->caption).trimmed()};
    frame.selectionCode = fieldValue(image, FieldId::TrackSelection);
    if (const NamedCode* selection = fieldChoice(image, FieldId::TrackSelection))
        frame.selection = TrackSelection{tracksNamedIn(selection->caption),
                                         QString::fromLatin1(selection->caption)};
    frame.lrc = fieldValue(image, FieldId::TransmitLrc) != 0;
    frame.accountOnly = fieldValue(image, FieldId::Track2AccountOnly) != 0;
    frame.language = fieldValue(image, FieldId::KeyboardLanguage);
    frame.altMode = fieldValue(image, FieldId::AltMode) != 0;
    if (const NamedCode* mode = fieldChoice(image, FieldId::Case))
        frame.caseMode = QString::fromLatin1(mode->caption);
    return frame;
}

QString expectedFrame(const SettingsImage& image) {
    const SwipeFrame frame = swipeFrame(image);
    QStringList parts = frame.preamble.tokens;
    const QString lrc = frame.lrc ? QStringLiteral(" LRC") : QString();
    for (int track : frame.order ? frame.order->tracks : QList<int>{1, 2, 3}) {
        if (frame.selection && !frame.selection->allowed.contains(track))
            continue;
        parts << QStringLiteral("‹%1…%2%3›")
                     .arg(shownCode(frame.startCodes[static_cast<std::size_t>(track - 1)]),
                          shownCode(frame.endCode), lrc);
    }
    parts << frame.postamble.tokens;
    if (frame.altMode)
        parts.prepend(tr("(ALT mode: each character as Alt + keypad code)"));
    if (frame.terminator.known)
        parts << frame.terminator.tokens;
    else
        parts << QStringLiteral("(%1)").arg(
            frame.terminator.caption.isEmpty()
                ? codeText(fieldValue(image, FieldId::KeyboardTerminator))
                : frame.terminator.caption);
    return parts.join(u' ');
}

QString trackList(const QList<int>& tracks) {
    QStringList numbers;
    for (int track : tracks)
        numbers << QString::number(track);
    if (numbers.size() == 1)
        return tr("track %1").arg(numbers.first());
    const QString last = numbers.takeLast();
    return tr("tracks %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

} // namespace quorvel
