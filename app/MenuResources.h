// The menus of the main window and the texts of every command: the menu
// resources 128 (no document window), 129 (photo windows) and 130 (Mosaic
// windows), the accelerator table, and the status-bar prompts and tooltips.
#pragma once

#include <QKeySequence>
#include <QString>

#include <vector>

namespace kolvira {

inline constexpr int kMenuNoDocument = 128;
inline constexpr int kMenuPhoto = 129;
inline constexpr int kMenuMosaic = 130;

struct MenuPopup;

// An item of a popup: a command with its menu text, a separator (id 0),
// the place of the recent-file list (ID_FILE_MRU_FIRST), or a submenu (id 0,
// with its popup). Texts are the English source texts; the menus show their
// translations.
struct MenuItem {
    int id;
    const char* text;
    const MenuPopup* submenu = nullptr;
};

// The title is translated in the context "MenuBar" (a submenu's in its
// menu's context), the items in `context`, one for each menu, so that a
// translation keeps each menu's mnemonics apart.
struct MenuPopup {
    const char* title;
    const char* context;
    std::vector<MenuItem> items;
};

const std::vector<MenuPopup>& MenuResource(int menuId);

// The status-bar prompt and the tooltip of a command; empty when it has none.
struct CommandPrompt {
    QString prompt;
    QString tooltip;
};
CommandPrompt PromptOf(int commandId);

// Accelerator table 128.
struct Accelerator {
    QKeySequence keys;
    int id;
};
const std::vector<Accelerator>& Accelerators();

} // namespace kolvira
