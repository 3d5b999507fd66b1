#include "cli/RenderRun.h"

#include "cli/FailureReport.h"
#include "cli/InputProtection.h"
#include "cli/NativeNames.h"
#include "cli/PhotoLoading.h"
#include "cli/PictureWriting.h"
#include "cli/ProgressBar.h"
#include "imageio/PictureFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <optional>

namespace kolvira::cli {
namespace {

std::optional<Failure> PrepareOutputDir(const QString& dir) {
    if (IsLossyName(dir))
        return Failure{dir, UnspellableNameReason()};
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return Failure{dir, QStringLiteral("exists and is not a folder")};
    if (!info.exists() && !QDir().mkpath(dir))
        return Failure{dir, QStringLiteral("cannot create the output folder")};
    return std::nullopt;
}

class Run {
public:
    explicit Run(const CliOptions& options)
        : options_(options), inputs_(InputFiles(options.inputs)),
          progress_(stderr, !options.quiet && IsTerminal(stderr)) {}

    std::optional<Failure> RenderFile(const QString& input, const QString& output) {
        const QString target = ResolvedPath(output);
        if (const auto taken = outputsTaken_.constFind(target); taken != outputsTaken_.constEnd())
            return Failure{input, QStringLiteral("not written: '%1' is already the output of '%2'")
                                      .arg(output, taken.value())};
        outputsTaken_.insert(target, input);
        if (IsLossyName(output))
            return Failure{output, UnspellableNameReason()};
        if (const QString overwritten = inputs_.FileAt(NativeFileName(output));
            !overwritten.isEmpty())
            return Failure{
                output,
                QStringLiteral("refusing to write over the input picture '%1'").arg(overwritten)};

        LoadedPhoto photo = LoadPhoto(input, options_.width);
        if (photo.picture.isNull())
            return Failure{input, photo.error};
        if (!options_.quiet) {
            for (const QString& warning : photo.warnings)
                Report({input, QStringLiteral("warning: ") + warning});
        }

        progress_.Start(QFileInfo(input).fileName());
        RenderInPlace(photo.picture, options_.settings, options_.threads,
                      [this](int percent) { progress_.Show(percent); });
        progress_.Show(100); // the pass reports the cells it starts, so it stops short of 100
        progress_.Finish();

        const CarriedMetadata metadata =
            options_.strip ? CarriedMetadata() : CarriedMetadata::Of(NativeFileName(input));
        if (const QString reason =
                WritePicture(photo.picture, output, options_.writerFormat, metadata);
            !reason.isEmpty())
            return Failure{output, reason};
        return std::nullopt;
    }

private:
    const CliOptions& options_;
    const ProtectedFiles inputs_;
    ProgressBar progress_;
    QHash<QString, QString> outputsTaken_; // resolved output path -> the input it is for
};

} // namespace

void RenderInPlace(QImage& picture, const RenderParameters& settings, int threads,
                   const ProgressCallback& progress) {
    PictureSurface surface(reinterpret_cast<PixelWord*>(picture.bits()), picture.width(),
                           picture.height(), picture.bytesPerLine() / 4);
    const RenderRect area{0, 0, picture.width(), picture.height()};
    RenderPicture(surface, settings, area, progress, RenderOptions{threads});
}

int RunRender(const CliOptions& options) {
    const bool batch = !options.outputDir.isEmpty();
    if (batch) {
        if (const auto failure = PrepareOutputDir(options.outputDir)) {
            Report(*failure);
            return 1;
        }
    }

    Run run(options);
    bool anyFailed = false;
    for (const QString& input : options.inputs) {
        const QString output = batch
                                   ? BatchOutputPath(options.outputDir, input, options.batchSuffix)
                                   : options.outputFile;
        if (const auto failure = run.RenderFile(input, output)) {
            Report(*failure);
            anyFailed = true;
        }
    }
    return anyFailed ? 1 : 0;
}

} // namespace kolvira::cli
