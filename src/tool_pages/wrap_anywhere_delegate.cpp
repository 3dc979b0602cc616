#include "wrap_anywhere_delegate.h"

#include <QListWidget>

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace quorvel {

namespace {

constexpr qreal kUnbounded = 1e6;

QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

// The room between the item's edge and its text, as the styles leave it.
QMargins textMargins(const QStyleOptionViewItem& option) {
    QStyle* style = styleOf(option);
    const int h = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const int v = style->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, option.widget);
    return {h, v, h, v};
}

// Lays the text out in lines no wider than width (as wide as a line needs for
// width <= 0) and returns the size it takes.
QSizeF layOut(QTextLayout& layout, qreal width, Qt::LayoutDirection direction) {
    QTextOption wrap;
    wrap.setTextDirection(direction);
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    layout.beginLayout();
    qreal height = 0;
    qreal widest = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width > 0 ? width : kUnbounded);
        line.setPosition(QPointF(0, height));
        height += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return {widest, height};
}

// The item's lines as one paragraph with line separators, so that QTextLayout breaks them.
QString paragraph(QString text) {
    return text.replace(u'\n', QChar::LineSeparator);
}

// The width the view gives its items, without the text margins; 0 when unknown.
qreal textWidth(const QStyleOptionViewItem& option) {
    int width = option.rect.width();
    if (width <= 0) {
        if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
            width = view->viewport()->width();
    }
    if (width <= 0)
        return 0;
    const QMargins margins = textMargins(option);
    return std::max(1, width - margins.left() - margins.right());
}

} // namespace

QSize WrapAnywhereDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QTextLayout layout(paragraph(opt.text), opt.font);
    const QSizeF text = layOut(layout, textWidth(opt), opt.direction);
    const QMargins margins = textMargins(opt);
    return {static_cast<int>(std::ceil(text.width())) + margins.left() + margins.right(),
            static_cast<int>(std::ceil(text.height())) + margins.top() + margins.bottom()};
}

void WrapAnywhereDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = paragraph(opt.text);
    // The style draws the background, the selection and the focus; the text is drawn here.
    opt.text.clear();
    styleOf(opt)->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QRect room = opt.rect.marginsRemoved(textMargins(opt));
    QTextLayout layout(text, opt.font);
    const QSizeF size = layOut(layout, room.width(), opt.direction);
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                            : QPalette::Inactive;
    const QPalette::ColorRole role =
        opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setPen(opt.palette.color(group, role));
    const qreal top = room.top() + std::max<qreal>(0, (room.height() - size.height()) / 2);
    layout.draw(painter, QPointF(room.left(), top));
    painter->restore();
}

QListWidget* wrappingList(QWidget* parent, const QString& objectName, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setAccessibleName(name);
    // A swipe in ALT mode is one long run of digits; it wraps like the rest.
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setItemDelegate(new WrapAnywhereDelegate(list));
    // An item taller than the list scrolls into view line by line, not all or nothing.
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    return list;
}

} // namespace quorvel
