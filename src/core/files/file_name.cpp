#include "core/files/file_name.h"

namespace quorvel {

namespace {

constexpr char16_t kKeptBase = 0xDC00;

// The code point of the valid UTF-8 sequence at the start of text, and its length;
// a length of 0 when the first byte does not begin one.
struct Sequence {
    char32_t codePoint = 0;
    int length = 0;
};

Sequence decodeOne(const unsigned char* text, qsizetype available) {
    const unsigned char lead = text[0];
    int length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80)
        return {lead, 1};
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (available < length)
        return {};
    for (int i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80)
            return {};
        codePoint = (codePoint << 6) | (text[i] & 0x3F);
    }
    // Overlong forms, surrogates and numbers past Unicode are not UTF-8.
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    return {codePoint, length};
}

} // namespace

QString fileNameFromBytes(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    const auto* text = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype at = 0; at < bytes.size();) {
        const Sequence one = decodeOne(text + at, bytes.size() - at);
        if (one.length == 0) {
            name += QChar(char16_t(kKeptBase + text[at]));
            ++at;
            continue;
        }
        const char32_t point[] = {one.codePoint};
        name += QString::fromUcs4(point, 1);
        at += one.length;
    }
    return name;
}

int keptByte(const QString& text, qsizetype at) {
    const char16_t u = text.at(at).unicode();
    if (u < kKeptBase + 0x80 || u > kKeptBase + 0xFF || (at > 0 && text.at(at - 1).isHighSurrogate()))
        return -1;
    return u - kKeptBase;
}

QByteArray fileNameBytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype from = 0;
    // Runs of ordinary characters go through Qt's encoder; a kept byte ends a run.
    for (qsizetype at = 0; at < name.size(); ++at) {
        const int kept = keptByte(name, at);
        if (kept < 0)
            continue;
        bytes += QStringView(name).mid(from, at - from).toUtf8();
        bytes += char(kept);
        from = at + 1;
    }
    bytes += QStringView(name).mid(from).toUtf8();
    return bytes;
}

} // namespace quorvel
