// The error every store operation throws: a message for the user, already in the program's language.
#pragma once

#include <QString>
#include <stdexcept>

namespace velmar {

class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace velmar
