#pragma once

#include "terminal_layout.h"

#include "core/swipe/swipe_analysis.h"

#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

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

// quorvel-cli swipe [FILE] [--gap MS] [--timeout SECONDS] [--count N] [--layout XKB]
// [--json] [--show-card-numbers]: checks what a reader types against FILE's settings.
int swipeCommand(CommandCall& call);

} // namespace quorvel
