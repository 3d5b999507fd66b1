// Where the program may write: saving a picture or a contact sheet, or
// printing to a PDF file, never replaces a photo open in one of its
// windows, whether it is named by the same path or reached through a link.
#pragma once

#include "imageio/PictureMetadata.h"
#include "imageio/writing/ProtectedFiles.h"
#include "imageio/writing/WriteOutcome.h"

#include <QImage>
#include <QString>

class QWidget;

namespace kolvira {

// Why writing `target` is refused (it would replace one of `openPhotos`),
// or an empty string when it may be written.
QString RefusalToReplacePhoto(const QString& target, const kolvira::ProtectedFiles& openPhotos);

// Writes `picture` to `path` as PNG, JPEG, BMP or TIFF, chosen by the
// name's extension (PNG when it has none), carrying `metadata` where the
// format can. The file appears only once it is complete.
WriteOutcome SavePictureFile(const QImage& picture, const QString& path,
                             const kolvira::CarriedMetadata& metadata = {});

// SavePictureFile for a large picture: written beside the event loop while
// Esc is watched. Esc at any moment leaves `path` as it was (nothing new
// appears, nothing is replaced): the outcome is Stopped.
WriteOutcome SavePictureFileUnlessEscaped(const QImage& picture, const QString& path,
                                          const kolvira::CarriedMetadata& metadata);

// A choice the save dialog offers besides the name, such as the picture's
// size: one radio button per option.
struct SaveChoice {
    QString label;       // "Size:"
    QStringList options; // none: the dialog asks only for the name
    int chosen = 0;      // checked at first; then what the user left checked
};

// Asks for the name of a new file in a save dialog, starting at
// `suggested`; an empty string when the user cancels. A `choice` with
// options is offered in Qt's own dialog, or, after a platform dialog (which
// takes no extra controls), in a small dialog of its own.
QString AskForSaveName(QWidget* parent, const QString& caption, const QString& suggested,
                       const QStringList& filters, const QString& defaultSuffix,
                       SaveChoice* choice = nullptr);

// Asks whether to replace `path` when a file is there; true when there is
// none or the user agrees.
bool ConfirmReplace(QWidget* parent, const QString& path);

// The message box shown when a save fails.
void ReportSaveFailure(QWidget* parent, const QString& path, const QString& reason);

} // namespace kolvira
