#include "cli/ContactSheetRun.h"

#include "cli/MessageStream.h"
#include <QCoreApplication>

#include "cli/FailureReport.h"
#include "cli/InputProtection.h"
#include "cli/NativeNames.h"
#include "cli/ProgressBar.h"
#include "cli/WarningCollector.h"
#include "imageio/NativePath.h"
#include "imageio/PrintScale.h"
#include "mosaic/ContactSheet.h"
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaic/SheetPictures.h"
#include "mosaic/ThumbnailDecoding.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>

namespace kolvira::cli {
namespace {

static_assert(kMaxThumbWidth == kLargestThumbWidth, "--thumb-width ends at the Mosaic's largest");

// The folder as the file system's bytes, without trailing slashes so that its
// photos read "folder/name"; the root stays "/".
std::string FolderPath(const QString& folder) {
    std::string path = NativeFileName(folder).toStdString();
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Why the folder cannot be listed, or an empty string. The scan takes such a
// folder for an empty one, so it is tried here first.
QString FolderProblem(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        const int error = errno;
        return QCoreApplication::translate("RenderRun", "cannot read the folder: %1")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
    ::closedir(listing);
    return {};
}

// The photos as text that gives their bytes back, even for a name that is not
// valid in the system's encoding.
QStringList PhotoNames(const std::vector<std::string>& photos) {
    QStringList names;
    names.reserve(static_cast<qsizetype>(photos.size()));
    for (const std::string& photo : photos)
        names << ArgumentText(photo.c_str());
    return names;
}

// The Mosaic's entries, a picture and label for each photo that can be read
// in the scan's order, added to `sheet` as the workers decode them a few
// files ahead; each one left out, and what the decoders warned about, is
// reported as it comes. A warning cannot be told to belong to one photo: it
// names the folder. Returns how many photos were left out.
int FillSheet(ContactSheetStream& sheet, const std::vector<std::string>& photos,
              const CliOptions& options) {
    std::vector<QByteArray> paths;
    paths.reserve(photos.size());
    for (const std::string& photo : photos)
        paths.push_back(QByteArray::fromStdString(photo));

    int leftOut = 0;
    ProgressBar progress(Messages(), !options.quiet && IsTerminal(Messages()));
    WarningCollector warnings;
    const auto reportWarnings = [&] {
        const QStringList taken = warnings.Take();
        if (options.quiet || taken.isEmpty())
            return;
        progress.Finish(); // the messages get lines of their own
        for (const QString& warning : taken)
            Report({options.sheetFolder,
                    QCoreApplication::translate("RenderRun", "warning: ") + warning});
    };
    progress.Start(options.sheetFolder);
    DecodeSheetPictures(
        paths, sheet.PictureWidth(),
        [&](std::size_t k, SheetPicture picture) {
            reportWarnings();
            if (picture.image.isNull()) {
                progress.Finish(); // the message gets a line of its own
                Report({ShownPath(photos[k]),
                        QCoreApplication::translate("RenderRun", "left out: ") +
                            (picture.error.isEmpty()
                                 ? QCoreApplication::translate("RenderRun", "it cannot be read")
                                 : picture.error)});
                ++leftOut;
            } else {
                sheet.Add(std::move(picture.image), EntryLabel(photos[k]));
            }
            progress.SetCounter(QStringLiteral("%1/%2").arg(k + 1).arg(paths.size()));
            progress.Show(static_cast<int>(100 * (k + 1) / paths.size()));
        },
        options.threads);
    reportWarnings();
    progress.Finish();
    return leftOut;
}

} // namespace

int RunContactSheet(const CliOptions& options) {
    kolvira::FreedesktopThumbnails::SetWriting(options.writeThumbnailCache);
    const QString& output = options.outputFile;
    if (IsLossyName(output)) {
        Report({output, UnspellableNameReason()});
        return 1;
    }
    const std::string folder = FolderPath(options.sheetFolder);
    if (const QString problem = FolderProblem(folder); !problem.isEmpty()) {
        Report({options.sheetFolder, problem});
        return 1;
    }

    std::vector<std::string> photos;
    ScanDirectory(folder, photos, {});
    // Checked before the long build, against every photo found, readable or not.
    if (const QString photo = InputFiles(PhotoNames(photos)).FileAt(NativeFileName(output));
        !photo.isEmpty()) {
        Report({output,
                QCoreApplication::translate("RenderRun", "refusing to write over the photo '%1'")
                    .arg(photo)});
        return 1;
    }

    // Written page by page as the photos are read, so that a folder of any
    // size takes the memory of one page.
    int leftOut = 0;
    const QSize thumbSize(options.thumbWidth, ThumbCellHeight(options.thumbWidth));
    if (const WriteOutcome written = WriteContactSheetPdf(
            output, options.sheetDpi, ScreenDpi(), thumbSize,
            [&](ContactSheetStream& sheet) { leftOut = FillSheet(sheet, photos, options); });
        !written.IsWritten()) {
        Report({output, written.Reason()});
        return 1;
    }
    return leftOut > 0 ? 1 : 0;
}

} // namespace kolvira::cli
