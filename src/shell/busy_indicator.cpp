#include "busy_indicator.h"

#include "ui/dialogs.h"
#include "ui/page_widgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

BusyIndicator::BusyIndicator(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_label(new QLabel(text, this)), m_layout(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("BusyIndicator"));
    setWindowTitle(programTitle());
    setWindowModality(Qt::ApplicationModal);
    m_label->setObjectName(QStringLiteral("BusyText"));
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("BusyBar"));
    bar->setRange(0, 0); // no known length: the bar just moves
    bar->setTextVisible(false);
    bar->setAccessibleName(text);
    m_layout->addWidget(m_label);
    m_layout->addWidget(bar);
    setMinimumWidth(320);
}

QPushButton* BusyIndicator::offerStop(const QString& caption, std::function<void()> action) {
    QPushButton* button = captionedButton(this, QStringLiteral("BusyStop"), caption);
    // Enter and Space press it; a question follows, so a slip costs nothing.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    m_layout->addWidget(button, 0, Qt::AlignRight);
    button->setFocus();
    return button;
}

void BusyIndicator::finish() {
    m_finished = true;
    close();
}

QString BusyIndicator::text() const {
    return m_label->text();
}

void BusyIndicator::setText(const QString& text) {
    m_label->setText(text);
}

// Escape would otherwise close it while the work goes on.
void BusyIndicator::reject() {
    if (m_finished)
        QDialog::reject();
}

void BusyIndicator::closeEvent(QCloseEvent* event) {
    if (m_finished)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace quorvel
