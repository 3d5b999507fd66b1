#include "cli/WarningCollector.h"

#include <atomic>
#include <utility>

namespace kolvira::cli {
namespace {

std::atomic<WarningCollector*> activeCollector{nullptr};

} // namespace

WarningCollector::WarningCollector() {
    activeCollector.store(this);
    previousHandler_ = qInstallMessageHandler(Collect);
}

WarningCollector::~WarningCollector() {
    qInstallMessageHandler(previousHandler_);
    activeCollector.store(nullptr);
}

QStringList WarningCollector::Take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(warnings_, {});
}

void WarningCollector::Collect(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    // Installed only while a collector is active.
    WarningCollector* collector = activeCollector.load();
    // Critical and fatal messages are not the decoders' and go out at once.
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        collector->previousHandler_(type, context, message);
        return;
    }
    const std::lock_guard lock(collector->mutex_);
    collector->warnings_ << message;
}

} // namespace kolvira::cli
