#include "core/image/setting_words.h"

#include "core/image/setting_catalog.h"
#include "core/image/setting_fields.h"
#include "core/keyboard/key_name.h"
#include "core/menu_table.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("quorvel::SettingWords", text);
}

QString pageTitle(PageId page) {
    return translated(menuEntry(page).title);
}

// The named fields in the order the pages show them.
const std::vector<const Field*>& placed() {
    static const std::vector<const Field*> fields = [] {
        std::vector<const Field*> list;
        for (const Field& f : kFields)
            if (f.key && f.page != PageId::None)
                list.push_back(&f);
        std::stable_sort(list.begin(), list.end(), [](const Field* a, const Field* b) {
            return std::pair(a->page, a->slot) < std::pair(b->page, b->slot);
        });
        return list;
    }();
    return fields;
}

const Field* placeOf(const QString& key) {
    for (const Field* f : placed())
        if (key.compare(QLatin1String(f->key), Qt::CaseInsensitive) == 0)
            return f;
    return nullptr;
}

std::size_t pageIndex(const Field& f) {
    return static_cast<std::size_t>(f.page);
}

} // namespace

QString otherBytesTitle() {
    return QCoreApplication::translate("quorvel::SettingWords", "Other bytes");
}

QString settingCaption(const QString& key) {
    if (const Field* place = placeOf(key))
        return QStringLiteral("%1: %2").arg(pageTitle(place->page), translated(place->caption));
    if (const std::optional<int> n = byteOfKey(key))
        return QCoreApplication::translate("quorvel::SettingWords", "byte %1").arg(*n);
    return key;
}

QString settingWords(const QString& key, const SettingsImage& image) {
    if (const std::optional<int> n = byteOfKey(key))
        return byteHex(image[static_cast<std::size_t>(*n)]);
    const std::optional<Setting> setting = findSetting(key);
    if (!setting)
        return QString();
    // Where the tool has short words for the choices, the pages' captions read better.
    if (const Field* f = placeOf(setting->key); f && f->kind == FieldKind::Choice) {
        const NamedCode* choice = fieldChoice(image, f->id);
        if (choice && choice->word)
            return translated(choice->caption).trimmed();
    }
    const QString text = setting->text(image);
    if (text.isEmpty()) // an empty preamble or postamble string
        return QCoreApplication::translate("quorvel::SettingWords", "none");
    return text;
}

int settingRank(const QString& key) {
    const std::vector<const Field*>& fields = placed();
    if (const Field* place = placeOf(key))
        return static_cast<int>(std::find(fields.begin(), fields.end(), place) - fields.begin());
    if (const std::optional<int> n = byteOfKey(key))
        return static_cast<int>(fields.size()) + 1 + *n;
    return static_cast<int>(fields.size());
}

QList<ImageDifference> summaryDifferences(const SettingsImage& first, const SettingsImage& second) {
    QList<ImageDifference> differences = imageDifferences(first, second);
    std::stable_sort(differences.begin(), differences.end(),
                     [](const ImageDifference& a, const ImageDifference& b) {
                         return settingRank(a.key) < settingRank(b.key);
                     });
    return differences;
}

DifferenceWords differenceWords(const ImageDifference& difference, const SettingsImage& first,
                                const SettingsImage& second) {
    const QString mine = settingWords(difference.key, first);
    const QString theirs = settingWords(difference.key, second);
    return {settingCaption(difference.key), mine.isEmpty() ? difference.first : mine,
            theirs.isEmpty() ? difference.second : theirs};
}

QList<SummarySection> settingsSummary(const SettingsImage& image) {
    QList<SummarySection> sections;
    for (std::size_t page = 0; page < kSettingPageCount; ++page) {
        SummarySection section{pageTitle(static_cast<PageId>(page)), {}};
        for (const Field* place : placed())
            if (pageIndex(*place) == page)
                section.lines.append(
                    {translated(place->caption), settingWords(QLatin1String(place->key), image)});
        sections.append(section);
    }
    // A byte belongs here when some of its set bits show in no line above: bytes
    // no page owns, loose bits of shared bytes, characters after a string's end.
    SummarySection other{otherBytesTitle(), {}};
    for (int n = 0; n < kImageSize; ++n) {
        const int value = image[static_cast<std::size_t>(n)];
        if ((value & ~shownBits(image, n)) != 0) {
            const QString key = QStringLiteral("byte.%1").arg(n);
            other.lines.append({settingCaption(key), settingWords(key, image)});
        }
    }
    sections.append(other);
    return sections;
}

QString summaryText(const QList<SummarySection>& sections) {
    QStringList blocks;
    for (const SummarySection& section : sections) {
        QStringList lines{section.title};
        for (const SummaryLine& line : section.lines)
            lines << QStringLiteral("    %1: %2").arg(line.caption, line.value);
        if (section.lines.isEmpty())
            lines << QStringLiteral("    ") +
                         QCoreApplication::translate("quorvel::SettingWords", "none");
        blocks << lines.join(u'\n');
    }
    return blocks.join(QStringLiteral("\n\n")) + u'\n';
}

} // namespace quorvel
