#pragma once

#include "reader_list.h"

#include <QString>

namespace quorvel {

// How the presence of a reader is told, in the Transmit page's words, for the window
// and the command-line tool alike: "Reader attached", path and serial number; "No reader
// attached"; or "Reader found but it cannot be opened", path, the system's reason and, on
// Linux, how the udev rule gives access to it.
QString readerStatusText(const ReaderStatus& status);

// How the udev rule gives the person at the machine access to a reader.
QString udevAdvice();

} // namespace quorvel
