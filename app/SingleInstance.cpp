#include "app/SingleInstance.h"

#include "mosaic/FileUri.h"

#include "app/StartupArguments.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QTimer>

namespace kolvira {

namespace {

constexpr char kInterface[] = "org.freedesktop.Application";

// Long enough for a busy program to answer, short enough that a hung one
// does not keep the file manager's request waiting.
constexpr int kHandOverTimeoutMs = 10'000;

// Where an application serves the interface: its id with the dots made
// slashes and dashes underscores, after a slash.
QString ObjectPath() {
    QString path = QLatin1Char('/') + QLatin1String(kApplicationId);
    path.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

} // namespace

InstanceService::InstanceService(OpenFiles open) : open_(std::move(open)) {}

InstanceService::~InstanceService() {
    if (!claimed_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(ObjectPath());
    bus.unregisterService(QLatin1String(kApplicationId));
}

bool InstanceService::Claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    // The object first: a caller that sees the name must find it.
    if (!bus.registerObject(ObjectPath(), this, QDBusConnection::ExportScriptableSlots))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(QLatin1String(kApplicationId),
                                         QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    claimed_ = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    if (!claimed_)
        bus.unregisterObject(ObjectPath());
    return claimed_;
}

void InstanceService::Activate(const QVariantMap& platformData) {
    Serve({}, platformData);
}

void InstanceService::Open(const QStringList& uris, const QVariantMap& platformData) {
    std::vector<std::string> files;
    QStringList refused;
    for (const QString& uri : uris) {
        std::string path = PathOfFileUri(uri.toUtf8()).value_or("").toStdString();
        if (path.empty())
            refused << uri;
        else
            files.push_back(std::move(path));
    }
    // A request with nothing to open here is answered with the error alone.
    if (!files.empty() || refused.isEmpty())
        Serve(std::move(files), platformData);
    if (!refused.isEmpty())
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("Kolvira opens local files only, not %1")
                           .arg(refused.join(QStringLiteral(", "))));
}

void InstanceService::ActivateAction(const QString& actionName, const QVariantList&,
                                     const QVariantMap&) {
    sendErrorReply(QDBusError::InvalidArgs,
                   QStringLiteral("Kolvira has no action %1").arg(actionName));
}

void InstanceService::Serve(std::vector<std::string> files, const QVariantMap& platformData) {
    // Wayland desktops send an activation token, X11 ones a startup id;
    // some send the one under both names.
    QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (token.isEmpty())
        token = platformData.value(QStringLiteral("desktop-startup-id")).toString();
    QTimer::singleShot(0, this, [this, files = std::move(files), token] { open_(files, token); });
}

LaunchTokens LaunchTokens::FromEnvironment() {
    return {qEnvironmentVariable("XDG_ACTIVATION_TOKEN"),
            qEnvironmentVariable("DESKTOP_STARTUP_ID")};
}

bool HandToRunningInstance(const std::vector<std::string>& files, const LaunchTokens& tokens) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const bool open = !files.empty();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(kApplicationId), ObjectPath(), QLatin1String(kInterface),
        open ? QStringLiteral("Open") : QStringLiteral("Activate"));
    // Only a program already running may answer: the bus must not start one.
    call.setAutoStartService(false);
    if (open) {
        QStringList uris;
        for (const std::string& file : files)
            uris << QString::fromLatin1(FileUri(QByteArray::fromStdString(file)).value_or(""));
        call << uris;
    }
    QVariantMap platformData;
    if (!tokens.activationToken.isEmpty())
        platformData.insert(QStringLiteral("activation-token"), tokens.activationToken);
    if (!tokens.startupId.isEmpty())
        platformData.insert(QStringLiteral("desktop-startup-id"), tokens.startupId);
    call << platformData;
    return bus.call(call, QDBus::Block, kHandOverTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

} // namespace kolvira
