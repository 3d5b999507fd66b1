// Rendering photo files into drawing files, one photo at a time, as both
// kolvira-render and the Mosaic's Render Selection do it: the photo is
// decoded upright on black, optionally scaled to a width, rendered on all
// cores and written atomically with its EXIF and its look; never over a protected file.
#pragma once

#include "imageio/writing/ProtectedFiles.h"
#include "render/RenderPass.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace kolvira {

// The record a batch starts from: what the Paint dialog's controls stand
// for when it opens (Pen, pen press 75, details 25, the Photo Editor's
// sliders in the middle).
RenderParameters DefaultRenderSettings();

struct LoadedPhoto {
    QImage picture;       // Format_RGB32; null when loading failed
    QString error;        // the reason for a failure
    QStringList warnings; // what the decoder noted about a photo it did open
};

// Opens a photo the way the photo window shows it: decoded upright, painted
// over black and, when `targetWidth` > 0, smoothly scaled to that width. A
// damaged photo is refused rather than rendered half grey.
LoadedPhoto LoadPhoto(const QByteArray& nativePath, int targetWidth);

// The height of a photo of `width` x `height` scaled to `targetWidth`,
// truncated, as the photo window computes it; at least 1.
std::int64_t ScaledHeight(int width, int height, int targetWidth);

// Renders the whole of a Format_RGB32 picture in place.
void RenderInPlace(QImage& picture, const RenderParameters& settings, int threads,
                   const ProgressCallback& progress);

// OUTDIR/<complete base name of the input><nameEnding>.<suffix>
QString BatchOutputPath(const QString& outputDir, const QString& input, const QString& suffix,
                        const QString& nameEnding = {});

// Why `output` may not be written: it is (or links to) one of `photos`.
// Empty when it may.
QString ProtectedTargetReason(const ProtectedFiles& photos, const QByteArray& nativeOutput);

// What becomes of one drawing of a batch, settled before anything is written.
struct OutputDecision {
    enum class Kind {
        Write,
        AlreadyTaken, // an earlier photo of the batch has this output
        Protected,    // the output is (or links to) a protected file
    };
    Kind kind = Kind::Write;
    QString detail;      // AlreadyTaken: that earlier photo; Protected: why
    bool exists = false; // a file or a link is at the output already
};

// Decides the outputs of a batch one by one, in the batch's order, so that
// two photos never share an output and no output replaces a protected file.
class OutputPlanner {
public:
    explicit OutputPlanner(const ProtectedFiles& protectedFiles) : protected_(protectedFiles) {}

    OutputDecision Decide(const QString& input, const QString& output,
                          const QByteArray& nativeOutput);

private:
    const ProtectedFiles& protected_;
    QHash<QByteArray, QString> taken_; // resolved output -> the photo it is for
};

// One photo of a batch written to `folder` as
// "<complete base name><nameEnding>.<suffix>".
struct PlannedDrawing {
    QString photo; // as shown
    QByteArray nativePhoto;
    QString output;
    OutputDecision decision;
};

// The plan of a whole batch of `photos` (native bytes), in their order.
std::vector<PlannedDrawing> PlanDrawings(const std::vector<std::string>& photos,
                                         const QString& folder, const QString& suffix,
                                         const QString& nameEnding,
                                         const ProtectedFiles& protectedFiles);

struct PhotoRenderJob {
    QString input;           // as shown in messages
    QByteArray nativeInput;  // the file system's bytes of `input`
    QString output;          // written through a temporary file, renamed when complete
    QByteArray writerFormat; // the QImageWriter format
    RenderParameters settings;
    int width = 0;   // scale the photo to this width first; 0 keeps its size
    int threads = 0; // 0: one per core
    bool carryMetadata = true;
};

// What a caller follows of one photo's rendering.
class PhotoRenderObserver {
public:
    virtual ~PhotoRenderObserver() = default;
    // The photo is open; the pass starts next.
    virtual void Loaded(const QStringList& warnings) { (void)warnings; }
    virtual void Progress(int percent) { (void)percent; }
    // The pass is done; false stops here and nothing is written.
    virtual bool Rendered() { return true; }
};

struct PhotoRenderOutcome {
    enum class Status { Written, Failed, Stopped };
    Status status = Status::Written;
    QString failedFile; // the input or the output, whichever the reason is about
    QString reason;
    QSize size; // of the picture written
};

// Loads, renders and writes one photo. The output's folder must exist and
// the protection check is the caller's (ProtectedTargetReason), made before
// any photo is loaded.
PhotoRenderOutcome RenderPhotoFile(const PhotoRenderJob& job, PhotoRenderObserver& observer);

} // namespace kolvira
