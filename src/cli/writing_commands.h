#pragma once

#include "core/image/settings_image.h"

#include <QByteArrayView>
#include <QString>
#include <QTextStream>
#include <QtGlobal>

namespace quorvel {

struct CliContext;

// A profile is read whole; anything this large is not one.
inline constexpr qint64 kMaxProfileSize = 1024 * 1024;

// Whether a file's bytes are meant as a JSON profile rather than a settings file: after a
// UTF-8 byte order mark and blanks, an object begins. apply reads no other, and provision
// tells the two apart by it.
bool isProfileText(QByteArrayView text);

// Reads the JSON profile at path ('-': standard input) and sets it on the image, as apply
// does; on failure reports it and gives the status, the image then as it may be.
int applyProfileFile(const QString& path, SettingsImage& image, QTextStream& err, const CliContext& context);

class CommandCall;

// The commands that write a settings file.
int setCommand(CommandCall& call);
int applyCommand(CommandCall& call);
int newCommand(CommandCall& call);

} // namespace quorvel
