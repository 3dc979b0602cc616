#include "core/keyboard/reader_keys.h"

#include "core/keyboard/key_name.h"
#include "core/keyboard/reader_key_codes.h"

#include <QMetaEnum>

namespace quorvel {

namespace {

bool isCtrlLetter(const CapturedKey& key) {
    return key.modifiers.testFlag(Qt::ControlModifier) && key.key >= Qt::Key_A &&
           key.key <= Qt::Key_Z;
}

// Qt's own name of a key the reader has no code for, "CapsLock" for Qt::Key_CapsLock.
QString qtKeyName(int key) {
    const char* name = QMetaEnum::fromType<Qt::Key>().valueToKey(key);
    if (!name)
        return QStringLiteral("0x%1").arg(key, 0, 16);
    QString text = QString::fromLatin1(name);
    if (text.startsWith(QLatin1String("Key_")))
        text.remove(0, 4);
    return text;
}

int editingKeyCode(const CapturedKey& key) {
    if (key.key == Qt::Key_Tab && key.modifiers.testFlag(Qt::ShiftModifier))
        return kShiftTabCode;
    for (const EditingKey& editing : kEditingKeys)
        if (key.key != 0 && (key.key == editing.qtKey || key.key == editing.otherQtKey))
            return editing.code;
    return -1;
}

} // namespace

bool isModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

int readerKeyCode(const CapturedKey& key) {
    if (isCtrlLetter(key))
        return -1;
    if (key.key >= Qt::Key_F1 && key.key <= Qt::Key_F12)
        return key.key - Qt::Key_F1 + kFirstFunctionKeyCode;
    if (const int code = editingKeyCode(key); code >= 0)
        return code;
    if (key.key == Qt::Key_Space)
        return kSpaceCode;
    if (key.text.size() == 1) {
        const char16_t c = key.text.at(0).unicode();
        if (c >= kSpaceCode && c <= kLastCharacterCode)
            return c;
    }
    return -1;
}

QString codeToken(int code) {
    if (code >= kFirstCharacterCode && code <= kLastCharacterCode)
        return QString(QChar(code));
    const QString name = keyName(code);
    if (name.trimmed().isEmpty())
        return {};
    return QStringLiteral("[%1]").arg(name);
}

QString ctrlToken(QChar letter) { return QStringLiteral("[Ctrl-%1]").arg(letter); }

QString shownCode(int code) {
    const QString token = codeToken(code);
    return token.isEmpty() ? QStringLiteral("[%1]").arg(codeText(code)) : token;
}

QString keyToken(const CapturedKey& key) {
    if (isCtrlLetter(key))
        return ctrlToken(QChar(u'A' + (key.key - Qt::Key_A)));
    const int code = readerKeyCode(key);
    if (code >= 0)
        return codeToken(code);
    // A character of the keyboard layout beyond ASCII shows as itself too.
    if (key.text.size() == 1 && key.text.at(0).isPrint() && !key.text.at(0).isSpace())
        return key.text;
    return QStringLiteral("[%1]").arg(qtKeyName(key.key));
}

} // namespace quorvel
