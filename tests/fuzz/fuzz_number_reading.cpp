// The numeric reading and key names on any text: no crash, no undefined
// behaviour, and key names only for whole codes.
#include "core/keyboard/key_name.h"
#include "core/image/number_reading.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double value = readNumber(text);
    if (std::isnan(value))
        std::abort();
    (void)roundHalfEven(value);
    const QString name = keyName(text);
    if (name.size() > 5)
        std::abort();
    if (!name.isEmpty() && (value < 0 || value > 255 || value != std::floor(value)))
        std::abort();
    return 0;
}
