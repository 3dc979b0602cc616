#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace quorvel {

class Session;

enum class Icon { None, Information, Stop, Critical };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// The title every box carries unless it names one of its own.
inline QString programTitle() { return QStringLiteral("Quorvel"); }

struct Message {
    QString text;
    QString title = programTitle();
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;

    friend bool operator==(const Message&, const Message&) = default;
};

// Every modal interaction passes through here, so tests can script the answers
// and assert each box exactly.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual Answer ask(const Message& message) = 0;

    // Both offer "MSR Data Files (*.msr)". nullopt: the dialog was cancelled.
    virtual std::optional<QString> openFileName() = 0;
    virtual std::optional<QString> saveFileName(const QString& proposedName) = 0;

    // Opens the keyboard picker; the choice comes back in the session's picked name and code.
    virtual void pickCharacter(Session& session) = 0;
};

} // namespace quorvel
