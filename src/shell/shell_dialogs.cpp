#include "shell_dialogs.h"
#include "core/session.h"

#include "pickers/keyboard_picker.h"

namespace quorvel {

void ShellDialogs::pickCharacter(Session& session) { runKeyboardPicker(session, parent()); }

} // namespace quorvel
