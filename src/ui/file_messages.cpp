#include "file_messages.h"

namespace quorvel {

std::optional<Message> openFailureMessage(ReadResult result) {
    const auto tr = [](const char* text) { return QCoreApplication::translate("quorvel", text); };
    switch (result) {
    case ReadResult::Loaded:
        break;
    case ReadResult::WrongLength:
        return Message{tr("Can't open file ! "), tr("Open"), Icon::Stop};
    case ReadResult::Error:
        // Under the caption "Save", as the Open command has always shown it.
        return Message{tr("File not opened ! "), tr("Save"), Icon::Stop};
    }
    return std::nullopt;
}

} // namespace quorvel
