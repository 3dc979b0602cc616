#include "shell_dialogs.h"

#include "core/session.h"

namespace quorvel {

void ShellDialogs::pickCharacter(Session& session) {
    // No picker yet: nothing chosen.
    session.pickedName.clear();
    session.pickedCode.clear();
}

} // namespace quorvel
