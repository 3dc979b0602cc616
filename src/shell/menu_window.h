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

    // Before a file replaces the image: offers to save unsaved edits first (Yes, No,
    // Cancel). True when the image may be replaced.
    bool saveEditsFirst();
    // Reads a file into the image as Open does once its dialog gave the name, with
    // the same messages; the changed flag is cleared only when the file was read.
    void openFile(const QString& path);
    // Open for a name that comes without the dialog: the front step, the save
    // question, then the read.
    void openGivenFile(const QString& path);

    // Fits the menu into this window and re-fits the windows right of it.
    void fitToWindow();

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
