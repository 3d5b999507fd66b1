#include "cli/RunReport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace kolvira::cli {
namespace {

// The string as a JSON literal, quotes included, escaped by Qt's writer.
QByteArray JsonString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray PathFields(const char* key, const QByteArray& path) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(path);
    QByteArray fields = '"' + QByteArray(key) + "\":" + JsonString(text);
    if (utf8.hasError())
        fields += ",\"" + QByteArray(key) + "_hex\":\"" + path.toHex() + '"';
    return fields;
}

const char* StatusName(InputStatus status) {
    switch (status) {
    case InputStatus::Written:
        return "written";
    case InputStatus::Skipped:
        return "skipped";
    case InputStatus::Failed:
        return "failed";
    }
    return "failed";
}

QString ErrnoText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool LockWholeFile(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    while (::fcntl(fd, F_SETLKW, &lock) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

} // namespace

QByteArray ReportLine(const ReportEntry& entry) {
    QByteArray line = '{' + PathFields("input", entry.input);
    if (!entry.output.isEmpty())
        line += ',' + PathFields("output", entry.output);
    line += ",\"status\":\"" + QByteArray(StatusName(entry.status)) + '"';
    if (!entry.reason.isEmpty())
        line += ",\"reason\":" + JsonString(entry.reason);
    line += ",\"ms\":" + QByteArray::number(static_cast<qint64>(entry.ms)) +
            ",\"pixels\":" + QByteArray::number(static_cast<qint64>(entry.pixels)) + "}\n";
    return line;
}

ReportFile::~ReportFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

QString ReportFile::Open(const QByteArray& path) {
    fd_ = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    return fd_ < 0 ? ErrnoText() : QString();
}

WriteOutcome ReportFile::Append(const QByteArray& line) {
    if (!LockWholeFile(fd_, F_WRLCK))
        return WriteOutcome::Failed(
            QCoreApplication::translate("RenderRun", "cannot lock the report: ") + ErrnoText());
    WriteOutcome outcome = WriteOutcome::Written();
    for (qsizetype done = 0; done < line.size();) {
        const ssize_t written = ::write(fd_, line.constData() + done, line.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            outcome = WriteOutcome::Failed(ErrnoText());
            break;
        }
        done += written;
    }
    LockWholeFile(fd_, F_UNLCK);
    return outcome;
}

} // namespace kolvira::cli
