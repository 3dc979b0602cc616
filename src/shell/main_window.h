#pragma once

#include <QMainWindow>

#include <functional>
#include <map>
#include <utility>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeySequence;
class QMdiArea;
class QMdiSubWindow;
class QMimeData;

namespace quorvel {

class ChildWindow;
class Dialogs;
class MenuWindow;
class Session;
class TableView;
struct MenuEntry;
enum class MenuId;

// MDIfrmMain: the frame holding the menu window, the table view and the pages.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using PageFactory = std::function<ChildWindow*()>;

    MainWindow(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // A page plugs in here: created on first use from its menu item.
    void registerPage(MenuId id, PageFactory factory);

    // Creates the window of a menu item if needed, brings it to the front and activates it.
    void showPage(MenuId id);
    void showTableView();
    // The window belonging to a menu item, created if needed but not brought to the front.
    QMdiSubWindow* pageWindow(MenuId id);
    QMdiSubWindow* existingPageWindow(MenuId id) const;

    // Places a child window right of the menu, filling the rest of the main window.
    void placeChild(QMdiSubWindow* window);
    void fitAllChildren();

    enum class EditsAnswer {
        NothingToSave, // the changed flag was False: nothing was asked
        No,
        Cancel,
        Saved,
        NoName,   // Yes, but the Save dialog returned an empty name
        NotSaved, // Yes, but the dialog was cancelled or the write failed (reported)
    };
    // "Do you want to save your setting ? (Y/N) " when there are unsaved edits, and on
    // Yes the save dialog step with its messages.
    EditsAnswer askToSaveEdits();
    // The save question of the exit prompt and the Exit command; true when the program may end.
    bool confirmEnd();
    // Ends at once: no exit prompt, nothing saved.
    void endProgram(int exitCode);
    bool hasEnded() const { return m_ending; }

    QMdiArea* area() const { return m_area; }
    MenuWindow* menuWindow() const { return m_menu; }
    TableView* tableView() const { return m_table; }
    QMdiSubWindow* menuSubWindow() const { return m_menuWindow; }
    QMdiSubWindow* tableSubWindow() const { return m_tableWindow; }
    QSize innerSize() const;

    // The settings file a drag carries: exactly one local file, or empty.
    static QString droppedFile(const QMimeData* data);

signals:
    void programEnded(int exitCode);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PageSlot {
        PageFactory factory;
        QMdiSubWindow* window = nullptr;
    };

    QMdiSubWindow* addChild(ChildWindow* child);
    // Ctrl+O, Ctrl+S, Ctrl+Q: the File group opened and its item clicked, as by hand.
    void addMenuShortcut(const MenuEntry& entry);
    void bringToFront(QMdiSubWindow* window);
    void childActivated(QMdiSubWindow* window);

    Session& m_session;
    Dialogs& m_dialogs;
    QMdiArea* m_area;
    MenuWindow* m_menu = nullptr;
    TableView* m_table = nullptr;
    QMdiSubWindow* m_menuWindow = nullptr;
    QMdiSubWindow* m_tableWindow = nullptr;
    QMdiSubWindow* m_lastActivated = nullptr;
    std::map<MenuId, PageSlot> m_pages;
    bool m_ending = false;
};

} // namespace quorvel
