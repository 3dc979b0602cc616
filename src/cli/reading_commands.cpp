#include "reading_commands.h"

#include "cli.h"
#include "command_call.h"

#include "core/image/image_differences.h"
#include "core/keyboard/key_name.h"
#include "core/image/setting_catalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvel {

using namespace cli_status;

namespace {

// One JSON value on one line.
QString compactJson(const QJsonValue& value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// What show --json prints: the settings one a line in catalog order, the bytes as the rows
// of a settings file, so that a profile reads and compares well.
QString jsonListing(const QString& path, const SettingsImage& image) {
    const QJsonObject profile = settingsProfile(image);
    QStringList keys;
    for (const Setting& s : settingCatalog())
        keys << s.key;
    for (int n = 0; n < kImageSize; ++n)
        if (profile.contains(QStringLiteral("byte.%1").arg(n)))
            keys << QStringLiteral("byte.%1").arg(n);
    QStringList settings;
    for (const QString& key : std::as_const(keys))
        settings << QStringLiteral("        %1: %2").arg(compactJson(key), compactJson(profile.value(key)));
    QStringList rows;
    for (int r = 0; r < kImageSize / 16; ++r) {
        QStringList row;
        for (int c = 0; c < 16; ++c)
            row << QString::number(image[static_cast<std::size_t>(r * 16 + c)]);
        rows << QStringLiteral("        ") + row.join(QStringLiteral(", "));
    }
    return QStringLiteral("{\n    \"file\": %1,\n    \"settings\": {\n%2\n    },\n"
                          "    \"bytes\": [\n%3\n    ]\n}\n")
        .arg(compactJson(jsonFileName(path)), settings.join(QStringLiteral(",\n")), rows.join(QStringLiteral(",\n")));
}

} // namespace

int showCommand(CommandCall& call) {
    if (call.args().size() > 1)
        return call.usage(QStringLiteral("show takes at most one FILE"));
    const QString path = call.args().isEmpty() ? call.context().factoryFile : call.args().first();
    SettingsImage image{};
    if (const int status = call.load(path, image))
        return status;

    if (call.flag(QStringLiteral("--json"))) {
        call.out() << jsonListing(path, image);
        return kOk;
    }
    for (const Setting& s : settingCatalog())
        call.out() << s.key << ": " << s.text(image) << "\n";
    for (int n = 0; n < kImageSize; ++n) {
        if ((image[static_cast<std::size_t>(n)] & ~shownBits(image, n)) != 0) {
            const std::optional<Setting> raw = findSetting(QStringLiteral("byte.%1").arg(n));
            call.out() << raw->key << ": " << raw->text(image) << "\n";
        }
    }
    return kOk;
}

int getCommand(CommandCall& call) {
    if (call.args().size() != 2)
        return call.usage(QStringLiteral("get needs FILE and KEY"));
    const std::optional<Setting> setting = findSetting(call.args().at(1));
    if (!setting)
        return call.usage(QStringLiteral("unknown setting '%1'").arg(call.args().at(1)));
    SettingsImage image{};
    if (const int status = call.load(call.args().at(0), image))
        return status;
    call.out() << setting->text(image) << "\n";
    return kOk;
}

int diffCommand(CommandCall& call) {
    const bool json = call.flag(QStringLiteral("--json"));
    if (call.args().size() != 2)
        return call.usage(QStringLiteral("diff needs two files"));
    SettingsImage a{};
    SettingsImage b{};
    if (const int status = call.load(call.args().at(0), a))
        return status;
    if (const int status = call.load(call.args().at(1), b))
        return status;

    QJsonArray differences;
    for (const ImageDifference& d : imageDifferences(a, b)) {
        if (json) {
            const std::optional<Setting> s = findSetting(d.key);
            differences.append(QJsonObject{{QStringLiteral("key"), d.key},
                                           {QStringLiteral("a"), s->json(a)},
                                           {QStringLiteral("b"), s->json(b)}});
        } else {
            call.out() << d.key << ": " << d.first << " -> " << d.second << "\n";
        }
    }
    if (json)
        call.out() << QJsonDocument(QJsonObject{{QStringLiteral("differences"), differences}})
                     .toJson(QJsonDocument::Indented);
    return a == b ? kOk : kDiffers;
}

int hexCommand(CommandCall& call) {
    if (call.args().size() != 1)
        return call.usage(QStringLiteral("hex needs FILE"));
    SettingsImage image{};
    if (const int status = call.load(call.args().first(), image))
        return status;
    call.out() << " ";
    for (int c = 0; c < 16; ++c)
        call.out() << "  " << QString::number(c, 16).toUpper();
    call.out() << "\n";
    for (int r = 0; r < 8; ++r) {
        call.out() << r;
        for (int c = 0; c < 16; ++c)
            call.out() << " " << byteHex(image[static_cast<std::size_t>(r * 16 + c)]);
        call.out() << "\n";
    }
    return kOk;
}

int keysCommand(CommandCall& call) {
    if (!call.args().isEmpty())
        return call.usage(QStringLiteral("keys takes no argument"));
    for (const Setting& s : settingCatalog())
        call.out() << s.key << ": " << s.values << "\n";
    call.out() << "byte.0 ... byte.127: " << findSetting(QStringLiteral("byte.0"))->values
          << "; the whole byte\n";
    QStringList names;
    for (int code = 1; code <= 255; ++code)
        if (const QString name = keyName(code); name.size() > 1)
            names << name;
    call.out() << "\nKey names: " << names.join(QStringLiteral(", "))
          << ", and the characters ! to ~ themselves (" << codeText(33) << " to " << codeText(126)
          << "); a digit alone is a code, so the key 1 is 1 (&H31).\n";
    return kOk;
}

} // namespace quorvel
