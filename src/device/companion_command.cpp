#include "companion_command.h"

#include "companion_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace quorvel {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// The word list, or nullopt when a quote is left open.
std::optional<QStringList> splitWords(const QString& text) {
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isBlank(c)) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0)
                return std::nullopt;
            word += text.mid(i + 1, end - i - 1);
            i = end;
        } else if (c == QLatin1Char('"')) {
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                const QChar d = text.at(i);
                if (d == QLatin1Char('"'))
                    break;
                if (d == QLatin1Char('\\') && i + 1 < text.size() &&
                    QStringLiteral("\\\"$`").contains(text.at(i + 1)))
                    word += text.at(++i);
                else
                    word += d;
            }
        } else if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            word += text.at(++i);
        } else {
            word += c;
        }
    }
    if (inWord)
        words << word;
    return words;
}

} // namespace

CompanionCommand companionCommandFrom(const QString& text) {
    if (text.trimmed().isEmpty())
        return {companionProgramName(), {}, false, {}};
    CompanionCommand command;
    command.fromEnvironment = true;
    std::optional<QStringList> words = splitWords(text);
    if (!words) {
        command.problem =
            QCoreApplication::translate("Transmission", "%1 cannot be used: a quote is not closed.")
                .arg(QLatin1String(kCompanionVariable));
        return command;
    }
    // Quotes around nothing leave an empty program; the run reports it as not found.
    command.program = words->takeFirst();
    command.arguments = *words;
    return command;
}

CompanionCommand companionCommand() {
    return companionCommandFrom(qEnvironmentVariable(kCompanionVariable));
}

bool isWindowsProgram(const QString& path) {
    // Only a regular file is read: a FIFO would block, a device could be anything.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

} // namespace quorvel
