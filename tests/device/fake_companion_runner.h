#pragma once

#include "device/companion_runner.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <functional>

namespace quorvel {

// Answers with a scripted run and records what it was asked, and what usbData.txt
// held at that moment.
class FakeCompanionRunner : public CompanionRunner {
public:
    CompanionRun run(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override {
        ++runs;
        programs << program;
        lastArguments = arguments;
        folders << workingFolder;
        QFile file(QDir(workingFolder).filePath(QStringLiteral("usbData.txt")));
        transferTexts << (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        if (whileRunning)
            whileRunning();
        return result;
    }

    CompanionRun result{
        CompanionRun::Outcome::Exited, QStringLiteral("/opt/hop/Hoplink.exe"), {}, 0};
    std::function<void()> whileRunning;
    int runs = 0;
    QStringList programs;
    QStringList lastArguments;
    QStringList folders;
    QList<QByteArray> transferTexts;
};

} // namespace quorvel
