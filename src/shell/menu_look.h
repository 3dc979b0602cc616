#pragma once

#include "core/menu_table.h"

#include <QKeyCombination>

#include <array>

namespace quorvel {

// How the menu's items look and are reached from the keyboard: the window's business, kept
// beside the menu's order in core by the same ids.
struct MenuLook {
    MenuId id;
    const char* icon; // the name of a QStyle::StandardPixmap
    int shortcut;     // a Qt key combination, 0 for none
};

inline constexpr std::array<MenuLook, static_cast<std::size_t>(MenuId::Count)> kMenuLooks{{
    {MenuId::Default, "SP_BrowserReload", 0},
    {MenuId::Open, "SP_DialogOpenButton", QKeyCombination(Qt::CTRL, Qt::Key_O).toCombined()},
    {MenuId::Save, "SP_DialogSaveButton", QKeyCombination(Qt::CTRL, Qt::Key_S).toCombined()},
    {MenuId::Exit, "SP_DialogCloseButton", QKeyCombination(Qt::CTRL, Qt::Key_Q).toCombined()},
    {MenuId::InterCharDelay, "SP_MediaSeekForward", 0},
    {MenuId::KeyboardLanguage, "SP_ComputerIcon", 0},
    {MenuId::Terminator, "SP_MediaStop", 0},
    {MenuId::MagneticCard, "SP_DriveFDIcon", 0},
    {MenuId::Amble, "SP_FileDialogListView", 0},
    {MenuId::GeneralParameter, "SP_FileDialogDetailedView", 0},
    {MenuId::Transmit, "SP_ArrowRight", 0},
    {MenuId::SwipeTest, "SP_FileDialogContentsView", 0},
    {MenuId::Summary, "SP_FileDialogInfoView", 0},
    {MenuId::Compare, "SP_FileLinkIcon", 0},
    {MenuId::About, "SP_MessageBoxInformation", 0},
}};

constexpr const MenuLook& menuLook(MenuId id) {
    return kMenuLooks[static_cast<std::size_t>(id)];
}

namespace menu_look_checks {
constexpr bool byId() {
    for (std::size_t i = 0; i < kMenuLooks.size(); ++i)
        if (static_cast<std::size_t>(kMenuLooks[i].id) != i)
            return false;
    return true;
}
} // namespace menu_look_checks
static_assert(menu_look_checks::byId(), "kMenuLooks lists every menu item in the order of its id");

} // namespace quorvel
