#include "table_view.h"

#include "core/session.h"
#include "ui/twips.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

namespace quorvel {

namespace {

constexpr int kColumnWidth = 449; // twips
constexpr int kRowHeight = 240;   // twips

QTableWidgetItem* centredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

TableView::TableView(Session& session, QWidget* parent)
    : ChildWindow(parent), m_session(session), m_grid(new QTableWidget(8, 16, this)) {
    setObjectName(QStringLiteral("frmBase"));
    m_grid->setObjectName(QStringLiteral("Dtable"));
    m_grid->setAccessibleName(tr("Settings table"));
    m_grid->setToolTip(tr("Double click to refresh"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    // At the designed size every cell shows; only a window squeezed by a small
    // screen makes the grid scroll.
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The grid's designed face where the system has it; looking up a missing
    // family by name would cost a slow font substitution at every start.
    QFont font = m_grid->font();
    const QString designed = QStringLiteral("MS Sans Serif");
    if (QFontDatabase::hasFamily(designed))
        font.setFamily(designed);
    font.setPointSizeF(8.25);
    m_grid->setFont(font);
    m_grid->setCornerButtonEnabled(false);

    QHeaderView* top = m_grid->horizontalHeader();
    QHeaderView* left = m_grid->verticalHeader();
    top->setSectionResizeMode(QHeaderView::Fixed);
    left->setSectionResizeMode(QHeaderView::Fixed);
    top->setDefaultSectionSize(twips(kColumnWidth));
    left->setDefaultSectionSize(twips(kRowHeight));
    top->setMinimumSectionSize(1);
    left->setMinimumSectionSize(1);
    left->setFixedWidth(twips(kColumnWidth));
    top->setFixedHeight(twips(kRowHeight));
    top->setDefaultAlignment(Qt::AlignCenter);
    left->setDefaultAlignment(Qt::AlignCenter);
    for (int c = 0; c < 16; ++c)
        m_grid->setHorizontalHeaderItem(c, centredItem(QString::number(c, 16).toUpper()));
    for (int r = 0; r < 8; ++r)
        m_grid->setVerticalHeaderItem(r, centredItem(QString::number(r)));
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 16; ++c)
            m_grid->setItem(r, c, centredItem(QString()));

    // Just wide and high enough for the headings and 8 x 16 cells.
    const int frame = 2 * m_grid->frameWidth();
    m_gridSize = QSize(left->width() + top->length() + frame, top->height() + left->length() + frame);
    m_grid->setGeometry(QRect(QPoint(twips(180), twips(1460)), m_gridSize));

    // The headings belong to the grid too: its tool tip shows there, so a double click refreshes.
    for (QWidget* surface : {m_grid->viewport(), top->viewport(), left->viewport()})
        surface->installEventFilter(this);
}

bool TableView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == m_grid->viewport() || watched == m_grid->horizontalHeader()->viewport() ||
         watched == m_grid->verticalHeader()->viewport()))
        refresh();
    return ChildWindow::eventFilter(watched, event);
}

void TableView::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    const QSize room = size() - QSize(2 * m_grid->x(), m_grid->y() + m_grid->x());
    QSize wanted = m_gridSize;
    // A horizontal scroll bar takes its height from the rows unless the grid grows by it.
    if (room.width() < wanted.width())
        wanted.rheight() += m_grid->horizontalScrollBar()->sizeHint().height();
    m_grid->resize(wanted.boundedTo(room.expandedTo(QSize(1, 1))));
}

void TableView::refresh() {
    for (int k = 0; k < kImageSize; ++k)
        m_grid->item(k / 16, k % 16)->setText(QString::number(m_session.byte(k), 16).toUpper());
}

} // namespace quorvel
