// Where the program may write: saving a picture or a contact sheet, or
// printing to a PDF file, never replaces a photo open in one of its
// windows, whether it is named by the same path or reached through a link.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

// The open photo that writing `target` would replace (as shown to the
// user), or an empty string.
QString OpenPhotoAt(const QString& target);

// Why writing `target` is refused (it would replace an open photo), or an
// empty string when it may be written.
QString RefusalToReplacePhoto(const QString& target);

// Writes `picture` to `path` as PNG, JPEG, BMP or TIFF, chosen by the
// name's extension (PNG when it has none). The file appears only once it is
// complete, and an open photo is never replaced. Returns the reason for a
// failure, or an empty string.
QString SavePictureFile(const QImage& picture, const QString& path);

// Asks for the name of a new file in a save dialog, starting at
// `suggested`; an empty string when the user cancels.
QString AskForSaveName(QWidget* parent, const QString& caption, const QString& suggested,
                       const QStringList& filters, const QString& defaultSuffix);

// The message box shown when a save fails.
void ReportSaveFailure(QWidget* parent, const QString& path, const QString& reason);
