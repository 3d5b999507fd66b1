#include "photowindow/KolviraView.h"

#include "framework/ChildFrame.h"
#include "framework/KolviraDoc.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/PhotoScaling.h"
#include "photowindow/CurrentSettings.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace {

// The scroll range leaves out this much of the drawn width: the photo is
// scaled to the window's outer width, of which frame and scroll bar take part.
constexpr int kScrollWidthAllowance = 32;
// A fitted frame is never made larger than this either way.
constexpr qint64 kLargestFrameSide = 32767;

} // namespace

std::string pendingPhotoPath;

CKolviraView::CKolviraView(const std::string& path) : photoPath(path) {
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

CKolviraView::~CKolviraView() {
    if (currentSettings == &settings)
        currentSettings = nullptr;
}

void CKolviraView::OnInitialUpdate() {
    GetDocument()->SetTitle(ShownPath(photoPath));
    SetScrollSizes(QSize(0, 0));
    if (photoPath.empty())
        return;
    kolvira::DecodedPhoto decoded = kolvira::DecodePhoto(QByteArray::fromStdString(photoPath));
    if (decoded.image.isNull()) {
        // The window stays empty; the status bar says why.
        ShowStatus(QStringLiteral("Cannot show %1: %2").arg(ShownPath(photoPath), decoded.error));
        return;
    }
    if (!decoded.damage.isEmpty())
        ShowStatus(QStringLiteral("%1 is damaged: %2; showing what could be read")
                       .arg(ShownPath(photoPath), decoded.damage));
    // Transparent parts show black, as in kolvira-render's output.
    photo = kolvira::FlattenOnBlack(decoded.image);
    settings.replaceDepth = 40;
    settings.brushSize = 2;
}

QRect CKolviraView::WindowRect() const {
    return QRect(0, 0, width(), height());
}

QSize CKolviraView::ScrollTotal(QSize picture) {
    return QSize(picture.width() - kScrollWidthAllowance, picture.height());
}

void CKolviraView::SetScrollSizes(QSize total) {
    scrollTotal_ = total;
    UpdateScrollBars();
}

void CKolviraView::UpdateScrollBars() {
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
// the photo first.
void CKolviraView::ErasePictureSurroundings(QPainter& painter, QPoint offset) const {
    const QColor background = palette().color(QPalette::Base);
    const QRect visible(offset, viewport()->size());
    const QRegion outside = QRegion(visible) - QRegion(0, 0, pictureWidth, pictureHeight);
    for (const QRect& rect : outside)
        painter.fillRect(rect, background);
}

void CKolviraView::paintEvent(QPaintEvent*) {
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
        painter.drawImage(QPoint(0, 0), shown, QRect(0, 0, pictureWidth, pictureHeight));
    } else {
        DrawLivePhoto(painter);
    }
    ErasePictureSurroundings(painter, offset);
    if (previewing) {
        painter.setClipping(false);
        DrawPreview(painter);
    }
}

void CKolviraView::DrawLivePhoto(QPainter& painter) {
    if (photo.isNull())
        return;
    const QSize drawn = theRenderer->DrawScaledPhoto(painter, photo, WindowRect(), &scaledPhoto_);
    pictureWidth = drawn.width();
    pictureHeight = drawn.height();
    SetScrollSizes(ScrollTotal(drawn));
}

QRgb CKolviraView::BackgroundColor() const {
    return palette().color(QPalette::Base).rgb();
}

void CKolviraView::ShowStatus(const QString& text) const {
    if (Host() != nullptr)
        Host()->ShowStatusMessage(text);
}

StatusProgress* CKolviraView::ProgressFor(bool showProgress) const {
    return showProgress && Host() != nullptr ? Host()->Progress() : nullptr;
}

// The render pass over the window's width and height from the picture's
// top-left corner, on the photo as drawn and the background around it. The
// rendered canvas is kept, so only a change renders again.
const QImage& CKolviraView::LivePreview(bool showProgress) {
    return preview_.Preview(
        photo, WindowRect().size(), BackgroundColor(), settings,
        [this, showProgress](QImage& picture, const kolvira::RenderParameters& applied) {
            theRenderer->RenderPicture(picture, applied, picture.rect(), ProgressFor(showProgress));
        });
}

void CKolviraView::DrawPreview(QPainter& painter) {
    painter.drawImage(QPoint(0, 0), LivePreview(/*showProgress=*/false));
}

void CKolviraView::RepaintAfterApply() {
    showApplied_ = true;
    RepaintNow();
}

void CKolviraView::RepaintNow() {
    // The paint that follows finds the picture kept and only copies it.
    if (!renderedPicture.isNull()) {
        if (showApplied_)
            FinalPicture(/*showProgress=*/true);
    } else if (settings.active) {
        LivePreview(/*showProgress=*/true);
    }
    viewport()->repaint();
}

void CKolviraView::scrollContentsBy(int, int) {
    viewport()->update();
}

QSize CKolviraView::LivePictureSize(int width) const {
    const qint64 height = kolvira::ProportionalHeight(photo.size(), width);
    return QSize(width, static_cast<int>(std::min<qint64>(height, INT_MAX)));
}

// The live picture follows the window's width, so its range is that of the
// picture the next paint draws; a kept picture keeps the range it was
// rendered with. Either way the bars fit the new viewport at once.
void CKolviraView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (renderedPicture.isNull() && !photo.isNull())
        scrollTotal_ = ScrollTotal(LivePictureSize(WindowRect().width()));
    UpdateScrollBars();
}

CChildFrame* CKolviraView::Frame() const {
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<CChildFrame*>(w))
            return frame;
    }
    return nullptr;
}

// Gives the frame the picture's proportions at the view's current height,
// sized so that the picture fills the client area exactly, without scroll
// bars: what the frame and the view's border take is measured, not assumed.
// A kept picture no longer scales, so the frame fits it as it is.
void CKolviraView::mouseDoubleClickEvent(QMouseEvent* event) {
    CChildFrame* frame = Frame();
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
        frame->resize(picture.width() + frameWidth, picture.height() + frameHeight);
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}
