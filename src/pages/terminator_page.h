#pragma once

#include "setting_page.h"
#include "core/session.h"

#include <vector>

class QTabWidget;

namespace quorvel {

// frmTerminator: the keyboard terminator, and the RS-232 terminator
// on a tab that is kept behind, so it is carried along unchanged.
class TerminatorPage : public SettingPage {
    Q_OBJECT
public:
    TerminatorPage(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }

protected:
    void showBytes() override;
    bool apply() override;

private:
    QTabWidget* m_tabs;
    std::vector<QRadioButton*> m_keyboard; // Option1
    std::vector<QRadioButton*> m_rs232;    // Option2
};

} // namespace quorvel
