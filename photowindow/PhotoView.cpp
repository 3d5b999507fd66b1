#include "photowindow/PhotoView.h"
#include "photowindow/Renderer.h"

#include "framework/ChildFrame.h"
#include "framework/Document.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/PhotoScaling.h"

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

} // namespace

PhotoView::PhotoView(const std::string& path) : photoPath(path) {
    setWhatsThis(QStringLiteral(
        "The photo window: the photo at the window's width. Paint and Photo Editor turn "
        "it into a drawing; a left click shows the colour under the pointer, right "
        "clicks pick the colours to replace. Double-click to fit the window to the photo."));
    setFrameShape(QFrame::StyledPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The view paints every pixel itself: no background fill first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
}

PhotoView::~PhotoView() = default;

void PhotoView::OnInitialUpdate() {
    GetDocument()->SetTitle(ShownPath(photoPath));
    SetScrollSizes(QSize(0, 0));
    if (photoPath.empty())
        return;
    if (const QString failure = LoadPhotoFile(photoPath); !failure.isEmpty()) {
        ShowStatus(failure); // the window stays empty; the status bar says why
        return;
    }
    settings.replaceDepth = 40;
    settings.brushSize = 2;
}

QString PhotoView::LoadPhotoFile(const std::string& path) {
    kolvira::DecodedPhoto decoded = kolvira::DecodePhoto(QByteArray::fromStdString(path));
    if (decoded.image.isNull())
        return QStringLiteral("Cannot show %1: %2").arg(ShownPath(path), decoded.error);
    // Transparent parts show black, as in kolvira-render's output.
    photo = kolvira::FlattenOnBlack(decoded.image);
    if (!decoded.damage.isEmpty())
        ShowStatus(QStringLiteral("%1 is damaged: %2; showing what could be read")
                       .arg(ShownPath(path), decoded.damage));
    return {};
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
    if (!renderedPicture.isNull())
        picture = (QSizeF(renderedPicture.size()) * (ratio / renderedRatio_)).toSize();
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

    const bool previewing = renderedPicture.isNull() && settings.active;
    if (previewing) {
        // The preview covers the window's rectangle: draw the photo and the
        // background only where it does not reach (when scrolled down).
        painter.setClipRegion(QRegion(QRect(offset, viewport()->size())) - QRegion(WindowRect()));
    }
    if (!renderedPicture.isNull()) {
        // An Apply over a kept picture previews what OK would keep.
        const QImage& shown = showApplied_ ? FinalPicture(/*showProgress=*/false) : renderedPicture;
        DrawInDevicePixels(painter, shown, renderedRatio_);
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
    return preview_.Preview(
        photo, DeviceSize(WindowRect().size()), BackgroundColor(), settings,
        [this, showProgress](QImage& picture, const kolvira::RenderParameters& applied) {
            RenderShownPicture(picture, applied, picture.rect(), ProgressFor(showProgress));
        });
}

// The pictures printing and saving take: what the window shows, and the
// photo at its own size.
QImage PhotoView::ShownPicture() {
    if (!renderedPicture.isNull())
        return renderedPicture; // made at the picture's size
    if (photo.isNull())
        return {};
    if (settings.active) {
        // The live preview as the window paints it, cut to the photo.
        const QImage& canvas = LivePreview(/*showProgress=*/false);
        const QSize drawn = preview_.DrawnSize();
        return canvas.copy(0, 0, drawn.width(), drawn.height());
    }
    return kolvira::PhotoAtWidth(photo, DeviceSize(WindowRect().size()).width(), &scaledPhoto_);
}

qreal PhotoView::ShownPictureRatio() const {
    return renderedPicture.isNull() ? DeviceRatio() : renderedRatio_;
}

QImage PhotoView::FullResolutionPicture(bool stoppable) {
    return fullResolution_.Picture(photo, settings.Parameters(), ProgressFor(true), stoppable);
}

void PhotoView::DrawPreview(QPainter& painter) {
    DrawInDevicePixels(painter, LivePreview(/*showProgress=*/false), DeviceRatio());
}

void PhotoView::RepaintAfterApply() {
    showApplied_ = true;
    RepaintNow();
}

void PhotoView::RepaintNow() {
    // The paint that follows finds the picture kept and only copies it.
    if (!renderedPicture.isNull()) {
        if (showApplied_)
            FinalPicture(/*showProgress=*/true);
    } else if (settings.active) {
        LivePreview(/*showProgress=*/true);
    }
    viewport()->repaint();
}

void PhotoView::scrollContentsBy(int, int) {
    viewport()->update();
}

QSize PhotoView::LivePictureSize(int width) const {
    const qint64 height = kolvira::ProportionalHeight(photo.size(), width);
    return QSize(width, static_cast<int>(std::min<qint64>(height, INT_MAX)));
}

// The live picture follows the window's width, so its range is that of the
// picture the next paint draws; a kept picture keeps the range it was
// rendered with. Either way the bars fit the new viewport at once.
void PhotoView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (renderedPicture.isNull() && !photo.isNull())
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
        if (renderedPicture.isNull()) {
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
        if (renderedPicture.isNull() && picture.width() + extra.width() > room.width())
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

} // namespace kolvira
