#include "transmit_page.h"

#include "busy_indicator.h"

#include "device/transmission.h"
#include "ui/dialogs.h"
#include "ui/page_widgets.h"
#include "ui/twips.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace quorvel {

namespace {

constexpr int kButtonLeft = 4480;
using page_geometry::kButtonHeight;
using page_geometry::kButtonWidth;
constexpr int kFirstRowTop = 1320;
constexpr int kSecondRowTop = 1920;

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int top) {
    QPushButton* button = captionedButton(parent, name, caption);
    button->setGeometry(twipsRect(kButtonLeft, top, kButtonWidth, kButtonHeight));
    return button;
}

} // namespace

TransmitPage::TransmitPage(Session& session, Dialogs& dialogs, HidBus& bus, CompanionRunner& runner,
                           QString folder, QWidget* parent)
    : ChildWindow(parent), m_session(session), m_dialogs(dialogs), m_runner(runner),
      m_folder(std::move(folder)), m_reader(bus), m_heading(pageHeading(this, tr("Transmit :"))),
      m_label(new QLabel(tr("Transmit settings from USB interface:"), this)),
      m_transmit(makeButton(this, QStringLiteral("Command3"), tr("Transmit"), kFirstRowTop)),
      m_otherTransmit(makeButton(this, QStringLiteral("Command1"), tr("Transmit"), kSecondRowTop)) {
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

    m_reader.findTheHid();
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
    text += QStringLiteral("\n\n") +
            tr("To allow access to it, install the udev rule 70-quorvel.rules into "
               "/etc/udev/rules.d, then unplug the reader and plug it in again.");
#endif
    m_dialogs.ask({text, programTitle(), Icon::Stop, Buttons::Ok});
}

void TransmitPage::transmit() {
    const QString folder = m_folder.isEmpty() ? QDir::currentPath() : m_folder;
    TransmitOutcome outcome;
    {
        BusyIndicator busy(tr("Transmitting settings…"), window());
        busy.show();
        outcome = transmitSettings(m_session, folder, m_runner);
        busy.finish();
    }
    if (!outcome.succeeded())
        m_dialogs.ask({outcome.message, programTitle(), Icon::Stop, Buttons::Ok});
}

} // namespace quorvel
