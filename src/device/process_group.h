#pragma once

#include <QtGlobal>

class QProcess;

namespace quorvel::process_group {

// The program a QProcess starts leads a process group of its own, so that whatever it
// starts can be ended with it. Where the system has no such groups, nothing of this has
// an effect and the QProcess alone is ended.

// Call before start().
void giveOwnGroup(QProcess& process);
// The group the started program leads; 0 where there are none.
qint64 groupOf(const QProcess& process);
// Whether anything of the group still runs (a member that has ended but not yet been
// collected by its parent does not).
bool running(qint64 group);
void terminate(qint64 group);
void kill(qint64 group);

} // namespace quorvel::process_group
