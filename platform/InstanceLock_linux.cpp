#include "InstanceLock.h"

#include "LocalPeer.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show");
// A request is one short line; a peer that sends more is not one of us.
constexpr qint64 kMaxRequest = 64;
// A peer that connects and says nothing is dropped after this long.
constexpr int kIdleTimeoutMs = 2000;
constexpr int kMaxReadableName = 48;

// The fallback directory must be ours alone: another user's directory or a symlink
// there could hand our lock to someone else.
QString PrivateTmpDirectory()
{
    const QString path = QStringLiteral("/tmp/mousecfg-%1").arg(getuid());
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    struct stat info;
    if (lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()
        || (info.st_mode & 077) != 0)
        return QString();
    return path;
}

} // namespace

InstanceLock::InstanceLock(const QString& name, const QString& directory, QObject* parent)
    : QObject(parent)
    , m_directory(directory)
    , m_baseName(SafeFileName(name))
{
}

InstanceLock::~InstanceLock()
{
    // Close the server first: the socket file may only go while we still hold the lock.
    if (m_server != nullptr) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_fd >= 0)
        close(m_fd);
}

QString InstanceLock::ProductLockName(const QString& productName)
{
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

QString InstanceLock::SafeFileName(const QString& name)
{
    QString safe;
    for (const QChar c : name) {
        if (safe.size() == kMaxReadableName)
            break;
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('_');
        safe.append(plain ? c : QLatin1Char('_'));
    }
    // Names that differ only in replaced or cut characters must still get different files.
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return safe + QLatin1Char('-') + QString::fromLatin1(hash);
}

QString InstanceLock::DefaultDirectory()
{
    // Without XDG_RUNTIME_DIR Qt would invent /tmp/runtime-<user>; we keep our own fallback.
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty() && QDir(runtime).exists())
            return runtime;
    }
    return PrivateTmpDirectory();
}

QString InstanceLock::lockFilePath() const
{
    const QString directory = m_directory.isEmpty() ? DefaultDirectory() : m_directory;
    return directory.isEmpty() ? QString() : directory + QLatin1Char('/') + m_baseName + QStringLiteral(".lock");
}

QString InstanceLock::serverPath() const
{
    const QString directory = m_directory.isEmpty() ? DefaultDirectory() : m_directory;
    return directory.isEmpty() ? QString() : directory + QLatin1Char('/') + m_baseName + QStringLiteral(".sock");
}

bool InstanceLock::isLocked() const
{
    return m_fd >= 0;
}

bool InstanceLock::tryLock()
{
    if (m_fd >= 0)
        return true;
    const QString path = lockFilePath();
    if (path.isEmpty()) {
        qWarning() << "no private directory for the single-instance lock; running without it";
        return true;
    }
    // O_CLOEXEC: programs we start must not inherit the lock and outlive us holding it.
    const int fd = open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qWarning() << "cannot open the single-instance lock" << path << std::strerror(errno) << "; running without it";
        return true;
    }
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        close(fd);
        if (error == EWOULDBLOCK)
            return false;
        qWarning() << "cannot take the single-instance lock" << path << std::strerror(error) << "; running without it";
        return true;
    }
    m_fd = fd;
    startServer();
    return true;
}

void InstanceLock::startServer()
{
    const QString path = serverPath();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file left here belongs to a dead instance.
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        qWarning() << "cannot listen for show requests on" << path << m_server->errorString();
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &InstanceLock::acceptConnections);
}

void InstanceLock::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (!IsPeerOwnUser(*socket)) {
            qWarning() << "show request from another user ignored";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setReadBufferSize(kMaxRequest);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        QTimer::singleShot(kIdleTimeoutMs, socket, [socket] { socket->abort(); });
        readRequest(socket);
    }
}

void InstanceLock::readRequest(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() >= kMaxRequest)
            socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(kMaxRequest + 1);
    // One request per connection; whatever follows is ignored.
    socket->disconnectFromServer();
    if (IsShowRequest(line))
        emit showRequested();
}

bool InstanceLock::IsShowRequest(const QByteArray& line)
{
    return line.size() <= kMaxRequest && line.trimmed() == kShowRequest;
}

bool InstanceLock::notifyRunningInstance(int timeoutMs) const
{
    const QString path = serverPath();
    if (path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(path, QIODevice::WriteOnly);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    if (socket.write(kShowRequest + '\n') < 0)
        return false;
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(timeoutMs))
            return false;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}
