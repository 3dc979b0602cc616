#include "page_catalog.h"

#include "main_window.h"
#include "transmit_page.h"

namespace quorvel {

void registerPages(MainWindow& main, Session& session, Dialogs& dialogs) {
    (void)main;
    (void)session;
    (void)dialogs;
    // main.registerPage(group, item, [&] { return new SomePage(session, dialogs); });
    main.registerPage(3, 1, [&] { return new TransmitPage(session, dialogs); });
}

} // namespace quorvel
