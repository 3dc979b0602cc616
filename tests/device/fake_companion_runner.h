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
        stopped = false;
        running = true;
        if (whileRunning)
            whileRunning();
        running = false;
        if (stopped)
            return {CompanionRun::Outcome::Stopped, result.program, {}, 0};
        return result;
    }
    void stop() override {
        ++stopRequests;
        stopped = stopped || running;
    }

    CompanionRun result{
        CompanionRun::Outcome::Exited, QStringLiteral("/opt/hop/Hoplink.exe"), {}, 0};
    std::function<void()> whileRunning;
    int runs = 0;
    int stopRequests = 0;
    bool running = false;
    bool stopped = false;
    QStringList programs;
    QStringList lastArguments;
    QStringList folders;
    QList<QByteArray> transferTexts;
};

} // namespace quorvel
