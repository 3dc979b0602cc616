#pragma once

#include "reader_list.h"

#include <vector>

namespace quorvel {

enum class Presence {
    Found,     // a reader is open
    Absent,    // no interface with the reader's identifiers
    NotOpened, // reader interfaces are present, but none could be opened
};

// The reader's handle, held for as long as its owner lives.
class ReaderConnection {
public:
    explicit ReaderConnection(HidBus& bus);
    ~ReaderConnection();
    ReaderConnection(const ReaderConnection&) = delete;
    ReaderConnection& operator=(const ReaderConnection&) = delete;

    // FindTheHid: opens the first reader interface in the system's order that can be
    // opened, skipping those that cannot. True when one is open.
    bool findTheHid();
    // Closes the reader and forgets the last search.
    void close();

    bool isOpen() const { return m_handle != nullptr; }
    Presence presence() const;
    // Every reader interface the last search tried, in order, up to the one kept open.
    const std::vector<ReaderCandidate>& tried() const { return m_tried; }
    // The system's reason for the first reader interface that could not be opened.
    QString firstFailure() const;

private:
    HidBus& m_bus;
    HidBus::Handle m_handle = nullptr;
    std::vector<ReaderCandidate> m_tried;
};

} // namespace quorvel
