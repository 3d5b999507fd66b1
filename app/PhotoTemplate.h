// Opening a photo window: the path is handed over in pendingPhotoPath, which
// the new photo view copies when it is made, and the photo template makes a
// new untitled document with its window.
#pragma once

#include <string>

// The photo the next photo view shows; never cleared, so New shows the photo
// last opened from a Mosaic.
extern std::string pendingPhotoPath;

void OpenPhotoWindow(const std::string& path);
