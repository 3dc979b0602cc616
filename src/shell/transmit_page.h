#pragma once

#include "device/hid_bus.h"
#include "device/process_companion_runner.h"
#include "device/reader_connection.h"
#include "device/reader_list.h"
#include "device/transmission.h"
#include "ui/child_window.h"

#include <QTimer>

class QLabel;
class QPushButton;
class QTime;

namespace quorvel {

class CompanionRunner;
class Dialogs;
class Session;

// frmTransmit: checks for the reader when created and hands the settings image to
// the companion program. Holds the reader open for as long as it lives, and while
// it is shown keeps saying whether a reader is attached.
class TransmitPage : public ChildWindow {
    Q_OBJECT
public:
    // An empty folder means the current directory at the moment of each transmission.
    TransmitPage(Session& session, Dialogs& dialogs, HidBus& bus = systemHidBus(),
                 CompanionRunner& runner = systemCompanionRunner(), QString folder = {},
                 QWidget* parent = nullptr);
    ~TransmitPage() override;

    const ReaderConnection& reader() const { return m_reader; }

    // Command3: byte 127 to 0x80, usbData.txt, then the companion program until it ends.
    void transmit();

    // Looks at the bus again (enumeration only, nothing is opened) and says what it found.
    void refreshStatus();
    QString statusText() const;
    // How the last transmission ended, and when; empty before the first.
    QString outcomeText() const;
    static QString outcomeLine(const TransmitOutcome& outcome, const QTime& time);
    const QTimer& statusTimer() const { return m_statusTimer; }

    // How often the status is refreshed while the page is shown.
    static constexpr int kStatusInterval = 2000; // ms

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void reportPresence();
    void showStatus(const ReaderStatus& status);

    Session& m_session;
    Dialogs& m_dialogs;
    HidBus& m_bus;
    CompanionRunner& m_runner;
    QString m_folder;
    ReaderConnection m_reader;
    QTimer m_statusTimer;
    // The creation's search is still news: the first showing need not look again.
    bool m_statusFresh = true;
    QLabel* m_heading;
    QLabel* m_label;
    QPushButton* m_transmit;
    QPushButton* m_otherTransmit;
    QLabel* m_status;
    QLabel* m_outcome;
};

} // namespace quorvel
