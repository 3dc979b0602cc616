#include "companion_runner.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace quorvel {

bool CompanionRunner::pause(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
    return true;
}

std::optional<std::chrono::milliseconds> CompanionRunner::timeLeft() const {
    if (!m_timeLimit)
        return std::nullopt;
    return std::max(std::chrono::milliseconds(0),
                    std::chrono::duration_cast<std::chrono::milliseconds>(*m_timeLimit) -
                        m_timeSpent);
}

} // namespace quorvel
