#include "app/HelpWindow.h"

#include "app/HelpLinksAccessible.h"

#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

// The help page is compiled into the program's static library; nothing else
// refers to it there, so the linker would leave it out unless asked for.
// Qt registers resources from outside any namespace.
static void RegisterHelpPage() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

namespace kolvira {

namespace {

constexpr QSize kSmallest(420, 320);
constexpr int kPreferredWidth = 640;

// The help window's frame over `documentArea`: its right part, at least
// kSmallest where the area is smaller, kept on `screen`.
QRect HelpWindowFrame(const QRect& documentArea, const QRect& screen) {
    const int width =
        std::clamp(std::max(kPreferredWidth, documentArea.width() / 2), kSmallest.width(),
                   std::max(kSmallest.width(), documentArea.width()));
    const int height = std::max(kSmallest.height(), documentArea.height());
    QRect frame(documentArea.right() + 1 - width, documentArea.top(), width, height);
    // Kept on the screen, even if that means covering more of the main window.
    frame.setSize(frame.size().boundedTo(screen.size()));
    frame.moveLeft(std::clamp(frame.left(), screen.left(), screen.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), screen.top(), screen.bottom() + 1 - frame.height()));
    return frame;
}

// Screen readers announce the help as a window of its own; a plain widget
// made a window would be read as a nameless filler.
QAccessibleInterface* AccessibleHelpWindow(const QString& className, QObject* object) {
    if (className != QLatin1String(HelpWindow::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

HelpWindow::HelpWindow(QMainWindow* mainWindow) : QWidget(mainWindow, Qt::Window) {
    RegisterHelpPage();
    static const bool accessible = [] {
        QAccessible::installFactory(AccessibleHelpWindow);
        QAccessible::installFactory(AccessibleLinkedText);
        return true;
    }();
    (void)accessible;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Kolvira Help"));

    browser_ = new QTextBrowser(this);
    browser_->setAccessibleName(tr("Help text"));
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    closeButton_ = buttons->button(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);

    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::PlaceBeside(const QMainWindow& mainWindow) {
    const QWidget* documents = mainWindow.centralWidget();
    const QRect area(documents->mapToGlobal(QPoint(0, 0)), documents->size());
    const QRect frame = HelpWindowFrame(area, mainWindow.screen()->availableGeometry());
    // A window's position is that of its frame, but its size leaves out the
    // title bar and borders the window manager adds, which are not known
    // before the window shows: allow for a generous title bar.
    const int edge = 4;
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * edge;
    resize(frame.size().shrunkBy(QMargins(edge, titleBar, edge, edge)));
    move(frame.topLeft());
}

} // namespace kolvira
