#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// What `quorvel [OPTION] [FILE]` asks for.
struct CommandLine {
    enum class Action { Start, Help, Version, Usage };
    Action action = Action::Start;
    QString file;    // opened after start-up; empty for none
    QString problem; // what is wrong, for Usage
};

// The program's arguments, its name first. Read once before the window system starts,
// where only --help and --version count (they need no display), and once after
// QApplication has taken out the options that are its own (-platform, -style, ...).
CommandLine parseCommandLine(const QStringList& arguments);

QString helpText();
QString versionText();

} // namespace quorvel
