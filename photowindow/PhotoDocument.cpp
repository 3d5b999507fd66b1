#include "photowindow/PhotoDocument.h"

#include "photowindow/Renderer.h"
#include <QCoreApplication>

#include "imageio/NativePath.h"
#include "imageio/PhotoDecoding.h"

#include <algorithm>

namespace kolvira {

namespace {

// Windows of this many sizes and backgrounds keep their previews at once.
constexpr std::size_t kKeptPreviews = 3;

} // namespace

PhotoDocument::PhotoDocument(DocumentTemplate* docTemplate, QString defaultTitle, std::string path)
    : Document(docTemplate, std::move(defaultTitle)), path_(std::move(path)) {}

QString PhotoDocument::Open(QString& damageNote) {
    if (opened_)
        return {};
    opened_ = true;
    SetTitle(ShownPath(path_));
    if (path_.empty())
        return {};
    if (QString failure = LoadPhoto(path_, damageNote); !failure.isEmpty())
        return failure; // the window stays empty
    settings_.replaceDepth = 40;
    settings_.brushSize = 2;
    return {};
}

QString PhotoDocument::LoadPhoto(const std::string& path, QString& damageNote) {
    DecodedPhoto decoded = DecodePhoto(QByteArray::fromStdString(path));
    if (decoded.image.isNull())
        return QCoreApplication::translate("PhotoDocument", "Cannot show %1: %2")
            .arg(ShownPath(path), decoded.error);
    // Transparent parts show black, as in kolvira-render's output.
    photo_ = FlattenOnBlack(decoded.image);
    damageNote = decoded.damage.isEmpty()
                     ? QString()
                     : QCoreApplication::translate("PhotoDocument",
                                                   "%1 is damaged: %2; showing what could be read")
                           .arg(ShownPath(path), decoded.damage);
    return {};
}

QString PhotoDocument::ShowPhotoFile(const std::string& path, QString& damageNote) {
    if (QString failure = LoadPhoto(path, damageNote); !failure.isEmpty())
        return failure;
    path_ = path;
    SetTitle(ShownPath(path_));
    drawing_ = QImage();
    drawingSaved_ = true;
    ForgetPreviews();
    NotifyChanged();
    return {};
}

void PhotoDocument::KeepDrawing(const QImage& drawing, qreal ratio, QSize logicalSize) {
    drawing_ = drawing;
    drawingRatio_ = ratio;
    drawingSize_ = logicalSize;
    drawingSaved_ = false;
    NotifyChanged();
}

void PhotoDocument::RevertToPhoto() {
    drawing_ = QImage();
    drawingSaved_ = true;
    settings_.active = false;
    ForgetPreviews();
    NotifyChanged();
}

void PhotoDocument::SetPreviewingApplied(bool previewing) {
    previewingApplied_ = previewing;
}

const PreviewCache& PhotoDocument::Preview(QSize size, QRgb background, StatusProgress* progress) {
    auto kept = std::find_if(previews_.begin(), previews_.end(),
                             [&](const PreviewCache& p) { return p.Holds(size, background); });
    if (kept == previews_.end()) {
        if (previews_.size() < kKeptPreviews)
            previews_.emplace_front();
        else
            previews_.splice(previews_.begin(), previews_, std::prev(previews_.end()));
    } else {
        previews_.splice(previews_.begin(), previews_, kept);
    }
    PreviewCache& preview = previews_.front();
    preview.Preview(photo_, size, background, settings_,
                    [progress](QImage& picture, const RenderParameters& applied) {
                        RenderShownPicture(picture, applied, picture.rect(), progress);
                    });
    return preview;
}

QImage PhotoDocument::ShownPicture(QSize size, QRgb background) {
    if (HasDrawing())
        return drawing_; // made at the picture's size
    if (photo_.isNull())
        return {};
    if (settings_.active) {
        // The live preview as the window paints it, cut to the photo.
        const PreviewCache& preview = Preview(size, background, nullptr);
        const QSize drawn = preview.DrawnSize();
        return preview.Canvas().copy(0, 0, drawn.width(), drawn.height());
    }
    return PhotoAtWidth(photo_, size.width(), &scaledPhoto_);
}

QImage PhotoDocument::FullResolutionPicture(StatusProgress* progress, bool stoppable) {
    return fullResolution_.Picture(photo_, settings_.Parameters(), progress, stoppable);
}

void PhotoDocument::ForgetPreviews() {
    for (PreviewCache& preview : previews_)
        preview.Clear();
}

} // namespace kolvira
