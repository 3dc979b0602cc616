#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs the action on the modal window named objectName once its exec() has
// shown it. Should it never appear, every window is closed so the test cannot hang.
inline void whenModal(const QString& objectName, std::function<void(QWidget*)> action,
                      int triesLeft = 200) {
    QTimer::singleShot(10, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == objectName && modal->isVisible()) {
            action(modal);
        } else if (triesLeft > 0) {
            whenModal(objectName, action, triesLeft - 1);
        } else {
            qWarning("modal window %s never appeared", qPrintable(objectName));
            QApplication::closeAllWindows();
        }
    });
}
