#include "core/keyboard/xkb_layout_name.h"

#include "core/keyboard/keyboard_layout_sources.h"

#include <QRegularExpression>
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

std::optional<XkbLayoutName> parseXkbLayoutName(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^([a-z][a-z0-9_-]*)(?:\\(([A-Za-z0-9_-]+)\\))?$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return XkbLayoutName{match.captured(1), match.captured(2)};
}

QString xkbLayoutText(const XkbLayoutName& name) {
    return name.variant.isEmpty() ? name.layout : QStringLiteral("%1(%2)").arg(name.layout, name.variant);
}

std::optional<XkbLayoutName> keyboardDefaultsLayout(const QByteArray& text) {
    QString layouts;
    QString variants;
    // NAME=value, NAME="value" or NAME='value'; a comment or anything else is passed over.
    static const QRegularExpression assignment(
        QStringLiteral("^\\s*(XKBLAYOUT|XKBVARIANT)=(?:\"([^\"]*)\"|'([^']*)'|([^\\s#]*))"));
    for (const QByteArray& line : text.split('\n')) {
        const QRegularExpressionMatch match = assignment.match(QString::fromUtf8(line));
        if (!match.hasMatch())
            continue;
        const QString value = match.captured(2) + match.captured(3) + match.captured(4);
        (match.captured(1) == QLatin1String("XKBLAYOUT") ? layouts : variants) = value;
    }
    return xkbLayoutOfGroup(layouts, variants, 0);
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
