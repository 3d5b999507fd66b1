// An enhanced metafile's header (EMF, and EMF+ files, which start alike):
// recognising one and the picture's size and extent, without drawing it.
// Drawing is EmfFormat's, linked only into kolvira-decode-emf.
#pragma once

#include <QByteArrayView>
#include <QSize>

#include <optional>

namespace kolvira {

// A rectangle as the header stores it: four 32-bit edges.
struct EmfEdges {
    qint64 left = 0, top = 0, right = 0, bottom = 0;
    qint64 Width() const { return right - left; }
    qint64 Height() const { return bottom - top; }
};

struct EmfHeader {
    EmfEdges bounds; // the drawing's extent in the reference device's pixels, both ends included
    EmfEdges frame;  // the picture in hundredths of a millimetre
    // The reference device's pixels a millimetre; 0 when the header does not tell.
    double pixelsPerMmX = 0;
    double pixelsPerMmY = 0;
};

// Whether `head` (the file's first 44 bytes or more) starts an EMF.
bool IsEmf(QByteArrayView head);

// The header at the start of `data`; nothing when it is no EMF header.
std::optional<EmfHeader> ReadEmfHeader(QByteArrayView data);

// The picture's physical size in pixels at 96 DPI from the header's frame
// (in hundredths of a millimetre), else from its bounds in device pixels.
// Invalid when the header tells neither.
QSize EmfSize(QByteArrayView data);

} // namespace kolvira
