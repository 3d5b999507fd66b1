// The program's one top-level window: the MDI area holding the document
// windows, the menus of the active window's kind, the toolbar and the status
// bar. It owns the progress bar that the views use, and it
// routes every command to the active view, its document, itself or the
// application, enabling exactly the commands that route handles.
#pragma once

#include "app/FullScreen.h"
#include "framework/StatusProgress.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace kolvira {

struct MenuPopup;

class ChildFrame;
class Application;
class View;
class CommandActions;
class HelpWindow;
struct MenuItem;
class KolviraStatusBar;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Application& app);
    ~MainWindow() override;

    QMdiArea* MdiArea() const { return mdiArea_; }
    KolviraStatusBar* StatusBar() const { return statusBar_; }
    QToolBar* ToolBar() const { return toolBar_; }
    CommandActions& Actions() const { return *actions_; }
    // The status bar's progress indicator, which long operations show.
    StatusProgress* Progress() const { return progress_.get(); }

    // The frame and view of the active document window (the last one
    // activated, also while the main window itself is inactive).
    ChildFrame* ActiveFrame() const;
    View* ActiveView() const;
    // 128 with no document window, else 129 (photo) or 130 (Mosaic).
    int CurrentMenuId() const { return menuId_; }

    bool RouteHandles(int commandId) const;
    void OnCommand(int commandId);
    // Enables each action by the route, shows the right menu and title.
    void UpdateCommandUI();

    // The help window while it is open, else null.
    HelpWindow* Help() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Photos and folders dropped on the window open as File → Open opens
    // them; a folder opens its Mosaic.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateToolBar();
    void RebuildMenus();
    void EnableCommandsByRoute();
    // The popup (or submenu) made on first use and kept by its source title,
    // filled with its items: popups are refilled, never replaced (see
    // RebuildMenus). `title` is the translated one shown.
    QMenu* Popup(const MenuPopup& popup, const QString& title, QWidget* parent);
    void FillMenu(QMenu& menu, const MenuPopup& popup);
    void FillRecentFiles(QMenu* menu);
    void UpdateTitle();
    bool FrameHandles(int commandId) const;
    void OnFrameCommand(int commandId);
    void CloseActiveDocument();
    void RestoreLayout();
    // Keeps the window within its screen's free area.
    void FitOnScreen();
    void ShowHelp();
    void ShowIdleText();
    void OnWindowActivated(QMdiSubWindow* window);
    void OnMessageChanged();

    Application& app_;
    QMdiArea* mdiArea_ = nullptr;
    KolviraStatusBar* statusBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::unique_ptr<StatusProgress> progress_;
    CommandActions* actions_ = nullptr;
    int menuId_ = 0;
    // Every popup any menu resource has, by title, kept for the window's
    // life: the menu bar shows those of the active window's kind.
    std::map<QString, QMenu*> popups_;
    QPointer<HelpWindow> help_;
    // The document window last activated, and the one whose text the
    // message pane shows: a text goes when another window is activated.
    QPointer<QMdiSubWindow> lastActive_;
    QPointer<QMdiSubWindow> messageOwner_;
    FullScreen fullScreen_{*this};
};

} // namespace kolvira
