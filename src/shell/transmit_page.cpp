#include "transmit_page.h"
#include "core/session.h"

#include "device/reader_status_text.h"

#include "busy_indicator.h"

#include "device/transmission.h"
#include "ui/dialogs.h"
#include "ui/page_widgets.h"
#include "ui/twips.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTime>

namespace quorvel {

namespace {

constexpr int kButtonLeft = 4480;
using page_geometry::kButtonHeight;
using page_geometry::kButtonWidth;
constexpr int kFirstRowTop = 1320;
constexpr int kSecondRowTop = 1920;
constexpr int kOutcomeTop = 2400;
constexpr int kStatusTop = 2760;

// What the creation's search found, told as the refresh tells it.
ReaderStatus searchStatus(const ReaderConnection& reader) {
    const std::vector<ReaderCandidate>& tried = reader.tried();
    switch (reader.presence()) {
    case Presence::Found:
        return {ReaderStatus::State::Attached, tried.back().hid, {}};
    case Presence::NotOpened:
        return {ReaderStatus::State::CannotOpen, tried.front().hid, tried.front().reason};
    case Presence::Absent:
        break;
    }
    return {};
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int top) {
    QPushButton* button = captionedButton(parent, name, caption);
    button->setGeometry(twipsRect(kButtonLeft, top, kButtonWidth, kButtonHeight));
    return button;
}

} // namespace

TransmitPage::TransmitPage(Session& session, Dialogs& dialogs, HidBus& bus, CompanionRunner& runner,
                           QString folder, QWidget* parent)
    : ChildWindow(parent), m_session(session), m_dialogs(dialogs), m_bus(bus), m_runner(runner),
      m_folder(std::move(folder)), m_reader(bus), m_heading(pageHeading(this, tr("Transmit :"))),
      m_label(new QLabel(tr("Transmit settings from USB interface:"), this)),
      m_transmit(makeButton(this, QStringLiteral("Command3"), tr("Transmit"), kFirstRowTop)),
      m_otherTransmit(makeButton(this, QStringLiteral("Command1"), tr("Transmit"), kSecondRowTop)),
      m_status(new QLabel(this)), m_outcome(new QLabel(this)) {
    setObjectName(QStringLiteral("frmTransmit"));
    setAutoFillBackground(true);

    m_label->setObjectName(QStringLiteral("Label5"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->adjustSize();
    // Level with the button's caption, ending a little before the button.
    m_label->move(twips(kButtonLeft - 240) - m_label->width(),
                  twips(kFirstRowTop) + (twips(kButtonHeight) - m_label->height()) / 2);
    m_label->setBuddy(m_transmit);

    m_otherTransmit->setEnabled(false);
    connect(m_transmit, &QPushButton::clicked, this, &TransmitPage::transmit);

    m_status->setObjectName(QStringLiteral("ReaderStatus"));
    // No accessible name of its own: a screen reader reads the status itself.
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_outcome->setObjectName(QStringLiteral("TransmitOutcome"));
    m_outcome->setTextFormat(Qt::PlainText);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_statusTimer.setInterval(kStatusInterval);
    connect(&m_statusTimer, &QTimer::timeout, this, &TransmitPage::refreshStatus);

    m_reader.findTheHid();
    showStatus(searchStatus(m_reader));
    // Told once the page is in place, not from inside its creation, so that no
    // nested event loop can ask the menu for this page again while it is being made.
    QMetaObject::invokeMethod(this, &TransmitPage::reportPresence, Qt::QueuedConnection);
}

TransmitPage::~TransmitPage() = default;

void TransmitPage::reportPresence() {
    switch (m_reader.presence()) {
    case Presence::Found:
        return;
    case Presence::Absent:
        m_dialogs.ask({tr("Device not found. Please plug in your device.")});
        return;
    case Presence::NotOpened:
        break;
    }
    QString text = tr("A card reader is plugged in, but it could not be opened: %1")
                       .arg(m_reader.firstFailure());
#ifdef Q_OS_LINUX
    text += QStringLiteral("\n\n") + udevAdvice();
#endif
    m_dialogs.ask({text, programTitle(), Icon::Stop, Buttons::Ok});
}

QString TransmitPage::outcomeText() const {
    return m_outcome->text();
}

QString TransmitPage::outcomeLine(const TransmitOutcome& outcome, const QTime& time) {
    const QString at = time.toString(QStringLiteral("HH:mm:ss"));
    switch (outcome.failure) {
    case TransmitOutcome::Failure::None:
        return tr("Companion program ended normally at %1").arg(at);
    case TransmitOutcome::Failure::CompanionFailed:
        return tr("Companion program ended with status %1 at %2").arg(outcome.exitCode).arg(at);
    case TransmitOutcome::Failure::CompanionCrashed:
        return tr("Companion program ended abnormally at %1").arg(at);
    case TransmitOutcome::Failure::CompanionStopped:
    case TransmitOutcome::Failure::CompanionTimedOut:
        return tr("Companion program was stopped at %1").arg(at);
    default:
        break;
    }
    return tr("Settings not transmitted at %1").arg(at);
}

QString TransmitPage::statusText() const {
    return m_status->text();
}

void TransmitPage::refreshStatus() {
    if (isVisible() && !window()->isMinimized())
        showStatus(readerStatus(m_bus));
}

void TransmitPage::showStatus(const ReaderStatus& status) {
    const QString text = readerStatusText(status);
    m_status->setText(text);
    m_status->setFixedHeight(m_status->heightForWidth(m_status->width()));
}

void TransmitPage::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (!m_statusFresh)
        refreshStatus();
    m_statusFresh = false;
    m_statusTimer.start();
}

void TransmitPage::hideEvent(QHideEvent* event) {
    ChildWindow::hideEvent(event);
    m_statusTimer.stop();
    m_statusFresh = false;
}

void TransmitPage::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    const int left = twips(page_geometry::kMargin);
    m_status->move(left, twips(kStatusTop));
    m_status->setFixedWidth(qMax(event->size().width() - 2 * left, twips(kButtonWidth)));
    m_status->setFixedHeight(m_status->heightForWidth(m_status->width()));
    m_outcome->setGeometry(left, twips(kOutcomeTop), m_status->width(), m_outcome->sizeHint().height());
}

void TransmitPage::transmit() {
    const QString folder = m_folder.isEmpty() ? QDir::currentPath() : m_folder;
    TransmitOutcome outcome;
    {
        BusyIndicator busy(tr("Transmitting settings…"), window());
        busy.offerStop(tr("Stop"), [this] {
            const Message question{tr("Stop the companion program? The reader may not have "
                                      "received all of the settings."),
                                   programTitle(), Icon::None, Buttons::YesNo};
            if (m_dialogs.ask(question) == Answer::Yes)
                m_runner.stop();
        });
        busy.show();
        outcome = transmitSettings(m_session, folder, m_runner, [&busy] {
            busy.setText(busy.text() + QLatin1Char('\n') +
                         tr("Waiting for another transmission from this folder to end…"));
        });
        busy.finish();
    }
    // No message follows a normal end, but the page keeps a line saying how it ended.
    m_outcome->setText(outcomeLine(outcome, QTime::currentTime()));
    // A stop the person asked for needs no box to confirm it.
    if (!outcome.succeeded() && outcome.failure != TransmitOutcome::Failure::CompanionStopped)
        m_dialogs.ask({outcome.message, programTitle(), Icon::Stop, Buttons::Ok});
}

} // namespace quorvel
