// One Kolvira per desktop session: the first program claims a name on the
// session bus, and a later `kolvira FILE...` hands its files to it and ends,
// as desktop programs do when a file manager opens a file with them.
#pragma once

#include <QByteArray>
#include <QObject>

#include <functional>
#include <string>
#include <vector>

namespace kolvira {

inline constexpr char kInstanceServiceName[] = "org.kolvira.Kolvira";
inline constexpr char kInstanceObjectPath[] = "/org/kolvira/Kolvira";

// The running program's side: receives files from later starts.
class InstanceService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kolvira.Kolvira")

public:
    using OpenFiles = std::function<void(const std::vector<std::string>&)>;
    explicit InstanceService(OpenFiles open);
    ~InstanceService() override;

    // Claims the session-wide name; false when another program holds it or
    // there is no session bus (the program then runs on its own).
    bool Claim();

public slots:
    // The files as absolute native paths, each ended by a NUL byte (file
    // names are bytes, not always UTF-8). They are opened once the call has
    // been answered, so that the caller never waits on a message box.
    // `activationToken` is the one the desktop gave the later start
    // (XDG_ACTIVATION_TOKEN or DESKTOP_STARTUP_ID), which lets this program
    // come to the front in its place.
    Q_SCRIPTABLE void Open(const QByteArray& paths, const QString& activationToken);

private:
    OpenFiles open_;
    bool claimed_ = false;
};

// Hands `files` (absolute native paths) to the program holding the name and
// asks it to come to the front; false when none took them.
bool HandFilesToRunningInstance(const std::vector<std::string>& files);

// The NUL-ended list Open takes, and back.
QByteArray JoinPaths(const std::vector<std::string>& files);
std::vector<std::string> SplitPaths(const QByteArray& paths);

} // namespace kolvira
