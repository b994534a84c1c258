#pragma once

#include <QString>

namespace wyk {

// Result of a command that may be cancelled by the user or fail.
// A failure carries a German message that names the file and the reason.
class [[nodiscard]] Outcome {
public:
    enum class Kind { Done, Cancelled, Failed };

    static Outcome done() { return Outcome(Kind::Done, {}); }
    static Outcome cancelled() { return Outcome(Kind::Cancelled, {}); }
    static Outcome failed(QString message) { return Outcome(Kind::Failed, std::move(message)); }

    bool isDone() const { return kind_ == Kind::Done; }
    bool isCancelled() const { return kind_ == Kind::Cancelled; }
    bool isFailed() const { return kind_ == Kind::Failed; }
    const QString& message() const { return message_; }

private:
    Outcome(Kind kind, QString message) : kind_(kind), message_(std::move(message)) {}

    Kind kind_;
    QString message_;
};

} // namespace wyk
