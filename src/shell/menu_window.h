#pragma once

#include "ui/child_window.h"

namespace quorvel {

class Dialogs;
class MainWindow;
class Session;
class VerticalMenu;

// frmMenu: the vertical menu at the left edge and the file commands it runs.
class MenuWindow : public ChildWindow {
    Q_OBJECT
public:
    MenuWindow(Session& session, Dialogs& dialogs, MainWindow& main);

    VerticalMenu* menu() const { return m_menu; }

    void dispatch(int group, int item);
    void defaultCommand();
    void openCommand();
    void saveCommand();
    void exitCommand();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Hides the grid while a file command runs and brings the table view to the front.
    class FrontStep;

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_main;
    VerticalMenu* m_menu;
};

} // namespace quorvel
