#include "OsdReceiver.h"

#include "LocalPeer.h"

#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

OsdReceiver::OsdReceiver(QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(kMaxConnections);
    connect(m_server, &QLocalServer::newConnection, this, &OsdReceiver::acceptConnections);
}

OsdReceiver::~OsdReceiver()
{
    m_server->close();
}

bool OsdReceiver::listen(const QString& serverName)
{
    QLocalServer::removeServer(serverName);
    return m_server->listen(serverName);
}

QString OsdReceiver::errorString() const
{
    return m_server->errorString();
}

void OsdReceiver::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        // Senders hold a connection only for one record; a crowd of them is not ours, nor
        // is a sender of another user.
        if (m_records.size() >= kMaxConnections || !IsPeerOwnUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_records.insert(socket, QByteArray());
        socket->setReadBufferSize(kOsdRecordSize + 1);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRecord(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { finishRecord(socket); });
        QTimer::singleShot(kConnectionTimeoutMs, socket, [this, socket] { drop(socket); });
        readRecord(socket);
        if (socket->state() == QLocalSocket::UnconnectedState)
            finishRecord(socket);
    }
}

void OsdReceiver::readRecord(QLocalSocket* socket)
{
    const auto it = m_records.find(socket);
    if (it == m_records.end())
        return;
    // One byte more than a record is enough to know the sender is not ours.
    it->append(socket->read(kOsdRecordSize + 1 - it->size()));
    if (it->size() > kOsdRecordSize) {
        qDebug() << "OSD record too long; connection dropped";
        drop(socket);
    }
}

void OsdReceiver::finishRecord(QLocalSocket* socket)
{
    readRecord(socket);
    if (!m_records.contains(socket))
        return;
    const QByteArray record = m_records.take(socket);
    socket->disconnect(this);
    socket->deleteLater();
    // The record counts only once the sender has closed: a short or long one shows nothing.
    OsdMessage message;
    if (DecodeOsdRecord(record, message))
        emit messageReceived(message);
    else if (!record.isEmpty())
        qDebug() << "OSD record of" << record.size() << "bytes ignored";
}

void OsdReceiver::drop(QLocalSocket* socket)
{
    m_records.remove(socket);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}
