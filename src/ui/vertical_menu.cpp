#include "vertical_menu.h"

#include "accessible_click.h"

#include <QFontMetrics>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace quorvel {

QString buttonCaption(const QString& text) {
    QString caption = text;
    caption.replace(u'&', QStringLiteral("&&"));
    return caption;
}

VerticalMenu::VerticalMenu(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this)) {
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
}

int VerticalMenu::addGroup(const QString& caption) {
    const int number = groupCount() + 1;
    Group group;
    group.header = new CommandPushButton(buttonCaption(caption), this);
    group.header->setObjectName(QStringLiteral("%1_group_%2").arg(objectName()).arg(number));
    group.header->setAccessibleName(caption);
    group.header->setCheckable(true);
    group.header->setFocusPolicy(Qt::TabFocus);
    group.area = new QScrollArea(this);
    group.area->setFrameShape(QFrame::NoFrame);
    group.area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    group.area->setWidgetResizable(true);
    group.area->setBackgroundRole(QPalette::Mid);
    group.items = new QWidget;
    group.items->setBackgroundRole(QPalette::Mid);
    group.items->setAutoFillBackground(true);
    group.itemLayout = new QVBoxLayout(group.items);
    group.itemLayout->setContentsMargins(2, 6, 2, 6);
    group.itemLayout->setSpacing(4);
    group.itemLayout->addStretch(1);
    group.area->setWidget(group.items);
    group.area->hide();
    m_layout->addWidget(group.header);
    m_layout->addWidget(group.area, 1);
    connect(group.header, &QPushButton::clicked, this, [this, number] {
        setOpenGroup(number);
        setSelectedItem(0);
    });
    m_groups.push_back(group);
    if (m_openGroup == 0)
        setOpenGroup(number);
    else
        m_groups.back().header->setChecked(false);
    return number;
}

int VerticalMenu::addItem(int group, const QString& caption, IconSource icon) {
    Group& g = m_groups.at(static_cast<std::size_t>(group - 1));
    const int number = static_cast<int>(g.buttons.size()) + 1;
    QToolButton* button = new CommandToolButton(g.items);
    button->setObjectName(QStringLiteral("%1_item_%2_%3").arg(objectName()).arg(group).arg(number));
    button->setText(buttonCaption(caption));
    button->setAccessibleName(caption);
    if (icon) {
        if (m_placeholder.isNull()) {
            QPixmap blank(1, 1);
            blank.fill(Qt::transparent);
            m_placeholder = QIcon(blank);
        }
        button->setIcon(m_placeholder);
    }
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCheckable(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Keep the stretch last so items gather at the top.
    g.itemLayout->insertWidget(g.itemLayout->count() - 1, button);
    g.buttons.push_back(button);
    g.pendingIcons.push_back(std::move(icon));
    if (group == m_openGroup)
        makeIcons(g);
    connect(button, &QToolButton::clicked, this, [this, group, number] {
        m_selectedItem = number;
        showSelection();
        emit itemClicked(group, number);
    });
    return number;
}

int VerticalMenu::itemCount(int group) const {
    if (group < 1 || group > groupCount())
        return 0;
    return static_cast<int>(m_groups[static_cast<std::size_t>(group - 1)].buttons.size());
}

QString VerticalMenu::groupCaption(int group) const {
    QPushButton* header = groupButton(group);
    return header ? header->accessibleName() : QString();
}

QString VerticalMenu::itemCaption(int group, int item) const {
    QToolButton* button = itemButton(group, item);
    return button ? button->accessibleName() : QString();
}

// A caption too wide for the menu goes onto two lines, broken at the blank that
// leaves the longer line shortest, instead of being elided.
static QString fittedCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    const QString shown = buttonCaption(caption);
    if (metrics.horizontalAdvance(caption) <= width)
        return shown;
    qsizetype best = -1;
    int bestWidth = 0;
    for (qsizetype i = caption.indexOf(u' '); i >= 0; i = caption.indexOf(u' ', i + 1)) {
        const int longer = qMax(metrics.horizontalAdvance(caption.left(i)),
                                metrics.horizontalAdvance(caption.mid(i + 1)));
        if (best < 0 || longer < bestWidth) {
            best = i;
            bestWidth = longer;
        }
    }
    if (best < 0)
        return shown;
    return buttonCaption(caption.left(best)) + u'\n' + buttonCaption(caption.mid(best + 1));
}

void VerticalMenu::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (const Group& g : m_groups) {
        const QMargins margins = g.itemLayout->contentsMargins();
        const int room = width() - margins.left() - margins.right();
        for (QToolButton* button : g.buttons) {
            // What the button's style puts around its caption: blanks, frame and margins.
            const QFontMetrics metrics = button->fontMetrics();
            int caption = 0;
            for (const QString& line : button->text().split(u'\n'))
                caption = qMax(caption, metrics.size(Qt::TextShowMnemonic, line).width());
            const int padding = button->sizeHint().width() - qMax(caption, button->iconSize().width());
            button->setText(fittedCaption(button->accessibleName(), metrics, room - padding));
        }
    }
    fitItems();
}

void VerticalMenu::fitItems() {
    struct Spacing {
        int icon;
        int gap;
        int margin;
    };
    // The designed look first; tighter only where a group would scroll, and the
    // tightest still scrolls in a menu too short for it.
    static constexpr Spacing kSteps[] = {{24, 4, 6}, {20, 2, 3}, {16, 1, 2}};
    int headers = m_layout->spacing() * groupCount();
    for (const Group& g : m_groups)
        headers += g.header->sizeHint().height();
    const int room = height() - headers;
    for (const Spacing& step : kSteps) {
        bool fits = true;
        for (const Group& g : m_groups) {
            for (QToolButton* button : g.buttons)
                button->setIconSize(QSize(step.icon, step.icon));
            g.itemLayout->setSpacing(step.gap);
            g.itemLayout->setContentsMargins(2, step.margin, 2, step.margin);
            g.itemLayout->invalidate();
            fits = fits && g.itemLayout->sizeHint().height() <= room;
        }
        if (fits)
            break;
    }
}

void VerticalMenu::makeIcons(Group& group) {
    for (std::size_t i = 0; i < group.pendingIcons.size(); ++i) {
        if (IconSource source = std::exchange(group.pendingIcons[i], nullptr))
            group.buttons[i]->setIcon(source());
    }
}

void VerticalMenu::setOpenGroup(int group) {
    if (group < 1 || group > groupCount())
        return;
    m_openGroup = group;
    makeIcons(m_groups[static_cast<std::size_t>(group - 1)]);
    for (int i = 1; i <= groupCount(); ++i) {
        const Group& g = m_groups[static_cast<std::size_t>(i - 1)];
        g.header->setChecked(i == group);
        g.area->setVisible(i == group);
    }
    showSelection();
}

void VerticalMenu::setSelectedItem(int item) {
    m_selectedItem = item;
    showSelection();
}

void VerticalMenu::showSelection() {
    for (int i = 1; i <= groupCount(); ++i) {
        const Group& g = m_groups[static_cast<std::size_t>(i - 1)];
        for (std::size_t j = 0; j < g.buttons.size(); ++j) {
            const bool selected = i == m_openGroup && static_cast<int>(j) + 1 == m_selectedItem;
            g.buttons[j]->setChecked(selected);
            if (selected)
                g.area->ensureWidgetVisible(g.buttons[j]);
        }
    }
}

QToolButton* VerticalMenu::itemButton(int group, int item) const {
    if (item < 1 || item > itemCount(group))
        return nullptr;
    return m_groups[static_cast<std::size_t>(group - 1)].buttons[static_cast<std::size_t>(item - 1)];
}

QPushButton* VerticalMenu::groupButton(int group) const {
    if (group < 1 || group > groupCount())
        return nullptr;
    return m_groups[static_cast<std::size_t>(group - 1)].header;
}

} // namespace quorvel
