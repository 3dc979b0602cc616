// The tool's value parsing: "KEY=VALUE" on any text. A refused assignment
// leaves the image exactly as it was; an accepted one is shown again as text.
#include "core/setting_catalog.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype eq = input.indexOf(u'=');
    const QString key = eq < 0 ? input : input.left(eq);
    const QString value = eq < 0 ? QString() : input.mid(eq + 1);

    (void)parseByteText(input);
    if (const std::optional<int> code = parseCharacter(input); code && (*code < 0 || *code > 255))
        std::abort();

    const std::optional<Setting> setting = findSetting(key);
    if (!setting)
        return 0;
    SettingsImage image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + size);
    const SettingsImage before = image;
    const QString error = setting->assign(image, value);
    if (!error.isEmpty() && image != before)
        std::abort();
    (void)setting->text(image);
    (void)setting->json(image);
    return 0;
}
