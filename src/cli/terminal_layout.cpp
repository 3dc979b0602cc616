#include "terminal_layout.h"

#include "core/files/file_access.h"
#include "platform/display_keyboard_layout.h"

#include <QFile>

namespace quorvel {

namespace {

// More than any keyboard defaults file holds.
constexpr qint64 kMostDefaults = 64 * 1024;

} // namespace

TerminalLayoutSources TerminalLayoutSources::ofSystem() {
    return {qgetenv("DISPLAY"), QStringLiteral("/etc/default/keyboard")};
}

TerminalLayout findTerminalLayout(const TerminalLayoutSources& sources) {
    if (const auto name = namedDisplayKeyboardLayout(sources.display))
        return {name, QStringLiteral("the X display %1").arg(QString::fromLocal8Bit(sources.display))};
    QFile file;
    if (!sources.defaultsFile.isEmpty() && openForReading(file, sources.defaultsFile).isEmpty())
        if (const auto name = keyboardDefaultsLayout(file.read(kMostDefaults)))
            return {name, sources.defaultsFile};
    return {};
}

} // namespace quorvel
