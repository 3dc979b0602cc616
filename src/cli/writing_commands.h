#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace quorvel {

// A profile is read whole; anything this large is not one.
inline constexpr qint64 kMaxProfileSize = 1024 * 1024;

// Whether a file's bytes are meant as a JSON profile rather than a settings file: after a
// UTF-8 byte order mark and blanks, an object begins. apply reads no other, and provision
// tells the two apart by it.
bool isProfileText(QByteArrayView text);

class CommandCall;

// The commands that write a settings file.
int setCommand(CommandCall& call);
int applyCommand(CommandCall& call);
int newCommand(CommandCall& call);

} // namespace quorvel
