#include "app/WindowMenu.h"

#include "app/WindowListDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace kolvira {

namespace {

// Marks the menu's items that the list made, to find them again.
const char* const kListItemName = "windowListItem";

QList<QMdiSubWindow*> OpenWindows(const QMdiArea& area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (window->isVisible())
            windows << window;
    }
    return windows;
}

void Activate(QMdiArea* area, QMdiSubWindow* window) {
    if (area == nullptr || window == nullptr)
        return;
    if (window->isMinimized())
        window->showNormal();
    area->setActiveSubWindow(window);
}

void ChooseFromAllWindows(QMdiArea* area) {
    const QList<QMdiSubWindow*> windows = OpenWindows(*area);
    QStringList titles;
    for (const QMdiSubWindow* window : windows)
        titles << window->windowTitle();
    WindowListDialog dialog(titles, static_cast<int>(windows.indexOf(area->activeSubWindow())),
                            area->window());
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() < 0)
        return;
    // The windows may have changed while the dialog was open.
    QPointer<QMdiSubWindow> chosen = windows.value(dialog.Chosen());
    if (chosen != nullptr && area->subWindowList().contains(chosen.data()))
        Activate(area, chosen);
}

QAction* AddListItem(QMenu& menu, const QString& text) {
    QAction* item = menu.addAction(text);
    item->setObjectName(QLatin1String(kListItemName));
    return item;
}

} // namespace

void FillWindowList(QMenu& menu, QMdiArea& area) {
    for (QAction* action : menu.actions()) {
        if (action->objectName() == QLatin1String(kListItemName))
            delete action;
    }
    const QList<QMdiSubWindow*> windows = OpenWindows(area);
    if (windows.isEmpty())
        return;
    menu.addSeparator()->setObjectName(QLatin1String(kListItemName));

    // The active window always has a place: past the ninth, it takes the last.
    QList<QMdiSubWindow*> listed = windows.mid(0, kWindowsListed);
    QMdiSubWindow* active = area.activeSubWindow();
    if (active != nullptr && windows.contains(active) && !listed.contains(active))
        listed.back() = active;

    QPointer<QMdiArea> guardedArea(&area);
    for (int i = 0; i < listed.size(); ++i) {
        QString title = listed[i]->windowTitle();
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* item = AddListItem(menu, QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        // Only the active window carries a check mark.
        item->setCheckable(listed[i] == active);
        item->setChecked(listed[i] == active);
        QPointer<QMdiSubWindow> window(listed[i]);
        QObject::connect(item, &QAction::triggered, &menu,
                         [guardedArea, window] { Activate(guardedArea, window); });
    }
    if (windows.size() > kWindowsListed) {
        QAction* more =
            AddListItem(menu, QCoreApplication::translate("WindowMenu", "&More Windows..."));
        QObject::connect(more, &QAction::triggered, &menu, [guardedArea] {
            if (guardedArea != nullptr)
                ChooseFromAllWindows(guardedArea);
        });
    }
}

void AddWindowSwitchingKeys(QWidget& frame, QMdiArea& area) {
    auto* next = new QAction(&frame);
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    QObject::connect(next, &QAction::triggered, &area, &QMdiArea::activateNextSubWindow);
    auto* previous = new QAction(&frame);
    // Shift turns Tab into Backtab; some keyboards report it as Tab.
    previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    QObject::connect(previous, &QAction::triggered, &area, &QMdiArea::activatePreviousSubWindow);
    for (QAction* action : {next, previous}) {
        action->setShortcutContext(Qt::WindowShortcut);
        frame.addAction(action);
    }
}

} // namespace kolvira
