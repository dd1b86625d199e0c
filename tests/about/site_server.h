#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTcpServer>

// Web sites of any name served from this process on the loopback interface,
// which the browser reaches as its proxy: no network, and every host name
// its own site. Pages are plain HTML; an address not served gets 404.
class SiteServer : public QTcpServer {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray url;  // as the browser asked a proxy: "http://host/path"
        QByteArray body;
    };

    SiteServer();

    // The browser's switch that sends it here; set it before the browser starts.
    QByteArray proxyFlag() const;

    void page(const QByteArray& url, const QByteArray& html);
    void redirect(const QByteArray& url, const QByteArray& to);

    QList<Request> requests;

private:
    void answer(class QTcpSocket* socket);

    QMap<QByteArray, QByteArray> responses_;
};
