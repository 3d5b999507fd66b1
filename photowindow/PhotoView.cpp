#include "photowindow/PhotoView.h"

#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/WindowHost.h"
#include "imageio/PhotoScaling.h"
#include "photowindow/AccessibleViews.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoEditorDialog.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <QtMath>
#include <algorithm>

#include <climits>

namespace kolvira {

namespace {

// The scroll range leaves out this much of the drawn width: the photo is
// scaled to the window's outer width, of which frame and scroll bar take part.
constexpr int kScrollWidthAllowance = 32;
// A fitted frame is never made larger than this either way.
constexpr qint64 kLargestFrameSide = 32767;
// What shows through a drawing's transparent pixels.
constexpr QRgb kPictureBackground = qRgb(0, 0, 0);

} // namespace

PhotoView::PhotoView(PhotoDocument& document) : document_(document) {
    InstallAccessibleViews();
    setWhatsThis(QCoreApplication::translate(
        "PhotoView",
        "The photo window: the photo at the window's width. Paint and Photo Editor turn "
        "it into a drawing; a left click shows the colour under the pointer, right "
        "clicks pick the colours to replace. Double-click to fit the window to the photo."));
    setFrameShape(QFrame::StyledPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The view paints every pixel itself: no background fill first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    connect(&document_, &PhotoDocument::pictureChanged, this, &PhotoView::OnPictureChanged);
}

PhotoView::~PhotoView() = default;

// The first window reads the document's photo; a further one finds it read
// and shows what the document shows, a kept drawing included.
void PhotoView::OnInitialUpdate() {
    SetScrollSizes(QSize(0, 0));
    QString damageNote;
    const QString failure = document_.Open(damageNote);
    ShowStatusNotes(failure, damageNote); // a window left empty says why
    if (document_.HasDrawing())
        FollowDrawing();
}

// A kept drawing is the picture every window draws, at the size it was made.
void PhotoView::FollowDrawing() {
    const QSize drawn = document_.DrawingSize();
    devicePicture_ = DrawingDeviceSize();
    pictureWidth = drawn.width();
    pictureHeight = drawn.height();
    SetScrollSizes(ScrollTotal(drawn));
}

void PhotoView::ShowStatusNotes(const QString& failure, const QString& damageNote) const {
    if (!damageNote.isEmpty())
        ShowStatus(damageNote);
    if (!failure.isEmpty())
        ShowStatus(failure);
}

void PhotoView::OnPictureChanged() {
    if (document_.HasDrawing())
        FollowDrawing();
    else if (!document_.Image().isNull())
        SetScrollSizes(ScrollTotal(LivePictureSize(WindowRect().width())));
    RepaintNow();
}

QRect PhotoView::WindowRect() const {
    return QRect(0, 0, width(), height());
}

qreal PhotoView::DeviceRatio() const {
    return viewport()->devicePixelRatioF();
}

QSize PhotoView::DeviceSize(QSize logical) const {
    const qreal ratio = DeviceRatio();
    return QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
}

QSize PhotoView::DrawingDeviceSize() const {
    const qreal scale = DeviceRatio() / document_.DrawingRatio();
    return (QSizeF(document_.Drawing().size()) * scale).toSize();
}

void PhotoView::SetDrawnPicture(QSize device, int logicalWidth) {
    devicePicture_ = device;
    pictureWidth = logicalWidth;
    pictureHeight = LivePictureSize(logicalWidth).height();
}

// Pictures are made in device pixels: drawn with the painter's scale taken
// out, each of their pixels lands on one pixel of the screen.
void PhotoView::DrawInDevicePixels(QPainter& painter, const QImage& picture, qreal ratio) const {
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    painter.drawImage(QPoint(0, 0), picture);
    painter.restore();
}

QSize PhotoView::ScrollTotal(QSize picture) {
    return QSize(picture.width() - kScrollWidthAllowance, picture.height());
}

void PhotoView::SetScrollSizes(QSize total) {
    scrollTotal_ = total;
    UpdateScrollBars();
}

void PhotoView::UpdateScrollBars() {
    const QSize client = viewport()->size();
    QScrollBar* bars[2] = {horizontalScrollBar(), verticalScrollBar()};
    const int totals[2] = {std::max(0, scrollTotal_.width()), std::max(0, scrollTotal_.height())};
    const int clients[2] = {client.width(), client.height()};
    for (int i = 0; i < 2; ++i) {
        bars[i]->setRange(0, std::max(0, totals[i] - clients[i]));
        bars[i]->setPageStep(std::max(1, clients[i]));
        bars[i]->setSingleStep(std::max(1, totals[i] / 100));
    }
}

// Only what lies outside the picture is filled, so a repaint never wipes
// the photo first. Worked out in screen pixels, where the picture ends
// exactly (half a logical pixel at some ratios).
void PhotoView::ErasePictureSurroundings(QPainter& painter, QPoint offset) const {
    const QColor background = palette().color(QPalette::Base);
    const qreal ratio = DeviceRatio();
    const QRect visible(QPoint(qFloor(offset.x() * ratio), qFloor(offset.y() * ratio)),
                        DeviceSize(viewport()->size()) + QSize(2, 2));
    QSize picture = devicePicture_;
    if (document_.HasDrawing())
        picture = DrawingDeviceSize();
    const QRegion outside = QRegion(visible) - QRegion(QRect(QPoint(0, 0), picture));
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    for (const QRect& rect : outside)
        painter.fillRect(rect, background);
    painter.restore();
}

void PhotoView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-offset);

    const bool previewing = !document_.HasDrawing() && document_.Settings().active;
    if (previewing) {
        // The preview covers the window's rectangle: draw the photo and the
        // background only where it does not reach (when scrolled down).
        painter.setClipRegion(QRegion(QRect(offset, viewport()->size())) - QRegion(WindowRect()));
    }
    if (document_.HasDrawing()) {
        // An Apply over a kept picture previews what OK would keep.
        const QImage& shown = document_.PreviewingApplied() ? FinalPicture(/*showProgress=*/false)
                                                            : document_.Drawing();
        DrawInDevicePixels(painter, shown, document_.DrawingRatio());
    } else {
        DrawLivePhoto(painter);
    }
    ErasePictureSurroundings(painter, offset);
    if (previewing) {
        painter.setClipping(false);
        DrawPreview(painter);
    }
    DrawOriginal(painter);
}

void PhotoView::DrawLivePhoto(QPainter& painter) {
    const QImage& photo = document_.Image();
    if (photo.isNull())
        return;
    const qreal ratio = DeviceRatio();
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    const QSize drawn =
        DrawPhotoAtWidth(painter, photo, DeviceSize(WindowRect().size()).width(), &scaledPhoto_);
    painter.restore();
    SetDrawnPicture(drawn, WindowRect().width());
    SetScrollSizes(ScrollTotal(QSize(pictureWidth, pictureHeight)));
}

QRgb PhotoView::BackgroundColor() const {
    return palette().color(QPalette::Base).rgb();
}

void PhotoView::ShowStatus(const QString& text) const {
    if (Host() != nullptr)
        Host()->ShowStatusMessage(text);
}

StatusProgress* PhotoView::ProgressFor(bool showProgress) const {
    return showProgress && Host() != nullptr ? Host()->Progress() : nullptr;
}

// The render pass over the window's width and height from the picture's
// top-left corner, on the photo as drawn and the background around it, in
// device pixels. The rendered canvas is kept, so only a change renders again.
const QImage& PhotoView::LivePreview(bool showProgress) {
    return document_
        .Preview(DeviceSize(WindowRect().size()), BackgroundColor(), ProgressFor(showProgress))
        .Canvas();
}

// The pictures printing and saving take: what the window shows, and the
// photo at its own size.
QImage PhotoView::ShownPicture() {
    return document_.ShownPicture(DeviceSize(WindowRect().size()), BackgroundColor());
}

qreal PhotoView::ShownPictureRatio() const {
    return document_.HasDrawing() ? document_.DrawingRatio() : DeviceRatio();
}

QImage PhotoView::FullResolutionPicture(bool stoppable) {
    return document_.FullResolutionPicture(ProgressFor(true), stoppable);
}

void PhotoView::DrawPreview(QPainter& painter) {
    DrawInDevicePixels(painter, LivePreview(/*showProgress=*/false), DeviceRatio());
}

// Every window on the document repaints, this one before Apply returns.
void PhotoView::RepaintAfterApply() {
    document_.SetPreviewingApplied(true);
    document_.NotifyChanged();
}

void PhotoView::RepaintNow() {
    // The paint that follows finds the picture kept and only copies it.
    if (document_.HasDrawing()) {
        if (document_.PreviewingApplied())
            FinalPicture(/*showProgress=*/true);
    } else if (document_.Settings().active) {
        LivePreview(/*showProgress=*/true);
    }
    viewport()->repaint();
}

void PhotoView::scrollContentsBy(int, int) {
    viewport()->update();
}

QSize PhotoView::LivePictureSize(int width) const {
    const qint64 height = kolvira::ProportionalHeight(document_.Image().size(), width);
    return QSize(width, static_cast<int>(std::min<qint64>(height, INT_MAX)));
}

// The live picture follows the window's width, so its range is that of the
// picture the next paint draws; a kept picture keeps the range it was
// rendered with. Either way the bars fit the new viewport at once.
void PhotoView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (!document_.HasDrawing() && !document_.Image().isNull())
        scrollTotal_ = ScrollTotal(LivePictureSize(WindowRect().width()));
    UpdateScrollBars();
}

ChildFrame* PhotoView::Frame() const {
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<ChildFrame*>(w))
            return frame;
    }
    return nullptr;
}

// Gives the frame the picture's proportions at the view's current height,
// sized so that the picture fills the client area exactly, without scroll
// bars: what the frame and the view's border take is measured, not assumed.
// A kept picture no longer scales, so the frame fits it as it is.
void PhotoView::mouseDoubleClickEvent(QMouseEvent* event) {
    ChildFrame* frame = Frame();
    if (frame != nullptr && pictureHeight > 0) {
        QSize picture(pictureWidth, pictureHeight);
        if (!document_.HasDrawing()) {
            const qint64 width = qint64{pictureWidth} * viewport()->height() / pictureHeight;
            picture =
                LivePictureSize(static_cast<int>(std::clamp<qint64>(width, 1, kLargestFrameSide)));
            picture.setHeight(
                static_cast<int>(std::min<qint64>(picture.height(), kLargestFrameSide)));
        }
        const int shownBarHeight =
            horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0;
        const int frameWidth = frame->width() - width();
        const int frameHeight = frame->height() - viewport()->height() - shownBarHeight;
        const QSize extra(frameWidth, frameHeight);
        // The live photo, scaled to any width, narrows to the workspace.
        const QSize room = Workspace(*frame);
        if (!document_.HasDrawing() && picture.width() + extra.width() > room.width())
            picture = LivePictureSize(std::max(1, room.width() - extra.width()));
        FitFrameInWorkspace(*frame, picture + extra);
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

QSize PhotoView::Workspace(const ChildFrame& frame) {
    const QMdiArea* area = frame.mdiArea();
    return area != nullptr ? area->viewport()->size() : QSize(INT_MAX, INT_MAX);
}

// A picture taller than the workspace gets a frame as tall as the workspace
// and a vertical scroll bar beside its full width; the frame moves up and
// left as far as it must to be seen whole.
void PhotoView::FitFrameInWorkspace(ChildFrame& frame, QSize size) const {
    const QSize room = Workspace(frame);
    if (size.height() > room.height())
        size = QSize(size.width() + verticalScrollBar()->sizeHint().width(), room.height());
    size = size.boundedTo(room);
    const QPoint place(std::clamp(frame.x(), 0, room.width() - size.width()),
                       std::clamp(frame.y(), 0, room.height() - size.height()));
    frame.setGeometry(QRect(place, size));
}

// The commands a photo window answers; each part of the view carries out its own.
bool PhotoView::HandlesCommand(int commandId) const {
    switch (commandId) {
    case ID_PAINT:
    case ID_PHOTO_EDITOR:
        return true;
    case kolvira::ID_SHOW_ORIGINAL:
    case kolvira::ID_SPLIT_VIEW:
        return !document_.Image().isNull();
    case kolvira::ID_REVERT_TO_PHOTO:
        return document_.HasDrawing() || document_.Settings().active;
    case kolvira::ID_NEXT_PHOTO:
    case kolvira::ID_PREVIOUS_PHOTO:
        return NextPhotoEnabled(commandId == kolvira::ID_NEXT_PHOTO ? 1 : -1);
    case kolvira::ID_SAVE_LOOK:
    case kolvira::ID_APPLY_LOOK:
    case kolvira::ID_APPLY_LOOK_FROM_FILE:
    case kolvira::ID_COPY_RENDER_COMMAND:
        return HandlesLookCommand(commandId);
    default:
        // Saving and printing need something to write or print.
        if (IsSaveCommand(commandId) || IsPrintCommand(commandId))
            return !document_.Image().isNull() || document_.HasDrawing();
        return false;
    }
}

void PhotoView::OnCommand(int commandId) {
    switch (commandId) {
    case ID_PAINT:
        RunRenderDialog<PaintDialog>();
        break;
    case ID_PHOTO_EDITOR:
        RunRenderDialog<PhotoEditorDialog>();
        break;
    case kolvira::ID_SHOW_ORIGINAL:
        showOriginal_ = !showOriginal_;
        viewport()->update();
        break;
    case kolvira::ID_SPLIT_VIEW:
        splitView_ = !splitView_;
        viewport()->update();
        break;
    case kolvira::ID_REVERT_TO_PHOTO:
        RevertToPhoto();
        break;
    case kolvira::ID_NEXT_PHOTO:
        StepPhoto(1);
        break;
    case kolvira::ID_PREVIOUS_PHOTO:
        StepPhoto(-1);
        break;
    case kolvira::ID_SAVE_LOOK:
    case kolvira::ID_APPLY_LOOK:
    case kolvira::ID_APPLY_LOOK_FROM_FILE:
    case kolvira::ID_COPY_RENDER_COMMAND:
        OnLookCommand(commandId);
        break;
    default:
        if (Host() != nullptr)
            RunFileCommand(commandId, *this, *this, *Host());
        break;
    }
}

const QImage& PhotoView::FinalPicture(bool showProgress) {
    return document_.Preview(devicePicture_, kPictureBackground, ProgressFor(showProgress))
        .Canvas();
}

} // namespace kolvira
