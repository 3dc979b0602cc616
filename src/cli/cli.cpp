#include "cli.h"

#include "core/image_differences.h"
#include "core/key_name.h"
#include "core/setting_catalog.h"
#include "core/settings_file.h"

#include <QFile>
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
    "  show [FILE] [--json]          every setting of FILE (default: factory file)\n"
    "  get FILE KEY                  the value of one setting\n"
    "  set FILE KEY=VALUE... [-o OUT]  change settings, writing FILE or OUT\n"
    "  apply PROFILE FILE [-o OUT]   set a JSON profile as show --json prints it\n"
    "  diff A B [--json]             every difference (status 1 when there is one)\n"
    "  new OUT [--force]             a copy of the factory settings\n"
    "  hex FILE                      the image as 8 rows of 16 hexadecimal bytes\n"
    "  keys                          every key with the values it takes\n"
    "  devices [--json]              the attached readers (status 1 when none)\n"
    "  transmit FILE                 send FILE's settings to the reader\n"
    "  swipe [FILE] [OPTIONS]        check what a reader types against FILE\n"
    "  provision SETTINGS [OPTIONS]  set up reader after reader, with a log\n"
    "\n"
    "  --help                        this text; COMMAND --help for one command\n"
    "  --version                     the version\n"
    "\n"
    "OUT '-' writes the settings text to standard output; PROFILE '-' reads\n"
    "standard input. '--' ends the options.\n"
    "\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  diff: the files differ; devices: no reader found\n"
    "  2  usage error: unknown command, option or key, missing or extra argument,\n"
    "     empty -o\n"
    "  3  a file could not be read, is not a settings file or profile, or could not\n"
    "     be written; standard output could not be written\n"
    "  4  a value or profile entry was refused; new: OUT exists (without --force)\n"
    "  5  the companion program could not run\n"
    "  7  swipe: no swipe came (before --timeout ended)\n"
    "  swipe and provision: 1 when a check failed or a reader was not set up and\n"
    "  verified.\n"
    "  transmit otherwise ends with the companion's own status.\n";

struct CommandHelp {
    const char* name;
    const char* text;
};

const CommandHelp kCommandHelp[] = {
    {"show", "Usage: quorvel-cli show [FILE] [--json]\n"
             "Prints every named setting of FILE as 'key: value', then 'byte.N: 0xHH' for each\n"
             "byte with bits set that no setting shows. Without FILE the factory file.\n"
             "--json prints {\"file\", \"settings\", \"bytes\"}: \"settings\" holds every named\n"
             "setting and byte.N for each byte with bits no setting shows, enough for apply\n"
             "to restore every byte.\n"},
    {"get", "Usage: quorvel-cli get FILE KEY\n"
            "Prints the value of one setting (or byte.N) in the form set reads back.\n"},
    {"set", "Usage: quorvel-cli set FILE KEY=VALUE... [-o OUT]\n"
            "Checks every assignment, then writes FILE (or OUT) atomically. Characters are\n"
            "codes (&H1B, 0x1B, 27), key names (Esc, Enter, F 1, A) or both as shown\n"
            "(Esc (&H1B)); preamble and postamble take up to ten characters separated by\n"
            "commas, empty for none. Every value get and show print is read back.\n"},
    {"apply", "Usage: quorvel-cli apply PROFILE FILE [-o OUT]\n"
              "PROFILE is a JSON object of settings as show --json prints them: either the\n"
              "whole output (its \"settings\" are applied; \"file\" and \"bytes\" are not read)\n"
              "or the settings object alone, with any subset of its keys. Every key and value\n"
              "is checked before FILE (or OUT) is written atomically; an unknown key or a\n"
              "refused value is named and nothing changes (status 4). A byte.N entry sets its\n"
              "whole byte, but named settings given beside it win for the bits they show.\n"
              "A named setting already holding its value is left as it is.\n"
              "PROFILE '-' reads standard input.\n"},
    {"diff", "Usage: quorvel-cli diff A B [--json]\n"
             "Prints 'key: valueA -> valueB' for each setting that differs, and a byte.N line\n"
             "for each byte whose differing bits no setting shows. Status 0 when the files\n"
             "are equal byte for byte, 1 when they are not.\n"},
    {"new", "Usage: quorvel-cli new OUT [--force]\n"
            "Writes a copy of the factory settings to OUT; an existing OUT only with --force\n"
            "(status 4 without).\n"},
    {"hex", "Usage: quorvel-cli hex FILE\nPrints the image with the headings of the table view.\n"},
    {"keys", "Usage: quorvel-cli keys\nLists every key with the values it takes.\n"},
    {"devices", "Usage: quorvel-cli devices [--json]\n"
                "Lists the attached readers: path, serial number, whether it could be opened.\n"},
    {"transmit", "Usage: quorvel-cli transmit FILE\n"
                 "Sets byte 127 to 0x80, writes usbData.txt into the current directory and runs\n"
                 "the companion program Hoplink.exe; the status is the companion's.\n"},
    {"swipe", "Usage: quorvel-cli swipe [FILE] [--gap MS] [--timeout SECONDS] [--count N] [--json]\n"
              "                         [--show-card-numbers]\n"
              "Reads what a reader types into this terminal and checks each swipe against\n"
              "FILE's settings (default: the factory file) as the Swipe Test page does: the\n"
              "keys, card numbers masked, the timing and every check with a mark (passed,\n"
              "failed, not checked). A pause longer than --gap (default 500 ms, 50 to 5000)\n"
              "ends a swipe. The terminal reads keys raw while it runs; Ctrl+C ends it\n"
              "(right after another key it is the reader's own terminator). From a pipe\n"
              "each line is a swipe, its line end the Enter key, and timing is not measured.\n"
              "--count ends after N swipes, --timeout after SECONDS; --json prints one\n"
              "object a line per swipe. Card data goes to standard output only.\n"
              "Status 0 when every swipe passed every check, 1 when a check failed, 7 when\n"
              "no swipe came.\n"},
    {"provision", "Usage: quorvel-cli provision SETTINGS [--log FILE] [--no-verify] [--once]\n"
                  "SETTINGS is a settings file or a JSON profile (applied to the factory file).\n"
                  "For each reader: waits until one is plugged in, sends the settings as\n"
                  "transmit does, asks for a swipe of a test card and checks it as swipe does\n"
                  "(swipe again after a failed check; Esc records the reader as not verified),\n"
                  "appends one line to the log and waits until the reader is unplugged.\n"
                  "The log (default provision-log.jsonl here) holds JSON Lines: time, reader\n"
                  "path and serial, SHA-256 of the image sent, the settings' file name, the\n"
                  "transmission and verification outcomes and the names of failed checks; no\n"
                  "card data. It is never written through a symbolic link. Ctrl+C (or the end\n"
                  "of one round with --once) prints a summary; status 0 when every reader was\n"
                  "set up and verified, 1 otherwise.\n"},
};

// A profile is read whole; anything this large is not one.
constexpr qint64 kMaxProfileSize = 1024 * 1024;

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
        .arg(compactJson(path), settings.join(QStringLiteral(",\n")), rows.join(QStringLiteral(",\n")));
}

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
    // Takes the options a command knows out of its arguments, leaving the operands;
    // anything else that looks like an option is a usage error (nonzero status).
    int takeOptions(const QStringList& flags, bool takesOutput = false);
    bool flag(const QString& name) const { return m_flags.contains(name); }
    // Loads a settings file; on failure reports it and gives the status to return.
    int load(const QString& path, SettingsImage& image);
    // Writes the image to a file atomically, or its text to standard output for "-".
    int store(const QString& target, const SettingsImage& image);
    int readProfile(const QString& path, QJsonObject& settings);

    int show();
    int get();
    int set();
    int apply();
    int diff();
    int create();
    int hex();
    int keys();

    QStringList m_args;
    QStringList m_flags;
    std::optional<QString> m_output;
    QTextStream& m_out;
    QTextStream& m_err;
    const CliContext& m_context;
};

int Command::takeOptions(const QStringList& flags, bool takesOutput) {
    QStringList operands;
    for (qsizetype i = 0; i < m_args.size(); ++i) {
        const QString& arg = m_args.at(i);
        if (arg == QLatin1String("--")) {
            operands += m_args.mid(i + 1);
            break;
        }
        if (!arg.startsWith(u'-') || arg == QLatin1String("-")) {
            operands << arg;
        } else if (takesOutput && arg == QLatin1String("-o")) {
            if (m_output)
                return usage(QStringLiteral("-o given twice"));
            if (i + 1 >= m_args.size() || m_args.at(i + 1).isEmpty())
                return usage(QStringLiteral("-o needs a file name"));
            m_output = m_args.at(++i);
        } else if (flags.contains(arg)) {
            m_flags << arg;
        } else {
            return usage(QStringLiteral("unknown option '%1'").arg(arg));
        }
    }
    m_args = operands;
    return kOk;
}

int Command::load(const QString& path, SettingsImage& image) {
    return loadSettingsFile(path, image, m_err);
}

int Command::store(const QString& target, const SettingsImage& image) {
    if (target == QLatin1String("-")) {
        m_out << QString::fromLatin1(composeSettingsText(image));
        return kOk;
    }
    const WriteOutcome written = writeDataFile(target, image, [](const QString&) { return true; });
    if (written.result != WriteResult::Written) {
        m_err << "quorvel-cli: " << target << ": cannot write: " << written.reason << "\n";
        return kFile;
    }
    return kOk;
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
    if (name == QLatin1String("apply"))
        return apply();
    if (name == QLatin1String("diff"))
        return diff();
    if (name == QLatin1String("new"))
        return create();
    if (name == QLatin1String("hex"))
        return hex();
    if (name == QLatin1String("keys"))
        return keys();
    if (name == QLatin1String("devices") || name == QLatin1String("transmit")) {
        const bool devices = name == QLatin1String("devices");
        if (const int status = takeOptions(devices ? QStringList{QStringLiteral("--json")} : QStringList{}))
            return status;
        const auto& handler = devices ? m_context.devices : m_context.transmit;
        if (!handler) {
            m_err << "quorvel-cli: " << name << ": not available in this build\n";
            return kUsage;
        }
        return handler(m_args + m_flags, m_out, m_err);
    }
    if (name == QLatin1String("swipe") || name == QLatin1String("provision")) {
        const auto& handler = name == QLatin1String("swipe") ? m_context.swipe : m_context.provision;
        if (!handler) {
            m_err << "quorvel-cli: " << name << ": not available in this build\n";
            return kUsage;
        }
        return handler(m_args, m_out, m_err);
    }
    return usage(QStringLiteral("unknown command '%1'").arg(name));
}

int Command::show() {
    if (const int status = takeOptions({QStringLiteral("--json")}))
        return status;
    if (m_args.size() > 1)
        return usage(QStringLiteral("show takes at most one FILE"));
    const QString path = m_args.isEmpty() ? m_context.factoryFile : m_args.first();
    SettingsImage image{};
    if (const int status = load(path, image))
        return status;

    if (flag(QStringLiteral("--json"))) {
        m_out << jsonListing(path, image);
        return kOk;
    }
    for (const Setting& s : settingCatalog())
        m_out << s.key << ": " << s.text(image) << "\n";
    for (int n = 0; n < kImageSize; ++n) {
        if ((image[static_cast<std::size_t>(n)] & ~shownBits(image, n)) != 0) {
            const std::optional<Setting> raw = findSetting(QStringLiteral("byte.%1").arg(n));
            m_out << raw->key << ": " << raw->text(image) << "\n";
        }
    }
    return kOk;
}

int Command::get() {
    if (const int status = takeOptions({}))
        return status;
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
    if (const int status = takeOptions({}, true))
        return status;
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
    return store(m_output.value_or(path), changed);
}

int Command::readProfile(const QString& path, QJsonObject& settings) {
    QByteArray text;
    const QString shownName = path == QLatin1String("-") ? QStringLiteral("standard input") : path;
    if (path == QLatin1String("-")) {
        text = m_context.standardInput ? m_context.standardInput(kMaxProfileSize + 1) : QByteArray();
    } else {
        // A FIFO or a device would block or never end: only regular files are profiles.
        const QFileInfo info(path);
        QFile file(path);
        if (!info.isFile()) {
            m_err << "quorvel-cli: " << path << ": cannot read: "
                  << (info.exists() ? QStringLiteral("not a regular file") : QStringLiteral("no such file"))
                  << "\n";
            return kFile;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            m_err << "quorvel-cli: " << path << ": cannot read: " << file.errorString() << "\n";
            return kFile;
        }
        text = file.read(kMaxProfileSize + 1);
    }
    if (text.size() > kMaxProfileSize) {
        m_err << "quorvel-cli: " << shownName << ": not a profile (larger than 1 MiB)\n";
        return kFile;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        m_err << "quorvel-cli: " << shownName << ": not a profile (a JSON object): "
              << (document.isNull() ? error.errorString() : QStringLiteral("not an object")) << "\n";
        return kFile;
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
            m_err << "quorvel-cli: " << shownName << ": unknown member '" << it.key() << "'\n";
            return kRefused;
        }
    }
    if (!root.value(QStringLiteral("settings")).isObject()) {
        m_err << "quorvel-cli: " << shownName << ": \"settings\" is not an object\n";
        return kRefused;
    }
    settings = root.value(QStringLiteral("settings")).toObject();
    return kOk;
}

int Command::apply() {
    if (const int status = takeOptions({}, true))
        return status;
    if (m_args.size() != 2)
        return usage(QStringLiteral("apply needs PROFILE and FILE"));
    QJsonObject profile;
    if (const int status = readProfile(m_args.at(0), profile))
        return status;
    SettingsImage image{};
    if (const int status = load(m_args.at(1), image))
        return status;
    if (const QString error = applySettingsProfile(profile, image); !error.isEmpty()) {
        m_err << "quorvel-cli: " << error << "\n";
        return kRefused;
    }
    return store(m_output.value_or(m_args.at(1)), image);
}

int Command::diff() {
    if (const int status = takeOptions({QStringLiteral("--json")}))
        return status;
    const bool json = flag(QStringLiteral("--json"));
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
    if (const int status = takeOptions({QStringLiteral("--force")}))
        return status;
    if (m_args.size() != 1)
        return usage(QStringLiteral("new needs OUT"));
    const QString target = m_args.first();
    SettingsImage image{};
    if (const int status = load(m_context.factoryFile, image))
        return status;
    if (nameInUse(target) && !flag(QStringLiteral("--force"))) {
        m_err << "quorvel-cli: " << target << ": exists; use --force to replace it\n";
        return kRefused;
    }
    return store(target, image);
}

int Command::hex() {
    if (const int status = takeOptions({}))
        return status;
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

int Command::keys() {
    if (const int status = takeOptions({}))
        return status;
    if (!m_args.isEmpty())
        return usage(QStringLiteral("keys takes no argument"));
    for (const Setting& s : settingCatalog())
        m_out << s.key << ": " << s.values << "\n";
    m_out << "byte.0 ... byte.127: " << findSetting(QStringLiteral("byte.0"))->values
          << "; the whole byte\n";
    QStringList names;
    for (int code = 1; code <= 255; ++code)
        if (const QString name = keyName(code); name.size() > 1)
            names << name;
    m_out << "\nKey names: " << names.join(QStringLiteral(", "))
          << ", and the characters ! to ~ themselves (" << codeText(33) << " to " << codeText(126)
          << "); a digit alone is a code, so the key 1 is 1 (&H31).\n";
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
    const int status = Command(args, out, err, context).run();
    // Output that never arrived is a failure, whatever the command itself thought.
    out.flush();
    if (out.status() != QTextStream::Ok) {
        const auto* file = qobject_cast<const QFileDevice*>(out.device());
        err << "quorvel-cli: cannot write to standard output"
            << (file ? QStringLiteral(": ") + file->errorString() : QString()) << "\n";
        err.flush();
        return kFile;
    }
    return status;
}

} // namespace quorvel
