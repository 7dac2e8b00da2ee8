#pragma once

#include <QString>
#include <stdexcept>

// A settings operation that could not be done. The message is in the program's language and
// names the file and the reason.
class SettingsError : public std::runtime_error {
public:
    explicit SettingsError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
