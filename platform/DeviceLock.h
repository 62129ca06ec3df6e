#pragma once

#include <QString>

// One program at a time talks to a mouse: an exclusive flock on <runtime dir>/<name>.lock
// held while linked. The holder writes "PID PROGRAM" into the file so that a program
// that finds the mouse taken can say who has it. The kernel drops the lock with the
// process, so a crashed holder never blocks anyone.
class DeviceLock
{
public:
    // directory empty: the directory of the single-instance lock.
    explicit DeviceLock(const QString& name, const QString& directory = QString());
    ~DeviceLock();

    // Takes the lock, trying again until `waitMs` has passed. True when held (also when no
    // lock file can be made at all: then nothing can be shared and nothing is refused).
    bool lock(int waitMs = 0);
    void unlock();
    bool isLocked() const { return m_fd >= 0; }
    // "PID PROGRAM" of the holder, as it wrote it; empty when unknown.
    QString holder() const;
    QString path() const;

    // The lock name of a mouse: its product and the transport that reaches it.
    static QString MouseLockName(const QString& product, const QString& transport);

private:
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    QString m_path;
    int m_fd = -1;
};
