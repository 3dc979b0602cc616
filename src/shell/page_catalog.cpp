#include "page_catalog.h"

#include "main_window.h"

namespace quorvel {

void registerPages(MainWindow& main, Session& session, Dialogs& dialogs) {
    (void)main;
    (void)session;
    (void)dialogs;
    // main.registerPage(group, item, [&] { return new SomePage(session, dialogs); });
}

} // namespace quorvel
