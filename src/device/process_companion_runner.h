#pragma once

#include "companion_runner.h"

namespace quorvel {

// CompanionRunner on QProcess: never through a shell, arguments passed as given.
class ProcessCompanionRunner : public CompanionRunner {
public:
    // Folders searched before the search path; by default the folder of this program.
    explicit ProcessCompanionRunner(QStringList firstFolders = {});

    CompanionRun run(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override;

    // The file that run() would start: the first executable one beside this program,
    // then on the search path; failing that the first file of that name at all, so
    // that starting it yields the system's reason. Empty when there is none.
    QString locate(const QString& program) const;

private:
    QStringList m_firstFolders;
};

// The runner the program uses, searching beside the program first.
CompanionRunner& systemCompanionRunner();

} // namespace quorvel
