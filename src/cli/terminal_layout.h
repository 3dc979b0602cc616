#pragma once

#include "core/keyboard/xkb_layout_name.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace quorvel {

// This computer's keyboard layout as a terminal program can learn it, and where from.
struct TerminalLayout {
    std::optional<XkbLayoutName> name;
    QString source; // "--layout", "the X display :0", "/etc/default/keyboard"
};

// Where a terminal's layout is told, the first that says winning: the X display that
// DISPLAY names, then the system's keyboard defaults (Debian's console and desktop
// default). Empty members ask nothing.
struct TerminalLayoutSources {
    QByteArray display;
    QString defaultsFile;
    // As this computer has them.
    static TerminalLayoutSources ofSystem();
};

TerminalLayout findTerminalLayout(const TerminalLayoutSources& sources);

} // namespace quorvel
