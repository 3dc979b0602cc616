#include "file_commands.h"

#include "core/files/proposed_file_name.h"
#include "core/session.h"
#include "ui/dialogs.h"

#include <QFileInfo>

namespace quorvel {

bool askOverwrite(Dialogs& dialogs, const QString& path) {
    const Message question{
        QCoreApplication::translate("Files", "File '%1' exist. Do you want to overwrite it ? ")
            .arg(path),
        programTitle(), Icon::None, Buttons::YesNo};
    return dialogs.ask(question) == Answer::Yes;
}

void noteFileFolder(Session& session, const QString& path) {
    session.lastFolder = QFileInfo(path).absolutePath();
}

SaveStep runSaveDialog(Session& session, Dialogs& dialogs) {
    const std::optional<QString> name = dialogs.saveFileName(proposedFileName());
    if (!name)
        return SaveStep::Cancelled;
    if (name->isEmpty())
        return SaveStep::NoName;
    const WriteOutcome outcome = writeDataFile(
        *name, session.image, [&dialogs](const QString& path) { return askOverwrite(dialogs, path); });
    if (outcome.result != WriteResult::Written)
        return SaveStep::NotSaved;
    noteFileFolder(session, *name);
    return SaveStep::Saved;
}

} // namespace quorvel
