#include "mosaic/BatchRendering.h"

#include "imageio/LookFile.h"
#include "imageio/NativePath.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/PhotoScaling.h"
#include "imageio/PictureMetadata.h"
#include "imageio/writing/PictureFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kolvira {
namespace {

LoadedPhoto LoadFailed(const QString& reason) {
    return {{}, reason, {}};
}

// The photo as decoded, upright, in whatever format the decoder gives, with
// what the codec said on the way.
LoadedPhoto Decode(const QByteArray& nativePath) {
    DecodedPhoto decoded = DecodePhoto(nativePath);
    if (decoded.image.isNull())
        return LoadFailed(decoded.error);
    if (!decoded.damage.isEmpty())
        return LoadFailed(
            QCoreApplication::translate("BatchRendering", "the picture is damaged: %1")
                .arg(decoded.damage));
    return {std::move(decoded.image), {}, decoded.warnings};
}

} // namespace

RenderParameters DefaultRenderSettings() {
    RenderParameters s;
    s.active = true;
    s.style = kStylePen;
    s.penPress = 0.25;
    s.details = 0.75;
    s.brightness = 0.5;
    s.redLevel = 0.5;
    s.greenLevel = 0.5;
    s.blueLevel = 0.5;
    s.replaceDepth = 40;
    s.brushSize = 2;
    return s;
}

std::int64_t ScaledHeight(int width, int height, int targetWidth) {
    // A very wide photo can come to no rows at all; the picture keeps one.
    return std::max<std::int64_t>(ProportionalHeight(QSize(width, height), targetWidth), 1);
}

LoadedPhoto LoadPhoto(const QByteArray& nativePath, int targetWidth) {
    const LoadedPhoto decoded = Decode(nativePath);
    if (decoded.picture.isNull())
        return decoded;
    const QImage& photo = decoded.picture;

    const bool scale = targetWidth > 0;
    const int width = scale ? targetWidth : photo.width();
    const std::int64_t height =
        scale ? ScaledHeight(photo.width(), photo.height(), targetWidth) : photo.height();
    if (HasTooManyPixels(width, height))
        return LoadFailed(
            QCoreApplication::translate("BatchRendering", "scaled to width %1: ").arg(width) +
            TooManyPixelsReason(width, height));

    const QImage flat = FlattenOnBlack(photo);
    QImage picture = scale ? ScalePhoto(flat, QSize(width, static_cast<int>(height))) : flat;
    if (picture.isNull())
        return LoadFailed(
            QCoreApplication::translate("BatchRendering", "not enough memory for a %1x%2 picture")
                .arg(width)
                .arg(height));
    return {picture, {}, decoded.warnings};
}

void RenderInPlace(QImage& picture, const RenderParameters& settings, int threads,
                   const ProgressCallback& progress) {
    PictureSurface surface(reinterpret_cast<PixelWord*>(picture.bits()), picture.width(),
                           picture.height(), picture.bytesPerLine() / 4);
    const RenderRect area{0, 0, picture.width(), picture.height()};
    RenderPicture(surface, settings, area, progress, RenderOptions{threads});
}

QString BatchOutputPath(const QString& outputDir, const QString& input, const QString& suffix,
                        const QString& nameEnding) {
    return QDir(outputDir).filePath(QFileInfo(input).completeBaseName() + nameEnding + u'.' +
                                    suffix);
}

QString ProtectedTargetReason(const ProtectedFiles& photos, const QByteArray& nativeOutput) {
    const QString photo = photos.FileAt(nativeOutput);
    if (photo.isEmpty())
        return {};
    return QCoreApplication::translate("BatchRendering",
                                       "refusing to write over the input picture '%1'")
        .arg(photo);
}

OutputDecision OutputPlanner::Decide(const QString& input, const QString& output,
                                     const QByteArray& nativeOutput) {
    OutputDecision decision;
    const QByteArray target = ResolvedPath(nativeOutput);
    if (const auto taken = taken_.constFind(target); taken != taken_.constEnd())
        return {OutputDecision::Kind::AlreadyTaken, taken.value(), false};
    taken_.insert(target, input);
    if (QString reason = ProtectedTargetReason(protected_, nativeOutput); !reason.isEmpty())
        return {OutputDecision::Kind::Protected, std::move(reason), false};
    const QFileInfo info(output);
    decision.exists = info.exists() || info.isSymLink();
    return decision;
}

std::vector<PlannedDrawing> PlanDrawings(const std::vector<std::string>& photos,
                                         const QString& folder, const QString& suffix,
                                         const QString& nameEnding,
                                         const ProtectedFiles& protectedFiles) {
    OutputPlanner planner(protectedFiles);
    std::vector<PlannedDrawing> plan;
    plan.reserve(photos.size());
    for (const std::string& path : photos) {
        const QString photo = ShownPath(path);
        const QString output = BatchOutputPath(folder, photo, suffix, nameEnding);
        plan.push_back({photo, QByteArray::fromStdString(path), output,
                        planner.Decide(photo, output, QFile::encodeName(output))});
    }
    return plan;
}

PhotoRenderOutcome RenderPhotoFile(const PhotoRenderJob& job, PhotoRenderObserver& observer) {
    using Status = PhotoRenderOutcome::Status;
    LoadedPhoto photo = LoadPhoto(job.nativeInput, job.width);
    if (photo.picture.isNull())
        return {Status::Failed, job.input, photo.error, {}};
    observer.Loaded(photo.warnings);
    RenderInPlace(photo.picture, job.settings, job.threads,
                  [&observer](int percent) { observer.Progress(percent); });
    if (!observer.Rendered())
        return {Status::Stopped, {}, {}, {}};

    // The drawing says how it was made, so that its look can be used again.
    const CarriedMetadata metadata =
        job.carryMetadata ? CarriedMetadata::Of(job.nativeInput)
                                .WithLook(LookToJson(job.settings, LookLayout::OneLine))
                          : CarriedMetadata();
    if (const WriteOutcome written =
            WritePicture(photo.picture, job.output, job.writerFormat, metadata);
        !written.IsWritten())
        return {Status::Failed, job.output, written.Reason(), {}};
    return {Status::Written, {}, {}, photo.picture.size()};
}

} // namespace kolvira
