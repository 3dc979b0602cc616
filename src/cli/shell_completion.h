#pragma once

#include <QString>

namespace quorvel {

// The completion script of quorvel-cli for bash, zsh or fish, made from the command table and
// the setting catalog; empty for another shell. The build writes them with --completion.
QString completionScript(const QString& shell);

} // namespace quorvel
