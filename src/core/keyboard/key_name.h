#pragma once

#include <QString>

namespace quorvel {

// The name of a key code of the reader's keyboard interface, given as a code
// text such as "&H1B" (read by readNumber). Codes outside 0..255 have no name.
QString keyName(const QString& codeText);
QString keyName(int code);

// "&H" followed by the upper-case hexadecimal digits of the code, no leading zeros.
QString codeText(int code);

// A byte as two upper-case hexadecimal digits, "0D", as files and listings show it.
QString byteHex(int value);

} // namespace quorvel
