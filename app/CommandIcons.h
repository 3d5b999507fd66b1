// The toolbar button images and window icons: SVG files in res/icons,
// compiled into the program and drawn at whatever size a screen asks for.
#pragma once

#include <QIcon>

namespace kolvira {

// The toolbar button image of a command id; a null QIcon for ids without one.
QIcon CommandIcon(int commandId);

// The main window's icon: a framed landscape that a pencil turns into a drawing.
QIcon ApplicationIcon();

// A photo window's icon: a photo print of a landscape with sun and mountain.
QIcon PhotoWindowIcon();

// A Mosaic window's icon: a grid of small photo tiles.
QIcon MosaicWindowIcon();

} // namespace kolvira
