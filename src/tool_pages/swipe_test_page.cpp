#include "swipe_test_page.h"

#include "active_keyboard_layout.h"
#include "reader_settings_section.h"
#include "swipe_capture.h"
#include "wrap_anywhere_delegate.h"

#include "core/image/setting_choices.h"
#include "core/image/setting_words.h"
#include "core/session.h"
#include "ui/dialogs.h"
#include "ui/page_widgets.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>

namespace quorvel {

namespace {

SwipeTestPage::Clock monotonicClock() {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}

// "checks: 5 ✓, 1 not checked"
QString checkSummary(const SwipeAnalysis& analysis) {
    int passed = 0;
    int failed = 0;
    int notChecked = 0;
    for (const SwipeCheck& check : analysis.checks) {
        switch (check.state) {
        case CheckState::Passed:
            ++passed;
            break;
        case CheckState::Failed:
            ++failed;
            break;
        case CheckState::NotChecked:
            ++notChecked;
            break;
        }
    }
    QStringList parts;
    if (passed)
        parts << QStringLiteral("%1 ✓").arg(passed);
    if (failed)
        parts << QStringLiteral("%1 ✗").arg(failed);
    if (notChecked)
        parts << SwipeTestPage::tr("%1 not checked").arg(notChecked);
    return SwipeTestPage::tr("checks: %1").arg(parts.join(QStringLiteral(", ")));
}

} // namespace

SwipeTestPage::SwipeTestPage(Session& session, Dialogs& dialogs, Clock clock, QWidget* parent)
    : ChildWindow(parent), m_session(session), m_clock(clock ? std::move(clock) : monotonicClock()),
      m_layoutReader(activeKeyboardLayout), m_capture(new SwipeCapture(this)),
      m_gap(new QSpinBox(this)), m_showNumbers(new QCheckBox(tr("Show card numbers"), this)),
      m_clear(captionedButton(this, QStringLiteral("Clear"), tr("Clear"))),
      m_copy(captionedButton(this, QStringLiteral("Copy"), tr("Copy"))),
      m_useLanguage(captionedButton(this, QStringLiteral("UseLanguage"), QString())),
      m_expected(new QLabel(this)),
      m_focusNotice(new QLabel(
          tr("Keys typed now do not reach the Swipe Test: click the box above before swiping."),
          this)),
      m_swipes(wrappingList(this, QStringLiteral("Swipes"), tr("Swipes"))),
      m_checks(wrappingList(this, QStringLiteral("SwipeChecks"), tr("Swipe checks"))),
      m_checksLabel(new QLabel(tr("Swipe checks"), this)),
      m_reader(new ReaderSettingsSection(
          session, dialogs, [this] { return identify(); }, this)) {
    setObjectName(QStringLiteral("frmSwipeTest"));
    setAutoFillBackground(true);

    m_gap->setObjectName(QStringLiteral("SwipeGap"));
    m_gap->setAccessibleName(tr("Swipe gap"));
    m_gap->setRange(kMinSwipeGapMs, kMaxSwipeGapMs);
    m_gap->setSingleStep(50);
    m_gap->setValue(kDefaultSwipeGapMs);
    m_gap->setSuffix(tr(" ms"));
    m_gap->setToolTip(
        tr("A swipe ends at a pause longer than this, and after the reader's terminator key"));
    auto* gapLabel = new QLabel(tr("Swipe gap:"), this);
    gapLabel->setBuddy(m_gap);

    m_showNumbers->setObjectName(QStringLiteral("ShowCardNumbers"));
    m_showNumbers->setAccessibleName(m_showNumbers->text());

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_expected->setObjectName(QStringLiteral("ExpectedFrame"));
    m_expected->setTextFormat(Qt::PlainText);
    m_expected->setWordWrap(true);
    m_expected->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_expected->setFont(fixed);
    m_swipes->setFont(fixed);

    auto* swipesLabel = new QLabel(tr("Swipes"), this);
    swipesLabel->setBuddy(m_swipes);
    m_checksLabel->setTextFormat(Qt::PlainText);
    m_checksLabel->setBuddy(m_checks);

    using page_geometry::kMargin;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(kMargin), twips(page_geometry::kHeadingTop), twips(kMargin),
                               twips(kMargin));
    layout->addWidget(pageHeading(this, tr("Swipe Test")));
    layout->addWidget(m_capture);
    m_focusNotice->setObjectName(QStringLiteral("CaptureNotice"));
    m_focusNotice->setTextFormat(Qt::PlainText);
    m_focusNotice->setWordWrap(true);
    // Its room stays when it is hidden: a click that takes the focus from the box would
    // otherwise move the buttons away from under the pointer before the release.
    QSizePolicy keepRoom = m_focusNotice->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_focusNotice->setSizePolicy(keepRoom);
    m_focusNotice->hide();
    layout->addWidget(m_focusNotice);
    auto* controls = new QHBoxLayout;
    controls->addWidget(gapLabel);
    controls->addWidget(m_gap);
    controls->addSpacing(twips(kMargin));
    controls->addWidget(m_showNumbers);
    controls->addStretch();
    layout->addLayout(controls);
    layout->addWidget(m_expected);
    // Clear and Copy act on the swipes, and beside their heading they leave the row
    // above room for longer captions than the English ones.
    auto* swipesRow = new QHBoxLayout;
    swipesRow->addWidget(swipesLabel);
    swipesRow->addStretch();
    swipesRow->addWidget(m_clear);
    swipesRow->addWidget(m_copy);
    layout->addLayout(swipesRow);
    layout->addWidget(m_swipes, 3);
    layout->addWidget(m_checksLabel);
    layout->addWidget(m_checks, 2);
    auto* fix = new QHBoxLayout;
    fix->addWidget(m_useLanguage);
    fix->addStretch();
    layout->addLayout(fix);
    m_useLanguage->hide();
    layout->addWidget(m_reader, 2);

    setTabOrder(m_capture, m_gap);
    setTabOrder(m_gap, m_showNumbers);
    setTabOrder(m_showNumbers, m_clear);
    setTabOrder(m_clear, m_copy);
    setTabOrder(m_copy, m_swipes);
    setTabOrder(m_swipes, m_checks);
    setTabOrder(m_checks, m_useLanguage);
    setTabOrder(m_useLanguage, m_reader->useButton());

    connect(m_capture, &SwipeCapture::keyPressed, this, &SwipeTestPage::record);
    connect(m_gap, &QSpinBox::valueChanged, this, &SwipeTestPage::refresh);
    // toggled, not clicked: the accessible Toggle action must work as a click does.
    connect(m_showNumbers, &QCheckBox::toggled, this, &SwipeTestPage::refresh);
    connect(m_clear, &QPushButton::clicked, this, &SwipeTestPage::clear);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        copy();
        // A swipe right after copying still lands in the capture.
        m_capture->setFocus(Qt::OtherFocusReason);
    });
    // Said where the person looks, so that no swipe vanishes into another control.
    connect(m_capture, &SwipeCapture::focusChanged, m_focusNotice, &QWidget::setHidden);
    connect(m_useLanguage, &QPushButton::clicked, this, [this] {
        const int shown = m_chosen < 0 ? static_cast<int>(m_analyses.size()) - 1 : m_chosen;
        if (shown >= 0)
            emit languageProposed(m_analyses.at(shown).suggestedLanguage);
    });
    connect(m_reader, &ReaderSettingsSection::imageChanged, this, [this] {
        refresh();
        emit imageChanged();
    });
    connect(m_swipes, &QListWidget::currentRowChanged, this, [this](int row) {
        // The newest swipe is followed as more come; an older one stays chosen.
        const auto count = static_cast<int>(m_analyses.size());
        m_chosen = row <= 0 || row >= count ? -1 : count - 1 - row;
        showChecks();
    });
    refresh();
}

SwipeTestPage::~SwipeTestPage() = default;

void SwipeTestPage::setLayoutReader(LayoutReader reader) {
    m_layoutReader = std::move(reader);
    refresh();
}

void SwipeTestPage::activate() {
    m_showNumbers->setChecked(false);
    refresh();
    m_capture->setFocus(Qt::OtherFocusReason);
}

void SwipeTestPage::record(const KeyPress& press) {
    // Alt stays: it begins each character of a reader in ALT mode.
    if (isModifierKey(press.key) && press.key != Qt::Key_Alt)
        return;
    CapturedKey captured = press;
    // The event's own time, so that keys handled in a bunch keep their gaps.
    const qint64 now = m_clock();
    if (captured.timeMs == 0)
        captured.timeMs = now;
    m_gatherer.setGap(m_gap->value());
    m_gatherer.setFrame(swipeFrame(m_session.image));
    const SwipeGatherer::Step step = m_gatherer.add(captured);
    m_keys.append(captured);
    // A tail that turned out not to be the postamble ended the swipe before this key.
    if (!step.rest.isEmpty()) {
        refresh();
        return;
    }
    // The layout may have been switched since the last swipe.
    if (step.began) {
        m_swipeKeys.append(QList<CapturedKey>());
        m_computerLayout = m_layoutReader();
    }
    m_swipeKeys.last().append(captured);

    if (!isSwipe(m_swipeKeys.last()))
        return; // shown with the swipe it goes with
    const SwipeAnalysis analysis = analyzeSwipe(m_swipeKeys.last(), m_session.image, options());
    const auto newest = static_cast<int>(m_swipeKeys.size()) - 1;
    const QSignalBlocker blocker(m_swipes);
    if (newest >= m_analyses.size()) {
        m_analyses.append(analysis);
        m_swipes->insertItem(0, swipeText(newest));
    } else {
        m_analyses.last() = analysis;
        m_swipes->item(0)->setText(swipeText(newest));
    }
    if (m_chosen < 0) {
        m_swipes->setCurrentRow(0);
        showChecks();
    }
    m_reader->refreshSoon();
}

void SwipeTestPage::clear() {
    m_keys = {};
    m_swipeKeys = {};
    m_chosen = -1;
    refresh();
    m_capture->setFocus(Qt::OtherFocusReason);
}

void SwipeTestPage::refresh() {
    const SettingsImage& image = m_session.image;
    m_expected->setText(tr("Expected: %1").arg(expectedFrame(image)));
    m_computerLayout = m_layoutReader();
    m_swipeKeys = splitSwipes(m_keys, m_gap->value(), image);
    m_gatherer.setFrame(swipeFrame(image));
    m_gatherer.resume(m_swipeKeys.isEmpty() ? QList<CapturedKey>() : m_swipeKeys.last());
    m_analyses.clear();
    for (const QList<CapturedKey>& swipe : std::as_const(m_swipeKeys))
        m_analyses << analyzeSwipe(swipe, image, options());
    const auto count = static_cast<int>(m_analyses.size());
    if (m_chosen >= count)
        m_chosen = -1;
    {
        const QSignalBlocker blocker(m_swipes);
        m_swipes->clear();
        for (int i = count - 1; i >= 0; --i)
            m_swipes->addItem(swipeText(i));
        if (count > 0)
            m_swipes->setCurrentRow(m_chosen < 0 ? 0 : count - 1 - m_chosen);
    }
    showChecks();
    m_reader->refresh();
}

CardNumbers SwipeTestPage::cardNumbers() const {
    return m_showNumbers->isChecked() ? CardNumbers::Shown : CardNumbers::Masked;
}

SwipeOptions SwipeTestPage::options() const {
    SwipeOptions options;
    options.cardNumbers = cardNumbers();
    // Only Windows turns Alt + keypad codes into characters.
    options.composesAltCodes = QGuiApplication::platformName() == QLatin1String("windows");
    options.computerLayout = m_computerLayout;
    return options;
}

QString SwipeTestPage::swipeText(int swipe) const {
    const SwipeAnalysis& analysis = m_analyses.at(swipe);
    if (analysis.readingsDiffer)
        return tr("Swipe %1, reader sent: %2\nThis computer received: %3\n%4; %5")
            .arg(QString::number(swipe + 1), swipeLine(analysis.tokens),
                 swipeLine(analysis.received), timingText(analysis.timing), checkSummary(analysis));
    return tr("Swipe %1: %2\n%3; %4")
        .arg(QString::number(swipe + 1), swipeLine(analysis.tokens), timingText(analysis.timing),
             checkSummary(analysis));
}

void SwipeTestPage::showChecks() {
    m_checks->clear();
    m_useLanguage->hide();
    if (m_analyses.isEmpty()) {
        m_checksLabel->setText(tr("Swipe checks"));
        return;
    }
    const auto shown = m_chosen < 0 ? m_analyses.size() - 1 : m_chosen;
    m_checksLabel->setText(tr("Swipe checks of swipe %1").arg(shown + 1));
    for (const SwipeCheck& check : m_analyses.at(shown).checks)
        m_checks->addItem(checkLine(check));
    const int language = m_analyses.at(shown).suggestedLanguage;
    if (language >= 0 && language < static_cast<int>(kKeyboardLanguages.size())) {
        const QString caption =
            tr("Use %1 for the reader")
                .arg(QString::fromLatin1(
                    kKeyboardLanguages[static_cast<std::size_t>(language)].caption));
        m_useLanguage->setText(caption);
        m_useLanguage->setAccessibleName(caption);
        m_useLanguage->show();
    }
}

ReaderIdentity SwipeTestPage::identify() const {
    QList<SwipeKeyReadings> swipes;
    for (const QList<CapturedKey>& swipe : m_swipeKeys)
        if (isSwipe(swipe))
            swipes << SwipeKeyReadings{swipe};
    IdentifyOptions options;
    options.computerLanguage = m_computerLayout ? languageOfXkbLayout(*m_computerLayout) : -1;
    return identifyReader(swipes, m_session.image, options);
}

QString SwipeTestPage::shownText() const {
    QStringList lines{m_expected->text(), QString(), tr("Swipes")};
    for (int row = 0; row < m_swipes->count(); ++row)
        lines << m_swipes->item(row)->text();
    lines << QString() << m_checksLabel->text();
    for (int row = 0; row < m_checks->count(); ++row)
        lines << m_checks->item(row)->text();
    if (const QStringList reader = m_reader->shownLines(); !reader.isEmpty())
        lines << QString() << reader;
    return lines.join(u'\n') + u'\n';
}

void SwipeTestPage::copy() const {
    QGuiApplication::clipboard()->setText(shownText());
}

} // namespace quorvel
