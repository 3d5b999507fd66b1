// The Qt application object kolvira-render runs in.
#pragma once

#include <QCoreApplication>

#include <memory>

namespace kolvira::cli {

// A QCoreApplication, through which Qt finds its image format plugins; or,
// `withFonts`, a QGuiApplication on the screenless "offscreen" platform, so
// that text can be laid out and painted without a display.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, bool withFonts);

} // namespace kolvira::cli
