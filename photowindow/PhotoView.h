// A photo window's view of its PhotoDocument: the photo, drawn at the
// top-left corner scaled to the width of the view's window, scrolling down
// when it is taller. While the settings are active it previews the render
// pass over the photo; once a drawing has been kept (OK in the Paint or
// Photo Editor dialog) it shows that instead, except while an Apply in an
// open dialog previews the next one. It repaints whenever the document
// changes, whichever window changed it.
#pragma once

#include "framework/FileCommands.h"
#include "framework/PhotoSequence.h"
#include "framework/PrintCommands.h"
#include "framework/View.h"
#include "imageio/PhotoScaling.h"
#include "photowindow/PhotoDocument.h"
#include "photowindow/PhotoPrintOptions.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QString>

#include <optional>
#include <string>

namespace kolvira {

class ChildFrame;
class StatusProgress;
struct LookReading;

class PhotoView : public QAbstractScrollArea, public View, public Printable, public Saveable {
    Q_OBJECT

public:
    // A window on `document`, which outlives it.
    explicit PhotoView(PhotoDocument& document);
    ~PhotoView() override;

    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    bool HandlesCommand(int commandId) const override;
    void OnCommand(int commandId) override;
    std::vector<kolvira::NativePath> PhotoFiles() const override;
    bool IsCommandChecked(int commandId) const override;
    // Asks "Save the drawing of NAME?" when a kept drawing has not been
    // saved (unless the settings turn the question off) and no other
    // window shows it.
    bool CanClose() override;

    PhotoDocument& Photo() const { return document_; }

    // The list Next Photo and Previous Photo walk: the Mosaic the window was
    // opened from (PhotoStepping.cpp).
    void SetPhotoSequence(PhotoSequenceLink sequence);
    // Shows the photo at `path` in the document, keeping its settings and
    // dropping a kept picture; false, with the reason in the status bar,
    // when it cannot be shown.
    bool ShowPhotoFile(const std::string& path);

    // Printing: one page with the picture the window shows, at the size it
    // has on the screen, from the page's top-left corner (PhotoPrinting.cpp).
    QString PrintJobName() const override;
    int PageCount(const QPagedPaintDevice& device) override;
    bool PrintPages(QPagedPaintDevice& device, const QPageRanges& pages) override;

    // The picture the window shows, at its drawn size (see
    // PhotoDocument::ShownPicture).
    QImage ShownPicture();
    // Copy Picture: the kept drawing, else the photo, on the clipboard.
    void CopyPicture() const;

    // Device pixels per logical pixel of ShownPicture.
    qreal ShownPictureRatio() const;

    // The outer rectangle of the view's window (frame and scroll bars
    // included), from (0, 0): the photo is scaled to its width.
    QRect WindowRect() const;
    // Screen pixels per logical pixel. Pictures are made in screen pixels,
    // so that at ratio r the render pass works on a picture r times as wide
    // as the window: what a window that many times larger would show.
    qreal DeviceRatio() const;

    // What a dialog's Apply asks for once it has written `settings`: the
    // view shows the photo rendered with them (also over a kept picture,
    // until the dialog closes) and is repainted before this returns.
    void RepaintAfterApply();

    bool pickNewColorNext = false;
    QString statusText;
    int pictureWidth = 32; // size of the picture as last drawn, in logical pixels
    int pictureHeight = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Also told when the scroll bars come or go and the viewport changes.
    void resizeEvent(QResizeEvent* event) override;

    // Saving writes ShownPicture as PNG, JPEG, BMP or TIFF (PhotoSaving.cpp).
    SaveDialogText SaveDialog() const override;
    QString SuggestedSaveName() const override;
    WriteOutcome WriteSavedFile(const QString& path) override;

private:
    // The size the scroll bars range over, kept so that every resize
    // fits the bars to the new viewport.
    void SetScrollSizes(QSize total);
    void UpdateScrollBars();
    // The size the scroll bars range over for a picture of that size.
    static QSize ScrollTotal(QSize picture);
    QSize DeviceSize(QSize logical) const;
    // The kept drawing's size in this window's screen pixels.
    QSize DrawingDeviceSize() const;
    // Records the picture last drawn: `device` pixels for a window
    // `logicalWidth` wide.
    void SetDrawnPicture(QSize device, int logicalWidth);
    void DrawInDevicePixels(QPainter& painter, const QImage& picture, qreal ratio) const;
    // What the photo is drawn at in a window `width` wide, in the live state.
    QSize LivePictureSize(int width) const;
    // The frame the view sits in; null for a view shown on its own.
    ChildFrame* Frame() const;
    // The size of the MDI area's viewport the frame sits in.
    static QSize Workspace(const ChildFrame& frame);
    // Gives `frame` the outer `size`, within the workspace it sits in.
    void FitFrameInWorkspace(ChildFrame& frame, QSize size) const;
    void ErasePictureSurroundings(QPainter& painter, QPoint offset) const;
    void DrawLivePhoto(QPainter& painter);
    // The render pass over the window's rectangle, kept until it changes.
    const QImage& LivePreview(bool showProgress);
    // Follows a change of the document: the scroll range fits what it
    // shows now, and the window repaints.
    void OnPictureChanged();
    void FollowDrawing();
    void ShowStatusNotes(const QString& failure, const QString& damageNote) const;
    void DrawPreview(QPainter& painter);
    QRgb BackgroundColor() const;
    void ShowStatus(const QString& text) const;
    // The status-bar progress for a pass that may show it, else null.
    StatusProgress* ProgressFor(bool showProgress) const;
    // Invalidates the whole window and repaints it before returning. What
    // the paint shows is rendered first, with the status-bar progress: a
    // pass run inside the paint could not show it.
    void RepaintNow();

    // Saving and applying looks, and the kolvira-render line that makes the
    // drawing (LookCommands.cpp).
    bool HandlesLookCommand(int commandId) const;
    void OnLookCommand(int commandId);
    QWidget* LookDialogParent() const;
    void SaveLook();
    void ApplySavedLook();
    void ApplyLookFromFile();
    void ApplyLook(const kolvira::LookReading& look);
    QString RenderCommand() const;

    // The Paint and Photo Editor commands (StyleCommands.cpp).
    template <class Dialog> void RunRenderDialog();
    // The photo at the picture's size on black, rendered with the document's
    // settings: what OK keeps, and what an Apply previews once a picture is
    // kept.
    const QImage& FinalPicture(bool showProgress);

    // Before and after (BeforeAndAfter.cpp): the photo shown in place of
    // the drawing while `\` is held or Show Original is on, or left of a
    // movable line in Split View.
    bool ShowsOriginal() const { return showOriginal_ || originalHeld_; }
    void SetOriginalHeld(bool held);
    void DrawOriginal(QPainter& painter);
    int SplitX() const;
    bool NearSplitLine(QPoint point) const;
    // The width in screen pixels of the picture the window shows now.
    int ShownDeviceWidth() const;

    // Revert, the question about an unsaved drawing, and stepping through
    // the Mosaic (PhotoStepping.cpp).
    bool AskToSaveDrawing();
    void RevertToPhoto();
    void StepPhoto(int step);
    bool NextPhotoEnabled(int step) const;

    // The colour probe and the replacement-colour pick (ColorProbe.cpp).
    QRgb ShownPixel(QPoint point);
    void ProbeColor(QPoint point);
    void PickReplacementColor(QPoint point);
    void ShowStatusText();

    // Copy Picture and dragging the picture out (PictureTransfer.cpp).
    QImage PictureToCopy() const;
    // Starts a drag of the picture once the left button has moved far
    // enough from where it went down; true when it did.
    bool StartPictureDrag(QMouseEvent* event);
    std::optional<QPoint> dragFrom_;

    PhotoDocument& document_;
    kolvira::ScaledPhotoCache scaledPhoto_;
    QSize scrollTotal_;
    QSize devicePicture_; // the picture last drawn, in device pixels

    bool showOriginal_ = false; // View → Show Original
    bool originalHeld_ = false; // the `\` key is down
    bool splitView_ = false;
    bool draggingSplit_ = false;
    double splitFraction_ = 0.5; // the split line's place across the picture
    kolvira::ScaledPhotoCache originalPhoto_;

    // The print options (PhotoPrinting.cpp) and the size choice of Save As
    // (PhotoSaving.cpp); both take their pictures from the document.
public:
    QWidget* MakePrintOptions(std::function<bool()> changed) override;
    bool PreparePrinting(WindowHost& host) override;
    // The photo at its own size with the document's settings, with the
    // status-bar progress; null when stopped with Esc (if `stoppable`).
    QImage FullResolutionPicture(bool stoppable);
    kolvira::PhotoPrintChoice printChoice; // the defaults print as before

protected:
    SaveChoice SaveChoices() override;
};

} // namespace kolvira
