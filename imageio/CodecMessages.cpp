#include "imageio/CodecMessages.h"

#include <QRegularExpression>

#include <atomic>
#include <mutex>
#include <unistd.h>

namespace kolvira {
namespace {

thread_local CodecMessages* threadCollector = nullptr;

// The handler that was in place before the router, for the messages of
// threads that collect nothing.
QtMessageHandler handlerBeforeRouter = nullptr;
std::once_flag routerInstalled;

// Held by the collector that has stderr redirected.
std::mutex stderrOwner;
// The collectors at work, and how many have started: stderr lines belong to
// one collector only when no other worked while it held stderr.
std::atomic<int> collecting{0};
std::atomic<unsigned> started{0};

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

void RouteMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (threadCollector != nullptr)
        threadCollector->qtMessages_ << message.trimmed();
    else if (handlerBeforeRouter != nullptr) // Qt hands over its default handler when none was set
        handlerBeforeRouter(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void InstallCodecMessageRouter() {
    // Installed once and left in place: swapping handlers per collector
    // would race between threads.
    std::call_once(routerInstalled,
                   [] { handlerBeforeRouter = qInstallMessageHandler(RouteMessage); });
}

CodecMessages::CodecMessages() {
    InstallCodecMessageRouter();
    threadCollector = this;
    started_ = ++started;
    ++collecting;
    CaptureStderr();
}

CodecMessages::~CodecMessages() {
    Finish();
}

void CodecMessages::CaptureStderr() {
    if (!stderrOwner.try_lock())
        return;
    std::fflush(stderr);
    capturedStderr_ = std::tmpfile();
    if (capturedStderr_ != nullptr) {
        savedStderr_ = ::dup(STDERR_FILENO);
        if (savedStderr_ >= 0 && ::dup2(::fileno(capturedStderr_), STDERR_FILENO) >= 0) {
            aloneAtStart_ = collecting == 1;
            return;
        }
        // Without a copy of stderr to return to, leave stderr alone.
        if (savedStderr_ >= 0)
            ::close(savedStderr_);
        savedStderr_ = -1;
        std::fclose(capturedStderr_);
        capturedStderr_ = nullptr;
    }
    stderrOwner.unlock();
}

void CodecMessages::ReleaseStderr() {
    if (capturedStderr_ == nullptr)
        return;
    std::fflush(stderr);
    stderrOwn_ = aloneAtStart_ && collecting == 1 && started == started_;
    ::dup2(savedStderr_, STDERR_FILENO);
    ::close(savedStderr_);
    stderrLines_ = ReadLines(capturedStderr_);
    std::fclose(capturedStderr_);
    capturedStderr_ = nullptr;
    stderrOwner.unlock();
}

QStringList CodecMessages::Finish() {
    if (finished_)
        return {};
    finished_ = true;
    if (threadCollector == this)
        threadCollector = nullptr;
    ReleaseStderr();
    --collecting;
    return qtMessages_ + stderrLines_;
}

QStringList Condensed(const QStringList& codecMessages) {
    // A debug build of a codec (libjxl as Debian ships it) reports a failure
    // as a trace: "./lib/jxl/x.cc:95: JXL_FAILURE: Invalid context map", then
    // one "JXL_RETURN_IF_ERROR" line for every function it passes through.
    // The reason is the failure's own text; the trace tells a user nothing.
    static const QRegularExpression sourceLocation(
        QStringLiteral(R"(^\S+\.(?:cc|c|cpp|h):\d+: (?:JXL_FAILURE: )?)"));
    constexpr int kMostReasons = 3;
    QStringList reasons;
    for (const QString& message : codecMessages) {
        if (message.contains(QLatin1String("JXL_RETURN_IF_ERROR")))
            continue;
        QString reason = message;
        reason.remove(sourceLocation);
        if (!reason.isEmpty() && !reasons.contains(reason))
            reasons.append(reason);
        if (reasons.size() == kMostReasons)
            break;
    }
    return reasons;
}

QString FailureReason(const QString& qtReason, const QStringList& codecMessages) {
    const QStringList reasons = Condensed(codecMessages);
    if (reasons.isEmpty())
        return qtReason;
    const QString details = reasons.join(QStringLiteral("; "));
    if (qtReason.isEmpty() || qtReason == QLatin1String("Unknown error"))
        return details;
    return QStringLiteral("%1 (%2)").arg(qtReason, details);
}

} // namespace kolvira
