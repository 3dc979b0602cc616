#include "simulate_command.h"

#include "cli.h"
#include "command_call.h"
#include "swipe_command.h"

#include "core/files/file_access.h"
#include "core/swipe/reader_model.h"
#include "core/swipe/swipe_frame.h"

#include <QFile>

namespace quorvel {

using namespace cli_status;

namespace {

// A test card such as card makers print on their own: no one's account.
Card testCard() {
    return {QStringLiteral("B4111111111111111^DOE/JOHN^2512101"), QStringLiteral("4111111111111111=2512101"),
            std::nullopt};
}

std::optional<QString> trackWord(const QString& word) {
    return word == QLatin1String("-") ? std::nullopt : std::optional<QString>(word);
}

// More than three tracks at their longest.
constexpr qint64 kMostCardFile = 4096;

// A card file: a track a line, tracks 1 to 3; an empty line is a track the card lacks.
int readCardFile(CommandCall& call, const QString& path, Card& card) {
    QFile file;
    if (const QString reason = openForReading(file, path); !reason.isEmpty()) {
        call.err() << "quorvel-cli: " << printable(path) << ": cannot read: " << printable(reason) << "\n";
        return kFile;
    }
    const QByteArray text = file.read(kMostCardFile + 1);
    if (text.size() > kMostCardFile) {
        call.err() << "quorvel-cli: " << printable(path) << ": not a card (larger than 4 KiB)\n";
        return kFile;
    }
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    std::optional<QString>* tracks[] = {&card.track1, &card.track2, &card.track3};
    for (int t = 0; t < 3; ++t) {
        const QString line = lines.value(t).chopped(lines.value(t).endsWith(u'\r') ? 1 : 0);
        *tracks[t] = line.isEmpty() ? std::nullopt : std::optional<QString>(line);
    }
    return kOk;
}

} // namespace

int simulateCommand(CommandCall& call) {
    if (call.args().size() > 1)
        return call.usage(QStringLiteral("simulate takes at most one FILE"));
    if (call.value(QStringLiteral("--card")) && call.value(QStringLiteral("--card-file")))
        return call.usage(QStringLiteral("simulate takes --card or --card-file, not both"));
    Card card = testCard();
    if (const QStringList words = call.words(QStringLiteral("--card")); !words.isEmpty())
        card = {trackWord(words.at(0)), trackWord(words.at(1)), trackWord(words.at(2))};
    if (const std::optional<QString> path = call.value(QStringLiteral("--card-file")))
        if (const int status = readCardFile(call, *path, card))
            return status;
    SettingsImage image{};
    if (const int status = call.load(call.args().value(0, call.context().factoryFile), image))
        return status;

    const ReaderTyping typing = readerKeys(image, card);
    const CardNumbers numbers =
        call.flag(QStringLiteral("--show-card-numbers")) ? CardNumbers::Shown : CardNumbers::Masked;
    // Checked as a swipe on the page is, on the reader's own layout: only the settings can fail.
    const SwipeAnalysis analysis = analyzeSwipe(typing.keys, image, numbers);
    call.out() << "Expected: " << expectedFrame(image) << "\n\n";
    printSwipe(call.out(), 1, analysis, false);
    for (const QString& part : typing.untypeable)
        call.out() << "cannot be typed: " << part << "\n";
    return typing.untypeable.isEmpty() && swipePassed(analysis) ? kOk : kCheckFailed;
}

} // namespace quorvel
