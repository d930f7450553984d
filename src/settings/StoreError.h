#pragma once

#include <QString>

#include <stdexcept>

// A failure of the per-user store, carrying the message the player sees.
// Store users let it pass; the handler that started the work reports it.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    const QString& message() const { return text; }

private:
    QString text;
};
