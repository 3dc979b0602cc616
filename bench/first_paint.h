#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

// Ends the event loop at the first paint of a window or of anything inside it.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(QWidget* window) : m_window(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(QCoreApplication::instance(), "quit", Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
};
