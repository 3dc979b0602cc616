#pragma once

#include "ui/child_window.h"

namespace quorvel {

class Session;

// The Swipe Test: records what a reader types and checks it against the settings image.
class SwipeTestPage : public ChildWindow {
    Q_OBJECT
public:
    explicit SwipeTestPage(const Session& session, QWidget* parent = nullptr);

private:
    const Session& m_session;
};

} // namespace quorvel
