#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running instance per lock name: an exclusive flock on <dir>/<safe name>.lock.
// The kernel drops the lock when the process ends, so a crashed instance never blocks
// the next start. The holder listens on <dir>/<safe name>.sock for a "show" request.
class InstanceLock : public QObject
{
    Q_OBJECT

public:
    // directory empty: the user's runtime directory, else /tmp/mousecfg-<uid>.
    explicit InstanceLock(const QString& name, const QString& directory = QString(), QObject* parent = nullptr);
    // Releases the lock and removes the socket.
    ~InstanceLock() override;

    // False only when another holder has the lock. When no lock file can be made at
    // all the program may still run: true, with isLocked() false and a warning logged.
    bool tryLock();
    bool isLocked() const;

    // Asks the holder to show its window; false when nobody answered in time.
    bool notifyRunningInstance(int timeoutMs = 1000) const;

    QString lockFilePath() const;
    QString serverPath() const;

    // The lock name of a product's configurator.
    static QString ProductLockName(const QString& productName);
    // Letters, digits, '-' and '_' only, at most 48 of them, plus a hash of the full name.
    static QString SafeFileName(const QString& name);
    // The directory the lock lives in when none is given; empty when none is usable.
    static QString DefaultDirectory();
    // One line read from the socket, at most 64 bytes: whether it asks for the window.
    static bool IsShowRequest(const QByteArray& line);

signals:
    void showRequested();

private:
    Q_DISABLE_COPY(InstanceLock)

    void startServer();
    void acceptConnections();
    void readRequest(QLocalSocket* socket);

    QString m_directory;
    QString m_baseName;
    int m_fd = -1;
    QLocalServer* m_server = nullptr;
};
