#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QPushButton;
class QToolButton;
class QVBoxLayout;
class QScrollArea;

namespace quorvel {

// A grouped vertical menu: group headers stacked, the open group's items with
// their icons shown beneath its header. Groups and items are numbered from 1.
class VerticalMenu : public QWidget {
    Q_OBJECT
public:
    explicit VerticalMenu(QWidget* parent = nullptr);

    // Makes an item's picture. Called when the item's group first opens, so the
    // pictures of closed groups cost nothing at start-up; empty for no picture.
    using IconSource = std::function<QIcon()>;

    int addGroup(const QString& caption);
    int addItem(int group, const QString& caption, IconSource icon);

    int groupCount() const { return static_cast<int>(m_groups.size()); }
    int itemCount(int group) const;
    QString groupCaption(int group) const;
    QString itemCaption(int group, int item) const;

    int openGroup() const { return m_openGroup; }
    void setOpenGroup(int group);

    // The selected item of the open group; 0 for none.
    int selectedItem() const { return m_selectedItem; }
    void setSelectedItem(int item);

    QToolButton* itemButton(int group, int item) const;
    QPushButton* groupButton(int group) const;

signals:
    void itemClicked(int group, int item);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Group {
        QPushButton* header = nullptr;
        // The items scroll when the menu is too short for all of them.
        QScrollArea* area = nullptr;
        QWidget* items = nullptr;
        QVBoxLayout* itemLayout = nullptr;
        std::vector<QToolButton*> buttons;
        // The pictures not made yet, by item; none once the group has been open.
        std::vector<IconSource> pendingIcons;
    };

    // Gives a group's items their pictures before the group first shows.
    void makeIcons(Group& group);

    void showSelection();
    // The roomiest item spacing at which every group's items show without scrolling.
    void fitItems();

    QVBoxLayout* m_layout;
    std::vector<Group> m_groups;
    // Stands in for a picture not made yet: a button's size and layout depend
    // only on its having one, so the menu fits the same before and after.
    QIcon m_placeholder;
    int m_openGroup = 0;
    int m_selectedItem = 0;
};

// A caption as a button shows it: "&" would mark an access key, so it is doubled.
QString buttonCaption(const QString& text);

} // namespace quorvel
