#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QSemaphore>
#include <QString>
#include <QStringList>
#include <QThread>

/// A small HTTP/1.0 server on 127.0.0.1 with fixed routes, running on its own thread so that a
/// blocking download in the test thread can reach it.
class TTestWebServer : public QThread
{
public:
    struct TRoute
    {
        int status = 200;
        QByteArray body;
        QByteArray location;    // sent as Location when not empty
        bool sendLength = true; // false: the body ends when the connection closes
        bool silent = false;    // accept the request and never answer
    };

    ~TTestWebServer() override;
    /// Routes must be added before Start.
    void AddRoute(const QByteArray &path, const TRoute &route);
    /// Listens on a free port; false when it cannot.
    bool Start();
    quint16 Port() const { return FPort; }
    QString Url(const QString &path) const;
    /// "path user-agent" of every request received so far.
    QStringList Requests() const;

protected:
    void run() override;

private:
    QHash<QByteArray, TRoute> FRoutes;
    quint16 FPort = 0;
    mutable QMutex FMutex;
    QSemaphore FReady;
    QStringList FRequests;
};

/// Shift-JIS text (JIS X 0208 characters and ASCII) as EUC-JP bytes.
QByteArray ShiftJisToEucForTest(const QByteArray &sjis);
/// Shift-JIS text (JIS X 0208 characters and ASCII) as ISO-2022-JP bytes.
QByteArray ShiftJisToJisForTest(const QByteArray &sjis);
/// A port on 127.0.0.1 that nothing listens on (bound briefly, then released).
quint16 UnusedLocalPort();
