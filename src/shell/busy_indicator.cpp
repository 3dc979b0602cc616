#include "busy_indicator.h"

#include "ui/dialogs.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace quorvel {

BusyIndicator::BusyIndicator(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_label(new QLabel(text, this)) {
    setObjectName(QStringLiteral("BusyIndicator"));
    setWindowTitle(programTitle());
    setWindowModality(Qt::ApplicationModal);
    m_label->setObjectName(QStringLiteral("BusyText"));
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("BusyBar"));
    bar->setRange(0, 0); // no known length: the bar just moves
    bar->setTextVisible(false);
    bar->setAccessibleName(text);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(bar);
    setMinimumWidth(320);
}

void BusyIndicator::finish() {
    m_finished = true;
    close();
}

QString BusyIndicator::text() const {
    return m_label->text();
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
