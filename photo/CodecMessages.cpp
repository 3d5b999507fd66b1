#include "CodecMessages.h"

#include <unistd.h>

namespace kolvira {
namespace {

CodecMessages* activeCollector = nullptr;

QStringList ReadLines(std::FILE* file) {
    QByteArray text;
    std::rewind(file);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, static_cast<qsizetype>(n));
    QStringList lines;
    for (const QByteArray& line : text.split('\n')) {
        if (!line.trimmed().isEmpty())
            lines << QString::fromLocal8Bit(line.trimmed());
    }
    return lines;
}

} // namespace

CodecMessages::CodecMessages() {
    activeCollector = this;
    previousHandler_ = qInstallMessageHandler(&CodecMessages::Collect);
    std::fflush(stderr);
    capturedStderr_ = std::tmpfile();
    if (capturedStderr_ != nullptr) {
        savedStderr_ = ::dup(STDERR_FILENO);
        if (savedStderr_ < 0 || ::dup2(::fileno(capturedStderr_), STDERR_FILENO) < 0) {
            // Without a copy of stderr to return to, leave stderr alone.
            if (savedStderr_ >= 0)
                ::close(savedStderr_);
            savedStderr_ = -1;
            std::fclose(capturedStderr_);
            capturedStderr_ = nullptr;
        }
    }
}

CodecMessages::~CodecMessages() {
    Finish();
}

QStringList CodecMessages::Finish() {
    if (finished_)
        return {};
    finished_ = true;
    qInstallMessageHandler(previousHandler_);
    activeCollector = nullptr;
    QStringList messages = qtMessages_;
    if (capturedStderr_ != nullptr) {
        std::fflush(stderr);
        ::dup2(savedStderr_, STDERR_FILENO);
        ::close(savedStderr_);
        messages << ReadLines(capturedStderr_);
        std::fclose(capturedStderr_);
    }
    return messages;
}

void CodecMessages::Collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (activeCollector != nullptr)
        activeCollector->qtMessages_ << message.trimmed();
}

QString FailureReason(const QString& qtReason, const QStringList& codecMessages) {
    if (codecMessages.isEmpty())
        return qtReason;
    const QString details = codecMessages.join(QStringLiteral("; "));
    if (qtReason.isEmpty() || qtReason == QLatin1String("Unknown error"))
        return details;
    return QStringLiteral("%1 (%2)").arg(qtReason, details);
}

} // namespace kolvira
