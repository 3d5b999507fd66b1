// What the window tests share: a folder of generated photos, the program
// started in-process with settings of its own, the active views, a closer
// for message boxes, and the check that a test left no window behind.
#pragma once

#include "app/Application.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <QApplication>

#include <functional>
#include <memory>
#include <string>

class QMenu;
class QWidget;

namespace kolvira {
class ChildFrame;
class MainWindow;
class MosaicView;
class PhotoView;
} // namespace kolvira

namespace kolvira::test {

// Once per test program, before any setting is read: settings go to a
// folder of this test program's own (and Qt's test locations), under the
// program's own names, and photos decode within the program's limits.
void PrepareTestProgram();

// A photo in four quadrants, red and green above, blue and white below:
// recognisable after scaling and JPEG compression.
QImage QuadrantPhoto(QSize size);
QColor QuadrantColorAt(QSize size, int x, int y);

// Whether every channel differs by at most `tolerance`.
bool ColorsClose(const QColor& a, const QColor& b, int tolerance = 24);

// A temporary folder of photos, removed with the object.
class PhotoFolder {
public:
    PhotoFolder();
    bool IsValid() const { return dir_.isValid(); }

    // Writes a quadrant photo in the format of the name's extension and
    // returns its path as native bytes.
    std::string AddPhoto(const QString& name, QSize size);
    // Writes `picture` in the format of the name's extension.
    std::string AddPicture(const QString& name, const QImage& picture);
    // A file with an image's name that holds no image.
    std::string AddNonImage(const QString& name);
    bool Remove(const QString& name);

    std::string PathOf(const QString& name) const;
    QString Directory() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// A test class each of whose tests runs on a freshly started program over a
// new photo folder, and finds no window left over afterwards.
class AppTestCase : public QObject {
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    std::unique_ptr<PhotoFolder> photos_;
    std::unique_ptr<Application> app_;
};

// Starts the program as main() does, on cleared settings unless told to
// keep them, with its main window shown and a size that leaves room for
// the windows and the status bar's progress bar.
std::unique_ptr<Application> StartApp(bool clearSettings = true);

// The program StartApp started, while it runs; else null.
Application* App();

// Destroys the program and runs the deletions it left pending.
void StopApp(std::unique_ptr<Application>& app);
void FlushDeferredDeletes();

// The top-level windows still shown or still existing of the program's own
// kinds; empty once a test has cleaned up after itself.
QStringList LeftoverWindows();

MainWindow* MainFrame();
ChildFrame* ActiveChildFrame();
MosaicView* ActiveMosaic();
PhotoView* ActivePhotoView();
int DocumentWindowCount();

// Runs the event loop until the Mosaic's thumbnails are all made (or the
// build was stopped); false if that takes over a minute.
bool WaitForMosaicBuild(MosaicView* mosaic);

// Writes 80 x 60 photos of these names, opens the first and returns its
// Mosaic once its thumbnails are made; else null.
MosaicView* OpenMosaicOf(PhotoFolder& photos, const QStringList& names);
// The captions of the Mosaic's entries, in order.
QStringList EntryLabels(const MosaicView* mosaic);
// Opens the Mosaic's current entry with Enter, as the user does; the new
// photo window's view, or null.
PhotoView* OpenCurrentEntry(MosaicView* mosaic);

// Opens the photo's folder and the photo from its Mosaic; the photo view
// once it has drawn the photo, else null.
PhotoView* ShowPhoto(const std::string& path);

// A left double-click as a mouse gives it: press, release, double-click,
// release.
void DoubleClick(QWidget* widget, QPoint at);

QStringList MenuTitles(const MainWindow* frame);
QMenu* MenuNamed(const MainWindow* frame, const QString& title);
// The texts of a menu's items as it shows them ("Name\tKey"), "-" standing
// for a separator.
QStringList ItemTexts(const QMenu* menu);

// Counts the paint events a widget receives, to tell a repaint that reached
// the screen from pixels that only a grab() rendered.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget);
    bool eventFilter(QObject* watched, QEvent* event) override;
    int count = 0;
};

// Closes every message box as soon as it shows and counts them, so that a
// modal box cannot hold a test up.
class MessageBoxCloser {
public:
    MessageBoxCloser();
    int Count() const { return texts_.size(); }
    const QStringList& Texts() const { return texts_; }

private:
    void CloseVisibleBoxes();

    QTimer timer_;
    QStringList texts_;
};

// Runs `steps` on the modal window of type D as soon as it is shown; the
// steps close it. A window that is not closed by them is rejected, so a
// failing test cannot hang.
template <class D> inline void WhenModalOpens(std::function<void(D&)> steps) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, steps] {
        auto* modal = qobject_cast<D*>(QApplication::activeModalWidget());
        if (modal == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        steps(*modal);
        if (modal->isVisible())
            modal->reject();
    });
    timer->start();
}

} // namespace kolvira::test
