// Enhanced metafiles (EMF, and EMF+ files through the EMF records they carry
// beside their EMF+ ones): recognising one, its size from the header, and
// drawing it through libemf2svg and Qt SVG.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kolvira {

// Whether `head` (the file's first 44 bytes or more) starts an EMF.
bool IsEmf(QByteArrayView head);

// The picture's physical size in pixels at 96 DPI from the header's frame
// (in hundredths of a millimetre), else from its bounds in device pixels.
// Invalid when the header tells neither.
QSize EmfSize(QByteArrayView data);

// The whole file `data` drawn onto white at `size`, or at its physical size
// when `size` is invalid. Null on failure, with `error` set; `warnings` gets
// what was left out.
QImage DrawEmf(QByteArrayView data, QSize size, QString& error, QStringList& warnings);

} // namespace kolvira
