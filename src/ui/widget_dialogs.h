#pragma once

#include "dialogs.h"

#include <functional>

class QWidget;

namespace quorvel {

// Message boxes and file dialogs on QMessageBox and QFileDialog. The picker is
// left to the layer that can see it.
class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }
    // Where the file dialogs start, asked each time one opens; an empty or missing
    // folder leaves the dialog's own choice.
    void setStartFolder(std::function<QString()> folder) { m_startFolder = std::move(folder); }

    Answer ask(const Message& message) override;
    std::optional<QString> openFileName() override;
    std::optional<QString> saveFileName(const QString& proposedName) override;

protected:
    QWidget* parent() const { return m_parent; }

private:
    QString startFolder() const { return m_startFolder ? m_startFolder() : QString(); }

    QWidget* m_parent;
    std::function<QString()> m_startFolder;
};

} // namespace quorvel
