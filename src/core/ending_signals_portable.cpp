// Where there are no POSIX signals: nothing to guard, no stop to ask for.
#include "ending_signals.h"

namespace quorvel::ending_signals {

void install() {}
void ignoreBrokenPipe() {}
int holdName(const QByteArray&) {
    return -1;
}
void releaseName(int) {}
int holdProcessGroup(qint64) {
    return -1;
}
void releaseProcessGroup(int) {}
void listen() {}
void unlisten() {}
bool stopRequested() {
    return false;
}
int requestingSignal() {
    return 0;
}
void clearRequest() {}
int wakeDescriptor() {
    return -1;
}
void endBySignal() {}

} // namespace quorvel::ending_signals
