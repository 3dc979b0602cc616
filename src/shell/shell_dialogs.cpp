#include "shell_dialogs.h"

#include "pickers/keyboard_picker.h"

namespace quorvel {

void ShellDialogs::pickCharacter(Session& session) { runKeyboardPicker(session, parent()); }

} // namespace quorvel
