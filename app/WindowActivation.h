// Bringing the program's window to the front when the desktop asks for it:
// a file opened from a file manager, a second start, a click on the launcher.
#pragma once

#include <QString>

class QWidget;

namespace kolvira {

// Restores `window` if minimized, raises and activates it. `token` is the
// one the desktop gave the request (a Wayland activation token or an X11
// startup id, empty when there is none): with it the desktop lets a program
// that was not in front take the focus, and ends the launch feedback.
void BringToFront(QWidget* window, const QString& token);

} // namespace kolvira
