#include "swipe_test_page.h"

#include "core/session.h"
#include "ui/page_widgets.h"

namespace quorvel {

SwipeTestPage::SwipeTestPage(const Session& session, QWidget* parent)
    : ChildWindow(parent), m_session(session) {
    setObjectName(QStringLiteral("frmSwipeTest"));
    setAutoFillBackground(true);
    pageHeading(this, tr("Swipe Test"));
}

} // namespace quorvel
