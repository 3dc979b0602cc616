#include "core/swipe/swipe_check.h"

namespace quorvel {

QString swipeLine(const QStringList& tokens) {
    return tokens.join(QString());
}

QString checkLine(const SwipeCheck& check) {
    switch (check.state) {
    case CheckState::Passed:
        return QStringLiteral("✓ %1: %2").arg(check.name, check.detail);
    case CheckState::Failed:
        return QStringLiteral("✗ %1: %2").arg(check.name, check.detail);
    case CheckState::NotChecked:
        break;
    }
    return QStringLiteral("– %1: %2").arg(check.name, check.detail);
}

} // namespace quorvel
