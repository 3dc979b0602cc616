#pragma once

#include "dialogs.h"

class QWidget;

namespace quorvel {

// Message boxes and file dialogs on QMessageBox and QFileDialog. The picker is
// left to the layer that can see it.
class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    Answer ask(const Message& message) override;
    std::optional<QString> openFileName() override;
    std::optional<QString> saveFileName(const QString& proposedName) override;

protected:
    QWidget* parent() const { return m_parent; }

private:
    QWidget* m_parent;
};

} // namespace quorvel
