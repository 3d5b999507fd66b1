// kolvira-render --contact-sheet: the photos of a folder as the Mosaic shows
// them (its scan and thumbnails, unreadable files left out), printed to a PDF
// file as the Mosaic prints its contact sheet.
#pragma once

#include "cli/CommandLine.h"

namespace kolvira::cli {

// Makes the sheet of options.sheetFolder into options.outputFile; returns the
// exit code: 0 when every photo is on the written sheet, 1 when one was left
// out (the sheet is written all the same), when the folder cannot be read or
// when the sheet cannot be written.
int RunContactSheet(const CliOptions& options);

} // namespace kolvira::cli
