#include "AppTestSupport.h"

#include "framework/StatusProgress.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "framework/ChildFrame.h"
#include "framework/View.h"
#include "imageio/PhotoDecoding.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PhotoView.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>

using namespace kolvira;

namespace kolvira::test {

void PrepareTestProgram() {
    QStandardPaths::setTestModeEnabled(true);
    // Each test program keeps its settings apart, so that test programs
    // running side by side never clear each other's recent files.
    static QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QApplication::setOrganizationName(QStringLiteral("Kolvira"));
    QApplication::setApplicationName(QStringLiteral("Kolvira"));
    ApplyDecodeLimits();
}

QColor QuadrantColorAt(QSize size, int x, int y) {
    const bool right = x >= size.width() / 2;
    const bool bottom = y >= size.height() / 2;
    if (!bottom)
        return right ? QColor(Qt::green) : QColor(Qt::red);
    return right ? QColor(Qt::white) : QColor(Qt::blue);
}

QImage QuadrantPhoto(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const int midX = size.width() / 2;
    const int midY = size.height() / 2;
    QPainter painter(&image);
    painter.fillRect(0, 0, midX, midY, QuadrantColorAt(size, 0, 0));
    painter.fillRect(midX, 0, size.width() - midX, midY, QuadrantColorAt(size, midX, 0));
    painter.fillRect(0, midY, midX, size.height() - midY, QuadrantColorAt(size, 0, midY));
    painter.fillRect(midX, midY, size.width() - midX, size.height() - midY,
                     QuadrantColorAt(size, midX, midY));
    return image;
}

bool ColorsClose(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

PhotoFolder::PhotoFolder() = default;

std::string PhotoFolder::AddPhoto(const QString& name, QSize size) {
    return AddPicture(name, QuadrantPhoto(size));
}

std::string PhotoFolder::AddPicture(const QString& name, const QImage& picture) {
    if (!picture.save(dir_.filePath(name), nullptr, 95))
        return {};
    return PathOf(name);
}

std::string PhotoFolder::AddNonImage(const QString& name) {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write("no picture in here\n") < 0)
        return {};
    return PathOf(name);
}

bool PhotoFolder::Remove(const QString& name) {
    return QFile::remove(dir_.filePath(name));
}

std::string PhotoFolder::PathOf(const QString& name) const {
    return QFile::encodeName(dir_.filePath(name)).toStdString();
}

namespace {

// The program StartApp started, until StopApp ends it.
Application* runningApp = nullptr;

} // namespace

Application* App() {
    return runningApp;
}

std::unique_ptr<Application> StartApp(bool clearSettings) {
    if (clearSettings)
        QSettings().clear();
    auto app = std::make_unique<Application>();
    runningApp = app.get();
    if (!app->InitInstance())
        return nullptr;
    MainWindow* frame = app->MainFrame();
    frame->resize(1000, 700);
    frame->activateWindow();
    if (!QTest::qWaitForWindowActive(frame))
        return nullptr;
    return app;
}

void FlushDeferredDeletes() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void AppTestCase::initTestCase() {
    PrepareTestProgram();
}

void AppTestCase::init() {
    photos_ = std::make_unique<PhotoFolder>();
    QVERIFY(photos_->IsValid());
    app_ = StartApp();
    QVERIFY(app_ != nullptr);
    QVERIFY(MainFrame()->Progress() != nullptr);
}

void AppTestCase::cleanup() {
    StopApp(app_);
    photos_.reset();
    QVERIFY(MainFrame() == nullptr);
    const QStringList left = LeftoverWindows();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(", "))));
}

void StopApp(std::unique_ptr<Application>& app) {
    app.reset();
    runningApp = nullptr;
    FlushDeferredDeletes();
}

QStringList LeftoverWindows() {
    FlushDeferredDeletes();
    QStringList left;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const bool ours = qobject_cast<MainWindow*>(widget) != nullptr ||
                          qobject_cast<QMessageBox*>(widget) != nullptr;
        if (widget->isVisible() || ours)
            left << QStringLiteral("%1 \"%2\"")
                        .arg(QString::fromLatin1(widget->metaObject()->className()),
                             widget->windowTitle());
    }
    return left;
}

MainWindow* MainFrame() {
    return runningApp != nullptr ? runningApp->MainFrame() : nullptr;
}

ChildFrame* ActiveChildFrame() {
    return MainFrame() != nullptr ? MainFrame()->ActiveFrame() : nullptr;
}

namespace {

QWidget* ActiveViewWidget() {
    MainWindow* frame = MainFrame();
    if (frame == nullptr || frame->ActiveView() == nullptr)
        return nullptr;
    return frame->ActiveView()->Widget();
}

} // namespace

MosaicView* ActiveMosaic() {
    return qobject_cast<MosaicView*>(ActiveViewWidget());
}

PhotoView* ActivePhotoView() {
    return qobject_cast<PhotoView*>(ActiveViewWidget());
}

int DocumentWindowCount() {
    return MainFrame() != nullptr ? MainFrame()->MdiArea()->subWindowList().size() : 0;
}

MosaicView* OpenMosaicOf(PhotoFolder& photos, const QStringList& names) {
    for (const QString& name : names)
        photos.AddPhoto(name, {80, 60});
    if (App()->OpenDocumentFile(photos.PathOf(names.front())) == nullptr ||
        !WaitForMosaicBuild(ActiveMosaic()))
        return nullptr;
    return ActiveMosaic();
}

QStringList EntryLabels(const MosaicView* mosaic) {
    QStringList labels;
    for (int row = 0; row < mosaic->count(); ++row)
        labels << mosaic->item(row)->text();
    return labels;
}

bool WaitForMosaicBuild(MosaicView* mosaic) {
    return mosaic != nullptr && QTest::qWaitFor([mosaic] { return !mosaic->Building(); }, 60'000);
}

PhotoView* OpenCurrentEntry(MosaicView* mosaic) {
    if (!WaitForMosaicBuild(mosaic))
        return nullptr;
    QTest::keyClick(mosaic, Qt::Key_Return);
    return ActivePhotoView();
}

PaintCounter::PaintCounter(QWidget* widget) {
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    count += event->type() == QEvent::Paint;
    return false;
}

PhotoView* ShowPhoto(const std::string& path) {
    if (path.empty() || App()->OpenDocumentFile(path) == nullptr)
        return nullptr;
    PhotoView* view = OpenCurrentEntry(ActiveMosaic());
    if (view == nullptr || !QTest::qWaitForWindowExposed(view))
        return nullptr;
    if (!QTest::qWaitFor([view] { return view->pictureHeight > 0; }))
        return nullptr;
    // The first paint sets the scroll range; let the scroll bars settle.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        view->viewport()->grab();
    }
    return view;
}

void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

QStringList MenuTitles(const MainWindow* frame) {
    QStringList titles;
    for (const QAction* action : frame->menuBar()->actions())
        titles << action->text();
    return titles;
}

QMenu* MenuNamed(const MainWindow* frame, const QString& title) {
    for (const QAction* action : frame->menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-")
                  : action->shortcut().isEmpty()
                      ? action->text()
                      : action->text() + QLatin1Char('\t') + action->shortcut().toString());
    return texts;
}

MessageBoxCloser::MessageBoxCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { CloseVisibleBoxes(); });
    timer_.start(10);
}

void MessageBoxCloser::CloseVisibleBoxes() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr && box->isVisible()) {
            texts_ << box->text();
            box->reject();
        }
    }
}

} // namespace kolvira::test
