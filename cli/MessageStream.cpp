#include "cli/MessageStream.h"

#include <QString>
#include <QtGlobal>

#include <fcntl.h>
#include <unistd.h>

namespace kolvira::cli {
namespace {

std::FILE* messages = nullptr;

void WriteQtMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    std::fprintf(Messages(), "kolvira-render: %s\n", qPrintable(message));
}

} // namespace

void KeepLibraryLinesOffStderr() {
    if (messages != nullptr)
        return;
    const int original = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    if (original < 0)
        return;
    std::FILE* stream = ::fdopen(original, "w");
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (stream == nullptr || nowhere < 0 || ::dup2(nowhere, STDERR_FILENO) < 0) {
        // Without both, stderr stays as it was and the program writes to it.
        if (stream != nullptr)
            std::fclose(stream);
        else
            ::close(original);
        if (nowhere >= 0)
            ::close(nowhere);
        return;
    }
    ::close(nowhere);
    std::setvbuf(stream, nullptr, _IONBF, 0); // unbuffered, as stderr is
    messages = stream;
    qInstallMessageHandler(WriteQtMessage);
}

std::FILE* Messages() {
    return messages != nullptr ? messages : stderr;
}

} // namespace kolvira::cli
