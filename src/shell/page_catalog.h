#pragma once

namespace quorvel {

class Dialogs;
class MainWindow;
class Session;

// Plugs each page into its menu item: one line a page.
void registerPages(MainWindow& main, Session& session, Dialogs& dialogs);

} // namespace quorvel
