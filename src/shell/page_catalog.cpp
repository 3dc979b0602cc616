#include "page_catalog.h"

#include "main_window.h"
#include "transmit_page.h"

#include "pages/amble_page.h"
#include "pages/inter_char_delay_page.h"
#include "pages/language_page.h"
#include "pages/magnetic_page.h"
#include "pages/parameter_page.h"
#include "pages/terminator_page.h"
#include "tools/compare_page.h"
#include "tools/summary_page.h"
#include "tools/swipe_test_page.h"

#include <QMdiSubWindow>

namespace quorvel {

void connectLanguageProposals(MainWindow& main, SwipeTestPage& page) {
    QObject::connect(&page, &SwipeTestPage::languageProposed, &main, [&main](int code) {
        main.showPage(2, 2);
        if (QMdiSubWindow* window = main.existingPageWindow(2, 2))
            if (auto* language = qobject_cast<LanguagePage*>(window->widget()))
                language->proposeLanguage(code);
    });
}

void registerPages(MainWindow& main, Session& session, Dialogs& dialogs) {
    main.registerPage(2, 1, [&] { return new InterCharDelayPage(session, dialogs); });
    main.registerPage(2, 2, [&] { return new LanguagePage(session, dialogs); });
    main.registerPage(2, 3, [&] { return new TerminatorPage(session, dialogs); });
    main.registerPage(2, 4, [&] { return new MagneticPage(session, dialogs); });
    main.registerPage(2, 5, [&] { return new AmblePage(session, dialogs); });
    main.registerPage(2, 6, [&] { return new ParameterPage(session, dialogs); });
    main.registerPage(3, 1, [&] { return new TransmitPage(session, dialogs); });
    main.registerPage(4, 1, [&] {
        auto* page = new SwipeTestPage(session);
        connectLanguageProposals(main, *page);
        return page;
    });
    main.registerPage(4, 2, [&] { return new SummaryPage(session); });
    main.registerPage(4, 3, [&] { return new ComparePage(session, dialogs); });
}

} // namespace quorvel
