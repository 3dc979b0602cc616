// The tool's value parsing: "KEY=VALUE" or a JSON profile, on any text. A refused
// assignment leaves the image exactly as it was; an accepted one changes only its
// setting's bytes, and what is shown afterwards assigns back to the same bytes.
#include "core/image/image_differences.h"
#include "core/image/setting_catalog.h"

#include <QJsonDocument>

#include <cstdlib>

namespace {

using namespace quorvel;

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkProfile(const QByteArray& text, const SettingsImage& start) {
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (!document.isObject())
        return;
    SettingsImage image = start;
    if (!applySettingsProfile(document.object(), image).isEmpty()) {
        check(image == start);
        return;
    }
    check(imageDifferences(start, image).isEmpty() == (start == image));
    // What the result shows as a profile restores it onto any other image.
    SettingsImage copy{};
    check(applySettingsProfile(settingsProfile(image), copy).isEmpty());
    check(copy == image);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString input = QString::fromUtf8(bytes);
    const qsizetype eq = input.indexOf(u'=');
    const QString key = eq < 0 ? input : input.left(eq);
    const QString value = eq < 0 ? QString() : input.mid(eq + 1);

    (void)parseByteText(input);
    if (const std::optional<int> code = parseCharacter(input); code)
        check(*code >= 0 && *code <= 255);

    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i)
        sum = sum * 31 + data[i];
    SettingsImage image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + size + sum);

    if (bytes.startsWith('{')) {
        checkProfile(bytes, image);
        return 0;
    }

    const std::optional<Setting> setting = findSetting(key);
    if (!setting)
        return 0;
    const SettingsImage before = image;
    const QString error = setting->assign(image, value);
    if (!error.isEmpty()) {
        check(image == before);
        return 0;
    }
    for (int n = 0; n < kImageSize; ++n)
        if (!setting->bytes.contains(n))
            check(image[static_cast<std::size_t>(n)] == before[static_cast<std::size_t>(n)]);
    const QString shown = setting->text(image);
    SettingsImage again = image;
    check(setting->assign(again, shown).isEmpty() && again == image);
    // The JSON form reads back to the same value too.
    SettingsImage other = before;
    check(assignJson(*setting, other, setting->json(image)).isEmpty() && setting->text(other) == shown);
    return 0;
}
