#include "LocalPeer.h"

#include <QLocalSocket>

#include <sys/socket.h>
#include <unistd.h>

bool IsPeerOwnUser(const QLocalSocket& socket)
{
    const qintptr fd = socket.socketDescriptor();
    if (fd < 0)
        return false;
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    if (getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 || length != sizeof credentials)
        return false;
    return credentials.uid == geteuid();
}
