#include "page_widgets.h"

#include "twips.h"
#include "vertical_menu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

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

void layOutTextWithCopy(QWidget* page, const QLabel* heading, QTextEdit* text, QPushButton* copy) {
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setTabChangesFocus(true);
    text->setLineWrapMode(QTextEdit::WidgetWidth);
    copy->setFixedSize(twipsSize(page_geometry::kButtonWidth, page_geometry::kButtonHeight));

    auto* layout = new QVBoxLayout(page);
    const int margin = twips(page_geometry::kMargin);
    layout->setContentsMargins(margin, heading->geometry().bottom() + twips(120), margin, margin);
    layout->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    layout->addLayout(buttons);
}

} // namespace quorvel
