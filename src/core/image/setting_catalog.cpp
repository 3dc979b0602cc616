#include "core/image/setting_catalog.h"

#include "core/image/setting_fields.h"
#include "core/image/setting_rules.h"
#include "core/keyboard/key_name.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <QJsonObject>
#include <algorithm>

namespace quorvel {

namespace {

struct Choice {
    int value; // the field's value, as fieldValue gives it
    QString name;
};

// An unknown value is shown as the code its bits make in their byte.
int codeInByte(const Field& f, int value) {
    return value << fieldShift(f);
}

// The value whose bits make that code; nullopt when the code has bits outside the field.
std::optional<int> valueOfCodeInByte(const Field& f, int code) {
    const int value = code >> fieldShift(f);
    if (value > fieldMaximum(f) || codeInByte(f, value) != code)
        return std::nullopt;
    return value;
}

QString unknownText(int code) {
    return QStringLiteral("unknown (&H%1)").arg(byteHex(code));
}

QString listOf(const QList<Choice>& choices) {
    QStringList names;
    for (const Choice& c : choices)
        names << c.name;
    return names.join(QStringLiteral(", "));
}

Setting choiceSetting(const Field& f, const QList<Choice>& choices) {
    const QString key = QString::fromLatin1(f.key);
    const FieldId id = f.id;
    auto text = [=](const SettingsImage& image) {
        const int value = fieldValue(image, id);
        for (const Choice& c : choices)
            if (c.value == value)
                return c.name;
        return unknownText(codeInByte(field(id), value));
    };
    return {key,
            {f.byte},
            text,
            [=](const SettingsImage& image) { return QJsonValue(text(image)); },
            [=](SettingsImage& image, const QString& value) {
                for (const Choice& c : choices) {
                    if (c.name.compare(value.trimmed(), Qt::CaseInsensitive) == 0) {
                        setFieldValue(image, id, c.value);
                        return QString();
                    }
                }
                // What an unknown code shows as assigns it back, so that no value is lost.
                static const QRegularExpression unknown(
                    QStringLiteral(R"(^unknown \((&H[0-9A-F]{1,2})\)$)"),
                    QRegularExpression::CaseInsensitiveOption);
                const QRegularExpressionMatch m = unknown.match(value.trimmed());
                if (const std::optional<int> held =
                        m.hasMatch() ? valueOfCodeInByte(field(id), *parseByteText(m.captured(1)))
                                     : std::nullopt) {
                    setFieldValue(image, id, *held);
                    return QString();
                }
                return QStringLiteral("%1: \"%2\" is not one of %3")
                    .arg(key, valueExcerpt(value), listOf(choices));
            },
            listOf(choices)};
}

// An on/off bit; `then` adjusts other fields after a new state is stored.
Setting flagSetting(const Field& f, const QList<Choice>& choices,
                    std::function<void(SettingsImage&, bool)> then = nullptr) {
    Setting s = choiceSetting(f, choices);
    if (then) {
        const FieldId id = f.id;
        s.assign = [=, plain = s.assign](SettingsImage& image, const QString& value) {
            const QString error = plain(image, value);
            if (error.isEmpty())
                then(image, fieldValue(image, id) != 0);
            return error;
        };
    }
    return s;
}

// Turning the ALT mode on also ends the function key emulation, as on the keyboard language page.
void afterAltMode(SettingsImage& image, bool on) {
    if (on)
        setFieldValue(image, FieldId::FunctionKeys, 0);
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

Setting characterSetting(const Field& f) {
    const QString key = QString::fromLatin1(f.key);
    const FieldId id = f.id;
    return {key,
            {f.byte},
            [=](const SettingsImage& image) { return characterText(fieldValue(image, id)); },
            [=](const SettingsImage& image) { return characterJson(fieldValue(image, id)); },
            [=](SettingsImage& image, const QString& value) {
                const std::optional<int> code = parseCharacter(value);
                if (!code)
                    return QStringLiteral(
                               "%1: \"%2\" is not a character code 0 to 255 (&H1B, 0x1B, "
                               "27) or a key name (Esc, Enter, F 1, A)")
                        .arg(key, valueExcerpt(value));
                setFieldValue(image, id, *code);
                return QString();
            },
            kCharacterValues};
}

// A whole number from 0 to 255, read and stored through the given pair.
Setting numberSetting(const QString& key, int byte, std::function<int(const SettingsImage&)> read,
                      std::function<void(SettingsImage&, int)> write) {
    return {key,
            {byte},
            [=](const SettingsImage& image) { return QString::number(read(image)); },
            [=](const SettingsImage& image) { return QJsonValue(read(image)); },
            [=](SettingsImage& image, const QString& value) {
                const std::optional<int> number = parseByteText(value);
                if (!number)
                    return QStringLiteral("%1: \"%2\" is not a number from 0 to 255")
                        .arg(key, valueExcerpt(value));
                write(image, *number);
                return QString();
            },
            QStringLiteral("a number from 0 to 255 (27, 0x1B, &H1B)")};
}

Setting numberSetting(const Field& f) {
    const FieldId id = f.id;
    return numberSetting(
        QString::fromLatin1(f.key), f.byte,
        [id](const SettingsImage& image) { return fieldValue(image, id); },
        [id](SettingsImage& image, int value) { setFieldValue(image, id, value); });
}

// Bytes holding a string without gaps: it ends at the first 0.
Setting stringSetting(const Field& f) {
    const QString key = QString::fromLatin1(f.key);
    const FieldId id = f.id;
    const int length = f.length;
    QList<int> covered;
    for (int i = 0; i < length; ++i)
        covered << f.byte + i;
    auto codes = [=](const SettingsImage& image) { return stringCodes(image, id); };
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
                if (items.size() > length)
                    return QStringLiteral("%1: %2 characters given, at most %3")
                        .arg(key)
                        .arg(items.size())
                        .arg(length);
                QList<int> codes;
                for (const QString& item : items) {
                    const std::optional<int> code = parseCharacter(item.trimmed());
                    if (!code)
                        return QStringLiteral(
                                   "%1: \"%2\" is not a character code 0 to 255 or a key "
                                   "name")
                            .arg(key, valueExcerpt(item.trimmed()));
                    codes << *code;
                }
                codes.resize(length, 0);
                // The reader's strings have no gaps: a 0 ends them.
                if (const int gap = firstStringBreak(codes); gap >= 0)
                    return QStringLiteral("%1: character %2 follows a 0, which ends the string")
                        .arg(key)
                        .arg(gap + 1);
                setStringCodes(image, id, codes);
                return QString();
            },
            QStringLiteral("up to %1 characters separated by commas, each as for a character; "
                           "empty for none")
                .arg(length)};
}

// The command-line word of a choice: its own where it has one, else its caption.
QList<Choice> choicesOf(const Field& f) {
    QList<Choice> choices;
    for (const NamedCode& entry : f.choices)
        choices.append(
            {entry.code, QString::fromLatin1(entry.word ? entry.word : entry.caption).trimmed()});
    return choices;
}

Setting settingOf(const Field& f) {
    switch (f.kind) {
    case FieldKind::Choice:
        return choiceSetting(f, choicesOf(f));
    case FieldKind::Flag:
        return flagSetting(f, choicesOf(f), f.id == FieldId::AltMode ? afterAltMode : nullptr);
    case FieldKind::Character:
        return characterSetting(f);
    case FieldKind::Number:
        return numberSetting(f);
    case FieldKind::String:
        break;
    }
    return stringSetting(f);
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
        // A whole byte, whatever fields share it.
        const auto at = static_cast<std::size_t>(*n);
        Setting s = numberSetting(
            QStringLiteral("byte.%1").arg(*n), *n,
            [at](const SettingsImage& image) { return int(image[at]); },
            [at](SettingsImage& image, int v) { image[at] = static_cast<std::uint8_t>(v); });
        // With its prefix, so that `set` reads back what `get` prints.
        s.text = [at](const SettingsImage& image) {
            return QStringLiteral("0x%1").arg(byteHex(image[at]));
        };
        return s;
    }
    return std::nullopt;
}

std::optional<int> byteOfKey(const QString& key) {
    // Decimal digits only: toInt() would also take a sign and blanks.
    const QStringView digits = QStringView(key).mid(5);
    if (!key.startsWith(QStringLiteral("byte."), Qt::CaseInsensitive) || digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
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
    static const QRegularExpression shown(
        QStringLiteral(R"(^\s*(.+) \((&H[0-9A-Fa-f]{1,2})\)\s*$)"));
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

} // namespace quorvel
