// Drawing enhanced metafiles (EMF, and EMF+ files through the EMF records
// they carry beside their EMF+ ones) through libemf2svg and Qt SVG.
// libemf2svg is GPL-2 only: this is linked into kolvira-decode-emf alone (and
// the tests and fuzzers), never into a program that also links libheif or
// libjxl. The programs read the header with EmfHeader and hand the drawing to
// that child.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kolvira {

// The whole file `data` drawn onto white at `size`, or at its physical size
// when `size` is invalid. Null on failure, with `error` set; `warnings` gets
// what was left out.
QImage DrawEmf(QByteArrayView data, QSize size, QString& error, QStringList& warnings);

} // namespace kolvira
