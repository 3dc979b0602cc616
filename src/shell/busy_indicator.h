#pragma once

#include <QDialog>

class QLabel;

namespace quorvel {

// A modal "working" box: shown while something runs that the person must wait for.
// It cannot be closed by hand; only finish() closes it.
class BusyIndicator : public QDialog {
    Q_OBJECT
public:
    BusyIndicator(const QString& text, QWidget* parent);

    void finish();
    QString text() const;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_label;
    bool m_finished = false;
};

} // namespace quorvel
