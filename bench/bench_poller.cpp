// Prints the CPU time the battery and status poller spends, against a virtual mouse that
// answers at once: while the mouse lies still, and while it streams movement reports at
// 1000 Hz (the poller reads every one of them and skips it). Only the poller's own thread
// is counted, not the thread that plays the moving hand.
//   bench_poller [SECONDS]   (default 20 per case)
#include "BenchMouse.h"
#include "TarnGetBatteryThread.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <pthread.h>

namespace {

double ThreadCpuSeconds(pthread_t thread)
{
    clockid_t clock{};
    timespec ts{};
    if (pthread_getcpuclockid(thread, &clock) != 0 || clock_gettime(clock, &ts) != 0)
        return 0;
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// Runs a poller for that long; its thread's CPU seconds.
double PollerCpu(QCoreApplication& app, int seconds)
{
    TarnGetBatteryThread poller;
    std::atomic<bool> started{false};
    pthread_t thread{};
    QObject::connect(&poller, &QThread::started, &poller, [&] {
        thread = pthread_self();
        started = true;
    }, Qt::DirectConnection);
    double cpuAtStop = 0;
    poller.start();
    QTimer::singleShot(seconds * 1000, &app, [&] {
        cpuAtStop = started ? ThreadCpuSeconds(thread) : 0;
        QCoreApplication::quit();
    });
    app.exec();
    poller.stop();
    poller.wait();
    return cpuAtStop;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 20;

    BenchMouse link;
    if (!link.open()) {
        std::fprintf(stderr, "the virtual mouse did not open\n");
        return 1;
    }
    VirtualMouse* mouse = link.mouse.get();

    const double idle = PollerCpu(app, seconds);
    std::printf("poller, mouse still:       %7.2f ms CPU over %d s = %6.2f ms per minute\n", idle * 1000, seconds,
                idle * 1000 * 60 / seconds);

    mouse->resetCounters();
    mouse->streamMovement(1000, (seconds + 2) * 1000);
    const double moving = PollerCpu(app, seconds);
    const int sent = mouse->counters().sentReports;
    mouse->stopMovement();
    std::printf("poller, movement 1000 Hz:  %7.2f ms CPU over %d s = %5.2f %% of a core (%d movement reports)\n",
                moving * 1000, seconds, moving * 100 / seconds, sent);
    return 0;
}
