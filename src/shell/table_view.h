#pragma once

#include "ui/child_window.h"

class QTableWidget;

namespace quorvel {

class Session;

// frmBase: the whole settings image as a read-only hexadecimal grid.
class TableView : public ChildWindow {
    Q_OBJECT
public:
    explicit TableView(Session& session, QWidget* parent = nullptr);

    void activate() override { refresh(); }
    void refresh();

    QTableWidget* grid() const { return m_grid; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Session& m_session;
    QTableWidget* m_grid;
    QSize m_gridSize; // the designed size, all cells showing
};

} // namespace quorvel
