#pragma once

#include "ui/dialogs.h"
#include "core/session.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <deque>
#include <optional>

namespace quorvel {

// Records every box and file dialog and answers from queues. An unscripted
// question is answered Cancel (and a dialog cancelled) and counted as unexpected.
class ScriptedDialogs : public Dialogs {
public:
    Answer ask(const Message& message) override;
    std::optional<QString> openFileName() override;
    std::optional<QString> saveFileName(const QString& proposedName) override;
    void pickCharacter(Session& session) override;

    ScriptedDialogs& answer(Answer a) {
        answers.push_back(a);
        return *this;
    }
    // nullopt: the dialog is cancelled.
    ScriptedDialogs& file(const std::optional<QString>& name) {
        files.push_back({!name.has_value(), name.value_or(QString())});
        return *this;
    }
    // A pick as the picker would leave it: name and code (hex digits).
    ScriptedDialogs& pick(const QString& name, const QString& code) {
        picks.push_back({name, code});
        return *this;
    }

    std::deque<Answer> answers;
    struct FileAnswer {
        bool cancelled = true;
        QString name;
    };
    std::deque<FileAnswer> files;
    std::deque<QPair<QString, QString>> picks;

    QList<Message> messages;
    QStringList proposedNames; // what each Save dialog offered
    int openDialogs = 0;
    int pickerOpenings = 0;
    int unexpected = 0;
};

} // namespace quorvel
