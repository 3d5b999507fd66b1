// Windows metafiles (WMF), with or without the placeable header in front:
// recognising one, its size, and drawing it. libwmf plays the records (the
// device context, objects, coordinate mapping) and WmfPainter draws what it
// asks for.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace kolvira {

// Whether `head` (the file's first bytes) starts a WMF.
bool IsWmf(QByteArrayView head);

// The picture's physical size in pixels at 96 DPI, read without drawing:
// the placeable header's bounding box at its units per inch, else the window
// extent the records set before they draw, taken as pixels (as other programs
// read it). Invalid when `data`, the file or its start, tells none.
QSize WmfSize(QByteArrayView data);

// The whole file `data` drawn onto white at `size`, or at its physical size
// when `size` is invalid; a WMF that tells no size is as large as its
// drawing. `calledOff` is asked now and then while the records are played,
// and the drawing stops when it says so. Null on failure, with `error` set;
// `warnings` gets what was left out.
QImage DrawWmf(QByteArrayView data, QSize size, const std::function<bool()>& calledOff,
               QString& error, QStringList& warnings);

} // namespace kolvira
