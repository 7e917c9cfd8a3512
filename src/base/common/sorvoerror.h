#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

/// Base of every exception Sorvo raises: a Japanese message meant for the user.
class ESorvoError : public std::exception
{
public:
    explicit ESorvoError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
    const QString &Message() const noexcept { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

/// A text that does not convert into a date, time or number.
class EConvertError : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};
