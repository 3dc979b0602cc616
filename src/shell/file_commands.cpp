#include "file_commands.h"

#include "core/proposed_file_name.h"
#include "core/session.h"
#include "ui/dialogs.h"

namespace quorvel {

bool askOverwrite(Dialogs& dialogs, const QString& path) {
    const Message question{
        QCoreApplication::translate("Files", "File '%1' exist. Do you want to overwrite it ? ")
            .arg(path),
        programTitle(), Icon::None, Buttons::YesNo};
    return dialogs.ask(question) == Answer::Yes;
}

SaveStep runSaveDialog(Session& session, Dialogs& dialogs) {
    const std::optional<QString> name = dialogs.saveFileName(proposedFileName());
    if (!name)
        return SaveStep::Cancelled;
    if (name->isEmpty())
        return SaveStep::NoName;
    const WriteOutcome outcome = writeDataFile(
        *name, session.image, [&dialogs](const QString& path) { return askOverwrite(dialogs, path); });
    return outcome.result == WriteResult::Written ? SaveStep::Saved : SaveStep::NotSaved;
}

} // namespace quorvel
