#include "site_server.h"

#include <QTcpSocket>

namespace {

QByteArray response(const QByteArray& status, const QByteArray& headers, const QByteArray& body)
{
    return "HTTP/1.1 " + status + "\r\n" + headers + "Content-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

SiteServer::SiteServer()
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection())
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
    });
}

QByteArray SiteServer::proxyFlag() const
{
    return "--proxy-server=http://127.0.0.1:" + QByteArray::number(serverPort());
}

void SiteServer::page(const QByteArray& url, const QByteArray& html)
{
    responses_[url] = response("200 OK", "Content-Type: text/html\r\n", html);
}

void SiteServer::redirect(const QByteArray& url, const QByteArray& to)
{
    responses_[url] = response("302 Found", "Location: " + to + "\r\n", {});
}

void SiteServer::answer(QTcpSocket* socket)
{
    // The whole request is read before it is answered: headers, and a form's body.
    const QByteArray received = socket->peek(socket->bytesAvailable());
    const qsizetype headersEnd = received.indexOf("\r\n\r\n");
    if (headersEnd < 0)
        return;
    const QByteArray headers = received.left(headersEnd).toLower();
    const qsizetype length = headers.indexOf("content-length:");
    const int bodySize =
        length < 0 ? 0 : headers.mid(length + 15, headers.indexOf('\r', length) - length - 15).trimmed().toInt();
    if (received.size() < headersEnd + 4 + bodySize)
        return;
    socket->readAll();
    const QList<QByteArray> requestLine = received.left(received.indexOf("\r\n")).split(' ');
    Request request{requestLine.value(0), requestLine.value(1), received.mid(headersEnd + 4, bodySize)};
    requests.append(request);
    socket->write(responses_.value(request.url, response("404 Not Found", {}, "no such page")));
    socket->disconnectFromHost();
}
