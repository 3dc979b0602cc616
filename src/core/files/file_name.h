#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel {

// A file name on a POSIX system is bytes, and not every name is UTF-8. Each byte
// that is not part of valid UTF-8 is kept as the lone surrogate U+DC80..U+DCFF, which
// valid UTF-8 can never produce, so the name turns back into the very same bytes.
QString fileNameFromBytes(const QByteArray& bytes);
QByteArray fileNameBytes(const QString& name);

// The byte that the character at the place stands for when it is a kept lone
// surrogate, or -1 (an ordinary character, or the low half of a surrogate pair).
int keptByte(const QString& text, qsizetype at);

} // namespace quorvel
