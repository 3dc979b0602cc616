#pragma once

#include "core/files/settings_file.h"

#include <QString>

namespace quorvel {

class Dialogs;
class Session;

enum class SaveStep {
    Cancelled, // the dialog was cancelled
    NoName,    // the dialog returned an empty name
    Saved,
    NotSaved, // declined overwrite or failed write
};

// The Save dialog with the proposed name, then the write with its overwrite question.
SaveStep runSaveDialog(Session& session, Dialogs& dialogs);

// Remembers the folder of a settings file just opened or saved, for the next file dialog.
void noteFileFolder(Session& session, const QString& path);

// The overwrite question, asked through the dialogs.
bool askOverwrite(Dialogs& dialogs, const QString& path);

} // namespace quorvel
