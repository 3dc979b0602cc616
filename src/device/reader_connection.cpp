#include "reader_connection.h"

namespace quorvel {

ReaderConnection::ReaderConnection(HidBus& bus) : m_bus(bus) {}

ReaderConnection::~ReaderConnection() {
    close();
}

bool ReaderConnection::findTheHid() {
    close();
    for (const HidInterface& hid : m_bus.enumerate()) {
        if (!isReader(hid))
            continue;
        ReaderCandidate candidate{hid, false, {}};
        m_handle = m_bus.open(hid.path, &candidate.reason);
        candidate.opened = m_handle != nullptr;
        if (candidate.opened)
            candidate.reason.clear();
        m_tried.push_back(candidate);
        if (m_handle)
            return true;
    }
    return false;
}

void ReaderConnection::close() {
    if (m_handle)
        m_bus.close(m_handle);
    m_handle = nullptr;
    m_tried.clear();
}

Presence ReaderConnection::presence() const {
    if (m_handle)
        return Presence::Found;
    return m_tried.empty() ? Presence::Absent : Presence::NotOpened;
}

QString ReaderConnection::firstFailure() const {
    for (const ReaderCandidate& candidate : m_tried)
        if (!candidate.opened)
            return candidate.reason;
    return {};
}

} // namespace quorvel
