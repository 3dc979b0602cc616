#include "key_name.h"

#include "number_reading.h"

#include <array>
#include <cmath>

namespace quorvel {

QString keyName(int code) {
    static const std::array<const char*, 16> editing = {
        "Enter", "Tab", "BS", "Up", "Down", "Left", "Right", "Home",
        "End",   "PgUp", "PgDn", "Ins", "Del", "",     "Esc", "S-Tab"};
    if (code == 0)
        return QStringLiteral(" ");
    if (code >= 1 && code <= 12)
        return QStringLiteral("F %1").arg(code);
    if (code >= 13 && code <= 28)
        return QString::fromLatin1(editing[static_cast<std::size_t>(code - 13)]);
    if (code == 32)
        return QStringLiteral("Space");
    if (code >= 33 && code <= 126)
        return QString(QChar(code));
    return QString();
}

QString keyName(const QString& codeText) {
    const double value = readNumber(codeText);
    if (value != std::floor(value) || value < 0 || value > 255)
        return QString();
    return keyName(static_cast<int>(value));
}

QString codeText(int code) { return QStringLiteral("&H") + QString::number(code, 16).toUpper(); }

QString byteHex(int value) {
    return QString::number(value & 0xFF, 16).toUpper().rightJustified(2, u'0');
}

} // namespace quorvel
