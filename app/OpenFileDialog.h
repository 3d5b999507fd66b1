// The Open dialog: one filter for the image files the program opens, plus
// all files. Returns the chosen file's native path, or empty.
#pragma once

#include <string>

class QFileDialog;
class QWidget;

inline constexpr char kImageFilesFilter[] = "Image Files (*.bmp; *.gif; *.jpg; *.png; *.tif)";

std::string AskForImageFile(QWidget* parent);

// The dialog AskForImageFile runs, for tests that drive it.
void PrepareImageFileDialog(QFileDialog& dialog);
