// The JSON forms of the catalog's settings: one setting's value, and a whole profile.
#include "core/image/setting_catalog.h"

#include "core/keyboard/key_name.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace quorvel {

namespace {

// A character of a JSON profile: {"name", "code"} as shown, a code, or a name or code as text.
std::optional<int> characterOfJson(const QJsonValue& value) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        const QJsonValue code = object.value(QStringLiteral("code"));
        const QJsonValue name = object.value(QStringLiteral("name"));
        if (code.isUndefined())
            return name.isString() ? parseCharacter(name.toString()) : std::nullopt;
        const std::optional<int> byCode = characterOfJson(code);
        // A name that contradicts the code is a mistake, not a choice between the two.
        if (!byCode || (!name.isUndefined() && name != QJsonValue(keyName(*byCode).trimmed())))
            return std::nullopt;
        return byCode;
    }
    if (value.isDouble()) {
        const double d = value.toDouble();
        if (d >= 0 && d <= 255 && d == static_cast<int>(d))
            return static_cast<int>(d);
        return std::nullopt;
    }
    if (value.isString())
        return parseCharacter(value.toString());
    return std::nullopt;
}

QString jsonText(const QJsonValue& value) {
    if (value.isString())
        return QStringLiteral("\"%1\"").arg(valueExcerpt(value.toString()));
    return valueExcerpt(
        QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1));
}

// No setting takes a number anywhere near this; beyond it whole numbers are not exact.
constexpr double kMostNumber = 1e9;
constexpr qsizetype kMostExcerpt = 40;

} // namespace

QString valueExcerpt(const QString& text) {
    if (text.size() <= kMostExcerpt)
        return text;
    qsizetype cut = kMostExcerpt - 3;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("...");
}

QString numberOutOfRange(const QString& key, const QString& shown) {
    return QStringLiteral("%1: %2 is out of range").arg(key, valueExcerpt(shown));
}

QString assignJson(const Setting& setting, SettingsImage& image, const QJsonValue& value) {
    if (value.isString())
        return setting.assign(image, value.toString());
    // A list or an object only where the setting's own form is one (a single character may
    // stand for a list of them).
    const QJsonValue::Type form = setting.json(SettingsImage{}).type();
    if ((value.isArray() && form != QJsonValue::Array) ||
        (value.isObject() && form != QJsonValue::Object && form != QJsonValue::Array))
        return QStringLiteral("%1: %2 is %3; it takes one value: %4")
            .arg(setting.key, jsonText(value),
                 value.isArray() ? QStringLiteral("a list") : QStringLiteral("an object"), setting.values);
    QString text;
    if (value.isDouble()) {
        const double d = value.toDouble();
        // Range first: casting a number beyond qint64 is undefined.
        if (!(d >= -kMostNumber && d <= kMostNumber))
            return numberOutOfRange(setting.key, jsonText(value));
        if (d != static_cast<double>(static_cast<qint64>(d)))
            return QStringLiteral("%1: %2 is not a whole number").arg(setting.key, jsonText(value));
        text = QString::number(static_cast<qint64>(d));
    } else if (value.isObject()) {
        const std::optional<int> code = characterOfJson(value);
        if (!code)
            return QStringLiteral("%1: %2 is not a character whose name and code agree")
                .arg(setting.key, jsonText(value));
        text = codeText(*code);
    } else if (value.isArray()) {
        QStringList codes;
        for (const QJsonValue& item : value.toArray()) {
            const std::optional<int> code = characterOfJson(item);
            if (!code)
                return QStringLiteral("%1: %2 is not a character whose name and code agree")
                    .arg(setting.key, jsonText(item));
            codes << codeText(*code);
        }
        // An empty list is an empty string, which only the character lists take.
        if (codes.isEmpty() && setting.bytes.size() == 1)
            return QStringLiteral("%1: [] is not a value it takes").arg(setting.key);
        text = codes.join(u',');
    } else {
        return QStringLiteral("%1: %2 is not a value it takes").arg(setting.key, jsonText(value));
    }
    return setting.assign(image, text);
}

QJsonObject settingsProfile(const SettingsImage& image) {
    QJsonObject profile;
    for (const Setting& s : settingCatalog())
        profile.insert(s.key, s.json(image));
    for (int n = 0; n < kImageSize; ++n)
        if (shownBits(image, n) != 0xFF)
            profile.insert(QStringLiteral("byte.%1").arg(n), image[static_cast<std::size_t>(n)]);
    return profile;
}

QString applySettingsProfile(const QJsonObject& profile, SettingsImage& image) {
    QList<std::pair<int, QJsonValue>> named; // catalog index, value
    QList<std::pair<Setting, QJsonValue>> raw;
    QStringList seen;
    const QList<Setting>& catalog = settingCatalog();
    for (auto it = profile.begin(); it != profile.end(); ++it) {
        const std::optional<Setting> s = findSetting(it.key());
        if (!s)
            return QStringLiteral("unknown setting '%1'").arg(valueExcerpt(it.key()));
        if (seen.contains(s->key))
            return QStringLiteral("%1: given twice").arg(s->key);
        seen << s->key;
        const auto index = std::find_if(catalog.begin(), catalog.end(),
                                         [&](const Setting& c) { return c.key == s->key; });
        if (index == catalog.end())
            raw.append({*s, it.value()});
        else
            named.append({static_cast<int>(index - catalog.begin()), it.value()});
    }
    std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    SettingsImage work = image;
    for (const auto& [s, value] : raw)
        if (const QString error = assignJson(s, work, value); !error.isEmpty())
            return error;
    for (const auto& [index, value] : named) {
        const Setting& s = catalog.at(index);
        SettingsImage changed = work;
        if (const QString error = assignJson(s, changed, value); !error.isEmpty())
            return error;
        // Assigning the value a setting already holds may still clear other bits (ALT mode
        // ends function key emulation); a profile restores, so it leaves such a setting alone.
        if (s.text(changed) != s.text(work))
            work = changed;
    }
    // Named values win over the bytes they show; the bytes keep every bit they do not.
    for (const auto& [s, value] : raw) {
        const int n = s.bytes.first();
        SettingsImage wanted{};
        assignJson(s, wanted, value);
        const int keep = ~shownBits(work, n) & 0xFF;
        auto& b = work[static_cast<std::size_t>(n)];
        b = static_cast<std::uint8_t>((b & ~keep) | (wanted[static_cast<std::size_t>(n)] & keep));
    }
    image = work;
    return QString();
}

} // namespace quorvel
