// The Window menu's own arrangements of the document windows in the MDI
// area, Cascade and Arrange Icons (the area tiles them itself).
#pragma once

class QMdiArea;

namespace kolvira {

// Overlaps the open (not minimised) windows from the top-left corner, each a
// title bar's height further in than the one below it, as large as the area
// allows; the active window ends on top. When so many windows would shrink
// below half the area, the cascade starts again at the corner.
void CascadeWindows(QMdiArea& area);

// Lines the minimised windows up along the bottom of the area, left to
// right, starting a row above when one is full.
void ArrangeIcons(QMdiArea& area);

} // namespace kolvira
