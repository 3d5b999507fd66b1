#include "app/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QTimer>

namespace kolvira {

namespace {

// Long enough for a busy program to answer, short enough that a hung one
// does not keep the file manager's request waiting.
constexpr int kHandOverTimeoutMs = 10'000;

} // namespace

InstanceService::InstanceService(OpenFiles open) : open_(std::move(open)) {}

InstanceService::~InstanceService() {
    if (!claimed_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(QLatin1String(kInstanceObjectPath));
    bus.unregisterService(QLatin1String(kInstanceServiceName));
}

bool InstanceService::Claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    // The object first: a caller that sees the name must find it.
    if (!bus.registerObject(QLatin1String(kInstanceObjectPath), this,
                            QDBusConnection::ExportScriptableSlots))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(QLatin1String(kInstanceServiceName),
                                         QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    claimed_ = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    if (!claimed_)
        bus.unregisterObject(QLatin1String(kInstanceObjectPath));
    return claimed_;
}

void InstanceService::Open(const QByteArray& paths, const QString& activationToken) {
    std::vector<std::string> files = SplitPaths(paths);
    if (!activationToken.isEmpty()) {
        // Where Qt looks for the token when a window asks to be activated.
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
        qputenv("DESKTOP_STARTUP_ID", activationToken.toUtf8());
    }
    QTimer::singleShot(0, this, [this, files = std::move(files)] { open_(files); });
}

bool HandFilesToRunningInstance(const std::vector<std::string>& files) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface running{QLatin1String(kInstanceServiceName), QLatin1String(kInstanceObjectPath),
                           QLatin1String(kInstanceServiceName), bus};
    if (!running.isValid())
        return false;
    running.setTimeout(kHandOverTimeoutMs);
    QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty())
        token = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    const QDBusMessage reply = running.call(QStringLiteral("Open"), JoinPaths(files), token);
    return reply.type() == QDBusMessage::ReplyMessage;
}

QByteArray JoinPaths(const std::vector<std::string>& files) {
    QByteArray joined;
    for (const std::string& file : files) {
        joined.append(file.data(), qsizetype(file.size()));
        joined.append('\0');
    }
    return joined;
}

std::vector<std::string> SplitPaths(const QByteArray& paths) {
    std::vector<std::string> files;
    qsizetype start = 0;
    while (start < paths.size()) {
        qsizetype end = paths.indexOf('\0', start);
        if (end < 0)
            end = paths.size();
        if (end > start)
            files.emplace_back(paths.constData() + start, std::size_t(end - start));
        start = end + 1;
    }
    return files;
}

} // namespace kolvira
