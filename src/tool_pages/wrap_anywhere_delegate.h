#pragma once

#include <QStyledItemDelegate>

class QListWidget;

namespace quorvel {

// Shows an item's text wrapped at the view's width, breaking inside a word that
// does not fit (a long run of digits), so that no line hides sideways. The item's
// text stays as it is for Copy and for screen readers.
class WrapAnywhereDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A list whose items wrap anywhere, named for screen readers.
QListWidget* wrappingList(QWidget* parent, const QString& objectName, const QString& name);

} // namespace quorvel
