// Qt's warnings from any thread, kept instead of printed while a collector
// lives. The thumbnail workers' decoders warn about damaged photos; kept,
// their lines can be shown between the progress bar's redraws, or dropped in
// a quiet run.
#pragma once

#include <QString>
#include <QStringList>

#include <mutex>

namespace kolvira::cli {

class WarningCollector {
public:
    WarningCollector(); // one collector at a time
    ~WarningCollector();
    WarningCollector(const WarningCollector&) = delete;
    WarningCollector& operator=(const WarningCollector&) = delete;

    // The warnings collected since the last call, in order.
    QStringList Take();

private:
    std::mutex mutex_;
    QStringList warnings_;
    QtMessageHandler previousHandler_ = nullptr;

    static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& message);
};

} // namespace kolvira::cli
