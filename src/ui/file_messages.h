#pragma once

#include "dialogs.h"

#include "core/files/settings_file.h"

#include <optional>

namespace quorvel {

// The box the Open command shows for a settings file it could not read;
// nullopt when the file was read. Every place that reads a file chosen in the
// Open dialog reports failures the same way.
std::optional<Message> openFailureMessage(ReadResult result);

} // namespace quorvel
