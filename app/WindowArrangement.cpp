#include "app/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>
#include <vector>

namespace kolvira {

namespace {

int TitleBarHeight(const QMdiSubWindow* window) {
    QStyleOptionTitleBar option;
    option.initFrom(window);
    return window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, window);
}

// Where `count` cascaded windows go in an area of `room`, `step` apart:
// their common size and each one's top-left corner, bottom window first.
struct CascadeLayout {
    QSize size;
    std::vector<QPoint> corners;
};

CascadeLayout LayOutCascade(QSize room, int count, int step) {
    CascadeLayout layout;
    if (count <= 0)
        return layout;
    step = std::max(step, 1);
    // A cascaded window keeps at least half the area; more windows than
    // fit at that size begin a new cascade at the corner.
    const QSize smallest(room.width() / 2, room.height() / 2);
    const int fitting = 1 + std::max(0, std::min((room.width() - smallest.width()) / step,
                                                 (room.height() - smallest.height()) / step));
    const int perCascade = std::min(count, fitting);
    layout.size =
        QSize(room.width() - (perCascade - 1) * step, room.height() - (perCascade - 1) * step);
    for (int i = 0; i < count; ++i) {
        const int place = i % perCascade;
        layout.corners.emplace_back(place * step, place * step);
    }
    return layout;
}

} // namespace

void CascadeWindows(QMdiArea& area) {
    // Bottom of the stack first and the active window last, on top.
    QMdiSubWindow* active = area.activeSubWindow();
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::StackingOrder)) {
        if (window != active && window->isVisible() && !window->isMinimized())
            windows.push_back(window);
    }
    if (active != nullptr && active->isVisible() && !active->isMinimized())
        windows.push_back(active);
    if (windows.empty())
        return;
    for (QMdiSubWindow* window : windows) {
        if (window->isMaximized())
            window->showNormal();
    }
    // Scroll bars shown for a window that stood outside the area go once
    // every window is inside: then the area has grown, so lay out again.
    QSize room;
    for (int pass = 0; pass < 2 && room != area.viewport()->size(); ++pass) {
        room = area.viewport()->size();
        const CascadeLayout layout =
            LayOutCascade(room, static_cast<int>(windows.size()), TitleBarHeight(windows.front()));
        for (std::size_t i = 0; i < windows.size(); ++i) {
            windows[i]->setGeometry(QRect(layout.corners[i], layout.size));
            windows[i]->raise();
        }
    }
    if (active != nullptr)
        area.setActiveSubWindow(active);
}

void ArrangeIcons(QMdiArea& area) {
    const QRect room = area.viewport()->rect();
    QPoint next(0, room.bottom() + 1);
    for (QMdiSubWindow* window : area.subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (next.x() > 0 && next.x() + size.width() > room.width())
            next = QPoint(0, next.y() - size.height());
        window->move(next.x(), next.y() - size.height());
        next.rx() += size.width();
    }
}

} // namespace kolvira
