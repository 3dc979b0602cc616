#include "core/image/image_differences.h"

#include "core/image/setting_catalog.h"

namespace quorvel {

QList<ImageDifference> imageDifferences(const SettingsImage& first, const SettingsImage& second) {
    QList<ImageDifference> differences;
    if (first == second)
        return differences;
    // What the named differences account for: the first image with the second's
    // values assigned. Whatever still differs is shown byte by byte, so nothing
    // hides and nothing a named value already says is said twice.
    SettingsImage explained = first;
    for (const Setting& s : settingCatalog()) {
        const QString a = s.text(first);
        const QString b = s.text(second);
        if (a == b)
            continue;
        differences.append({s.key, a, b});
        SettingsImage attempt = explained;
        if (s.assign(attempt, b).isEmpty())
            explained = attempt;
    }
    for (int n = 0; n < kImageSize; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (explained[i] == second[i])
            continue;
        const std::optional<Setting> raw = findSetting(QStringLiteral("byte.%1").arg(n));
        differences.append({raw->key, raw->text(first), raw->text(second)});
    }
    return differences;
}

} // namespace quorvel
