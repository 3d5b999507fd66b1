// How writing a file ended: written, failed (with the reason to show), or
// stopped by the user with nothing written. Every writer reports one, from
// the encoders up to the windows' saves and prints to a file, so that no
// caller tells a success by an empty text or a stop by comparing texts.
#pragma once

#include <QString>

#include <utility>

namespace kolvira {

class WriteOutcome {
public:
    enum class Result { Written, Failed, Stopped };

    static WriteOutcome Written() { return WriteOutcome(Result::Written, {}); }
    static WriteOutcome Failed(QString reason) {
        return WriteOutcome(Result::Failed, std::move(reason));
    }
    static WriteOutcome Stopped() { return WriteOutcome(Result::Stopped, {}); }

    bool IsWritten() const { return result_ == Result::Written; }
    bool IsStopped() const { return result_ == Result::Stopped; }
    bool IsFailed() const { return result_ == Result::Failed; }
    // Why it failed; empty unless it did.
    const QString& Reason() const { return reason_; }

private:
    WriteOutcome(Result result, QString reason) : result_(result), reason_(std::move(reason)) {}

    Result result_;
    QString reason_;
};

} // namespace kolvira
