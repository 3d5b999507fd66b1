// Collects what the image codecs report while a picture is decoded or
// encoded, so that a failure becomes one line naming the file and the reason
// instead of a codec's own lines on stderr. Covers Qt's warnings and the
// lines some codec libraries (libpng) print straight to stderr.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace kolvira {

// Collects the Qt messages of the thread that made it, so that decoders on
// other threads (the Mosaic's workers) neither add to nor lose their own
// messages. Stderr belongs to the whole process: only one collector at a time
// takes it over; the others leave it alone.
class CodecMessages {
public:
    CodecMessages(); // starts collecting; one collector per thread at a time
    ~CodecMessages();
    CodecMessages(const CodecMessages&) = delete;
    CodecMessages& operator=(const CodecMessages&) = delete;

    // Stops collecting and returns the messages, one per line, in order:
    // this thread's Qt messages, then the lines written to stderr.
    QStringList Finish();
    // This thread's Qt messages alone, once finished. Stderr may also carry
    // lines of other threads' decodes.
    const QStringList& OwnMessages() const { return qtMessages_; }
    // Whether the lines taken from stderr are this collector's own: no other
    // collector was at work while it held stderr. Once finished.
    bool StderrWasOwn() const { return stderrOwn_; }

private:
    QStringList qtMessages_;
    QStringList stderrLines_;
    std::FILE* capturedStderr_ = nullptr;
    int savedStderr_ = -1;
    bool finished_ = false;
    unsigned started_ = 0;      // which collector this is, counted from the start
    bool aloneAtStart_ = false; // no other collector was at work when stderr was taken
    bool stderrOwn_ = false;

    void CaptureStderr();
    void ReleaseStderr();
    friend void RouteMessage(QtMsgType, const QMessageLogContext&, const QString&);
};

// Puts the router that hands Qt messages to each thread's collector in
// place, once; the first collector does it too. Called at program start, so
// that the router sits under any handler a part of the program installs for
// a while later.
void InstallCodecMessageRouter();

// What the codec said, as reasons a user can read: a codec's debugging trace
// (source locations, the functions a failure passed through) left out,
// repeats dropped, the first few kept.
QStringList Condensed(const QStringList& codecMessages);

// Qt's reason for a failure, completed with what the codec said: Qt often has
// only "Unknown error" or "Unable to read image data" to offer.
QString FailureReason(const QString& qtReason, const QStringList& codecMessages);

} // namespace kolvira
