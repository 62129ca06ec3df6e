#pragma once

class QLocalSocket;

// Whether the process at the other end of an accepted local connection runs as this
// user. Socket files are created for the user only, but a directory or file with looser
// rights must still not let another user drive us.
bool IsPeerOwnUser(const QLocalSocket& socket);
