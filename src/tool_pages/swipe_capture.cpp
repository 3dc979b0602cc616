#include "swipe_capture.h"

#include "key_position.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace quorvel {

SwipeCapture::SwipeCapture(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("SwipeCapture"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAccessibleName(tr("Swipe capture"));
    setAccessibleDescription(
        tr("Click here, then swipe a card. Every key typed here is recorded; Ctrl+Tab moves on."));
    setToolTip(tr("Every key typed here is recorded; Ctrl+Tab moves on."));
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QSize SwipeCapture::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(tr("Click here, then swipe a card")) + 4 * metrics.height(),
            4 * metrics.height()};
}

bool SwipeCapture::movesFocusOn(const QKeyEvent* event) {
    return event->modifiers().testFlag(Qt::ControlModifier) &&
           (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab);
}

bool SwipeCapture::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claim every key before a shortcut of the window can act on it.
        if (!movesFocusOn(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (movesFocusOn(key)) {
            moveFocusOn(key);
        } else {
            emit keyPressed(KeyPosition::pressOf(*key, 0));
        }
        event->accept();
        return true;
    }
    case QEvent::KeyRelease:
        event->accept();
        return true;
    default:
        break;
    }
    return QFrame::event(event);
}

void SwipeCapture::moveFocusOn(const QKeyEvent* event) {
    const bool back =
        event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier);
    QFrame::focusNextPrevChild(!back);
}

// The main window claims Ctrl+Tab application-wide to switch its child windows;
// a filter installed later runs first, so here it moves on within the page.
bool SwipeCapture::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (movesFocusOn(key)) {
            moveFocusOn(key);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void SwipeCapture::focusInEvent(QFocusEvent* event) {
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    QFrame::focusInEvent(event);
    update();
    emit focusChanged(true);
}

void SwipeCapture::focusOutEvent(QFocusEvent* event) {
    qApp->removeEventFilter(this);
    QFrame::focusOutEvent(event);
    update();
    emit focusChanged(false);
}

// Tab is a key the reader may send: it stays here.
bool SwipeCapture::focusNextPrevChild(bool) {
    return false;
}

void SwipeCapture::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QFrame::mousePressEvent(event);
}

void SwipeCapture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.fillRect(inner, palette().brush(QPalette::Base));
    if (hasFocus()) {
        // A clear sign that keys now land here.
        QPen pen(palette().color(QPalette::Highlight), 3);
        painter.setPen(pen);
        painter.drawRect(inner.adjusted(1, 1, -2, -2));
    }
    painter.setPen(palette().color(hasFocus() ? QPalette::Text : QPalette::PlaceholderText));
    painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap,
                     tr("Click here, then swipe a card"));
}

} // namespace quorvel
