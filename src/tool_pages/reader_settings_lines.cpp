#include "reader_settings_lines.h"

#include "core/image/setting_words.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

// The page's own texts.
QString tr(const char* text) {
    return QCoreApplication::translate("quorvel::SwipeTestPage", text);
}

QString toldLine(const ToldSetting& told) {
    QString line =
        QStringLiteral("%1 %2: %3 (%4)")
            .arg(told.differs ? QStringLiteral("≠") : QStringLiteral("="),
                 toldFieldCaption(told.id), toldValueWords(told.id, told.value), told.evidence);
    QStringList others;
    for (const FieldCodes& other : told.alsoFit)
        others << toldValueWords(told.id, other);
    if (!others.isEmpty())
        line +=
            QStringLiteral("\n    ") + tr("also fits: %1").arg(others.join(QStringLiteral("; ")));
    return line;
}

} // namespace

QStringList readerSettingsLines(const ReaderIdentity& identity, const SettingsImage& settings) {
    switch (identity.outcome) {
    case ReaderIdentity::Outcome::NoSwipe:
        return {};
    case ReaderIdentity::Outcome::Disagree:
    case ReaderIdentity::Outcome::Unreadable:
        return {identity.why};
    case ReaderIdentity::Outcome::Read:
        break;
    }
    QStringList lines;
    for (const ToldSetting& told : identity.told)
        lines << toldLine(told);
    for (const OpenSetting& open : identity.notShown)
        lines << tr("– %1: not shown by these swipes: %2").arg(toldFieldCaption(open.id), open.why);
    QStringList cannot;
    for (FieldId id : identity.cannotBeTold)
        cannot << toldFieldCaption(id);
    lines << tr("Cannot be told from a swipe: %1").arg(cannot.join(QStringLiteral(", ")));
    // The delay setting has no unit: the pauses are shown beside it, not converted.
    lines << tr("Pauses between characters: median %1 ms (%2 is %3 in these settings)")
                 .arg(identity.timing.last().medianGapMs)
                 .arg(toldFieldCaption(FieldId::KeyboardDelay))
                 .arg(fieldValue(settings, FieldId::KeyboardDelay));
    return lines;
}

std::optional<QString> takeSettingsQuestion(const SettingsImage& settings,
                                            const SettingsImage& reader) {
    const QList<ImageDifference> changes = summaryDifferences(settings, reader);
    if (changes.isEmpty())
        return std::nullopt;
    QStringList lines;
    for (const ImageDifference& d : changes) {
        const QString mine = settingWords(d.key, settings);
        const QString theirs = settingWords(d.key, reader);
        lines << tr("%1: %2 → %3")
                     .arg(settingCaption(d.key), mine.isEmpty() ? d.first : mine,
                          theirs.isEmpty() ? d.second : theirs);
    }
    return tr("Change these settings to what the reader is set to?\n\n%1").arg(lines.join(u'\n'));
}

} // namespace quorvel
