#include "newsfixtures.h"

#include "common/japanese.h"

#include <QMutexLocker>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::Literals::StringLiterals;

namespace {
QByteArray ReasonOf(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// Shift-JIS pair to its JIS X 0208 row and cell bytes (0x21..0x7E each).
void ShiftJisPairToJis(quint8 s1, quint8 s2, quint8 &j1, quint8 &j2)
{
    const int row = (s1 <= 0x9F ? s1 - 0x70 : s1 - 0xB0) * 2;
    if (s2 >= 0x9F) {
        j1 = quint8(row);
        j2 = quint8(s2 - 0x7E);
    } else {
        j1 = quint8(row - 1);
        j2 = quint8(s2 - (s2 >= 0x80 ? 0x20 : 0x1F));
    }
}
} // namespace

TTestWebServer::~TTestWebServer()
{
    quit();
    wait();
}

void TTestWebServer::AddRoute(const QByteArray &path, const TRoute &route)
{
    FRoutes.insert(path, route);
}

bool TTestWebServer::Start()
{
    start();
    FReady.acquire();
    return FPort != 0;
}

QString TTestWebServer::Url(const QString &path) const
{
    return u"http://127.0.0.1:%1%2"_s.arg(FPort).arg(path);
}

QStringList TTestWebServer::Requests() const
{
    QMutexLocker lock(&FMutex);
    return FRequests;
}

void TTestWebServer::run()
{
    QHash<QTcpSocket *, QByteArray> buffers; // request bytes per connection; outlives the sockets
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        FReady.release();
        return;
    }
    FPort = server.serverPort();
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server, &buffers] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [socket, &buffers] {
                buffers.remove(socket);
                socket->deleteLater();
            });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, &buffers] {
                QByteArray &buffer = buffers[socket];
                buffer += socket->readAll();
                const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
                if (headerEnd < 0)
                    return;
                const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
                const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
                const QByteArray path = requestLine.value(1);
                QByteArray agent;
                for (const QByteArray &line : lines) {
                    if (line.toLower().startsWith("user-agent:"))
                        agent = line.mid(11).trimmed();
                }
                {
                    QMutexLocker lock(&FMutex);
                    FRequests << QString::fromLatin1(path + ' ' + agent);
                }
                buffer.clear();
                TRoute route{404, "<html><body><h1>Not Found</h1></body></html>", {}, true, false};
                route = FRoutes.value(path, route);
                if (route.silent)
                    return;
                QByteArray head = "HTTP/1.0 " + QByteArray::number(route.status) + ' ' +
                                  ReasonOf(route.status) + "\r\nConnection: close\r\n";
                if (!route.location.isEmpty())
                    head += "Location: " + route.location + "\r\n";
                if (route.sendLength)
                    head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
                socket->write(head + "\r\n" + route.body);
                socket->disconnectFromHost();
            });
        }
    });
    FReady.release();
    exec();
}

QByteArray ShiftJisToEucForTest(const QByteArray &sjis)
{
    QByteArray out;
    for (qsizetype i = 0; i < sjis.size(); ++i) {
        const quint8 b = quint8(sjis[i]);
        if (IsShiftJisLeadByte(b) && i + 1 < sjis.size()) {
            quint8 j1, j2;
            ShiftJisPairToJis(b, quint8(sjis[++i]), j1, j2);
            out += char(j1 | 0x80);
            out += char(j2 | 0x80);
        } else {
            out += char(b);
        }
    }
    return out;
}

QByteArray ShiftJisToJisForTest(const QByteArray &sjis)
{
    QByteArray out;
    bool kanji = false;
    for (qsizetype i = 0; i < sjis.size(); ++i) {
        const quint8 b = quint8(sjis[i]);
        if (IsShiftJisLeadByte(b) && i + 1 < sjis.size()) {
            if (!kanji)
                out += "\x1b$B";
            kanji = true;
            quint8 j1, j2;
            ShiftJisPairToJis(b, quint8(sjis[++i]), j1, j2);
            out += char(j1);
            out += char(j2);
        } else {
            if (kanji)
                out += "\x1b(B";
            kanji = false;
            out += char(b);
        }
    }
    if (kanji)
        out += "\x1b(B";
    return out;
}

quint16 UnusedLocalPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
