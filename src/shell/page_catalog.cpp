#include "page_catalog.h"
#include "core/session.h"

#include "about_page.h"
#include "core/menu_table.h"
#include "main_window.h"
#include "table_view.h"
#include "transmit_page.h"

#include "pages/amble_page.h"
#include "pages/inter_char_delay_page.h"
#include "pages/language_page.h"
#include "pages/magnetic_page.h"
#include "pages/parameter_page.h"
#include "pages/terminator_page.h"
#include "tool_pages/compare_page.h"
#include "tool_pages/summary_page.h"
#include "tool_pages/swipe_test_page.h"

#include <QMdiSubWindow>

namespace quorvel {

void connectSwipeTestPage(MainWindow& main, SwipeTestPage& page) {
    QObject::connect(&page, &SwipeTestPage::languageProposed, &main, [&main](int code) {
        main.showPage(MenuId::KeyboardLanguage);
        if (QMdiSubWindow* window = main.existingPageWindow(MenuId::KeyboardLanguage))
            if (auto* language = qobject_cast<LanguagePage*>(window->widget()))
                language->proposeLanguage(code);
    });
    QObject::connect(&page, &SwipeTestPage::imageChanged, &main,
                     [&main] { main.tableView()->refresh(); });
}

void registerPages(MainWindow& main, Session& session, Dialogs& dialogs) {
    main.registerPage(MenuId::InterCharDelay,
                      [&] { return new InterCharDelayPage(session, dialogs); });
    main.registerPage(MenuId::KeyboardLanguage, [&] { return new LanguagePage(session, dialogs); });
    main.registerPage(MenuId::Terminator, [&] { return new TerminatorPage(session, dialogs); });
    main.registerPage(MenuId::MagneticCard, [&] { return new MagneticPage(session, dialogs); });
    main.registerPage(MenuId::Amble, [&] { return new AmblePage(session, dialogs); });
    main.registerPage(MenuId::GeneralParameter,
                      [&] { return new ParameterPage(session, dialogs); });
    main.registerPage(MenuId::Transmit, [&] { return new TransmitPage(session, dialogs); });
    main.registerPage(MenuId::SwipeTest, [&] {
        auto* page = new SwipeTestPage(session, dialogs);
        connectSwipeTestPage(main, *page);
        return page;
    });
    main.registerPage(MenuId::Summary, [&] { return new SummaryPage(session); });
    main.registerPage(MenuId::Compare, [&] { return new ComparePage(session, dialogs); });
    main.registerPage(MenuId::About, [&] { return new AboutPage(session); });
}

} // namespace quorvel
