#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QTest>
#include <QtGlobal>

#include <csignal>
#include <sys/wait.h>

#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

// Sends one line to a local socket from a child process running as `uid` and reads until
// the server closes. Exit status 0: the line was delivered. The child makes system calls
// only: a sanitizer's wrappers could wait for locks other threads held at the fork.
inline pid_t SendAsUser(uid_t uid, const QByteArray& path, const QByteArray& line)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    const auto quit = [](int status) { syscall(SYS_exit_group, status); };
    if (uid != getuid() && (syscall(SYS_setgid, uid) != 0 || syscall(SYS_setuid, uid) != 0))
        quit(2);
    const long fd = syscall(SYS_socket, AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || syscall(SYS_connect, fd, &address, sizeof address) != 0)
        quit(3);
    if (syscall(SYS_write, fd, line.constData(), size_t(line.size())) != line.size())
        quit(4);
    char buffer[64];
    while (syscall(SYS_read, fd, buffer, sizeof buffer) > 0) {
    }
    quit(0);
    return 0;
}

// The child's exit status, handling events while it runs; -1 when it did not end in time.
inline int WaitForChild(pid_t child, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    while (clock.elapsed() < timeoutMs) {
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (done < 0)
            return -1;
        QTest::qWait(10);
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return -1;
}
