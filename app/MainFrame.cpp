#include "app/MainFrame.h"

#include "app/CommandActions.h"
#include "app/CommandIcons.h"
#include "app/HelpWindow.h"
#include "app/KolviraApp.h"
#include "app/MenuResources.h"
#include "app/RecentFiles.h"
#include "app/StatusBar.h"
#include "framework/CView.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/KolviraDoc.h"
#include "imageio/NativePath.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>
#include <QWhatsThis>

using namespace kolvira;

namespace {

const char* const kGeometryKey = "MainWindow/geometry";
const char* const kStateKey = "MainWindow/state";

// Toolbar 128: the buttons in order, 0 for a separator.
constexpr int kToolBarButtons[] = {ID_FILE_OPEN,      ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT, 0,
                                   ID_REFRESH_MOSAIC, ID_MORE_SIZE,          ID_LESS_SIZE,  0,
                                   ID_PAINT,          ID_PHOTO_EDITOR};

int MenuIdOf(const CView* view) {
    if (view == nullptr || view->GetDocument() == nullptr)
        return kMenuNoDocument;
    return view->GetDocument()->GetDocTemplate()->ResourceId();
}

} // namespace

CMainFrame::CMainFrame(CKolviraApp& app) : app_(app) {
    setWindowIcon(ApplicationIcon());
    setObjectName(QStringLiteral("CMainFrame"));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    actions_ = new CommandActions(this);
    connect(actions_, &CommandActions::commandTriggered, this, &CMainFrame::OnCommand);
    CreateToolBar();

    statusBar_ = new KolviraStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(statusBar_);

    progress_ = std::make_unique<StatusProgress>(
        statusBar_, [bar = statusBar_] { return bar->MessagePaneRect(); });
    theProgress = progress_.get();
    theRenderer = &renderer_;

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommandUI);
    connect(&app_.Recent(), &RecentFiles::changed, this, [this] {
        RebuildMenus();
        EnableCommandsByRoute();
    });
    for (CMultiDocTemplate* docTemplate : app_.Templates())
        connect(docTemplate, &CMultiDocTemplate::documentsChanged, this,
                &CMainFrame::UpdateCommandUI);
    RestoreLayout();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    // Document windows still open are destroyed with the MDI area after this
    // body has run: their closing signals must not reach this half-destroyed
    // window.
    disconnect(mdiArea_, nullptr, this, nullptr);
    disconnect(&app_.Recent(), nullptr, this, nullptr);
    for (CMultiDocTemplate* docTemplate : app_.Templates())
        disconnect(docTemplate, nullptr, this, nullptr);
    theProgress = nullptr;
    theRenderer = nullptr;
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
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
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::RestoreLayout() {
    QSettings settings;
    if (!restoreGeometry(settings.value(QLatin1String(kGeometryKey)).toByteArray()))
        resize(1024, 720);
    restoreState(settings.value(QLatin1String(kStateKey)).toByteArray());
}

CChildFrame* CMainFrame::ActiveFrame() const {
    return qobject_cast<CChildFrame*>(mdiArea_->currentSubWindow());
}

CView* CMainFrame::ActiveView() const {
    CChildFrame* frame = ActiveFrame();
    return frame != nullptr ? frame->View() : nullptr;
}

// The MDI frame's own commands: the bars, the window arrangement, help.
bool CMainFrame::FrameHandles(int commandId) const {
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
        return true;
    case ID_WINDOW_NEW:
        return ActiveView() != nullptr;
    default:
        return false;
    }
}

bool CMainFrame::RouteHandles(int commandId) const {
    const CView* view = ActiveView();
    if (view != nullptr && view->HandlesCommand(commandId))
        return true;
    // The document's own command: Close. (Save and Save As stay without a
    // handler until they have something sound to write.)
    if (view != nullptr && commandId == ID_FILE_CLOSE)
        return true;
    return FrameHandles(commandId) || app_.HandlesCommand(commandId);
}

void CMainFrame::OnCommand(int commandId) {
    if (!RouteHandles(commandId))
        return;
    CView* view = ActiveView();
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

void CMainFrame::OnFrameCommand(int commandId) {
    switch (commandId) {
    case ID_VIEW_TOOLBAR:
        toolBar_->setVisible(!toolBar_->isVisible());
        break;
    case ID_VIEW_STATUS_BAR:
        statusBar_->setVisible(!statusBar_->isVisible());
        break;
    case ID_WINDOW_NEW:
        if (CKolviraDoc* document = ActiveView()->GetDocument())
            document->GetDocTemplate()->OpenNewFrame(document);
        break;
    case ID_WINDOW_CASCADE:
        mdiArea_->cascadeSubWindows();
        break;
    case ID_WINDOW_TILE:
        mdiArea_->tileSubWindows();
        break;
    case ID_WINDOW_ARRANGE:
        ArrangeIcons();
        break;
    case ID_HELP_FINDER:
    case ID_HELP:
    case ID_DEFAULT_HELP:
        ShowHelpTopics(this);
        break;
    case ID_CONTEXT_HELP:
        QWhatsThis::enterWhatsThisMode();
        statusBar_->showMessage(QStringLiteral("Select an object on which to get Help"));
        break;
    default:
        break;
    }
}

// Lines the minimised windows up along the bottom of the MDI area, left to
// right, starting a row above when one is full.
void CMainFrame::ArrangeIcons() {
    const QRect area = mdiArea_->viewport()->rect();
    QPoint next(0, area.bottom() + 1);
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (next.x() > 0 && next.x() + size.width() > area.width())
            next = QPoint(0, next.y() - size.height());
        window->move(next.x(), next.y() - size.height());
        next.rx() += size.width();
    }
}

void CMainFrame::CloseActiveDocument() {
    CView* view = ActiveView();
    if (view == nullptr || view->GetDocument() == nullptr)
        return;
    for (CChildFrame* frame : FramesOf(view->GetDocument()))
        frame->close();
}

void CMainFrame::UpdateCommandUI() {
    const int menuId = MenuIdOf(ActiveView());
    if (menuId != menuId_) {
        menuId_ = menuId;
        RebuildMenus();
    }
    EnableCommandsByRoute();
    actions_->Action(ID_VIEW_TOOLBAR)->setChecked(toolBar_->isVisibleTo(this));
    actions_->Action(ID_VIEW_STATUS_BAR)->setChecked(statusBar_->isVisibleTo(this));
    UpdateTitle();
}

void CMainFrame::EnableCommandsByRoute() {
    for (const auto& [id, action] : actions_->All())
        action->setEnabled(RouteHandles(id));
}

void CMainFrame::RebuildMenus() {
    // The popups go with the menu bar's old contents (later: a recent file
    // chosen from one of them is still being handled).
    for (QAction* popup : menuBar()->actions()) {
        if (popup->menu() != nullptr)
            popup->menu()->deleteLater();
    }
    menuBar()->clear();
    for (const MenuPopup& popup : MenuResource(menuId_)) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(popup.title));
        for (const MenuItem& item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
            } else if (item.id == ID_FILE_MRU_FIRST) {
                FillRecentFiles(menu);
            } else {
                QAction* action = actions_->Action(item.id);
                action->setText(QString::fromLatin1(item.text));
                action->setCheckable(item.id == ID_VIEW_TOOLBAR || item.id == ID_VIEW_STATUS_BAR);
                menu->addAction(action);
            }
        }
        // Items are enabled by the route each time the menu opens, since a
        // view's state (not only its kind) may change what it handles.
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
}

void CMainFrame::FillRecentFiles(QMenu* menu) {
    const std::vector<std::string>& paths = app_.Recent().Paths();
    if (paths.empty()) {
        QAction* placeholder = actions_->Action(ID_FILE_MRU_FIRST);
        placeholder->setText(QStringLiteral("Recent File"));
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

void CMainFrame::UpdateTitle() {
    const CView* view = ActiveView();
    QString title = QStringLiteral("Kolvira");
    if (view != nullptr && view->GetDocument() != nullptr)
        title += QStringLiteral(" - ") + view->GetDocument()->GetTitle();
    setWindowTitle(title);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings.setValue(QLatin1String(kStateKey), saveState());
    mdiArea_->closeAllSubWindows();
    event->accept();
}
