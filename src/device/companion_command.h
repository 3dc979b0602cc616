#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// The environment variable that names another command to run instead of Hoplink.exe.
inline constexpr char kCompanionVariable[] = "QUORVEL_COMPANION";

// What the transmission runs: Hoplink.exe, or the command the user named.
struct CompanionCommand {
    QString program;
    QStringList arguments;
    bool fromEnvironment = false;
    QString problem; // why the named command cannot be used; nothing is run then
};

// A program and its arguments split like a shell word list, never handed to a shell:
// blanks separate words, '...' is taken literally, "..." keeps blanks and lets a
// backslash escape \ " $ and `, and elsewhere a backslash escapes any character.
// Nothing is expanded. A blank text means Hoplink.exe.
CompanionCommand companionCommandFrom(const QString& text);
// The same for QUORVEL_COMPANION as it is now.
CompanionCommand companionCommand();

// A regular file that starts with "MZ": a Windows (or DOS) executable.
bool isWindowsProgram(const QString& path);

} // namespace quorvel
