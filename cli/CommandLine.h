// The command line of kolvira-render, parsed into what one run does: which
// pictures to render, with which settings, and where the results go; or which
// folder to print as a contact sheet.
#pragma once

#include "cli/Sharding.h"
#include "render/RenderParameters.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kolvira::cli {

enum class CliAction { Render, ContactSheet, PrintLook, ShowHelp, ShowVersion };

struct CliOptions {
    CliAction action = CliAction::Render;
    RenderParameters settings;
    int threads = 0;    // 0: one per core
    int width = 0;      // scale the photo to this width first; 0 keeps its size
    bool quiet = false; // no progress bar, no decoder warnings
    bool strip = false; // write no metadata into the outputs
    QStringList inputs;
    QString outputFile;      // -o: the one output picture
    QString outputDir;       // -d: the folder the batch's pictures go to
    QString batchSuffix;     // -d: the extension of the batch's output names
    QByteArray writerFormat; // the QImageWriter format of the output

    // Running one piece of a large job.
    Shard shard;               // --shard K/N: only the inputs of slice K
    bool skipExisting = false; // leave out inputs whose output is already there
    QString filesFrom;         // a list of further inputs; "-" is standard input
    bool nulSeparated = false; // -0: the list's names end with NUL, not newline
    QString reportFile;        // --report: where each input's outcome is appended

    // --contact-sheet: the folder whose photos go on the sheet, written to outputFile.
    QString sheetFolder;
    int thumbWidth = 100;            // the Mosaic's default cell width
    int sheetDpi = 600;              // the PDF's resolution
    bool writeThumbnailCache = true; // share the thumbnails made with other programs
};

// The ranges of --thumb-width (the Mosaic's cell widths) and --dpi.
inline constexpr int kMinThumbWidth = 20;
inline constexpr int kMaxThumbWidth = 200;
inline constexpr int kMinSheetDpi = 72;
inline constexpr int kMaxSheetDpi = 4800;

// The record a run starts from before its options are applied: the batch
// default (mosaic/BatchRendering.h).
RenderParameters DefaultRenderSettings();

struct ParsedCommandLine {
    CliOptions options;
    QString error; // one line naming the problem; empty when the line is valid
    bool ok() const { return error.isEmpty(); }
};

// `arguments` excludes the program name. Stops at the first problem; --help
// and --version take effect where they stand, ignoring what follows.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// Whether the arguments ask for a contact sheet, which needs fonts and so a
// GUI application; looked at before the application object exists.
bool AsksForContactSheet(const QStringList& arguments);

// Whether the run needs fonts: a contact sheet's captions, or the text in a
// Windows metafile among the inputs (which a --files-from list may hold).
bool NeedsFonts(const QStringList& arguments);

} // namespace kolvira::cli
