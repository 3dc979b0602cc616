#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace quorvel {

// A modal "working" box: shown while something runs that the person must wait for.
// It cannot be closed by hand; only finish() closes it. It may offer a button that asks
// for the work to end.
class BusyIndicator : public QDialog {
    Q_OBJECT
public:
    BusyIndicator(const QString& text, QWidget* parent);

    void finish();
    QString text() const;
    void setText(const QString& text);
    // Adds a button with the caption that calls the action; the action decides what
    // happens, the box stays until finish().
    QPushButton* offerStop(const QString& caption, std::function<void()> action);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_label;
    QVBoxLayout* m_layout;
    bool m_finished = false;
};

} // namespace quorvel
