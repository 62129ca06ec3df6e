// Takes an instance lock and keeps it until killed: instancelock_holder <directory> <name>
#include "InstanceLock.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    InstanceLock lock(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[1]));
    if (!lock.tryLock() || !lock.isLocked()) {
        std::puts("busy");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    return app.exec();
}
