// Any text read as a settings file: a valid length loads and writes back to a
// text that reads into the same image; anything else leaves the image alone.
#include "core/files/settings_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SettingsImage image;
    image.fill(0xA5);
    const SettingsImage before = image;
    if (!parseSettingsText(text, image)) {
        if (image != before || size == kSettingsTextLength)
            std::abort();
        return 0;
    }
    const QByteArray written = composeSettingsText(image);
    SettingsImage again{};
    if (written.size() != kSettingsTextLength || !parseSettingsText(written, again) || again != image)
        std::abort();
    return 0;
}
