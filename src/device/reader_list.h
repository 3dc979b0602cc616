#pragma once

#include "hid_bus.h"

#include <vector>

namespace quorvel {

// The reader is recognised by these two identifiers alone.
inline constexpr unsigned short kReaderVendorId = 0x10C4;
inline constexpr unsigned short kReaderProductId = 0x890C;

constexpr bool isReader(const HidInterface& hid) {
    return hid.vendorId == kReaderVendorId && hid.productId == kReaderProductId;
}

// A reader interface and whether it could be opened for reading and writing.
struct ReaderCandidate {
    HidInterface hid;
    bool opened = false;
    QString reason; // the system's words when it could not be opened
};

// Every reader interface present, in the system's order, each opened and closed
// again to learn whether this program may use it.
std::vector<ReaderCandidate> listReaders(HidBus& bus);

// Whether a reader is there to be used, as far as the system tells without opening one.
struct ReaderStatus {
    enum class State { Attached, Absent, CannotOpen };
    State state = State::Absent;
    HidInterface hid; // the reader that is attached, or the first that cannot be opened
    QString reason;   // the system's words when it cannot be opened
};

// The first reader interface that may be opened wins, as in the search; nothing is opened.
ReaderStatus readerStatus(HidBus& bus);

} // namespace quorvel
