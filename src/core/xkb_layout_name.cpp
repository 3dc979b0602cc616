#include "xkb_layout_name.h"

#include "keyboard_layout_sources.h"

#include <QStringList>

namespace quorvel {

std::optional<XkbLayoutName> xkbLayoutOfGroup(const QString& layouts, const QString& variants,
                                              int group) {
    const QStringList layoutList = layouts.split(u',');
    const QStringList variantList = variants.split(u',');
    if (group < 0 || group >= layoutList.size() || layoutList.at(group).trimmed().isEmpty())
        return std::nullopt;
    return XkbLayoutName{layoutList.at(group).trimmed(),
                         group < variantList.size() ? variantList.at(group).trimmed() : QString()};
}

int languageOfXkbLayout(const XkbLayoutName& name) {
    const auto count = static_cast<int>(kLayoutSources.size());
    for (int code = 0; code < count; ++code) {
        const LayoutSource& source = kLayoutSources[static_cast<std::size_t>(code)];
        if (name.layout == QLatin1String(source.layout) &&
            name.variant == QLatin1String(source.variant))
            return code;
    }
    // Another variant of a language's layout (ch(fr), de(nodeadkeys)) still names
    // that language; whether it types the swipe alike is for the keys to tell.
    for (int code = 0; code < count; ++code) {
        const LayoutSource& source = kLayoutSources[static_cast<std::size_t>(code)];
        if (name.layout == QLatin1String(source.layout) ||
            name.layout == QLatin1String(source.alsoLayout))
            return code;
    }
    return -1;
}

} // namespace quorvel
