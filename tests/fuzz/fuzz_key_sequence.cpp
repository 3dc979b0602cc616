// The terminal key decoder on any bytes, in any pieces: no crash, no undefined
// behaviour, never more keys than bytes, and the same keys however the bytes were cut.
#include "cli/key_sequence_decoder.h"

#include <cstdlib>

namespace {

QList<quorvel::CapturedKey> decode(const QByteArray& bytes, qsizetype cut) {
    quorvel::KeySequenceDecoder decoder;
    QList<quorvel::CapturedKey> keys = decoder.feed(bytes.left(cut), 0);
    keys += decoder.feed(bytes.mid(cut), 0);
    keys += decoder.flush(0);
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const qsizetype cut = bytes.isEmpty() ? 0 : data[0] % (bytes.size() + 1);
    const QList<quorvel::CapturedKey> whole = decode(bytes, bytes.size());
    const QList<quorvel::CapturedKey> pieces = decode(bytes, cut);
    if (whole.size() > bytes.size() || whole.size() != pieces.size())
        std::abort();
    for (qsizetype i = 0; i < whole.size(); ++i)
        if (whole.at(i).key != pieces.at(i).key || whole.at(i).text != pieces.at(i).text ||
            whole.at(i).modifiers != pieces.at(i).modifiers)
            std::abort();
    return 0;
}
