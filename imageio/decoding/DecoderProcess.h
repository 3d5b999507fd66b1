// HEIF and EMF pictures decoded in a short-lived child process,
// kolvira-decode for HEIF, kolvira-decode-emf for EMF: libheif and libemf2svg
// read the whole file before they decode, so a decode of theirs cannot be
// called off from within, and libemf2svg keeps EMF+ state in static variables
// that a second EMF+ file in the same process can make it free twice. A child
// that crashes or runs past the time limit is killed; the program goes on.
// EMF has a child of its own for its licence: libemf2svg is GPL-2 only, which
// may not be combined with libheif (LGPL-3) or libjxl's libhwy (Apache-2.0).
#pragma once

#include "imageio/decoding/RiskyDecodes.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <chrono>

namespace kolvira {

// The child that decodes `format` ("heif", "emf"), kolvira-decode or
// kolvira-decode-emf, beside the running program, else in
// ../libexec/kolvira/; empty when neither exists (a HEIF decode then stays in
// this process; an EMF is refused unless DrawEmfInThisProcessWith was called).
QByteArray DecoderProgram(const QByteArray& format);

// Whether the decode of a picture of the risky `format` goes to a child.
bool DecodesInChild(const QByteArray& format);

struct ChildDecoded {
    QImage image;         // null on failure
    QStringList messages; // what the decoder said, one line each
    QString error;        // why the image is null, when the child did not say
};

// The picture `format` ("heif", "emf") in `bytes`, scaled to `scaledSize`
// when that is valid, decoded by its child program. The child is killed when
// reads of `device` start failing (the decode was called off) or after
// `limit`. A crash or a bad answer gives a null image with `error` set.
ChildDecoded DecodeInChild(const QByteArray& format, const QByteArray& bytes, QSize scaledSize,
                           QIODevice* device, std::chrono::milliseconds limit);

// DecodeInChild with the child `program`, run as `program format ...`.
ChildDecoded DecodeInProgram(const QByteArray& program, const QByteArray& format,
                             const QByteArray& bytes, QSize scaledSize, QIODevice* device,
                             std::chrono::milliseconds limit);

// How the decoding children are confined on this machine, as the first of
// them says: "Decoding: jailed (seccomp, Landlock)" or "Decoding: not
// jailed: REASON". Asked once, on the first call.
QString DecodingConfinement();

// A handler's read() through DecodeInChild, within the whole-photo time
// limit: the decoder's messages are said again on this thread, where the
// decoding routine collects them.
bool ReadInChild(const QByteArray& format, const QByteArray& bytes, QSize scaledSize,
                 QIODevice* device, QImage* image);

} // namespace kolvira
