#include "page_catalog.h"
#include "core/session.h"

#include "about_page.h"
#include "main_window.h"
#include "core/menu_table.h"
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

namespace {

template <typename Make>
void add(MainWindow& main, MenuId id, Make make) {
    main.registerPage(menuEntry(id).group, menuEntry(id).item, make);
}

} // namespace

void connectLanguageProposals(MainWindow& main, SwipeTestPage& page) {
    QObject::connect(&page, &SwipeTestPage::languageProposed, &main, [&main](int code) {
        const MenuEntry& entry = menuEntry(MenuId::KeyboardLanguage);
        main.showPage(entry.group, entry.item);
        if (QMdiSubWindow* window = main.existingPageWindow(entry.group, entry.item))
            if (auto* language = qobject_cast<LanguagePage*>(window->widget()))
                language->proposeLanguage(code);
    });
}

void registerPages(MainWindow& main, Session& session, Dialogs& dialogs) {
    add(main, MenuId::InterCharDelay, [&] { return new InterCharDelayPage(session, dialogs); });
    add(main, MenuId::KeyboardLanguage, [&] { return new LanguagePage(session, dialogs); });
    add(main, MenuId::Terminator, [&] { return new TerminatorPage(session, dialogs); });
    add(main, MenuId::MagneticCard, [&] { return new MagneticPage(session, dialogs); });
    add(main, MenuId::Amble, [&] { return new AmblePage(session, dialogs); });
    add(main, MenuId::GeneralParameter, [&] { return new ParameterPage(session, dialogs); });
    add(main, MenuId::Transmit, [&] { return new TransmitPage(session, dialogs); });
    add(main, MenuId::SwipeTest, [&] {
        auto* page = new SwipeTestPage(session);
        connectLanguageProposals(main, *page);
        return page;
    });
    add(main, MenuId::Summary, [&] { return new SummaryPage(session); });
    add(main, MenuId::Compare, [&] { return new ComparePage(session, dialogs); });
    add(main, MenuId::About, [&] { return new AboutPage(session); });
}

} // namespace quorvel
