#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace quorvel {

// Buttons whose every accessible action runs their click, as the mouse does.
// Qt offers only "Toggle" for a checkable button, and toggle() emits no clicked,
// so a command or an apply step hung on clicked would not run from a screen reader.

// A menu group: announced as a push button, whatever checked look it has.
class CommandPushButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandPushButton(const QString& text, QWidget* parent = nullptr);
};

// A menu item: announced as a push button, whatever checked look it has.
class CommandToolButton : public QToolButton {
    Q_OBJECT
public:
    explicit CommandToolButton(QWidget* parent = nullptr);
};

// An option button; some pages run their apply step on its click.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& text, QWidget* parent = nullptr);
};

} // namespace quorvel
