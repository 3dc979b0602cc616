#include "image_differences.h"

#include "setting_catalog.h"

namespace quorvel {

QList<ImageDifference> imageDifferences(const SettingsImage& first, const SettingsImage& second) {
    QList<ImageDifference> differences;
    if (first == second)
        return differences;
    for (const Setting& s : settingCatalog()) {
        const QString a = s.text(first);
        const QString b = s.text(second);
        if (a != b)
            differences.append({s.key, a, b});
    }
    for (int n = 0; n < kImageSize; ++n) {
        const int differing = first[static_cast<std::size_t>(n)] ^ second[static_cast<std::size_t>(n)];
        if (differing == 0)
            continue;
        if ((differing & ~(shownBits(first, n) & shownBits(second, n))) == 0)
            continue;
        const std::optional<Setting> raw = findSetting(QStringLiteral("byte.%1").arg(n));
        differences.append({raw->key, raw->text(first), raw->text(second)});
    }
    return differences;
}

} // namespace quorvel
