// The state of Caps Lock, Num Lock and Scroll Lock, read from the X server
// where there is one. Without one (offscreen, Wayland without XWayland) the
// state is unknown and every lock counts as off.
#pragma once

namespace kolvira {

struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

LockKeyState ReadLockKeys();

} // namespace kolvira
