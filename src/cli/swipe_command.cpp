#include "swipe_command.h"

#include "cli.h"
#include "swipe_reader.h"
#include "terminal_alt_codes.h"

#include "core/keyboard/keys_on_layout.h"
#include "terminal_input.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <optional>

namespace quorvel {

namespace {

using namespace cli_status;

QString stateName(CheckState state) {
    switch (state) {
    case CheckState::Passed:
        return QStringLiteral("passed");
    case CheckState::Failed:
        return QStringLiteral("failed");
    case CheckState::NotChecked:
        break;
    }
    return QStringLiteral("not checked");
}

int usage(QTextStream& err, const QString& problem) {
    err << "quorvel-cli: swipe: " << printable(problem) << "\nTry 'quorvel-cli swipe --help'.\n";
    return kUsage;
}

// The number after an option, within bounds; nullopt when it is missing or not one.
std::optional<double> numberAfter(const QStringList& args, qsizetype& i, double least,
                                  double most) {
    if (i + 1 >= args.size())
        return std::nullopt;
    bool ok = false;
    const double value = args.at(++i).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < least || value > most)
        return std::nullopt;
    return value;
}

} // namespace

SwipeAnalysis analyzeTerminalSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                                   CardNumbers cardNumbers, const TerminalLayout& layout) {
    SwipeOptions options;
    options.cardNumbers = cardNumbers;
    options.capsLockSeen = false;
    // Only where the settings say ALT mode are digits read as Alt codes.
    QList<CapturedKey> read = swipeFrame(image).altMode ? altCodesFromTerminal(keys) : keys;
    const int language = layout.name ? languageOfXkbLayout(*layout.name) : -1;
    if (language >= 0) {
        read = keysOnLayout(read, language);
        options.computerLayout = layout.name;
    } else if (layout.name) {
        options.withoutPositions = QStringLiteral("not checked in a terminal: this computer's layout %1 (from %2) is "
                                                  "the layout of none of the reader's keyboard languages")
                                       .arg(printable(xkbLayoutText(*layout.name)), layout.source);
    } else {
        options.withoutPositions = QStringLiteral("not checked in a terminal: a terminal sees characters, not key "
                                                  "positions, and this computer's layout is not known; give "
                                                  "--layout XKB[(VARIANT)]");
    }
    SwipeAnalysis analysis = analyzeSwipe(read, image, options);
    // The keyboard-language check comes first.
    if (SwipeCheck& check = analysis.checks.first(); language >= 0 && check.state != CheckState::NotChecked)
        check.detail += QStringLiteral(" (this computer's layout: %1, from %2)")
                            .arg(printable(xkbLayoutText(*layout.name)), layout.source);
    return analysis;
}

bool swipePassed(const SwipeAnalysis& analysis) {
    return failedChecks(analysis).isEmpty();
}

QStringList failedChecks(const SwipeAnalysis& analysis) {
    QStringList names;
    for (const SwipeCheck& check : analysis.checks)
        if (check.state == CheckState::Failed)
            names << check.name;
    return names;
}

void printSwipe(QTextStream& out, int number, const SwipeAnalysis& analysis, bool timed) {
    out << "Swipe " << number << ": " << swipeLine(analysis.tokens) << "\n"
        << (timed ? timingText(analysis.timing) : QStringLiteral("timing not measured")) << "\n";
    for (const SwipeCheck& check : analysis.checks)
        out << checkLine(check) << "\n";
}

QJsonObject swipeJson(int number, const SwipeAnalysis& analysis, bool timed) {
    QJsonArray checks;
    for (const SwipeCheck& check : analysis.checks)
        checks.append(QJsonObject{{QStringLiteral("name"), check.name},
                                  {QStringLiteral("state"), stateName(check.state)},
                                  {QStringLiteral("detail"), check.detail}});
    QJsonValue timing = QJsonValue::Null;
    if (timed)
        timing = QJsonObject{{QStringLiteral("keys"), analysis.timing.keys},
                             {QStringLiteral("durationMs"), analysis.timing.durationMs},
                             {QStringLiteral("minGapMs"), analysis.timing.minGapMs},
                             {QStringLiteral("medianGapMs"), analysis.timing.medianGapMs},
                             {QStringLiteral("maxGapMs"), analysis.timing.maxGapMs}};
    return {{QStringLiteral("swipe"), number},
            {QStringLiteral("tokens"), QJsonArray::fromStringList(analysis.tokens)},
            {QStringLiteral("line"), swipeLine(analysis.tokens)},
            {QStringLiteral("timing"), timing},
            {QStringLiteral("checks"), checks},
            {QStringLiteral("passed"), swipePassed(analysis)}};
}

int swipeCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                 const QString& factoryFile, TerminalInput& input, const TerminalLayoutSources& layouts) {
    QStringList files;
    std::optional<XkbLayoutName> givenLayout;
    int gapMs = kDefaultSwipeGapMs;
    double timeoutSeconds = -1;
    int count = -1;
    bool json = false;
    CardNumbers cardNumbers = CardNumbers::Masked;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--")) { // every word after it is a FILE
            files += args.mid(i + 1);
            break;
        }
        if (arg == QLatin1String("--json")) {
            json = true;
        } else if (arg == QLatin1String("--show-card-numbers")) {
            cardNumbers = CardNumbers::Shown;
        } else if (arg == QLatin1String("--gap")) {
            const auto value = numberAfter(args, i, kMinSwipeGapMs, kMaxSwipeGapMs);
            if (!value || *value != std::floor(*value))
                return usage(err, QStringLiteral("--gap needs whole milliseconds from %1 to %2")
                                      .arg(kMinSwipeGapMs)
                                      .arg(kMaxSwipeGapMs));
            gapMs = static_cast<int>(*value);
        } else if (arg == QLatin1String("--timeout")) {
            const auto value = numberAfter(args, i, 0.001, 24 * 3600);
            if (!value)
                return usage(err, QStringLiteral("--timeout needs seconds, more than 0"));
            timeoutSeconds = *value;
        } else if (arg == QLatin1String("--count")) {
            const auto value = numberAfter(args, i, 1, 1000000);
            if (!value || *value != std::floor(*value))
                return usage(err, QStringLiteral("--count needs a whole number from 1"));
            count = static_cast<int>(*value);
        } else if (arg == QLatin1String("--layout")) {
            givenLayout = i + 1 < args.size() ? parseXkbLayoutName(args.at(++i)) : std::nullopt;
            if (!givenLayout)
                return usage(err, QStringLiteral("--layout needs an XKB layout such as de or ch(fr)"));
        } else if (arg.startsWith(u'-') && arg != QLatin1String("-")) {
            return usage(err, QStringLiteral("unknown option '%1'").arg(arg));
        } else {
            files << arg;
        }
    }
    if (files.size() > 1)
        return usage(err, QStringLiteral("takes at most one FILE"));
    SettingsImage image{};
    if (const int status = loadSettingsFile(files.value(0, factoryFile), image, err))
        return status;

    const TerminalLayout layout =
        givenLayout ? TerminalLayout{givenLayout, QStringLiteral("--layout")} : findTerminalLayout(layouts);
    SwipeReader reader(input, gapMs);
    reader.setFrame(swipeFrame(image));
    if (reader.timed())
        err << "Swipe a card (Ctrl+C ends).\n";
    else
        err << "quorvel-cli: swipe: standard input is not a terminal: timing is not measured\n";
    if (!json)
        out << "Expected: " << expectedFrame(image) << "\n";
    out.flush();
    err.flush();
    // Output with nowhere to go (a pipe whose reader has gone) ends the run: the caller
    // says why, and the terminal is given back as it was.
    if (out.status() != QTextStream::Ok)
        return kFile;

    const qint64 deadline =
        timeoutSeconds < 0 ? -1
                           : input.nowMs() + static_cast<qint64>(std::ceil(timeoutSeconds * 1000));
    int swipes = 0;
    bool failed = false;
    bool timedOut = false;
    while (count < 0 || swipes < count) {
        const SwipeReader::Result result = reader.next(deadline);
        if (result.kind == SwipeReader::Result::Kind::TooLong) {
            err << "quorvel-cli: swipe: more than " << SwipeReader::kMostKeys
                << " keys without an end: not a reader's swipe\n";
            return kCheckFailed;
        }
        if (result.kind != SwipeReader::Result::Kind::Swipe) {
            timedOut = result.kind == SwipeReader::Result::Kind::TimedOut;
            break;
        }
        ++swipes;
        const SwipeAnalysis analysis = analyzeTerminalSwipe(result.keys, image, cardNumbers, layout);
        failed = failed || !swipePassed(analysis);
        if (json) {
            out << QJsonDocument(swipeJson(swipes, analysis, reader.timed()))
                       .toJson(QJsonDocument::Compact)
                << "\n";
        } else {
            out << "\n";
            printSwipe(out, swipes, analysis, reader.timed());
        }
        out.flush();
        if (out.status() != QTextStream::Ok)
            return kFile;
    }
    if (swipes == 0) {
        err << "quorvel-cli: swipe: no swipe came" << (timedOut ? " before the timeout" : "")
            << "\n";
        return kNoSwipe;
    }
    return failed ? kCheckFailed : kOk;
}

} // namespace quorvel
