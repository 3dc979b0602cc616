#include "identify_command.h"

#include "cli.h"
#include "command_call.h"
#include "swipe_command.h"
#include "terminal_alt_codes.h"
#include "terminal_input.h"

#include "core/files/file_access.h"
#include "core/files/settings_file.h"
#include "core/image/setting_catalog.h"
#include "core/keyboard/keys_on_layout.h"
#include "core/swipe/reader_identity.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvel {

using namespace cli_status;

namespace {

QString keyOf(FieldId id) {
    return QLatin1String(field(id).key);
}

void printIdentity(QTextStream& out, const ReaderIdentity& identity,
                   const SettingsImage& compared) {
    out << "What the reader is set to (* differs from the compared settings):\n";
    for (const ToldSetting& told : identity.told) {
        out << (told.differs ? "* " : "  ") << toldFieldCaption(told.id) << ": "
            << toldValueWords(told.id, told.value);
        if (told.differs)
            out << " (compared: " << toldValueWords(told.id, fieldCodes(compared, told.id)) << ")";
        out << "\n      evidence: " << told.evidence << "\n";
        if (!told.alsoFit.isEmpty())
            out << "      also fits: "
                << toldValuesWords(told.id, told.alsoFit).join(QStringLiteral("; ")) << "\n";
        if (told.alsoOpen)
            out << "      or its track did not come\n";
    }
    if (!identity.notShown.isEmpty()) {
        out << "Not shown by these swipes:\n";
        for (const OpenSetting& open : identity.notShown)
            out << "  " << toldFieldCaption(open.id) << ": " << open.why << "\n";
    }
    out << "Cannot be told from a swipe: "
        << toldFieldCaptions(identity.cannotBeTold).join(QStringLiteral(", ")) << "\n";
}

// The pauses as measured, beside the setting: its value has no unit, so none is converted.
QString pausesText(const ReaderIdentity& identity, const SettingsImage& compared, bool timed) {
    const QString delay = QStringLiteral("%1 is %2")
                              .arg(toldFieldCaption(FieldId::KeyboardDelay))
                              .arg(fieldValue(compared, FieldId::KeyboardDelay));
    if (!timed)
        return QStringLiteral("Pauses between characters: not measured (%1)").arg(delay);
    QStringList medians;
    for (const SwipeTiming& timing : identity.timing)
        medians << QStringLiteral("%1 ms").arg(timing.medianGapMs);
    return QStringLiteral(
               "Pauses between characters: median %1 (%2 in the compared settings, a value without "
               "a unit)")
        .arg(medians.join(QStringLiteral(", ")), delay);
}

QJsonObject identityJson(const ReaderIdentity& identity, int swipes, bool timed) {
    QJsonArray told;
    for (const ToldSetting& setting : identity.told)
        told.append(
            QJsonObject{{QStringLiteral("key"), keyOf(setting.id)},
                        {QStringLiteral("value"), toldValueWords(setting.id, setting.value)},
                        {QStringLiteral("differs"), setting.differs},
                        {QStringLiteral("evidence"), setting.evidence},
                        {QStringLiteral("alsoFits"),
                         QJsonArray::fromStringList(toldValuesWords(setting.id, setting.alsoFit))},
                        {QStringLiteral("orTrackAbsent"), setting.alsoOpen}});
    QJsonArray open;
    for (const OpenSetting& setting : identity.notShown)
        open.append(QJsonObject{{QStringLiteral("key"), keyOf(setting.id)},
                                {QStringLiteral("why"), setting.why}});
    QJsonArray cannot;
    for (FieldId id : identity.cannotBeTold)
        cannot.append(keyOf(id));
    QJsonArray medians;
    for (const SwipeTiming& timing : identity.timing)
        medians.append(timed ? QJsonValue(timing.medianGapMs) : QJsonValue());
    return {{QStringLiteral("swipes"), swipes},
            {QStringLiteral("read"), identity.outcome == ReaderIdentity::Outcome::Read},
            {QStringLiteral("why"), identity.why},
            {QStringLiteral("told"), told},
            {QStringLiteral("notShown"), open},
            {QStringLiteral("cannotBeTold"), cannot},
            {QStringLiteral("medianPauseMs"), medians}};
}

// A profile of only what the swipes showed, in the form apply takes.
int writeProfile(CommandCall& call, const QString& path, const ReaderIdentity& identity) {
    const QJsonObject all = settingsProfile(identity.image);
    QJsonObject profile;
    for (const ToldSetting& told : identity.told)
        profile.insert(keyOf(told.id), all.value(keyOf(told.id)));
    const QByteArray text = QJsonDocument(profile).toJson(QJsonDocument::Indented);
    if (path == QLatin1String("-")) {
        call.out() << QString::fromUtf8(text);
        return kOk;
    }
    if (const int status = call.lockForChange(path))
        return status;
    AtomicFile file(path);
    QString reason = file.open();
    if (reason.isEmpty())
        reason = writeWholeText(file, text);
    if (!reason.isEmpty()) {
        call.err() << "quorvel-cli: " << printable(path) << ": cannot write: " << printable(reason)
                   << "\n";
        return kFile;
    }
    return kOk;
}

} // namespace

int identifyCommand(CommandCall& call) {
    if (call.args().size() > 1)
        return call.usage(QStringLiteral("identify takes at most one FILE"));
    if (!call.context().openTerminal)
        return call.unavailable();
    const std::unique_ptr<TerminalInput> terminal = call.context().openTerminal();
    const bool json = call.flag(QStringLiteral("--json"));
    SettingsImage compared{};
    if (const int status = call.load(call.args().value(0, call.context().factoryFile), compared))
        return status;
    const TerminalLayout layout = layoutOf(call);
    const int language = layout.name ? languageOfXkbLayout(*layout.name) : -1;
    sayHowSwipesAreRead(call, *terminal);
    call.err().flush();

    // Each swipe in every way a terminal's keys can be taken, on this computer's keys where
    // its layout is known. Held in memory only.
    QList<SwipeKeyReadings> swipes;
    bool timed = false;
    const SwipeRun run =
        readSwipes(call, *terminal, compared, [&](const QList<CapturedKey>& keys, bool isTimed) {
            timed = isTimed;
            SwipeKeyReadings ways{keys};
            if (QList<CapturedKey> alt = altCodesFromTerminal(keys); alt.size() != keys.size())
                ways << alt;
            if (language >= 0)
                for (QList<CapturedKey>& way : ways)
                    way = keysOnLayout(way, language);
            swipes << ways;
            return true;
        });
    if (run.status != kOk)
        return run.status;

    IdentifyOptions options;
    options.capsLockSeen = false;
    options.computerLanguage = language;
    const ReaderIdentity identity = identifyReader(swipes, compared, options);
    QTextStream& out = call.out();
    if (json) {
        out << QJsonDocument(identityJson(identity, run.swipes, timed))
                   .toJson(QJsonDocument::Compact)
            << "\n";
    } else if (identity.outcome == ReaderIdentity::Outcome::Read) {
        out << (run.swipes == 1 ? QStringLiteral("1 swipe read.\n")
                                : QStringLiteral("%1 swipes read.\n").arg(run.swipes));
        printIdentity(out, identity, compared);
        out << pausesText(identity, compared, timed) << "\n";
    }
    out.flush();
    if (out.status() != QTextStream::Ok)
        return kFile;
    if (identity.outcome != ReaderIdentity::Outcome::Read) {
        call.err() << "quorvel-cli: identify: " << identity.why << "\n";
        return kCheckFailed;
    }
    if (const std::optional<QString> path = call.output())
        return writeProfile(call, *path, identity);
    return kOk;
}

} // namespace quorvel
