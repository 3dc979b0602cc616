#pragma once

namespace quorvel {

class CommandCall;

// quorvel-cli simulate [FILE] [--card T1 T2 T3 | --card-file F] [--show-card-numbers]:
// what a reader with FILE's settings types for a card, checked as swipe checks it.
int simulateCommand(CommandCall& call);

} // namespace quorvel
