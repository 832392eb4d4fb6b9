#pragma once

#include <QString>
#include <exception>

namespace framework {

// The one exception class that carries a message for the user. Conversion errors are of it, and
// every operation handler catches it and shows its message in the exception report.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

} // namespace framework
