#include "setting_words.h"

#include "setting_catalog.h"
#include "key_name.h"
#include "setting_tables.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace quorvel {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("quorvel::SettingWords", text);
}

// The page headings, in menu order.
constexpr std::array<const char*, 6> kPageTitles{
    QT_TRANSLATE_NOOP("quorvel::SettingWords", "Intercharacter Delay"),
    QT_TRANSLATE_NOOP("quorvel::SettingWords", "Keyboard Language"),
    QT_TRANSLATE_NOOP("quorvel::SettingWords", "Terminator"),
    QT_TRANSLATE_NOOP("quorvel::SettingWords", "Magnetic Card"),
    QT_TRANSLATE_NOOP("quorvel::SettingWords", "Preamble & Postamble"),
    QT_TRANSLATE_NOOP("quorvel::SettingWords", "General Parameter")};

// Where each catalog key sits on the pages, in the order the pages show them,
// with the caption of its label, frame, tab or box there.
struct Place {
    const char* key;
    std::size_t page;
    const char* caption;
};

constexpr std::array<Place, 25> kPlaces{{
    {"keyboard-delay", 0, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Start Keyboard Setting")},
    {"rs232-delay", 0, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Start RS-232 Setting")},
    {"keyboard-language", 1,
     QT_TRANSLATE_NOOP("quorvel::SettingWords", "Language for Keyboard Interface")},
    {"alt-mode", 1, QT_TRANSLATE_NOOP("quorvel::SettingWords", "ALT Mode")},
    {"keyboard-terminator", 2, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Keyboard")},
    {"rs232-terminator", 2, QT_TRANSLATE_NOOP("quorvel::SettingWords", "RS-232")},
    {"track-order", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track Order")},
    {"track-selection", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track Selection")},
    {"start-sentinel-1", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track 1 Start Sentinel")},
    {"start-sentinel-2", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track 2 Start Sentinel")},
    {"start-sentinel-3", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track 3 Start Sentinel")},
    {"end-sentinel", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track 1/2/3 End Sentinel")},
    {"dle-1", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track 1 DLE Character")},
    {"dle-2", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track 2 DLE Character")},
    {"dle-3", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track 3 DLE Character")},
    {"stx", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "STX Character")},
    {"track2-account-only", 3,
     QT_TRANSLATE_NOOP("quorvel::SettingWords", "Track 2 Account No. Only")},
    {"ibm-format", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "IBM Format")},
    {"transmit-lrc", 3, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Transmit LRC")},
    {"preamble", 4, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Preamble")},
    {"postamble", 4, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Postamble")},
    {"case", 5, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Case")},
    {"buzzer-pitch", 5, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Buzzer Pitch")},
    {"buzzer-duration", 5, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Buzzer Duration")},
    {"power-on-beeper", 5, QT_TRANSLATE_NOOP("quorvel::SettingWords", "Power On Beeper")},
}};

const Place* placeOf(const QString& key) {
    for (const Place& place : kPlaces)
        if (key.compare(QLatin1String(place.key), Qt::CaseInsensitive) == 0)
            return &place;
    return nullptr;
}

template <std::size_t N>
std::optional<QString> pageCaption(const std::array<NamedCode, N>& table, int code) {
    const int index = indexOfCode(table, code);
    if (index < 0)
        return std::nullopt;
    return translated(table[static_cast<std::size_t>(index)].caption).trimmed();
}

} // namespace

QString otherBytesTitle() { return QCoreApplication::translate("quorvel::SettingWords", "Other bytes"); }

QString settingCaption(const QString& key) {
    if (const Place* place = placeOf(key))
        return QStringLiteral("%1: %2").arg(translated(kPageTitles[place->page]),
                                            translated(place->caption));
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
    // The tool's short words for these two choices; the pages' captions read better.
    std::optional<QString> caption;
    if (setting->key == QLatin1String("track-selection"))
        caption = pageCaption(kTrackSelections, image[bytes::kTrackSelection]);
    else if (setting->key == QLatin1String("case"))
        caption = pageCaption(kCaseModes, image[bytes::kModes] & 0x0F);
    if (caption)
        return *caption;
    const QString text = setting->text(image);
    if (text.isEmpty()) // an empty preamble or postamble string
        return QCoreApplication::translate("quorvel::SettingWords", "none");
    return text;
}

int settingRank(const QString& key) {
    if (const Place* place = placeOf(key))
        return static_cast<int>(place - kPlaces.data());
    if (const std::optional<int> n = byteOfKey(key))
        return static_cast<int>(kPlaces.size()) + 1 + *n;
    return static_cast<int>(kPlaces.size());
}

QList<ImageDifference> summaryDifferences(const SettingsImage& first, const SettingsImage& second) {
    QList<ImageDifference> differences = imageDifferences(first, second);
    std::stable_sort(differences.begin(), differences.end(),
                     [](const ImageDifference& a, const ImageDifference& b) {
                         return settingRank(a.key) < settingRank(b.key);
                     });
    return differences;
}

QList<SummarySection> settingsSummary(const SettingsImage& image) {
    QList<SummarySection> sections;
    for (std::size_t page = 0; page < kPageTitles.size(); ++page) {
        SummarySection section{translated(kPageTitles[page]), {}};
        for (const Place& place : kPlaces)
            if (place.page == page)
                section.lines.append(
                    {translated(place.caption), settingWords(QLatin1String(place.key), image)});
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
            lines << QStringLiteral("    ") + QCoreApplication::translate("quorvel::SettingWords", "none");
        blocks << lines.join(u'\n');
    }
    return blocks.join(QStringLiteral("\n\n")) + u'\n';
}

} // namespace quorvel
