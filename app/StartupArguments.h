// What `kolvira` was started with: the files to open (as File → Open would)
// and whether to run as a separate program even when one is running.
#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace kolvira {

struct StartupArguments {
    std::vector<std::string> files; // absolute native paths, in the order given
    bool newInstance = false;       // --new-instance: never hand the files over
    bool busService = false;        // --gapplication-service: started by the session bus
    bool showHelp = false;
    bool showVersion = false;
    QString error; // a wrong command line; empty when it is right
};

// Reads argv as bytes, so that any file name the system allows can be
// opened. Relative names are taken against `workingDirectory` (native
// bytes), which must be absolute; file:// URLs are taken as their paths.
StartupArguments ParseStartupArguments(const std::vector<std::string>& arguments,
                                       const std::string& workingDirectory);

QString StartupUsage();

} // namespace kolvira
