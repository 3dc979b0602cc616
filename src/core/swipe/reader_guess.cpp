#include "core/swipe/identity_search.h"

#include "core/swipe/swipe_frame.h"

namespace quorvel {

namespace {

constexpr quint32 bit(int n) {
    return 1u << n;
}
constexpr std::size_t at(FieldId id) {
    return static_cast<std::size_t>(id);
}

} // namespace

bool isChoiceField(FieldId id) {
    return field(id).kind == FieldKind::Choice || field(id).kind == FieldKind::Flag;
}

quint32 allOf(FieldId id) {
    return bit(static_cast<int>(field(id).choices.size())) - 1;
}

ReaderGuess::ReaderGuess() {
    for (const Field& f : kFields)
        if (isChoiceField(f.id))
            m_masks[at(f.id)] = allOf(f.id);
}

std::optional<QList<FieldCodes>> ReaderGuess::values(FieldId id) const {
    if (isChoiceField(id)) {
        if (mask(id) == allOf(id))
            return std::nullopt;
        QList<FieldCodes> values;
        for (std::size_t i = 0; i < field(id).choices.size(); ++i)
            if (mask(id) & bit(static_cast<int>(i)))
                values << FieldCodes{field(id).choices[i].code};
        return values;
    }
    switch (id) {
    case FieldId::StartSentinel1:
    case FieldId::StartSentinel2:
    case FieldId::StartSentinel3: {
        const int start = m_start[at(id) - at(FieldId::StartSentinel1)];
        return start < 0 ? std::nullopt : std::optional(QList<FieldCodes>{{start}});
    }
    case FieldId::EndSentinel:
        return QList<FieldCodes>{{m_end}};
    case FieldId::Preamble:
        return QList<FieldCodes>{m_preamble};
    case FieldId::Postamble:
        return QList<FieldCodes>{m_postamble};
    default:
        return std::nullopt;
    }
}

bool ReaderGuess::isOpen(FieldId id) const {
    if (isChoiceField(id))
        return mask(id) == allOf(id);
    if (id >= FieldId::StartSentinel1 && id <= FieldId::StartSentinel3)
        return m_start[at(id) - at(FieldId::StartSentinel1)] < 0;
    return id != FieldId::EndSentinel && id != FieldId::Preamble && id != FieldId::Postamble;
}

bool ReaderGuess::allows(FieldId id, const FieldCodes& value) const {
    if (isOpen(id))
        return true;
    if (!isChoiceField(id))
        return codes(id) == value;
    for (std::size_t i = 0; i < field(id).choices.size(); ++i)
        if (value.size() == 1 && field(id).choices[i].code == value.first())
            return (mask(id) & bit(static_cast<int>(i))) != 0;
    return false;
}

FieldCodes ReaderGuess::codes(FieldId id) const {
    switch (id) {
    case FieldId::StartSentinel1:
    case FieldId::StartSentinel2:
    case FieldId::StartSentinel3:
        return {m_start[at(id) - at(FieldId::StartSentinel1)]};
    case FieldId::EndSentinel:
        return {m_end};
    case FieldId::Preamble:
        return m_preamble;
    case FieldId::Postamble:
        return m_postamble;
    default:
        return {};
    }
}

QString ReaderGuess::evidence(FieldId id) const {
    switch (id) {
    case FieldId::TrackOrder: {
        QStringList numbers;
        for (int track : m_tracks)
            numbers << QString::number(track);
        return tr("the tracks came in the order %1").arg(numbers.join(QStringLiteral(", ")));
    }
    case FieldId::TrackSelection: {
        QList<int> sorted = m_tracks;
        std::sort(sorted.begin(), sorted.end());
        return tr("%1 came").arg(trackList(sorted));
    }
    case FieldId::TransmitLrc:
        return mask(id) == bit(1) ? tr("the character after each end sentinel is the track's LRC")
                                  : tr("no LRC came after the end sentinels");
    case FieldId::Track2AccountOnly:
        return tr("track 2 went on past its field separator (=)");
    case FieldId::StartSentinel1:
    case FieldId::StartSentinel2:
    case FieldId::StartSentinel3:
        return tr("the first character of track %1").arg(at(id) - at(FieldId::StartSentinel1) + 1);
    case FieldId::EndSentinel:
        return tr("the character that ends each track");
    case FieldId::KeyboardTerminator:
        return mask(id) == bit(0) ? tr("no key came after the postamble")
                                  : tr("the last key of the swipe");
    case FieldId::KeyboardLanguage:
        return tr("the keys' positions read as a frame on its layout");
    case FieldId::AltMode:
        return mask(id) == bit(1) ? tr("the characters came as Alt + keypad codes")
                                  : tr("the characters came as keys of the layout");
    case FieldId::Case: {
        const QString caps = m_capsLock.value_or(false) ? tr("Caps Lock on") : tr("Caps Lock off");
        return (m_flipped ? tr("letters came in the opposite case, for Caps Lock to turn them (%1)")
                          : tr("letters came in their own case (%1)"))
            .arg(caps);
    }
    case FieldId::Preamble:
        return m_preamble.isEmpty() ? tr("nothing came before the first track")
                                    : tr("the keys before the first track");
    case FieldId::Postamble:
        return m_postamble.isEmpty() ? tr("nothing came between the last track and the terminator")
                                     : tr("the keys between the last track and the terminator");
    default:
        return {};
    }
}

std::optional<ReaderGuess> ReaderGuess::mergedWith(const ReaderGuess& other) const {
    if (m_end != other.m_end || m_preamble != other.m_preamble || m_postamble != other.m_postamble)
        return std::nullopt;
    ReaderGuess both = *this;
    for (std::size_t i = 0; i < m_masks.size(); ++i) {
        both.m_masks[i] &= other.m_masks[i];
        if (isChoiceField(static_cast<FieldId>(i)) && both.m_masks[i] == 0)
            return std::nullopt;
    }
    for (std::size_t t = 0; t < m_start.size(); ++t) {
        if (m_start[t] >= 0 && other.m_start[t] >= 0 && m_start[t] != other.m_start[t])
            return std::nullopt;
        both.m_start[t] = std::max(m_start[t], other.m_start[t]);
    }
    // The evidence tells of the swipe with the most tracks.
    if (other.m_tracks.size() > m_tracks.size())
        both.m_tracks = other.m_tracks;
    both.m_letters = m_letters || other.m_letters;
    if (!m_letters) {
        both.m_flipped = other.m_flipped;
        both.m_capsLock = other.m_capsLock;
    }
    return both;
}

QList<int> ReaderGuess::framing() const {
    return QList<int>{m_end} << m_preamble << -1 << m_postamble;
}

} // namespace quorvel
