#include "main_window.h"

#include "menu_look.h"

#include "file_commands.h"
#include "menu_window.h"
#include "page_catalog.h"
#include "table_view.h"

#include "core/menu_table.h"
#include "core/session.h"
#include "ui/dialogs.h"
#include "ui/twips.h"
#include "ui/vertical_menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

namespace quorvel {

namespace {

// The window's outer size that the screen's free area holds. The window manager's
// frame is not known before the window is shown: a title bar's height is left for it.
QSize roomOnScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return screen->availableGeometry().size() - QSize(0, titleBar);
}

} // namespace

MainWindow::MainWindow(Session& session, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs), m_area(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIfrmMain"));
    setWindowTitle(tr("Quorvel for Brisk/Corda/Mallow Setting Application."));
    m_area->setObjectName(QStringLiteral("MDIClient"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setActivationOrder(QMdiArea::StackingOrder);
    setCentralWidget(m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, &MainWindow::childActivated);
    m_area->installEventFilter(this);

    // The designed outer size; the frame takes its share of it on screen. Never more
    // than the screen offers, as with a large scale factor on a small screen.
    resize(twipsSize(10410, 6510).boundedTo(roomOnScreen(*this)));

    m_menu = new MenuWindow(session, dialogs, *this);
    m_menuWindow = addChild(m_menu);
    m_menuWindow->setGeometry(0, 0, twips(2145), innerSize().height());
    m_menuWindow->show();

    m_table = new TableView(session);
    m_tableWindow = addChild(m_table);
    placeChild(m_tableWindow);
    bringToFront(m_tableWindow);

    registerPages(*this, session, dialogs);

    for (const MenuEntry& entry : kMenuEntries)
        if (menuLook(entry.id).shortcut != 0 && entry.group == kFileGroup)
            addMenuShortcut(entry);
    setAcceptDrops(true);
}

void MainWindow::addMenuShortcut(const MenuEntry& entry) {
    VerticalMenu* menu = m_menu->menu();
    const QKeySequence keys(menuLook(entry.id).shortcut);
    const QString caption = menu->itemCaption(entry.group, entry.item);
    auto* action = new QAction(caption, this);
    action->setObjectName(QStringLiteral("shortcut_%1").arg(caption));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    menu->itemButton(entry.group, entry.item)
        ->setToolTip(tr("%1 (%2)").arg(caption, keys.toString(QKeySequence::NativeText)));
    connect(action, &QAction::triggered, this, [menu, group = entry.group, item = entry.item] {
        menu->setOpenGroup(group);
        menu->itemButton(group, item)->click();
    });
    addAction(action);
}

QString MainWindow::droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    return urls.front().toLocalFile();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData()).isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedFile(event->mimeData()).isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Opened once the drop has finished: a message box inside the drop would keep
    // the other program's drag waiting.
    MenuWindow* menu = m_menu;
    QMetaObject::invokeMethod(
        menu, [menu, file] { menu->openGivenFile(file); }, Qt::QueuedConnection);
}

MainWindow::~MainWindow() {
    // The children outlive this object's own part of the destruction; they must not call back.
    disconnect(m_area, nullptr, this, nullptr);
    m_area->removeEventFilter(this);
    for (QMdiSubWindow* window : m_area->subWindowList())
        window->removeEventFilter(this);
}

QSize MainWindow::innerSize() const { return m_area->size(); }

QMdiSubWindow* MainWindow::addChild(ChildWindow* child) {
    QMdiSubWindow* window = m_area->addSubWindow(child, Qt::FramelessWindowHint);
    window->setObjectName(child->objectName() + QStringLiteral("Window"));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    // Children live as long as the main window; only the program's end closes them.
    window->installEventFilter(this);
    return window;
}

void MainWindow::registerPage(MenuId id, PageFactory factory) {
    m_pages[id].factory = std::move(factory);
}

QMdiSubWindow* MainWindow::existingPageWindow(MenuId id) const {
    const auto slot = m_pages.find(id);
    return slot == m_pages.end() ? nullptr : slot->second.window;
}

QMdiSubWindow* MainWindow::pageWindow(MenuId id) {
    const auto slot = m_pages.find(id);
    if (slot == m_pages.end())
        return nullptr;
    if (!slot->second.window) {
        slot->second.window = addChild(slot->second.factory());
        placeChild(slot->second.window);
    }
    return slot->second.window;
}

void MainWindow::showPage(MenuId id) {
    const bool created = existingPageWindow(id) == nullptr;
    QMdiSubWindow* window = pageWindow(id);
    if (!window)
        return;
    if (!created)
        placeChild(window);
    bringToFront(window);
}

void MainWindow::showTableView() {
    placeChild(m_tableWindow);
    bringToFront(m_tableWindow);
}

void MainWindow::bringToFront(QMdiSubWindow* window) {
    const bool alreadyActive = m_lastActivated == window;
    window->show();
    window->raise();
    m_area->setActiveSubWindow(window);
    if (alreadyActive) {
        // Still the active one: the menu click means "show me the image as it is now".
        if (auto* child = qobject_cast<ChildWindow*>(window->widget()))
            child->activate();
    } else {
        childActivated(window);
    }
    // A covered window keeps its state but leaves the screen, the Tab chain and
    // what assistive technology reports as showing.
    for (QMdiSubWindow* other : m_area->subWindowList())
        if (other != window && other != m_menuWindow && !other->isHidden())
            other->hide();
}

void MainWindow::childActivated(QMdiSubWindow* window) {
    // Returning from a message box re-activates the same child; that is no new activation.
    if (!window || window == m_lastActivated)
        return;
    m_lastActivated = window;
    if (auto* child = qobject_cast<ChildWindow*>(window->widget()))
        child->activate();
}

void MainWindow::placeChild(QMdiSubWindow* window) {
    const QRect menu = m_menuWindow->geometry();
    const QSize inner = innerSize();
    const int width = inner.width() - menu.width();
    window->setGeometry(menu.x() + menu.width(), menu.y(),
                        width > 0 ? width : m_tableWindow ? m_tableWindow->width() : window->width(),
                        inner.height());
}

void MainWindow::fitAllChildren() {
    if (m_tableWindow)
        placeChild(m_tableWindow);
    for (auto& [key, slot] : m_pages)
        if (slot.window)
            placeChild(slot.window);
}

MainWindow::EditsAnswer MainWindow::askToSaveEdits() {
    if (!m_session.changed)
        return EditsAnswer::NothingToSave;
    const Answer answer = m_dialogs.ask({tr("Do you want to save your setting ? (Y/N) "),
                                         programTitle(), Icon::Information, Buttons::YesNoCancel});
    if (answer == Answer::No)
        return EditsAnswer::No;
    if (answer != Answer::Yes)
        return EditsAnswer::Cancel;
    switch (runSaveDialog(m_session, m_dialogs)) {
    case SaveStep::NoName:
        return EditsAnswer::NoName;
    case SaveStep::Saved:
        m_dialogs.ask({tr("O.K."), tr("Save"), Icon::None, Buttons::Ok});
        return EditsAnswer::Saved;
    case SaveStep::NotSaved:
        m_dialogs.ask({tr("Data not saved ! "), tr("Save"), Icon::Stop, Buttons::Ok});
        return EditsAnswer::NotSaved;
    case SaveStep::Cancelled:
        break;
    }
    m_dialogs.ask({tr("Data not saved ! "), programTitle(), Icon::Information, Buttons::Ok});
    return EditsAnswer::NotSaved;
}

bool MainWindow::confirmEnd() {
    switch (askToSaveEdits()) {
    case EditsAnswer::NothingToSave:
    case EditsAnswer::No:
    case EditsAnswer::Saved:
    case EditsAnswer::NoName:
        return true;
    case EditsAnswer::Cancel:
    case EditsAnswer::NotSaved:
        break;
    }
    return false;
}

void MainWindow::endProgram(int exitCode) {
    if (m_ending)
        return;
    m_ending = true;
    close();
    emit programEnded(exitCode);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_ending) {
        event->accept();
        return;
    }
    if (!confirmEnd()) {
        event->ignore();
        return;
    }
    m_ending = true;
    event->accept();
    emit programEnded(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_area && event->type() == QEvent::Resize && m_menuWindow) {
        // The menu window takes the full inner height; its own resize fits the rest.
        // A change of width alone leaves its height as it was, so it is fitted here.
        const QSize before = m_menuWindow->size();
        m_menuWindow->resize(m_menuWindow->width(), innerSize().height());
        if (m_menuWindow->size() == before)
            m_menu->fitToWindow();
    } else if (event->type() == QEvent::Close && watched != this && !m_ending) {
        // A child window cannot be closed on its own (Ctrl+F4 in the MDI area).
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quorvel
