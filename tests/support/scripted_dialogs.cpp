#include "scripted_dialogs.h"

#include "core/session.h"

namespace quorvel {

Answer ScriptedDialogs::ask(const Message& message) {
    messages.append(message);
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty()) {
        ++unexpected;
        return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::openFileName() {
    ++openDialogs;
    if (files.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    const FileAnswer next = files.front();
    files.pop_front();
    if (next.cancelled)
        return std::nullopt;
    return next.name;
}

std::optional<QString> ScriptedDialogs::saveFileName(const QString& proposedName) {
    proposedNames.append(proposedName);
    if (files.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    const FileAnswer next = files.front();
    files.pop_front();
    if (next.cancelled)
        return std::nullopt;
    return next.name;
}

void ScriptedDialogs::pickCharacter(Session& session) {
    ++pickerOpenings;
    session.pickedName.clear();
    session.pickedCode.clear();
    if (picks.empty())
        return; // closed without a choice
    session.pickedName = picks.front().first;
    session.pickedCode = picks.front().second;
    picks.pop_front();
}

} // namespace quorvel
