#pragma once

#include "core/image/setting_fields.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>

namespace quorvel {

// Every item of the menu, once: where it sits and what it opens. How it looks is the
// window's (shell/menu_look.h).
enum class MenuId {
    Default,
    Open,
    Save,
    Exit,
    InterCharDelay,
    KeyboardLanguage,
    Terminator,
    MagneticCard,
    Amble,
    GeneralParameter,
    Transmit,
    SwipeTest,
    Summary,
    Compare,
    About,
    Count
};

inline constexpr int kFileGroup = 1;

struct MenuEntry {
    MenuId id;
    int group;           // 1 File, 2 Setting, 3 Transmit, 4 Tools
    int item;            // from 1 within its group
    const char* caption; // in the menu (context quorvel::MenuWindow)
    PageId page;         // the setting page it opens, if any
    const char* title;   // that page's heading in the Summary (context quorvel::SettingWords)
};

inline constexpr std::array<const char*, 4> kMenuGroups{
    QT_TRANSLATE_NOOP("quorvel::MenuWindow", "File"),
    QT_TRANSLATE_NOOP("quorvel::MenuWindow", "Setting"),
    QT_TRANSLATE_NOOP("quorvel::MenuWindow", "Transmit"),
    QT_TRANSLATE_NOOP("quorvel::MenuWindow", "Tools")};

#define QUORVEL_ITEM(text) QT_TRANSLATE_NOOP("quorvel::MenuWindow", text)
#define QUORVEL_TITLE(text) QT_TRANSLATE_NOOP("quorvel::SettingWords", text)

inline constexpr std::array<MenuEntry, static_cast<std::size_t>(MenuId::Count)> kMenuEntries{{
    {MenuId::Default, 1, 1, QUORVEL_ITEM("Default"), PageId::None, nullptr},
    {MenuId::Open, 1, 2, QUORVEL_ITEM("Open"), PageId::None, nullptr},
    {MenuId::Save, 1, 3, QUORVEL_ITEM("Save"), PageId::None, nullptr},
    {MenuId::Exit, 1, 4, QUORVEL_ITEM("Exit"), PageId::None, nullptr},
    {MenuId::InterCharDelay, 2, 1, QUORVEL_ITEM("InterCharacter Delay"), PageId::InterCharDelay,
     QUORVEL_TITLE("Intercharacter Delay")},
    {MenuId::KeyboardLanguage, 2, 2, QUORVEL_ITEM("Keyboard Language"), PageId::KeyboardLanguage,
     QUORVEL_TITLE("Keyboard Language")},
    {MenuId::Terminator, 2, 3, QUORVEL_ITEM("Terminator"), PageId::Terminator,
     QUORVEL_TITLE("Terminator")},
    {MenuId::MagneticCard, 2, 4, QUORVEL_ITEM("Magnetic Card"), PageId::MagneticCard,
     QUORVEL_TITLE("Magnetic Card")},
    {MenuId::Amble, 2, 5, QUORVEL_ITEM("Preamble & Postamble"), PageId::Amble,
     QUORVEL_TITLE("Preamble & Postamble")},
    {MenuId::GeneralParameter, 2, 6, QUORVEL_ITEM("General Parameter"), PageId::GeneralParameter,
     QUORVEL_TITLE("General Parameter")},
    {MenuId::Transmit, 3, 1, QUORVEL_ITEM("Transmit"), PageId::None, nullptr},
    {MenuId::SwipeTest, 4, 1, QUORVEL_ITEM("Swipe Test"), PageId::None, nullptr},
    {MenuId::Summary, 4, 2, QUORVEL_ITEM("Summary"), PageId::None, nullptr},
    {MenuId::Compare, 4, 3, QUORVEL_ITEM("Compare"), PageId::None, nullptr},
    {MenuId::About, 4, 4, QUORVEL_ITEM("About Quorvel"), PageId::None, nullptr},
}};

#undef QUORVEL_ITEM
#undef QUORVEL_TITLE

constexpr const MenuEntry& menuEntry(MenuId id) {
    return kMenuEntries[static_cast<std::size_t>(id)];
}

// The entry at a place in the menu; nullptr where there is none.
constexpr const MenuEntry* menuEntryAt(int group, int item) {
    for (const MenuEntry& entry : kMenuEntries)
        if (entry.group == group && entry.item == item)
            return &entry;
    return nullptr;
}

// The menu entry of a setting page.
constexpr const MenuEntry& menuEntry(PageId page) {
    for (const MenuEntry& entry : kMenuEntries)
        if (entry.page == page)
            return entry;
    return kMenuEntries[0];
}

namespace menu_checks {
// Listed in order, groups and items counting up from 1 without gaps, each setting page once.
constexpr bool inOrder() {
    int group = 1;
    int item = 0;
    for (std::size_t i = 0; i < kMenuEntries.size(); ++i) {
        const MenuEntry& e = kMenuEntries[i];
        if (static_cast<std::size_t>(e.id) != i)
            return false;
        if (e.group == group + 1) {
            group = e.group;
            item = 0;
        }
        if (e.group != group || e.item != ++item)
            return false;
    }
    for (std::size_t p = 0; p < kSettingPageCount; ++p)
        if (menuEntry(static_cast<PageId>(p)).page != static_cast<PageId>(p))
            return false;
    return group == static_cast<int>(kMenuGroups.size());
}
} // namespace menu_checks
static_assert(menu_checks::inOrder(),
              "kMenuEntries lists every item in menu order, each page once");

} // namespace quorvel
