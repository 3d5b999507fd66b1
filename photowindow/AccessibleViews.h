// What screen readers hear of the photo window's own widgets: the photo
// view is an image named by its photo and described by how it is drawn,
// a colour swatch describes its colour.
#pragma once

namespace kolvira {

// Makes Qt's accessibility layer ask this file for the interfaces of
// PhotoView and ColorSwatch; done once, however often called.
void InstallAccessibleViews();

} // namespace kolvira
