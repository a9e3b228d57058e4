#pragma once

#include <QString>

#include <stdexcept>

// An error that ends the running event handler; RunHandler() catches it and
// the application's error display shows its message.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A failed conversion of a text to a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
