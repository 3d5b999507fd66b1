// Collects what the image codecs report while a picture is decoded or
// encoded, so that a failure becomes one line naming the file and the reason
// instead of a codec's own lines on stderr. Covers Qt's warnings and the
// lines some codec libraries (libpng) print straight to stderr.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace kolvira {

class CodecMessages {
public:
    CodecMessages(); // starts collecting; one collector at a time, on one thread
    ~CodecMessages();
    CodecMessages(const CodecMessages&) = delete;
    CodecMessages& operator=(const CodecMessages&) = delete;

    // Stops collecting and returns the messages, one per line, in order.
    QStringList Finish();

private:
    QStringList qtMessages_;
    QtMessageHandler previousHandler_ = nullptr;
    std::FILE* capturedStderr_ = nullptr;
    int savedStderr_ = -1;
    bool finished_ = false;

    static void Collect(QtMsgType, const QMessageLogContext&, const QString& message);
};

// Qt's reason for a failure, completed with what the codec said: Qt often has
// only "Unknown error" or "Unable to read image data" to offer.
QString FailureReason(const QString& qtReason, const QStringList& codecMessages);

} // namespace kolvira
