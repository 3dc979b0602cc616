#pragma once

#include <QDialog>

class QTableWidget;

namespace quorvel {

class Session;

// The 128 ASCII codes in a grid, high digit across, low digit down. One click
// on a character chooses it. Built anew for every opening.
class AsciiTablePicker : public QDialog {
    Q_OBJECT
public:
    explicit AsciiTablePicker(Session& session, QWidget* parent = nullptr);

    QTableWidget* grid() const { return m_grid; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pick(int row, int column);

    Session& m_session;
    QTableWidget* m_grid;
};

} // namespace quorvel
