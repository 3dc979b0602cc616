#pragma once

#include "setting_page.h"
#include "core/session.h"

#include <vector>

namespace quorvel {

// frmLanguage: the keyboard layout the reader types with, or the
// ALT mode instead.
class LanguagePage : public SettingPage {
    Q_OBJECT
public:
    LanguagePage(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    // Selects a language as a proposal from elsewhere (the Swipe Test): nothing
    // is written until the person accepts it.
    void proposeLanguage(int code);

protected:
    void showBytes() override;
    bool apply() override;

private:
    QRadioButton* altMode() const { return m_options.back(); }
    int languageCount() const { return static_cast<int>(m_options.size()) - 2; }

    // Option1: index = language code, 0 to 16; 17 is left out; 18 is "ALT Mode".
    std::vector<QRadioButton*> m_options;
};

} // namespace quorvel
