#include "swipe_command.h"

#include "cli.h"
#include "command_call.h"
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
        options.withoutPositions =
            QStringLiteral("not checked in a terminal: this computer's layout %1 (from %2) is "
                           "the layout of none of the reader's keyboard languages")
                .arg(printable(xkbLayoutText(*layout.name)), layout.source);
    } else {
        options.withoutPositions =
            QStringLiteral("not checked in a terminal: a terminal sees characters, not key "
                           "positions, and this computer's layout is not known; give "
                           "--layout XKB[(VARIANT)]");
    }
    SwipeAnalysis analysis = analyzeSwipe(read, image, options);
    // The keyboard-language check comes first.
    if (SwipeCheck& check = analysis.checks.first();
        language >= 0 && check.state != CheckState::NotChecked)
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

TerminalLayout layoutOf(const CommandCall& call) {
    const std::optional<QString> given = call.value(QStringLiteral("--layout"));
    return given ? TerminalLayout{parseXkbLayoutName(*given), QStringLiteral("--layout")}
                 : findTerminalLayout(call.context().layouts);
}

SwipeRun readSwipes(CommandCall& call, TerminalInput& input, const SettingsImage& image,
                    const std::function<bool(const QList<CapturedKey>&, bool timed)>& each) {
    QTextStream& err = call.err();
    const QString name = call.name();
    const int gapMs =
        static_cast<int>(call.number(QStringLiteral("--gap")).value_or(kDefaultSwipeGapMs));
    const double timeoutSeconds = call.number(QStringLiteral("--timeout")).value_or(-1);
    const int count = static_cast<int>(call.number(QStringLiteral("--count")).value_or(-1));
    SwipeReader reader(input, gapMs);
    reader.setFrame(swipeFrame(image));
    const qint64 deadline =
        timeoutSeconds < 0 ? -1
                           : input.nowMs() + static_cast<qint64>(std::ceil(timeoutSeconds * 1000));
    SwipeRun run;
    while (count < 0 || run.swipes < count) {
        const SwipeReader::Result result = reader.next(deadline);
        if (result.kind == SwipeReader::Result::Kind::TooLong) {
            err << "quorvel-cli: " << name << ": more than " << SwipeReader::kMostKeys
                << " keys without an end: not a reader's swipe\n";
            run.status = kCheckFailed;
            return run;
        }
        if (result.kind != SwipeReader::Result::Kind::Swipe) {
            run.timedOut = result.kind == SwipeReader::Result::Kind::TimedOut;
            break;
        }
        ++run.swipes;
        if (!each(result.keys, reader.timed())) {
            run.status = kFile;
            return run;
        }
    }
    if (run.swipes == 0) {
        err << "quorvel-cli: " << name << ": no swipe came"
            << (run.timedOut ? " before the timeout" : "") << "\n";
        run.status = kNoSwipe;
    }
    return run;
}

void sayHowSwipesAreRead(CommandCall& call, const TerminalInput& input) {
    if (input.isTerminal())
        call.err() << "Swipe a card (Ctrl+C ends).\n";
    else
        call.err() << "quorvel-cli: " << call.name()
                   << ": standard input is not a terminal: timing is not measured\n";
}

int swipeCommand(CommandCall& call) {
    if (call.args().size() > 1)
        return call.usage(QStringLiteral("swipe takes at most one FILE"));
    if (!call.context().openTerminal)
        return call.unavailable();
    QTextStream& out = call.out();
    // Raw from here on, as when the keys are read: what a reader types meanwhile is not echoed.
    const std::unique_ptr<TerminalInput> terminal = call.context().openTerminal();
    const bool json = call.flag(QStringLiteral("--json"));
    const CardNumbers cardNumbers =
        call.flag(QStringLiteral("--show-card-numbers")) ? CardNumbers::Shown : CardNumbers::Masked;
    SettingsImage image{};
    if (const int status =
            loadSettingsFile(call.args().value(0, call.context().factoryFile), image, call.err()))
        return status;

    const TerminalLayout layout = layoutOf(call);
    sayHowSwipesAreRead(call, *terminal);
    if (!json)
        out << "Expected: " << expectedFrame(image) << "\n";
    out.flush();
    call.err().flush();
    // Output with nowhere to go (a pipe whose reader has gone) ends the run: the caller
    // says why, and the terminal is given back as it was.
    if (out.status() != QTextStream::Ok)
        return kFile;

    bool failed = false;
    int number = 0;
    const SwipeRun run =
        readSwipes(call, *terminal, image, [&](const QList<CapturedKey>& keys, bool timed) {
            const SwipeAnalysis analysis = analyzeTerminalSwipe(keys, image, cardNumbers, layout);
            failed = failed || !swipePassed(analysis);
            if (json) {
                out << QJsonDocument(swipeJson(++number, analysis, timed))
                           .toJson(QJsonDocument::Compact)
                    << "\n";
            } else {
                out << "\n";
                printSwipe(out, ++number, analysis, timed);
            }
            out.flush();
            return out.status() == QTextStream::Ok;
        });
    if (run.status != kOk)
        return run.status;
    return failed ? kCheckFailed : kOk;
}

} // namespace quorvel
