// The busy cursor for as long as the object lives: around work that keeps
// the user-interface thread for a noticeable time (rendering, building
// thumbnails, printing, saving).
#pragma once

#include <QApplication>

namespace kolvira {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace kolvira
