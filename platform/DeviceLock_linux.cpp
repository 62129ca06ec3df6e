#include "DeviceLock.h"

#include "InstanceLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QElapsedTimer>
#include <QDebug>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kRetryMs = 50;
constexpr qint64 kMaxHolderText = 200;

} // namespace

DeviceLock::DeviceLock(const QString& name, const QString& directory)
{
    const QString dir = directory.isEmpty() ? InstanceLock::DefaultDirectory() : directory;
    if (!dir.isEmpty())
        m_path = dir + QLatin1Char('/') + InstanceLock::SafeFileName(name) + QStringLiteral(".lock");
}

DeviceLock::~DeviceLock() { unlock(); }

QString DeviceLock::MouseLockName(const QString& product, const QString& transport)
{
    return QStringLiteral("mouse-") + product + QLatin1Char('-') + transport;
}

QString DeviceLock::path() const { return m_path; }

bool DeviceLock::lock(int waitMs)
{
    if (m_fd >= 0)
        return true;
    if (m_path.isEmpty())
        return true;
    const int fd = open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qWarning() << "cannot open the mouse lock" << m_path << std::strerror(errno) << "; going on without it";
        return true;
    }
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0)
            break;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            qWarning() << "cannot take the mouse lock" << m_path << std::strerror(errno) << "; going on without it";
            close(fd);
            return true;
        }
        if (clock.elapsed() >= waitMs) {
            close(fd);
            return false;
        }
        QThread::msleep(kRetryMs);
    }
    m_fd = fd;
    const QByteArray text = QByteArray::number(qint64(getpid())) + ' '
        + QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName()) + '\n';
    if (ftruncate(fd, 0) != 0 || pwrite(fd, text.constData(), size_t(text.size()), 0) != text.size())
        qWarning() << "cannot write the mouse lock's holder" << m_path;
    return true;
}

void DeviceLock::unlock()
{
    if (m_fd < 0)
        return;
    // Emptied first: a reader must never name a holder that has gone.
    if (ftruncate(m_fd, 0) != 0)
        qWarning() << "cannot clear the mouse lock" << m_path;
    close(m_fd);
    m_fd = -1;
}

QString DeviceLock::holder() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.read(kMaxHolderText)).trimmed();
}
