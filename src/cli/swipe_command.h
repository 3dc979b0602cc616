#pragma once

#include "terminal_layout.h"

#include "core/swipe/swipe_analysis.h"

#include <QJsonObject>

#include <QStringList>
#include <QTextStream>
#include <functional>

namespace quorvel {

class CommandCall;

// The analysis of the Swipe Test page, for keys read in a terminal. A terminal sees
// characters, not key positions: where this computer's layout is known, they are put back
// on its keys, and the keyboard-language check says which layout it took and from where.
SwipeAnalysis analyzeTerminalSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                                   CardNumbers cardNumbers, const TerminalLayout& layout = {});
bool swipePassed(const SwipeAnalysis& analysis);
// The names of the checks that failed; never card data.
QStringList failedChecks(const SwipeAnalysis& analysis);

// "Swipe 1: …", the timing, one line per check.
void printSwipe(QTextStream& out, int number, const SwipeAnalysis& analysis, bool timed);
QJsonObject swipeJson(int number, const SwipeAnalysis& analysis, bool timed);

class TerminalInput;

// How swipes are read by swipe and identify: until --count swipes, --timeout or the input's
// end, a pause of --gap or the reader's terminator ending each. `each` takes a swipe's keys
// (card data: held in memory only) and gives false when its output has nowhere to go.
struct SwipeRun {
    int status = 0; // kOk, or the status to end with (said on stderr but for an output error)
    int swipes = 0;
    bool timedOut = false;
};
SwipeRun readSwipes(CommandCall& call, TerminalInput& input, const SettingsImage& image,
                    const std::function<bool(const QList<CapturedKey>&, bool timed)>& each);
// "Swipe a card (Ctrl+C ends).", or that a pipe's timing is not measured, on stderr.
void sayHowSwipesAreRead(CommandCall& call, const TerminalInput& input);
// --layout's layout, else the one this computer's settings name.
TerminalLayout layoutOf(const CommandCall& call);

// quorvel-cli swipe [FILE] [--gap MS] [--timeout SECONDS] [--count N] [--layout XKB]
// [--json] [--show-card-numbers]: checks what a reader types against FILE's settings.
int swipeCommand(CommandCall& call);

} // namespace quorvel
