// The Open dialog: the classic filter of five image types, one of every
// picture the program reads ("All Pictures"), and all files. Returns the
// chosen file's native path, or empty.
#pragma once

#include <QtGlobal>

#include <string>

class QFileDialog;
class QWidget;

namespace kolvira {

// English source texts; the dialog shows their translations.
inline constexpr char kImageFilesFilter[] =
    QT_TRANSLATE_NOOP("OpenFileDialog", "Image Files (*.bmp; *.gif; *.jpg; *.png; *.tif)");
inline constexpr char kAllPicturesName[] = QT_TRANSLATE_NOOP("OpenFileDialog", "All Pictures");

std::string AskForImageFile(QWidget* parent);

// The dialog AskForImageFile runs, for tests that drive it.
void PrepareImageFileDialog(QFileDialog& dialog);

} // namespace kolvira
