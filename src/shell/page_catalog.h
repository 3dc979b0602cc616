#pragma once

namespace quorvel {

class Dialogs;
class MainWindow;
class Session;
class SwipeTestPage;

// Plugs each page into its menu item: one line a page.
void registerPages(MainWindow& main, Session& session, Dialogs& dialogs);
// A language the Swipe Test proposes opens the Keyboard Language page with it selected, and
// the reader's settings it takes show in the table view.
void connectSwipeTestPage(MainWindow& main, SwipeTestPage& page);

} // namespace quorvel
