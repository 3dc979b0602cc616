#include "setting_catalog.h"

#include "key_name.h"
#include "setting_rules.h"
#include "setting_fields.h"
#include "setting_tables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <QJsonObject>

namespace quorvel {

namespace {

struct Choice {
    int code;
    QString name;
};

QString unknownText(int code) { return QStringLiteral("unknown (&H%1)").arg(byteHex(code)); }

QString listOf(const QList<Choice>& choices) {
    QStringList names;
    for (const Choice& c : choices)
        names << c.name;
    return names.join(QStringLiteral(", "));
}

Setting choiceSetting(const QString& key, int byte, int mask, const QList<Choice>& choices) {
    auto text = [=](const SettingsImage& image) {
        const int code = image[static_cast<std::size_t>(byte)] & mask;
        for (const Choice& c : choices)
            if (c.code == code)
                return c.name;
        return unknownText(code);
    };
    return {key,
            {byte},
            text,
            [=](const SettingsImage& image) { return QJsonValue(text(image)); },
            [=](SettingsImage& image, const QString& value) {
                for (const Choice& c : choices) {
                    if (c.name.compare(value.trimmed(), Qt::CaseInsensitive) == 0) {
                        auto& b = image[static_cast<std::size_t>(byte)];
                        b = static_cast<std::uint8_t>((b & ~mask) | c.code);
                        return QString();
                    }
                }
                // What an unknown code shows as assigns it back, so that no value is lost.
                static const QRegularExpression unknown(QStringLiteral(R"(^unknown \((&H[0-9A-F]{1,2})\)$)"),
                                                        QRegularExpression::CaseInsensitiveOption);
                if (const QRegularExpressionMatch m = unknown.match(value.trimmed()); m.hasMatch()) {
                    const int code = *parseByteText(m.captured(1));
                    if ((code & ~mask) == 0) {
                        auto& b = image[static_cast<std::size_t>(byte)];
                        b = static_cast<std::uint8_t>((b & ~mask) | code);
                        return QString();
                    }
                }
                return QStringLiteral("%1: \"%2\" is not one of %3").arg(key, value, listOf(choices));
            },
            listOf(choices)};
}

// An on/off bit; `write` gives the byte for a new state where more than the bit changes.
Setting flagSetting(const QString& key, int byte, int bit,
                    std::function<int(int, bool)> write = nullptr) {
    Setting s = choiceSetting(key, byte, bit, {{0, QStringLiteral("off")}, {bit, QStringLiteral("on")}});
    if (write) {
        auto plain = s.assign;
        s.assign = [=](SettingsImage& image, const QString& value) {
            auto& b = image[static_cast<std::size_t>(byte)];
            const int before = b;
            const QString error = plain(image, value);
            if (error.isEmpty())
                b = static_cast<std::uint8_t>(write(before, (b & bit) != 0));
            return error;
        };
    }
    return s;
}

const QString kCharacterValues = QStringLiteral(
    "a character: its code from 0 to 255 (27, 0x1B, &H1B), its key name (Esc, Enter, F 1, A) "
    "or both as shown (Esc (&H1B))");

// The items of a character list. A shown item such as ", (&H2C)" keeps its comma.
QStringList splitCharacters(const QString& value) {
    QStringList items;
    if (value.trimmed().isEmpty())
        return items;
    static const QRegularExpression shown(
        QStringLiteral(R"(\s*(,|[^,]*?) \(&H[0-9A-Fa-f]{1,2}\)\s*(?=,|$))"));
    qsizetype pos = 0;
    while (true) {
        const QRegularExpressionMatch m =
            shown.match(value, pos, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption);
        qsizetype end = 0;
        if (m.hasMatch()) {
            items << m.captured(0);
            end = m.capturedEnd(0);
        } else {
            end = value.indexOf(u',', pos);
            if (end < 0)
                end = value.size();
            items << value.mid(pos, end - pos);
        }
        if (end >= value.size())
            return items;
        pos = end + 1; // past the comma
    }
}

QJsonValue characterJson(int code) {
    const QString name = keyName(code).trimmed();
    return QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("code"), code}};
}

Setting characterSetting(const QString& key, int byte) {
    return {key,
            {byte},
            [=](const SettingsImage& image) { return characterText(image[static_cast<std::size_t>(byte)]); },
            [=](const SettingsImage& image) { return characterJson(image[static_cast<std::size_t>(byte)]); },
            [=](SettingsImage& image, const QString& value) {
                const std::optional<int> code = parseCharacter(value);
                if (!code)
                    return QStringLiteral("%1: \"%2\" is not a character code 0 to 255 (&H1B, 0x1B, "
                                          "27) or a key name (Esc, Enter, F 1, A)")
                        .arg(key, value);
                image[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(*code);
                return QString();
            },
            kCharacterValues};
}

Setting numberSetting(const QString& key, int byte) {
    return {key,
            {byte},
            [=](const SettingsImage& image) { return QString::number(image[static_cast<std::size_t>(byte)]); },
            [=](const SettingsImage& image) { return QJsonValue(image[static_cast<std::size_t>(byte)]); },
            [=](SettingsImage& image, const QString& value) {
                const std::optional<int> number = parseByteText(value);
                if (!number)
                    return QStringLiteral("%1: \"%2\" is not a number from 0 to 255").arg(key, value);
                image[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(*number);
                return QString();
            },
            QStringLiteral("a number from 0 to 255 (27, 0x1B, &H1B)")};
}

// Ten bytes holding a string without gaps: it ends at the first 0.
Setting stringSetting(const QString& key, int first) {
    QList<int> covered;
    for (int i = 0; i < bytes::kAmbleCount; ++i)
        covered << first + i;
    auto codes = [=](const SettingsImage& image) {
        QList<int> result;
        for (int i = 0; i < bytes::kAmbleCount; ++i) {
            const int code = image[static_cast<std::size_t>(first + i)];
            if (code == 0)
                break;
            result << code;
        }
        return result;
    };
    return {key,
            covered,
            [=](const SettingsImage& image) {
                QStringList parts;
                for (int code : codes(image))
                    parts << characterText(code);
                return parts.join(QStringLiteral(", "));
            },
            [=](const SettingsImage& image) {
                QJsonArray array;
                for (int code : codes(image))
                    array.append(characterJson(code));
                return QJsonValue(array);
            },
            [=](SettingsImage& image, const QString& value) {
                const QStringList items = splitCharacters(value);
                if (items.size() > bytes::kAmbleCount)
                    return QStringLiteral("%1: %2 characters given, at most %3")
                        .arg(key)
                        .arg(items.size())
                        .arg(bytes::kAmbleCount);
                QList<int> parsed;
                for (const QString& item : items) {
                    const std::optional<int> code = parseCharacter(item.trimmed());
                    if (!code)
                        return QStringLiteral("%1: \"%2\" is not a character code 0 to 255 or a key "
                                              "name")
                            .arg(key, item.trimmed());
                    parsed << *code;
                }
                std::array<int, bytes::kAmbleCount> codes{};
                std::copy(parsed.cbegin(), parsed.cend(), codes.begin());
                // The reader's strings have no gaps: a 0 ends them.
                if (const int gap = firstStringBreak(codes); gap >= 0)
                    return QStringLiteral("%1: character %2 follows a 0, which ends the string")
                        .arg(key)
                        .arg(gap + 1);
                for (int i = 0; i < bytes::kAmbleCount; ++i)
                    image[static_cast<std::size_t>(first + i)] =
                        static_cast<std::uint8_t>(codes[static_cast<std::size_t>(i)]);
                return QString();
            },
            QStringLiteral("up to %1 characters separated by commas, each as for a character; "
                           "empty for none")
                .arg(bytes::kAmbleCount)};
}

// The command-line word of a choice: its own where it has one, else its caption.
QList<Choice> choicesOf(const Field& f) {
    QList<Choice> choices;
    for (const NamedCode& entry : f.choices)
        choices.append({entry.code << fieldShift(f),
                        QString::fromLatin1(entry.word ? entry.word : entry.caption).trimmed()});
    return choices;
}

Setting settingOf(const Field& f) {
    const QString key = QString::fromLatin1(f.key);
    switch (f.kind) {
    case FieldKind::Choice:
        return choiceSetting(key, f.byte, f.mask, choicesOf(f));
    case FieldKind::Flag:
        // Turning the ALT mode on also ends the function key emulation.
        return flagSetting(key, f.byte, f.mask,
                           f.id == FieldId::AltMode ? std::function<int(int, bool)>(modesWithAltMode) : nullptr);
    case FieldKind::Character:
        return characterSetting(key, f.byte);
    case FieldKind::Number:
        return numberSetting(key, f.byte);
    case FieldKind::String:
        break;
    }
    return stringSetting(key, f.byte);
}

QList<Setting> buildCatalog() {
    QList<Setting> catalog;
    for (const Field& f : kFields)
        if (f.key)
            catalog.append(settingOf(f));
    return catalog;
}

} // namespace

const QList<Setting>& settingCatalog() {
    static const QList<Setting> catalog = buildCatalog();
    return catalog;
}

std::optional<Setting> findSetting(const QString& key) {
    for (const Setting& s : settingCatalog())
        if (s.key.compare(key, Qt::CaseInsensitive) == 0)
            return s;
    if (const std::optional<int> n = byteOfKey(key)) {
        Setting s = numberSetting(QStringLiteral("byte.%1").arg(*n), *n);
        // With its prefix, so that `set` reads back what `get` prints.
        s.text = [n = *n](const SettingsImage& image) {
            return QStringLiteral("0x%1").arg(byteHex(image[static_cast<std::size_t>(n)]));
        };
        return s;
    }
    return std::nullopt;
}

std::optional<int> byteOfKey(const QString& key) {
    if (!key.startsWith(QStringLiteral("byte."), Qt::CaseInsensitive) || key.mid(5).startsWith(u'+'))
        return std::nullopt;
    bool ok = false;
    const int n = key.mid(5).toInt(&ok);
    if (!ok || n < 0 || n >= kImageSize)
        return std::nullopt;
    return n;
}

bool isNamedByte(int n) {
    for (const Setting& s : settingCatalog())
        if (s.bytes.contains(n))
            return true;
    return false;
}

int shownBits(const SettingsImage& image, int n) {
    // Probing each bit keeps this true to whatever the catalog's values print, including
    // strings that hide the bytes after their first 0.
    int shown = 0;
    for (const Setting& s : settingCatalog()) {
        if (!s.bytes.contains(n))
            continue;
        const QString before = s.text(image);
        for (int bit = 1; bit <= 0x80; bit <<= 1) {
            if (shown & bit)
                continue;
            SettingsImage probe = image;
            probe[static_cast<std::size_t>(n)] ^= static_cast<std::uint8_t>(bit);
            if (s.text(probe) != before)
                shown |= bit;
        }
    }
    return shown;
}

std::optional<int> parseByteText(const QString& text) {
    QString t = text.trimmed();
    if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        t.replace(0, 2, QStringLiteral("&H"));
    // The same whole-number reading the pages' sliders follow, without its empty-is-0.
    if (t.isEmpty() || t.size() > 6)
        return std::nullopt;
    return sliderValueOfEntry(t);
}

std::optional<int> parseCharacter(const QString& text) {
    if (const std::optional<int> code = parseByteText(text))
        return code;
    static const QRegularExpression shown(QStringLiteral(R"(^\s*(.+) \((&H[0-9A-Fa-f]{1,2})\)\s*$)"));
    if (const QRegularExpressionMatch m = shown.match(text); m.hasMatch()) {
        const int code = *parseByteText(m.captured(2));
        const QString name = keyName(code).trimmed();
        const bool agree = name.size() == 1 ? name == m.captured(1)
                                            : name.compare(m.captured(1), Qt::CaseInsensitive) == 0;
        if (!name.isEmpty() && agree)
            return code;
        return std::nullopt;
    }
    // One-character names are the characters themselves, so "a" and "A" differ.
    if (text.size() == 1) {
        for (int code = 33; code <= 126; ++code)
            if (text == keyName(code))
                return code;
        return std::nullopt;
    }
    const QString wanted = text.trimmed();
    for (int code = 1; code <= 255; ++code) {
        const QString name = keyName(code);
        if (name.size() > 1 && name.compare(wanted, Qt::CaseInsensitive) == 0)
            return code;
    }
    return std::nullopt;
}

QString characterText(int code) {
    const QString name = keyName(code).trimmed();
    const QString codeString = codeText(code);
    return name.isEmpty() ? codeString : QStringLiteral("%1 (%2)").arg(name, codeString);
}

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
        return QStringLiteral("\"%1\"").arg(value.toString());
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

} // namespace

QString assignJson(const Setting& setting, SettingsImage& image, const QJsonValue& value) {
    if (value.isString())
        return setting.assign(image, value.toString());
    QString text;
    if (value.isDouble()) {
        const double d = value.toDouble();
        // Range first: casting a number beyond qint64 is undefined.
        if (!(d >= -1e9 && d <= 1e9) || d != static_cast<double>(static_cast<qint64>(d)))
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
            return QStringLiteral("unknown setting '%1'").arg(it.key());
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
