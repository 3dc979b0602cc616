#pragma once

#include "setting_page.h"
#include "core/session.h"

#include <array>

namespace quorvel {

class CharacterEntry;

// frmAmble: up to ten characters sent before the card data
// and up to ten after it, each an entry of name button and code box.
class AmblePage : public SettingPage {
    Q_OBJECT
public:
    static constexpr int kEntries = 20;

    AmblePage(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void showBytes() override;
    bool apply() override;

private:
    void factoryStep();

    std::array<CharacterEntry*, kEntries> m_entries{};
};

} // namespace quorvel
