// What the decoding children (kolvira-decode, kolvira-decode-emf) share: each
// is run as `PROGRAM FORMAT [--size WxH] [--text]`, reads one picture on
// stdin, decodes it and writes it to stdout (see DecoderWire.h), then ends.
// It reads the picture only once it is shut in (see DecoderJail.h).
// The program starts one for each picture of a risky format, so that a crash
// or a runaway decode ends only the child.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace kolvira {

// Decodes `bytes`, a picture of `format`, scaled to `scaledSize` when that is
// valid. A null image on failure, with `error` giving the reason when the
// decoder said nothing; what it says meanwhile (qWarning) is sent along.
using DecodeBytes = std::function<QImage(QByteArray& bytes, const QByteArray& format,
                                         QSize scaledSize, QString& error)>;

// Loads what decoding `format` needs, before the child shuts itself in.
using PrepareFormat = std::function<void(const QByteArray& format)>;

// Given as the format, the child shuts itself in as for a picture, writes
// how (see DescribeJail) and ends.
inline constexpr char kDescribeJail[] = "--jail";

// The whole of a child's main(); `program` names it in the usage line.
int RunDecoderChild(int argc, char** argv, const char* program, const DecodeBytes& decode,
                    const PrepareFormat& prepare = {});

} // namespace kolvira
