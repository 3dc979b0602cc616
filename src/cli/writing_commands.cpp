#include "writing_commands.h"

#include "cli.h"
#include "command_call.h"

#include "core/files/file_access.h"
#include "core/image/setting_catalog.h"
#include "core/files/settings_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>

#include <optional>

namespace quorvel {

using namespace cli_status;

namespace {

struct JsonLevel {
    bool object;
    bool expectKey;
    QString key; // the last key given at this level, as the settings name it
    QSet<QString> keys;
};

// Walks the JSON text up to `until`, calling onKey with the open levels each time an object
// gives a key (already noted as its level's last); onKey returns true to stop there. Returns
// the levels open where the walk stopped. Keys are named as the settings name them ("byte.05"
// and "BYTE.5" are one key).
QList<JsonLevel> walkJsonKeys(const QByteArray& text, qsizetype until,
                              const std::function<bool(QList<JsonLevel>&, const QString&)>& onKey) {
    QList<JsonLevel> levels;
    for (qsizetype i = 0; i < std::min(until, text.size()); ++i) {
        const char c = text.at(i);
        if (c == '{' || c == '[') {
            levels.append({c == '{', c == '{', {}, {}});
        } else if (c == '}' || c == ']') {
            if (!levels.isEmpty())
                levels.removeLast();
        } else if (c == ',') {
            if (!levels.isEmpty() && levels.last().object)
                levels.last().expectKey = true;
        } else if (c == '"') {
            const qsizetype start = i;
            for (++i; i < text.size() && text.at(i) != '"'; ++i)
                if (text.at(i) == '\\')
                    ++i;
            if (levels.isEmpty() || !levels.last().object || !levels.last().expectKey)
                continue;
            levels.last().expectKey = false;
            // The key's own characters, escapes decoded, as the JSON reader sees them.
            const QString key = QJsonDocument::fromJson("[" + text.mid(start, i - start + 1) + "]")
                                    .array()
                                    .at(0)
                                    .toString();
            const std::optional<Setting> setting = findSetting(key);
            const QString name = setting ? setting->key : key;
            if (onKey(levels, name))
                return levels;
            levels.last().key = name;
        }
    }
    return levels;
}

// The first key that an object of the JSON text gives twice; nothing when every key is given
// once. The text must already be known to be valid JSON: Qt's reader keeps only the last of
// two equal keys.
std::optional<QString> repeatedJsonKey(const QByteArray& text) {
    std::optional<QString> repeated;
    walkJsonKeys(text, text.size(), [&](QList<JsonLevel>& levels, const QString& name) {
        if (levels.last().keys.contains(name)) {
            repeated = name;
            return true;
        }
        levels.last().keys.insert(name);
        return false;
    });
    return repeated;
}

// A number too large (or too small) for the JSON reader, which refuses the text for it:
// the setting it is given to and the number as written, or nothing when the text has
// another fault there. Qt's reader reports the place where the number ends.
std::optional<QString> numberBeyondReach(const QByteArray& text, const QJsonParseError& error) {
    if (error.error != QJsonParseError::IllegalNumber)
        return std::nullopt;
    qsizetype start = std::min<qsizetype>(error.offset, text.size());
    const qsizetype end = start;
    while (start > 0 && QByteArrayView("0123456789+-.eE").contains(text.at(start - 1)))
        --start;
    const QString number = QString::fromLatin1(text.mid(start, end - start));
    static const QRegularExpression json(QStringLiteral(R"(^-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?$)"));
    if (!json.match(number).hasMatch())
        return std::nullopt;
    // The key of the settings object: the top level's, or the one inside "settings".
    const QList<JsonLevel> levels = walkJsonKeys(text, start, [](QList<JsonLevel>&, const QString&) { return false; });
    if (levels.isEmpty() || !levels.first().object)
        return std::nullopt;
    const bool inSettings = levels.size() > 1 && levels.first().key == QLatin1String("settings") && levels.at(1).object;
    const QString key = inSettings ? levels.at(1).key : levels.first().key;
    return findSetting(key) ? numberOutOfRange(key, number) : QStringLiteral("unknown setting '%1'").arg(valueExcerpt(key));
}

int readProfile(const QString& path, QJsonObject& settings, QTextStream& err, const CliContext& context) {
    QByteArray text;
    const QString shownName = path == QLatin1String("-") ? QStringLiteral("standard input") : path;
    if (path == QLatin1String("-")) {
        text = context.standardInput ? context.standardInput(kMaxProfileSize + 1) : QByteArray();
    } else {
        // A FIFO or a device would block or never end: only regular files are profiles.
        const NodeKind kind = nodeStatus(path).kind;
        if (kind != NodeKind::RegularFile) {
            err << "quorvel-cli: " << printable(path) << ": cannot read: "
                  << (kind == NodeKind::Missing ? QStringLiteral("no such file") : QStringLiteral("not a regular file"))
                  << "\n";
            return kFile;
        }
        QFile file;
        if (const QString reason = openForReading(file, path); !reason.isEmpty()) {
            err << "quorvel-cli: " << printable(path) << ": cannot read: " << reason << "\n";
            return kFile;
        }
        text = file.read(kMaxProfileSize + 1);
    }
    if (text.size() > kMaxProfileSize) {
        err << "quorvel-cli: " << printable(shownName) << ": not a profile (larger than 1 MiB)\n";
        return kFile;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (const std::optional<QString> refused = numberBeyondReach(text, error)) {
        err << "quorvel-cli: " << printable(*refused) << "\n";
        return kRefused;
    }
    if (error.error != QJsonParseError::NoError || !document.isObject() || !isProfileText(text)) {
        err << "quorvel-cli: " << printable(shownName) << ": not a profile (a JSON object): "
              << (document.isNull() ? error.errorString() : QStringLiteral("not an object")) << "\n";
        return kFile;
    }
    if (const std::optional<QString> key = repeatedJsonKey(text)) {
        err << "quorvel-cli: " << printable(valueExcerpt(*key)) << ": given twice\n";
        return kRefused;
    }
    const QJsonObject root = document.object();
    if (!root.contains(QStringLiteral("settings"))) {
        settings = root;
        return kOk;
    }
    // The whole output of show --json: its settings, and nothing it would not print.
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (it.key() != QLatin1String("settings") && it.key() != QLatin1String("file") &&
            it.key() != QLatin1String("bytes")) {
            err << "quorvel-cli: " << printable(shownName) << ": unknown member '" << printable(valueExcerpt(it.key())) << "'\n";
            return kRefused;
        }
    }
    if (!root.value(QStringLiteral("settings")).isObject()) {
        err << "quorvel-cli: " << printable(shownName) << ": \"settings\" is not an object\n";
        return kRefused;
    }
    settings = root.value(QStringLiteral("settings")).toObject();
    return kOk;
}

} // namespace

int applyProfileFile(const QString& path, SettingsImage& image, QTextStream& err, const CliContext& context) {
    QJsonObject profile;
    if (const int status = readProfile(path, profile, err, context))
        return status;
    if (const QString error = applySettingsProfile(profile, image); !error.isEmpty()) {
        err << "quorvel-cli: " << printable(error) << "\n";
        return kRefused;
    }
    return kOk;
}

bool isProfileText(QByteArrayView text) {
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // The blanks of JSON: a settings file has none of them before its first group.
    const auto first = std::find_if(text.begin(), text.end(),
                                    [](char c) { return c != ' ' && c != '\t' && c != '\n' && c != '\r'; });
    return first != text.end() && *first == '{';
}

int setCommand(CommandCall& call) {
    if (call.args().size() < 2)
        return call.usage(QStringLiteral("set needs FILE and at least one KEY=VALUE"));
    const QString path = call.args().takeFirst();

    // Every assignment is understood before the file is read or anything written.
    QList<QPair<Setting, QString>> assignments;
    for (const QString& assignment : std::as_const(call.args())) {
        const qsizetype eq = assignment.indexOf(u'=');
        if (eq <= 0)
            return call.usage(QStringLiteral("'%1' is not KEY=VALUE").arg(assignment));
        const std::optional<Setting> setting = findSetting(assignment.left(eq));
        if (!setting)
            return call.usage(QStringLiteral("unknown setting '%1'").arg(assignment.left(eq)));
        assignments.append({*setting, assignment.mid(eq + 1)});
    }

    if (const int status = call.lockForChange(path))
        return status;
    SettingsImage image{};
    if (const int status = call.load(path, image))
        return status;
    SettingsImage changed = image;
    for (const auto& [setting, value] : assignments) {
        const QString error = setting.assign(changed, value);
        if (!error.isEmpty()) {
            call.err() << "quorvel-cli: " << printable(error) << "\n";
            return kRefused;
        }
    }
    return call.store(call.output().value_or(path), changed);
}

int applyCommand(CommandCall& call) {
    if (call.args().size() != 2)
        return call.usage(QStringLiteral("apply needs PROFILE and FILE"));
    QJsonObject profile;
    if (const int status = readProfile(call.args().at(0), profile, call.err(), call.context()))
        return status;
    if (const int status = call.lockForChange(call.args().at(1)))
        return status;
    SettingsImage image{};
    if (const int status = call.load(call.args().at(1), image))
        return status;
    if (const QString error = applySettingsProfile(profile, image); !error.isEmpty()) {
        call.err() << "quorvel-cli: " << printable(error) << "\n";
        return kRefused;
    }
    return call.store(call.output().value_or(call.args().at(1)), image);
}

int newCommand(CommandCall& call) {
    if (call.args().size() != 1)
        return call.usage(QStringLiteral("new needs OUT"));
    const QString target = call.args().first();
    SettingsImage image{};
    if (const int status = call.load(call.context().factoryFile, image))
        return status;
    if (nameInUse(target) && !call.flag(QStringLiteral("--force"))) {
        call.err() << "quorvel-cli: " << printable(target) << ": exists; use --force to replace it\n";
        return kRefused;
    }
    if (const int status = call.lockForChange(target))
        return status;
    return call.store(target, image);
}

} // namespace quorvel
