#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace quorvel {

class CompanionRunner;
class HidBus;

// quorvel-cli devices [--json]: the attached readers; status 1 when there is none.
int devicesCommand(const QStringList& args, QTextStream& out, QTextStream& err, HidBus& bus);

// quorvel-cli transmit FILE: what the Transmit page does, with FILE's image, in the folder.
int transmitCommand(const QStringList& args, QTextStream& out, QTextStream& err, HidBus& bus,
                    CompanionRunner& runner, const QString& folder);

} // namespace quorvel
