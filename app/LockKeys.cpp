#include "app/LockKeys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace kolvira {

namespace {

// The indicator's bit in the keyboard's indicator state, looked up by name,
// since servers number their indicators differently.
unsigned IndicatorMask(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return 0;
    int index = -1;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, &index, &on, nullptr, nullptr) || index < 0)
        return 0;
    return 1u << index;
}

} // namespace

LockKeyState ReadLockKeys() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return {};
    unsigned state = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success)
        return {};
    return {(state & IndicatorMask(display, "Caps Lock")) != 0,
            (state & IndicatorMask(display, "Num Lock")) != 0,
            (state & IndicatorMask(display, "Scroll Lock")) != 0};
}

} // namespace kolvira
