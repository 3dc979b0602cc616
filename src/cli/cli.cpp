#include "cli.h"

#include "core/image_differences.h"
#include "core/key_name.h"
#include "core/setting_catalog.h"
#include "core/settings_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvel {

namespace {

using namespace cli_status;

const char* const kUsageText =
    "Usage: quorvel-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Reads, changes and compares reader settings files (*.msr, Default.mag).\n"
    "\n"
    "Commands:\n"
    "  show [FILE] [--json]          every setting of FILE (default: the factory file)\n"
    "  get FILE KEY                  the value of one setting\n"
    "  set FILE KEY=VALUE... [-o OUT]  change settings, writing FILE or OUT\n"
    "  diff A B [--json]             the settings that differ (status 1 when some do)\n"
    "  new OUT [--force]             a copy of the factory settings\n"
    "  hex FILE                      the image as 8 rows of 16 hexadecimal bytes\n"
    "  devices [--json]              the attached readers (status 1 when none)\n"
    "  transmit FILE                 send FILE's settings to the reader\n"
    "\n"
    "  --help                        this text; COMMAND --help for one command\n"
    "  --version                     the version\n"
    "\n"
    "Exit status: 0 done, 2 usage error, 3 file unreadable or of the wrong length,\n"
    "4 value refused, 5 companion program could not run.\n";

struct CommandHelp {
    const char* name;
    const char* text;
};

const CommandHelp kCommandHelp[] = {
    {"show", "Usage: quorvel-cli show [FILE] [--json]\n"
             "Prints every named setting of FILE as 'key: value', then the bytes no setting\n"
             "names as 'byte.N: HH' where they are not 0. Without FILE the factory file.\n"},
    {"get", "Usage: quorvel-cli get FILE KEY\nPrints the value of one setting (or byte.N).\n"},
    {"set", "Usage: quorvel-cli set FILE KEY=VALUE... [-o OUT]\n"
            "Checks every assignment, then writes FILE (or OUT) atomically. Characters are\n"
            "codes (&H1B, 0x1B, 27) or key names (Esc, Enter, F 1, A); preamble and postamble\n"
            "take up to ten characters separated by commas, empty for none.\n"},
    {"diff", "Usage: quorvel-cli diff A B [--json]\n"
             "Prints 'key: valueA -> valueB' for each setting that differs. Status 0 when\n"
             "none differ, 1 when some do.\n"},
    {"new", "Usage: quorvel-cli new OUT [--force]\n"
            "Writes a copy of the factory settings to OUT; an existing OUT only with --force.\n"},
    {"hex", "Usage: quorvel-cli hex FILE\nPrints the image with the headings of the table view.\n"},
    {"devices", "Usage: quorvel-cli devices [--json]\n"
                "Lists the attached readers: path, serial number, whether it could be opened.\n"},
    {"transmit", "Usage: quorvel-cli transmit FILE\n"
                 "Sets byte 127 to 0x80, writes usbData.txt into the current directory and runs\n"
                 "the companion program Hoplink.exe; the status is the companion's.\n"},
};

class Command {
public:
    Command(QStringList args, QTextStream& out, QTextStream& err, const CliContext& context)
        : m_args(std::move(args)), m_out(out), m_err(err), m_context(context) {}

    int run();

private:
    int usage(const QString& problem) {
        m_err << "quorvel-cli: " << problem << "\n" << "Try 'quorvel-cli --help'.\n";
        return kUsage;
    }
    // Loads a settings file; on failure reports it and gives the status to return.
    int load(const QString& path, SettingsImage& image);
    bool takeFlag(const QString& flag) { return m_args.removeAll(flag) > 0; }

    int show();
    int get();
    int set();
    int diff();
    int create();
    int hex();

    QStringList m_args;
    QTextStream& m_out;
    QTextStream& m_err;
    const CliContext& m_context;
};

int Command::load(const QString& path, SettingsImage& image) {
    return loadSettingsFile(path, image, m_err);
}

int Command::run() {
    if (m_args.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString name = m_args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        m_out << kUsageText;
        return kOk;
    }
    if (name == QLatin1String("--version")) {
        m_out << "quorvel-cli " << QUORVEL_VERSION << "\n";
        return kOk;
    }
    if (m_args.contains(QLatin1String("--help"))) {
        for (const CommandHelp& help : kCommandHelp) {
            if (name == QLatin1String(help.name)) {
                m_out << help.text;
                return kOk;
            }
        }
    }
    if (name == QLatin1String("show"))
        return show();
    if (name == QLatin1String("get"))
        return get();
    if (name == QLatin1String("set"))
        return set();
    if (name == QLatin1String("diff"))
        return diff();
    if (name == QLatin1String("new"))
        return create();
    if (name == QLatin1String("hex"))
        return hex();
    if (name == QLatin1String("devices") || name == QLatin1String("transmit")) {
        const auto& handler = name == QLatin1String("devices") ? m_context.devices : m_context.transmit;
        if (!handler) {
            m_err << "quorvel-cli: " << name << ": not available in this build\n";
            return kUsage;
        }
        return handler(m_args, m_out, m_err);
    }
    return usage(QStringLiteral("unknown command '%1'").arg(name));
}

int Command::show() {
    const bool json = takeFlag(QStringLiteral("--json"));
    if (m_args.size() > 1)
        return usage(QStringLiteral("show takes at most one FILE"));
    const QString path = m_args.isEmpty() ? m_context.factoryFile : m_args.first();
    SettingsImage image{};
    if (const int status = load(path, image))
        return status;

    if (json) {
        QJsonObject settings;
        for (const Setting& s : settingCatalog())
            settings.insert(s.key, s.json(image));
        QJsonArray bytes;
        for (int b : image)
            bytes.append(b);
        const QJsonObject root{{QStringLiteral("file"), path},
                               {QStringLiteral("settings"), settings},
                               {QStringLiteral("bytes"), bytes}};
        m_out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return kOk;
    }
    for (const Setting& s : settingCatalog())
        m_out << s.key << ": " << s.text(image) << "\n";
    for (int n = 0; n < kImageSize; ++n) {
        if (!isNamedByte(n) && image[static_cast<std::size_t>(n)] != 0) {
            const std::optional<Setting> raw = findSetting(QStringLiteral("byte.%1").arg(n));
            m_out << raw->key << ": " << raw->text(image) << "\n";
        }
    }
    return kOk;
}

int Command::get() {
    if (m_args.size() != 2)
        return usage(QStringLiteral("get needs FILE and KEY"));
    const std::optional<Setting> setting = findSetting(m_args.at(1));
    if (!setting)
        return usage(QStringLiteral("unknown setting '%1'").arg(m_args.at(1)));
    SettingsImage image{};
    if (const int status = load(m_args.at(0), image))
        return status;
    m_out << setting->text(image) << "\n";
    return kOk;
}

int Command::set() {
    QString output;
    const qsizetype o = m_args.indexOf(QStringLiteral("-o"));
    if (o >= 0) {
        if (o + 1 >= m_args.size())
            return usage(QStringLiteral("-o needs a file name"));
        output = m_args.at(o + 1);
        m_args.remove(o, 2);
    }
    if (m_args.size() < 2)
        return usage(QStringLiteral("set needs FILE and at least one KEY=VALUE"));
    const QString path = m_args.takeFirst();

    // Every assignment is understood before the file is read or anything written.
    QList<QPair<Setting, QString>> assignments;
    for (const QString& assignment : std::as_const(m_args)) {
        const qsizetype eq = assignment.indexOf(u'=');
        if (eq <= 0)
            return usage(QStringLiteral("'%1' is not KEY=VALUE").arg(assignment));
        const std::optional<Setting> setting = findSetting(assignment.left(eq));
        if (!setting)
            return usage(QStringLiteral("unknown setting '%1'").arg(assignment.left(eq)));
        assignments.append({*setting, assignment.mid(eq + 1)});
    }

    SettingsImage image{};
    if (const int status = load(path, image))
        return status;
    SettingsImage changed = image;
    for (const auto& [setting, value] : assignments) {
        const QString error = setting.assign(changed, value);
        if (!error.isEmpty()) {
            m_err << "quorvel-cli: " << error << "\n";
            return kRefused;
        }
    }
    const QString target = output.isEmpty() ? path : output;
    const WriteOutcome written = writeDataFile(target, changed, [](const QString&) { return true; });
    if (written.result != WriteResult::Written) {
        m_err << "quorvel-cli: " << target << ": cannot write: " << written.reason << "\n";
        return kFile;
    }
    return kOk;
}

int Command::diff() {
    const bool json = takeFlag(QStringLiteral("--json"));
    if (m_args.size() != 2)
        return usage(QStringLiteral("diff needs two files"));
    SettingsImage a{};
    SettingsImage b{};
    if (const int status = load(m_args.at(0), a))
        return status;
    if (const int status = load(m_args.at(1), b))
        return status;

    QJsonArray differences;
    for (const ImageDifference& d : imageDifferences(a, b)) {
        if (json) {
            const std::optional<Setting> s = findSetting(d.key);
            differences.append(QJsonObject{{QStringLiteral("key"), d.key},
                                           {QStringLiteral("a"), s->json(a)},
                                           {QStringLiteral("b"), s->json(b)}});
        } else {
            m_out << d.key << ": " << d.first << " -> " << d.second << "\n";
        }
    }
    if (json)
        m_out << QJsonDocument(QJsonObject{{QStringLiteral("differences"), differences}})
                     .toJson(QJsonDocument::Indented);
    return a == b ? kOk : kDiffers;
}

int Command::create() {
    const bool force = takeFlag(QStringLiteral("--force"));
    if (m_args.size() != 1)
        return usage(QStringLiteral("new needs OUT"));
    const QString target = m_args.first();
    SettingsImage image{};
    if (const int status = load(m_context.factoryFile, image))
        return status;
    if (QFileInfo::exists(target) && !force) {
        m_err << "quorvel-cli: " << target << ": exists; use --force to replace it\n";
        return kRefused;
    }
    const WriteOutcome written = writeDataFile(target, image, [](const QString&) { return true; });
    if (written.result != WriteResult::Written) {
        m_err << "quorvel-cli: " << target << ": cannot write: " << written.reason << "\n";
        return kFile;
    }
    return kOk;
}

int Command::hex() {
    if (m_args.size() != 1)
        return usage(QStringLiteral("hex needs FILE"));
    SettingsImage image{};
    if (const int status = load(m_args.first(), image))
        return status;
    m_out << " ";
    for (int c = 0; c < 16; ++c)
        m_out << "  " << QString::number(c, 16).toUpper();
    m_out << "\n";
    for (int r = 0; r < 8; ++r) {
        m_out << r;
        for (int c = 0; c < 16; ++c)
            m_out << " " << byteHex(image[static_cast<std::size_t>(r * 16 + c)]);
        m_out << "\n";
    }
    return kOk;
}

} // namespace

int loadSettingsFile(const QString& path, SettingsImage& image, QTextStream& err) {
    const ReadOutcome outcome = readDataFile(path, image);
    switch (outcome.result) {
    case ReadResult::Loaded:
        return kOk;
    case ReadResult::WrongLength:
        err << "quorvel-cli: " << path << ": not a settings file (it must be exactly "
            << kSettingsTextLength << " characters)\n";
        return kFile;
    case ReadResult::Error:
        break;
    }
    err << "quorvel-cli: " << path << ": cannot read: " << outcome.reason << "\n";
    return kFile;
}

int runCli(const QStringList& args, QTextStream& out, QTextStream& err, const CliContext& context) {
    return Command(args, out, err, context).run();
}

} // namespace quorvel
