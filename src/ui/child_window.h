#pragma once

#include <QWidget>

namespace quorvel {

// A window that lives inside the main window and refreshes itself from the
// settings image each time it becomes the active child window.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void activate() {}
};

} // namespace quorvel
