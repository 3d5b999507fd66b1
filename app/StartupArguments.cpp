#include "app/StartupArguments.h"

#include "mosaic/FileUri.h"

#include <QByteArray>
#include <QCoreApplication>

namespace kolvira {

namespace {

std::string Absolute(const std::string& path, const std::string& workingDirectory) {
    if (path.starts_with('/'))
        return path;
    if (workingDirectory.ends_with('/'))
        return workingDirectory + path;
    return workingDirectory + '/' + path;
}

} // namespace

StartupArguments ParseStartupArguments(const std::vector<std::string>& arguments,
                                       const std::string& workingDirectory) {
    StartupArguments parsed;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument.starts_with('-') && argument != "-") {
            if (argument == "--")
                optionsEnded = true;
            else if (argument == "--new-instance")
                parsed.newInstance = true;
            else if (argument == "--gapplication-service")
                parsed.busService = true;
            else if (argument == "-h" || argument == "--help")
                parsed.showHelp = true;
            else if (argument == "--version")
                parsed.showVersion = true;
            else if (parsed.error.isEmpty())
                parsed.error = QCoreApplication::translate("StartupArguments", "unknown option %1")
                                   .arg(QString::fromLocal8Bit(argument));
            continue;
        }
        if (argument.empty())
            continue;
        if (!optionsEnded && argument.starts_with("file://")) {
            const std::string path =
                PathOfFileUri(QByteArray::fromStdString(argument)).value_or("").toStdString();
            if (path.empty()) {
                if (parsed.error.isEmpty())
                    parsed.error =
                        QCoreApplication::translate("StartupArguments", "%1 is not a local file")
                            .arg(QString::fromLocal8Bit(argument));
                continue;
            }
            parsed.files.push_back(path);
            continue;
        }
        parsed.files.push_back(Absolute(argument, workingDirectory));
    }
    return parsed;
}

QString StartupUsage() {
    return QCoreApplication::translate(
        "StartupArguments",
        "Usage: kolvira [--new-instance] [FILE...]\n"
        "\n"
        "Turns photographs into drawings and shows a folder's photos as a Mosaic.\n"
        "Each FILE opens as File > Open would: the Mosaic of its folder, with the file\n"
        "selected. When Kolvira is already running, the files open in it instead,\n"
        "and without FILE it comes to the front.\n"
        "\n"
        "      --new-instance  start a separate program even when one is running\n"
        "  -h, --help          show this help and exit\n"
        "      --version       show the version and exit\n");
}

} // namespace kolvira
