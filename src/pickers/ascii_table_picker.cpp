#include "ascii_table_picker.h"

#include "core/session.h"
#include "ui/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableWidget>

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

constexpr int kRows = 17;
constexpr int kColumns = 9;
constexpr int kGridWidth = 4960;   // twips
constexpr int kColumnWidth = 550;  // twips
constexpr int kRowHeight = 240;    // twips
constexpr int kWindowExtra = 220;  // twips beyond the grid's width
constexpr int kHeaderRight = 570;  // twips: clicks left of this are on the header column
constexpr int kHeaderBottom = 255; // twips: clicks above this are on the header row
constexpr int kMargin = 110;       // twips

const std::array<const char*, 32> kControlNames = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

int codeAt(int row, int column) { return (column - 1) * 16 + (row - 1); }

QString cellText(int row, int column) {
    if (row == 0 && column == 0)
        return QStringLiteral("L \\ H");
    if (row == 0)
        return QStringLiteral(" %1").arg(column - 1);
    if (column == 0)
        return row <= 10 ? QStringLiteral(" %1").arg(row - 1)
                         : QString(QChar(u'A' + (row - 11)));
    const int code = codeAt(row, column);
    if (code < 32)
        return QString::fromLatin1(kControlNames[static_cast<std::size_t>(code)]);
    if (code == 32)
        return QStringLiteral("SP");
    if (code == 127)
        return QStringLiteral("DEL");
    return QString(QChar(code));
}

bool isHeader(int row, int column) { return row == 0 || column == 0; }

} // namespace

AsciiTablePicker::AsciiTablePicker(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_grid(new QTableWidget(kRows, kColumns, this)) {
    setObjectName(QStringLiteral("sfrmASC"));
    setWindowTitle(tr("RS-232 Interface   ASCII Table"));
    setModal(true);

    m_grid->setObjectName(QStringLiteral("MSHFlexGrid1"));
    m_grid->setAccessibleName(tr("ASCII Table"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    m_grid->setFont(font);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The headings are cells of their own, so that row and column numbers match the codes.
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    for (QHeaderView* header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
    }
    m_grid->horizontalHeader()->setDefaultSectionSize(twips(kColumnWidth));
    m_grid->verticalHeader()->setDefaultSectionSize(twips(kRowHeight));

    const QBrush headerBrush = palette().button();
    for (int column = 0; column < kColumns; ++column)
        for (int row = 0; row < kRows; ++row) {
            auto* item = new QTableWidgetItem(cellText(row, column));
            item->setTextAlignment(Qt::AlignCenter);
            if (isHeader(row, column)) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(headerBrush);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            m_grid->setItem(row, column, item);
        }
    m_grid->setCurrentCell(1, 1, QItemSelectionModel::NoUpdate);

    // Whole pixels per column make the cells a little wider than their twips,
    // so the grid grows by that much rather than cut off the last column.
    const int frame = 2 * m_grid->frameWidth();
    const int width = std::max(twips(kGridWidth), kColumns * twips(kColumnWidth) + frame);
    const int height = kRows * twips(kRowHeight) + frame;
    m_grid->setGeometry(twips(kMargin), twips(kMargin), width, height);
    setFixedSize(width + twips(kWindowExtra), height + 2 * twips(kMargin));

    m_grid->viewport()->installEventFilter(this);
    m_grid->installEventFilter(this);

    // Activation: the window is built anew for every opening.
    m_session.pickedName.clear();
    m_session.pickedCode.clear();
}

bool AsciiTablePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QPoint inGrid =
            m_grid->viewport()->mapTo(m_grid, static_cast<QMouseEvent*>(event)->position().toPoint());
        if (toTwips(inGrid.x()) >= kHeaderRight && toTwips(inGrid.y()) >= kHeaderBottom) {
            const QModelIndex cell = m_grid->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (cell.isValid())
                pick(cell.row(), cell.column());
        }
        return true;
    }
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            pick(m_grid->currentRow(), m_grid->currentColumn());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AsciiTablePicker::pick(int row, int column) {
    // A pixel on the edge of the header may still fall in the header cell.
    if (row < 0 || column < 0 || isHeader(row, column))
        return;
    m_session.pickedName = m_grid->item(row, column)->text();
    m_session.pickedCode = QString::number(codeAt(row, column), 16).toUpper();
    accept();
}

} // namespace quorvel
