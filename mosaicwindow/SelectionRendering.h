// File → Render Selection: the Mosaic's selected photos rendered into
// drawing files "NAME drawn.EXT" in one folder, the way kolvira-render's
// batch mode renders them, with the status-bar progress and Esc to stop.
#pragma once

#include "imageio/writing/ProtectedFiles.h"
#include "render/RenderParameters.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace kolvira {

class WindowHost;

struct SelectionRenderRequest {
    kolvira::RenderParameters settings;
    QString outputFolder;
    QString suffix = QStringLiteral("png"); // png, jpg, bmp or tif
    int width = 0; // scale each photo to this width first; 0 keeps its size
};

// What the name of a photo's drawing ends with, before the extension.
inline const QString kDrawingNameEnding = QStringLiteral(" drawn");

// Renders `photos` (native bytes) as `request` says, never over one of
// `protectedFiles`; asks once before replacing existing drawings and ends
// with one message box saying what was done. Returns that message.
QString RenderSelectedPhotos(const std::vector<std::string>& photos,
                             const SelectionRenderRequest& request,
                             const kolvira::ProtectedFiles& protectedFiles, WindowHost& host,
                             QWidget* parent);

} // namespace kolvira
