#pragma once

#include "device/hid_bus.h"
#include "device/process_companion_runner.h"
#include "device/reader_connection.h"
#include "ui/child_window.h"

class QLabel;
class QPushButton;

namespace quorvel {

class CompanionRunner;
class Dialogs;
class Session;

// frmTransmit: checks for the reader when created and hands the settings image to
// the companion program. Holds the reader open for as long as it lives.
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

private:
    void reportPresence();

    Session& m_session;
    Dialogs& m_dialogs;
    CompanionRunner& m_runner;
    QString m_folder;
    ReaderConnection m_reader;
    QLabel* m_heading;
    QLabel* m_label;
    QPushButton* m_transmit;
    QPushButton* m_otherTransmit;
};

} // namespace quorvel
