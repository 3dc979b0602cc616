#include "page_widgets.h"

#include "twips.h"
#include "vertical_menu.h"

#include <QLabel>
#include <QPushButton>

namespace quorvel {

QPushButton* captionedButton(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* button = new QPushButton(buttonCaption(caption), parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

QLabel* pageHeading(QWidget* parent, const QString& text) {
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setTextFormat(Qt::PlainText);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    heading->setFont(font);
    heading->move(twips(page_geometry::kMargin), twips(page_geometry::kHeadingTop));
    heading->adjustSize();
    return heading;
}

} // namespace quorvel
