// One Kolvira per desktop session, reached the standard way: the first
// program claims its application id on the session bus and serves the
// org.freedesktop.Application interface there, through which desktops,
// `gio launch` and `gapplication` start it and hand it files. A later
// `kolvira FILE...` hands its files over the same way and ends, as desktop
// programs do when a file manager opens a file with them.
#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <string>
#include <vector>

namespace kolvira {

inline constexpr char kApplicationId[] = "org.kolvira.Kolvira";

// The running program's side.
class InstanceService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // Opens the files (absolute native paths; none for a plain activation)
    // and brings the program to the front with the desktop's token.
    using OpenFiles =
        std::function<void(const std::vector<std::string>& files, const QString& token)>;
    explicit InstanceService(OpenFiles open);
    ~InstanceService() override;

    // Claims the application id; false when another program holds it or
    // there is no session bus (the program then runs on its own).
    bool Claim();

public slots:
    // Each request is served once its call has been answered, so that the
    // caller never waits on a message box.
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    // `uris` are file:// URIs; others are refused with an error, after the
    // local ones have been opened.
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);
    // The program offers no actions: every name is refused.
    Q_SCRIPTABLE void ActivateAction(const QString& actionName, const QVariantList& parameter,
                                     const QVariantMap& platformData);

private:
    void Serve(std::vector<std::string> files, const QVariantMap& platformData);

    OpenFiles open_;
    bool claimed_ = false;
};

// What the desktop gave this start to come to the front with, read from the
// environment before Qt takes it from there.
struct LaunchTokens {
    QString activationToken; // XDG_ACTIVATION_TOKEN (Wayland)
    QString startupId;       // DESKTOP_STARTUP_ID (X11)
    static LaunchTokens FromEnvironment();
};

// Hands `files` (absolute native paths; none to bring it forward only) to
// the program holding the application id, with `tokens`; false when no
// program took them.
bool HandToRunningInstance(const std::vector<std::string>& files, const LaunchTokens& tokens);

} // namespace kolvira
