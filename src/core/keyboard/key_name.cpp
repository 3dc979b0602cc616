#include "core/keyboard/key_name.h"

#include "core/image/number_reading.h"
#include "core/keyboard/reader_key_codes.h"

#include <array>
#include <cmath>

namespace quorvel {

QString keyName(int code) {
    if (code == 0)
        return QStringLiteral(" ");
    if (code >= kFirstFunctionKeyCode && code <= kLastFunctionKeyCode)
        return QStringLiteral("F %1").arg(code);
    if (const EditingKey* key = editingKey(code))
        return QString::fromLatin1(key->name);
    if (code == kSpaceCode)
        return QStringLiteral("Space");
    if (code >= kFirstCharacterCode && code <= kLastCharacterCode)
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
