#include "app/MainWindow.h"

#include "app/Application.h"
#include "app/CommandActions.h"
#include "app/CommandIcons.h"
#include "app/HelpWindow.h"
#include "app/MenuResources.h"
#include "app/RecentFiles.h"
#include "app/StatusBar.h"
#include "app/WindowArrangement.h"
#include "app/WindowMenu.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/DocumentTemplate.h"
#include "framework/View.h"
#include "imageio/NativePath.h"
#include "mosaic/FileUri.h"
#include "photowindow/DrawingQuestion.h"
#include "photowindow/PhotoView.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWhatsThis>

#include <algorithm>

namespace kolvira {

namespace {

const char* const kGeometryKey = "MainWindow/geometry";
const char* const kStateKey = "MainWindow/state";

// The commands whose menu items carry a check mark the active view sets.
constexpr int kViewCheckedCommands[] = {
    ID_SHOW_ORIGINAL,     ID_SPLIT_VIEW,   ID_SORT_BY_NAME, ID_SORT_BY_DATE_TAKEN,
    ID_SORT_BY_FILE_DATE, ID_SORT_BY_SIZE, ID_SORT_BY_TYPE, ID_SORT_REVERSE};

// The local files and folders among dropped URLs, as native paths.
std::vector<std::string> DroppedFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr)
        return paths;
    for (const QUrl& url : data->urls()) {
        if (const auto path = PathOfFileUri(url.toEncoded()))
            paths.push_back(path->toStdString());
    }
    return paths;
}

// The message pane's text while nothing has anything to say, and its text
// in context-help mode.
const QString kIdleText = QStringLiteral(" ");
QString ContextHelpPrompt() {
    return QCoreApplication::translate("MainWindow", "Select an object on which to get Help");
}

// Toolbar 128: the buttons in order, 0 for a separator.
constexpr int kToolBarButtons[] = {ID_FILE_OPEN,      ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT, 0,
                                   ID_REFRESH_MOSAIC, ID_MORE_SIZE,          ID_LESS_SIZE,  0,
                                   ID_PAINT,          ID_PHOTO_EDITOR};

// The menu resource shown while `view` is active.
int MenuIdOf(const View* view) {
    if (view == nullptr || view->GetDocument() == nullptr)
        return kMenuNoDocument;
    switch (view->GetDocument()->GetDocTemplate()->Kind()) {
    case DocumentKind::Photo:
        return kMenuPhoto;
    case DocumentKind::Mosaic:
        return kMenuMosaic;
    }
    return kMenuNoDocument;
}

} // namespace

MainWindow::MainWindow(Application& app) : app_(app) {
    setAcceptDrops(true);
    setWindowIcon(ApplicationIcon());
    setObjectName(QStringLiteral("MainWindow"));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    actions_ = new CommandActions(this);
    connect(actions_, &CommandActions::commandTriggered, this, &MainWindow::OnCommand);
    AddWindowSwitchingKeys(*this, *mdiArea_);
    CreateToolBar();

    statusBar_ = new KolviraStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(statusBar_);

    progress_ = std::make_unique<StatusProgress>(
        statusBar_, [bar = statusBar_] { return bar->MessagePaneRect(); });

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::OnWindowActivated);
    connect(statusBar_, &QStatusBar::messageChanged, this, &MainWindow::OnMessageChanged);
    connect(&app_.Recent(), &RecentFiles::changed, this, [this] {
        RebuildMenus();
        EnableCommandsByRoute();
    });
    for (DocumentTemplate* docTemplate : app_.Templates())
        connect(docTemplate, &DocumentTemplate::documentsChanged, this,
                &MainWindow::UpdateCommandUI);
    RestoreLayout();
    UpdateCommandUI();
}

MainWindow::~MainWindow() {
    // Document windows still open are destroyed with the MDI area after this
    // body has run: their closing signals must not reach this half-destroyed
    // window.
    disconnect(mdiArea_, nullptr, this, nullptr);
    disconnect(statusBar_, nullptr, this, nullptr);
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        disconnect(window, nullptr, this, nullptr);
    disconnect(&app_.Recent(), nullptr, this, nullptr);
    for (DocumentTemplate* docTemplate : app_.Templates())
        disconnect(docTemplate, nullptr, this, nullptr);
}

void MainWindow::CreateToolBar() {
    toolBar_ = new QToolBar(QCoreApplication::translate("MainWindow", "Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : kToolBarButtons) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_->Action(id));
    }
    // The button that shows the buttons a narrow window has no room for.
    if (auto* more = toolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QCoreApplication::translate("MainWindow", "More buttons"));
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void MainWindow::RestoreLayout() {
    QSettings settings;
    if (!restoreGeometry(settings.value(QLatin1String(kGeometryKey)).toByteArray()))
        resize(1024, 720);
    FitOnScreen();
    restoreState(settings.value(QLatin1String(kStateKey)).toByteArray());
}

// Sizes are logical pixels: at a large scale factor, or on a smaller screen
// than the one the size was saved on, the window would not fit otherwise.
void MainWindow::FitOnScreen() {
    if (isMaximized() || isFullScreen() || screen() == nullptr)
        return;
    const QRect available = screen()->availableGeometry();
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    const QSize largest = available.size() - frameExtra;
    if (width() > largest.width() || height() > largest.height())
        resize(std::min(width(), largest.width() * 9 / 10),
               std::min(height(), largest.height() * 9 / 10));
    QRect frame = frameGeometry();
    if (!available.contains(frame)) {
        frame.moveLeft(std::clamp(frame.left(), available.left(),
                                  std::max(available.left(), available.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), available.top(),
                                 std::max(available.top(), available.bottom() - frame.height())));
        move(frame.topLeft());
    }
}

ChildFrame* MainWindow::ActiveFrame() const {
    return qobject_cast<ChildFrame*>(mdiArea_->currentSubWindow());
}

View* MainWindow::ActiveView() const {
    ChildFrame* frame = ActiveFrame();
    return frame != nullptr ? frame->DocumentView() : nullptr;
}

// The MDI frame's own commands: the bars, the window arrangement, help.
bool MainWindow::FrameHandles(int commandId) const {
    switch (commandId) {
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE:
    case ID_WINDOW_ARRANGE:
    case ID_HELP_FINDER:
    case ID_HELP:
    case ID_CONTEXT_HELP:
    case ID_DEFAULT_HELP:
    case ID_ASK_TO_SAVE_DRAWINGS:
        return true;
    case ID_WINDOW_NEW:
        return ActiveView() != nullptr;
    case ID_FULL_SCREEN:
        return fullScreen_.Active() || dynamic_cast<const PhotoView*>(ActiveView()) != nullptr;
    default:
        return false;
    }
}

bool MainWindow::RouteHandles(int commandId) const {
    const View* view = ActiveView();
    if (view != nullptr && view->HandlesCommand(commandId))
        return true;
    // The document's own command: Close. (Save and Save As stay without a
    // handler until they have something sound to write.)
    if (view != nullptr && commandId == ID_FILE_CLOSE)
        return true;
    return FrameHandles(commandId) || app_.HandlesCommand(commandId);
}

void MainWindow::OnCommand(int commandId) {
    if (!RouteHandles(commandId))
        return;
    View* view = ActiveView();
    if (view != nullptr && view->HandlesCommand(commandId))
        view->OnCommand(commandId);
    else if (view != nullptr && commandId == ID_FILE_CLOSE)
        CloseActiveDocument();
    else if (FrameHandles(commandId))
        OnFrameCommand(commandId);
    else
        app_.OnCommand(commandId);
    UpdateCommandUI();
}

void MainWindow::OnFrameCommand(int commandId) {
    switch (commandId) {
    case ID_VIEW_TOOLBAR:
        toolBar_->setVisible(!toolBar_->isVisible());
        break;
    case ID_VIEW_STATUS_BAR:
        statusBar_->setVisible(!statusBar_->isVisible());
        break;
    case ID_WINDOW_NEW:
        if (Document* document = ActiveView()->GetDocument())
            document->GetDocTemplate()->OpenNewFrame(document);
        break;
    case ID_WINDOW_CASCADE:
        CascadeWindows(*mdiArea_);
        break;
    case ID_FULL_SCREEN:
        if (fullScreen_.Active())
            fullScreen_.Leave();
        else
            fullScreen_.Enter(ActiveFrame());
        break;
    case ID_WINDOW_TILE:
        mdiArea_->tileSubWindows();
        break;
    case ID_WINDOW_ARRANGE:
        ArrangeIcons(*mdiArea_);
        break;
    case ID_HELP_FINDER:
    case ID_HELP:
    case ID_DEFAULT_HELP:
        ShowHelp();
        break;
    case ID_ASK_TO_SAVE_DRAWINGS:
        SetAskingToSaveDrawings(!AskingToSaveDrawings());
        break;
    case ID_CONTEXT_HELP:
        QWhatsThis::enterWhatsThisMode();
        statusBar_->showMessage(ContextHelpPrompt());
        break;
    default:
        break;
    }
}

void MainWindow::CloseActiveDocument() {
    View* view = ActiveView();
    if (view == nullptr || view->GetDocument() == nullptr)
        return;
    for (ChildFrame* frame : FramesOf(view->GetDocument()))
        frame->close();
}

void MainWindow::UpdateCommandUI() {
    const int menuId = MenuIdOf(ActiveView());
    if (menuId != menuId_) {
        menuId_ = menuId;
        RebuildMenus();
    }
    EnableCommandsByRoute();
    actions_->Action(ID_VIEW_TOOLBAR)->setChecked(toolBar_->isVisibleTo(this));
    actions_->Action(ID_VIEW_STATUS_BAR)->setChecked(statusBar_->isVisibleTo(this));
    actions_->Action(ID_ASK_TO_SAVE_DRAWINGS)->setChecked(AskingToSaveDrawings());
    const View* view = ActiveView();
    for (int id : kViewCheckedCommands)
        actions_->Action(id)->setChecked(view != nullptr && view->IsCommandChecked(id));
    UpdateTitle();
}

void MainWindow::EnableCommandsByRoute() {
    for (const auto& [id, action] : actions_->All())
        action->setEnabled(RouteHandles(id));
}

void MainWindow::RebuildMenus() {
    // The popups are refilled, never replaced: the accessibility layer keeps
    // one interface per action, bound to the popup it was first read in, and
    // an action moved into a new popup after the old one was deleted would
    // read as a dead object from then on.
    menuBar()->clear();
    for (const MenuPopup& popup : MenuResource(menuId_)) {
        menuBar()->addMenu(
            Popup(popup, QCoreApplication::translate("MenuBar", popup.title), menuBar()));
    }
}

QMenu* MainWindow::Popup(const MenuPopup& popup, const QString& title, QWidget* parent) {
    QMenu* menu = nullptr;
    const QString key = QString::fromLatin1(popup.title);
    if (const auto found = popups_.find(key); found != popups_.end()) {
        menu = found->second;
    } else {
        menu = new QMenu(title, parent);
        // Items are enabled by the route each time the menu opens, since a
        // view's state (not only its kind) may change what it handles.
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateCommandUI);
        const bool windowMenu =
            std::any_of(popup.items.begin(), popup.items.end(),
                        [](const MenuItem& item) { return item.id == ID_WINDOW_NEW; });
        if (windowMenu)
            connect(menu, &QMenu::aboutToShow, this,
                    [this, menu] { FillWindowList(*menu, *mdiArea_); });
        popups_.emplace(key, menu);
    }
    FillMenu(*menu, popup);
    return menu;
}

void MainWindow::FillMenu(QMenu& menu, const MenuPopup& popup) {
    menu.clear();
    for (const MenuItem& item : popup.items) {
        if (item.submenu != nullptr) {
            // Submenus are kept like the popups.
            menu.addMenu(Popup(*item.submenu,
                               QCoreApplication::translate(popup.context, item.submenu->title),
                               &menu));
        } else if (item.id == 0) {
            menu.addSeparator();
        } else if (item.id == ID_FILE_MRU_FIRST) {
            FillRecentFiles(&menu);
        } else {
            QAction* action = actions_->Action(item.id);
            SetMenuText(*action, QCoreApplication::translate(popup.context, item.text));
            action->setCheckable(item.id == ID_VIEW_TOOLBAR || item.id == ID_VIEW_STATUS_BAR ||
                                 item.id == ID_ASK_TO_SAVE_DRAWINGS ||
                                 std::ranges::count(kViewCheckedCommands, item.id) > 0);
            menu.addAction(action);
        }
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).empty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = DroppedFiles(event->mimeData());
    if (paths.empty())
        return;
    event->acceptProposedAction();
    // Opened once the drag is over, so that the program dragged from is not
    // kept waiting by a message box.
    QMetaObject::invokeMethod(
        this, [this, paths] { app_.OpenDroppedFiles(paths); }, Qt::QueuedConnection);
}

void MainWindow::FillRecentFiles(QMenu* menu) {
    const std::vector<std::string>& paths = app_.Recent().Paths();
    if (paths.empty()) {
        QAction* placeholder = actions_->Action(ID_FILE_MRU_FIRST);
        placeholder->setText(QCoreApplication::translate("FileMenu", "Recent File"));
        menu->addAction(placeholder);
        return;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        QAction* action = actions_->Action(ID_FILE_MRU_FIRST + static_cast<int>(i));
        QString name = ShownPath(paths[i]);
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        action->setText(QStringLiteral("&%1 %2").arg(i + 1 == 10 ? 0 : i + 1).arg(name));
        menu->addAction(action);
    }
}

void MainWindow::UpdateTitle() {
    const ChildFrame* frame = ActiveFrame();
    const View* view = ActiveView();
    QString title = QStringLiteral("Kolvira");
    if (frame != nullptr && frame->isMaximized()) {
        // A maximised window has lost its own title bar, so its caption goes
        // here in brackets; the MDI area, which would add it after the
        // document's title, leaves a title that already shows it alone.
        title += QStringLiteral(" - [%1]").arg(frame->windowTitle());
    } else if (view != nullptr && view->GetDocument() != nullptr) {
        title += QStringLiteral(" - ") + view->GetDocument()->GetTitle();
    }
    if (windowTitle() != title)
        setWindowTitle(title);
}

HelpWindow* MainWindow::Help() const {
    return help_;
}

void MainWindow::ShowHelp() {
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
        help_->PlaceBeside(*this);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::ShowIdleText() {
    statusBar_->showMessage(kIdleText);
}

void MainWindow::OnWindowActivated(QMdiSubWindow* window) {
    if (window != nullptr && window != lastActive_) {
        // Prompts and probe texts of the window left behind are out of date;
        // what the newly made window said while opening is not.
        if (messageOwner_ != window)
            ShowIdleText();
        lastActive_ = window;
        // Maximising and restoring change what the title shows.
        connect(window, &QMdiSubWindow::windowStateChanged, this, &MainWindow::UpdateTitle,
                Qt::UniqueConnection);
    } else if (window == nullptr && mdiArea_->subWindowList().isEmpty()) {
        ShowIdleText();
    }
    UpdateCommandUI();
}

// A text belongs to the window being made, if one is (its view speaks before
// the window shows), else to the active one.
void MainWindow::OnMessageChanged() {
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (!windows.isEmpty() && !windows.back()->isVisible())
        messageOwner_ = windows.back();
    else
        messageOwner_ = ActiveFrame();
}

// Every top-level window hears that context-help mode has ended, by a click
// or by Esc.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::LeaveWhatsThisMode &&
        statusBar_->currentMessage() == ContextHelpPrompt())
        ShowIdleText();
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings.setValue(QLatin1String(kStateKey), saveState());
    mdiArea_->closeAllSubWindows();
    // A photo window whose unsaved drawing the user kept open stays, and so
    // does the program.
    if (!mdiArea_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace kolvira
