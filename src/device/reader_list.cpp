#include "reader_list.h"

namespace quorvel {

std::vector<ReaderCandidate> listReaders(HidBus& bus) {
    std::vector<ReaderCandidate> readers;
    for (const HidInterface& hid : bus.enumerate()) {
        if (!isReader(hid))
            continue;
        ReaderCandidate candidate{hid, false, {}};
        if (HidBus::Handle handle = bus.open(hid.path, &candidate.reason)) {
            candidate.opened = true;
            candidate.reason.clear();
            bus.close(handle);
        }
        readers.push_back(candidate);
    }
    return readers;
}

ReaderStatus readerStatus(HidBus& bus) {
    ReaderStatus status;
    for (const HidInterface& hid : bus.enumerate()) {
        if (!isReader(hid))
            continue;
        QString reason;
        if (bus.mayOpen(hid.path, &reason))
            return {ReaderStatus::State::Attached, hid, {}};
        if (status.state == ReaderStatus::State::Absent)
            status = {ReaderStatus::State::CannotOpen, hid, reason};
    }
    return status;
}

} // namespace quorvel
