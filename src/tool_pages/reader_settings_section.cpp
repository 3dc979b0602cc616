#include "reader_settings_section.h"

#include "wrap_anywhere_delegate.h"

#include "core/image/setting_words.h"
#include "core/session.h"
#include "ui/dialogs.h"
#include "ui/page_widgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvel {

namespace {

// The context lupdate gives to tr() outside a class in this namespace.
QString tr(const char* text) {
    return QCoreApplication::translate("quorvel", text);
}

// The question before the reader's settings are taken: each change, setting by setting,
// as the Compare page words them; nothing when nothing would change.
std::optional<QString> takeSettingsQuestion(const SettingsImage& settings,
                                            const SettingsImage& reader) {
    const QList<ImageDifference> changes = summaryDifferences(settings, reader);
    if (changes.isEmpty())
        return std::nullopt;
    QStringList lines;
    for (const ImageDifference& d : changes) {
        const DifferenceWords words = differenceWords(d, settings, reader);
        lines << tr("%1: %2 → %3").arg(words.caption, words.first, words.second);
    }
    return tr("Change these settings to what the reader is set to?\n\n%1").arg(lines.join(u'\n'));
}

QString toldLine(const ToldSetting& told) {
    QString line =
        QStringLiteral("%1 %2: %3 (%4)")
            .arg(told.differs ? QStringLiteral("≠") : QStringLiteral("="),
                 toldFieldCaption(told.id), toldValueWords(told.id, told.value), told.evidence);
    const QStringList others = toldValuesWords(told.id, told.alsoFit);
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
    const QStringList cannot = toldFieldCaptions(identity.cannotBeTold);
    lines << tr("Cannot be told from a swipe: %1").arg(cannot.join(QStringLiteral(", ")));
    // The delay setting has no unit: the pauses are shown beside it, not converted.
    lines << tr("Pauses between characters: median %1 ms (%2 is %3 in these settings)")
                 .arg(identity.timing.last().medianGapMs)
                 .arg(toldFieldCaption(FieldId::KeyboardDelay))
                 .arg(fieldValue(settings, FieldId::KeyboardDelay));
    return lines;
}

ReaderSettingsSection::ReaderSettingsSection(Session& session, Dialogs& dialogs,
                                             std::function<ReaderIdentity()> identify,
                                             QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_identify(std::move(identify)),
      m_label(new QLabel(tr("What this reader is set to"), this)),
      m_list(
          wrappingList(this, QStringLiteral("ReaderSettings"), tr("What this reader is set to"))),
      m_use(captionedButton(this, QStringLiteral("UseReaderSettings"),
                            tr("Use the reader's settings"))),
      m_timer(new QTimer(this)) {
    m_label->setBuddy(m_list);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QHBoxLayout;
    heading->addWidget(m_label);
    heading->addStretch();
    heading->addWidget(m_use);
    layout->addLayout(heading);
    layout->addWidget(m_list);
    setTabOrder(m_use, m_list);
    m_use->setEnabled(false);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kDelayMs);
    connect(m_timer, &QTimer::timeout, this, &ReaderSettingsSection::refresh);
    connect(m_use, &QPushButton::clicked, this, &ReaderSettingsSection::useReaderSettings);
}

void ReaderSettingsSection::refresh() {
    m_timer->stop();
    const ReaderIdentity identity = m_identify();
    m_list->clear();
    m_list->addItems(readerSettingsLines(identity, m_session.image));
    m_use->setEnabled(std::any_of(identity.told.begin(), identity.told.end(),
                                  [](const ToldSetting& told) { return told.differs; }));
}

// Read from all swipes so far once the keys pause: not again at every key.
void ReaderSettingsSection::refreshSoon() {
    m_timer->start();
}

QStringList ReaderSettingsSection::shownLines() const {
    if (m_list->count() == 0)
        return {};
    QStringList lines{m_label->text()};
    for (int row = 0; row < m_list->count(); ++row)
        lines << m_list->item(row)->text();
    return lines;
}

void ReaderSettingsSection::useReaderSettings() {
    const ReaderIdentity identity = m_identify();
    if (identity.outcome != ReaderIdentity::Outcome::Read)
        return;
    const std::optional<QString> question = takeSettingsQuestion(m_session.image, identity.image);
    if (!question ||
        m_dialogs.ask({*question, programTitle(), Icon::None, Buttons::YesNo}) != Answer::Yes)
        return;
    m_session.image = identity.image;
    m_session.changed = true;
    emit imageChanged();
}

} // namespace quorvel
