#pragma once

#include "ui/widget_dialogs.h"
#include "core/session.h"

namespace quorvel {

// The program's dialogs: the window system's boxes and file dialogs, and the character pickers.
class ShellDialogs : public WidgetDialogs {
public:
    using WidgetDialogs::WidgetDialogs;

    void pickCharacter(Session& session) override;
};

} // namespace quorvel
