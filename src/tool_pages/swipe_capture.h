#pragma once

#include "core/keyboard/key_press.h"

#include <QFrame>

class QKeyEvent;

namespace quorvel {

// Where a reader types while the Swipe Test listens. Every key it receives is
// reported and not acted on, Tab and Esc included; only Ctrl+Tab and
// Ctrl+Shift+Tab, which no reader sends, move the focus on.
class SwipeCapture : public QFrame {
    Q_OBJECT
public:
    explicit SwipeCapture(QWidget* parent = nullptr);

    QSize sizeHint() const override;

signals:
    // The press with its position and modifier state; timeMs is 0 when the event carried no time.
    void keyPressed(const quorvel::KeyPress& press);
    void focusChanged(bool hasFocus);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static bool movesFocusOn(const QKeyEvent* event);
    void moveFocusOn(const QKeyEvent* event);
};

} // namespace quorvel
