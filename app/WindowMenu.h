// The list of document windows at the foot of the Window menu: "&1 title"
// to "&9 title", the active one checked, then "&More Windows..." when there
// are more than nine.
#pragma once

class QMdiArea;
class QMenu;

class QWidget;

namespace kolvira {

inline constexpr int kWindowsListed = 9;

// Replaces the list the menu carries with one of the windows open now; run
// as the menu opens. The items belong to the menu.
void FillWindowList(QMenu& menu, QMdiArea& area);

// Ctrl+Tab and Ctrl+Shift+Tab in `frame` activate the next and the previous
// document window, in the order they were opened, round and round.
void AddWindowSwitchingKeys(QWidget& frame, QMdiArea& area);

} // namespace kolvira
