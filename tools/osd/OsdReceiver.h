#pragma once

#include "OsdMessage.h"

#include <QHash>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Accepts one record per connection on the OSD socket and announces every valid one.
class OsdReceiver : public QObject
{
    Q_OBJECT

public:
    explicit OsdReceiver(QObject* parent = nullptr);
    ~OsdReceiver() override;

    // The caller must own the instance lock: any socket file left at the name is removed.
    bool listen(const QString& serverName);
    QString errorString() const;

    static constexpr int kMaxConnections = 8;
    static constexpr int kConnectionTimeoutMs = 2000;

signals:
    void messageReceived(const OsdMessage& message);

private:
    Q_DISABLE_COPY(OsdReceiver)

    void acceptConnections();
    void readRecord(QLocalSocket* socket);
    void finishRecord(QLocalSocket* socket);
    void drop(QLocalSocket* socket);

    QLocalServer* m_server = nullptr;
    // The bytes read so far on each open connection.
    QHash<QLocalSocket*, QByteArray> m_records;
};
