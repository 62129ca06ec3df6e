#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Sends one line to a local socket from a child process running as `uid` and reads until
// the server closes. Exit status 0: the line was delivered.
inline pid_t SendAsUser(uid_t uid, const QByteArray& path, const QByteArray& line)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (uid != getuid() && (setgid(uid) != 0 || setuid(uid) != 0))
        _exit(2);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        _exit(3);
    if (write(fd, line.constData(), size_t(line.size())) != line.size())
        _exit(4);
    char buffer[64];
    while (read(fd, buffer, sizeof buffer) > 0) {
    }
    _exit(0);
}

