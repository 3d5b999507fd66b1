// Saving a photo window's picture, as PNG, JPEG, BMP or TIFF by the name's
// extension: what the window shows, or the photo rendered at its own size.
#include "photowindow/PhotoView.h"

#include "framework/SaveTargets.h"
#include "framework/WindowHost.h"
#include "imageio/LookFile.h"
#include "imageio/NativePath.h"
#include "imageio/writing/WritableFormats.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kolvira {

Saveable::SaveDialogText PhotoView::SaveDialog() const {
    QStringList filters;
    for (const WritableFormat& format : WritableFormats()) {
        QStringList patterns;
        for (const QString& suffix : format.suffixes)
            patterns.append(QStringLiteral("*.") + suffix);
        filters.append(QCoreApplication::translate("PhotoView", "%1 picture (%2)")
                           .arg(format.name, patterns.join(u' ')));
    }
    return {QCoreApplication::translate("PhotoView", "Save As"), filters,
            WritableFormats().front().suffixes.first()};
}

// Next to the photo, named after it: "IMG_0001 drawn.png".
QString PhotoView::SuggestedSaveName() const {
    const std::string& photoPath = document_.PhotoPath();
    const QFileInfo shown(ShownPath(photoPath));
    const QString base = shown.completeBaseName().isEmpty()
                             ? QCoreApplication::translate("PhotoView", "Kolvira picture")
                             : shown.completeBaseName() + QStringLiteral(" drawn");
    const QString folder = photoPath.empty() ? QDir::homePath() : shown.absolutePath();
    return QDir(folder).filePath(base + QStringLiteral(".png"));
}

namespace {

// The options of the save dialog's size choice.
enum SavedSize { kAsShown = 0, kFullResolution = 1 };

QString SizeText(QSize size) {
    return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
}

} // namespace

SaveChoice PhotoView::SaveChoices() {
    const QImage& photo = document_.Image();
    if (photo.isNull())
        return {};
    return {QCoreApplication::translate("PhotoView", "Size:"),
            {QCoreApplication::translate("PhotoView", "As shown (%1)")
                 .arg(SizeText(ShownPicture().size())),
             QCoreApplication::translate("PhotoView", "Full resolution (%1)")
                 .arg(SizeText(photo.size()))}};
}

WriteOutcome PhotoView::WriteSavedFile(const QString& path) {
    // The photo's EXIF goes with the picture made from it, and so does the
    // look of a drawing.
    auto metadata = kolvira::CarriedMetadata::Of(QByteArray::fromStdString(document_.PhotoPath()));
    if (document_.Settings().active)
        metadata = metadata.WithLook(
            kolvira::LookToJson(document_.Settings(), kolvira::LookLayout::OneLine));
    const WriteOutcome outcome = [&] {
        if (SaveOption() != kFullResolution || document_.Image().isNull())
            return SavePictureFile(ShownPicture(), path, metadata);
        // Esc stops the pass and the writing of the file alike.
        const QImage picture = FullResolutionPicture(/*stoppable=*/true);
        if (picture.isNull())
            return WriteOutcome::Stopped();
        ShowStatus(QCoreApplication::translate("PhotoView", "Writing %1 (Esc stops)")
                       .arg(QFileInfo(path).fileName()));
        return SavePictureFileUnlessEscaped(picture, path, metadata);
    }();
    if (outcome.IsWritten())
        document_.MarkDrawingSaved(); // closing need not ask about it
    return outcome;
}

std::vector<kolvira::NativePath> PhotoView::PhotoFiles() const {
    if (document_.PhotoPath().empty())
        return {};
    return {document_.PhotoPath()};
}

} // namespace kolvira
