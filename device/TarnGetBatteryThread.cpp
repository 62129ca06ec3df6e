#include "TarnGetBatteryThread.h"

#include "CommandSet.h"
#include "HidTransport.h"
#include "Report.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QSet>
#include <array>
#include <csignal>
#include <mutex>

Q_LOGGING_CATEGORY(lcPoller, "mousecfg.poller", QtWarningMsg)

namespace {

constexpr int kBufferSize = 64;
constexpr int kLastCycle = 57;

std::atomic<quint8> g_firmwareFlag{0};
// Pollers waiting for the handle. A poller relocks it right after each read, which would
// starve another one (a new poller while an old one ends): it steps aside while one waits.
std::atomic<int> g_waitingPollers{0};

class PollerHandleLock
{
public:
    explicit PollerHandleLock(QMutex& mutex) : m_mutex(mutex)
    {
        ++g_waitingPollers;
        m_mutex.lock();
        --g_waitingPollers;
    }
    ~PollerHandleLock() { m_mutex.unlock(); }

private:
    QMutex& m_mutex;
};

// A signal whose only job is to end the poller's wait in the HID library's read (poll()
// returns EINTR), so that stop() takes effect at once however long the read was to last.
int WakeSignal()
{
    static int signal = 0;
    static std::once_flag installed;
    std::call_once(installed, [] {
        const int candidate = SIGRTMIN + 4;
        struct sigaction current {};
        if (candidate > SIGRTMAX || sigaction(candidate, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            return;  // somebody else uses it: reads then end by their time-out
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;  // no SA_RESTART: the read must come back
        if (sigaction(candidate, &action, nullptr) == 0)
            signal = candidate;
    });
    return signal;
}

// Every live poller, so a write can stop and join them before its first command.
QMutex& RegistryLock()
{
    static QMutex lock;
    return lock;
}

QSet<TarnGetBatteryThread*>& Registry()
{
    static QSet<TarnGetBatteryThread*> pollers;
    return pollers;
}

} // namespace

TarnGetBatteryThread::TarnGetBatteryThread(QObject* parent)
    : QThread(parent)
{
    QMutexLocker locker(&RegistryLock());
    Registry().insert(this);
}

TarnGetBatteryThread::~TarnGetBatteryThread()
{
    {
        QMutexLocker locker(&RegistryLock());
        Registry().remove(this);
    }
    stop();
    wait();
}

quint8 TarnGetBatteryThread::firmwareFlag() { return g_firmwareFlag.load(); }

void TarnGetBatteryThread::stop()
{
    m_isStop = true;
    QMutexLocker locker(&m_pauseLock);
    m_pauseWake.wakeAll();
    // A read may wait up to listenReadMs: end it now.
    if (m_running) {
        if (const int signal = WakeSignal())
            pthread_kill(m_thread, signal);
        ActiveHidBackend().wakeReaders();
    }
}

void TarnGetBatteryThread::StopAllAndWait()
{
    QMutexLocker locker(&RegistryLock());
    for (TarnGetBatteryThread* poller : Registry())
        poller->stop();
    for (TarnGetBatteryThread* poller : Registry())
        if (poller != QThread::currentThread())
            poller->wait();
}

void TarnGetBatteryThread::InterruptReads()
{
    QMutexLocker registry(&RegistryLock());
    for (TarnGetBatteryThread* poller : Registry()) {
        QMutexLocker locker(&poller->m_pauseLock);
        // Only a poller inside its read holds the handle; no exchange reads meanwhile.
        if (!poller->m_reading || poller->m_interrupted)
            continue;
        poller->m_interrupted = true;
        if (const int signal = WakeSignal())
            pthread_kill(poller->m_thread, signal);
        ActiveHidBackend().wakeReaders();
    }
}

bool TarnGetBatteryThread::Pause(int milliseconds)
{
    QMutexLocker locker(&m_pauseLock);
    if (m_isStop)
        return false;
    m_pauseWake.wait(&m_pauseLock, ulong(qMax(0, milliseconds)));
    return !m_isStop;
}

bool TarnGetBatteryThread::Listen(int milliseconds)
{
    HidTransport& transport = HidTransport::instance();
    std::array<quint8, kBufferSize> report{};
    QElapsedTimer clock;
    clock.start();
    while (!m_isStop) {
        const int remaining = milliseconds - int(clock.elapsed());
        if (remaining <= 0)
            return true;
        int read = 0;
        bool moving = false;
        bool interrupted = false;
        {
            // One read at a time, so a write waiting for the handle gets it between two.
            PollerHandleLock locker(transport.handleLock());
            HidHandle* handle = transport.activeControlHandleLocked();
            if (!handle || m_isStop)
                return false;  // a stop while waiting for the handle found no read to end
            // Wait for the first report, then take whatever else is queued without waiting.
            int wait = qMin(remaining, m_timing.listenReadMs);
            {
                QMutexLocker reading(&m_pauseLock);
                m_reading = true;
                m_interrupted = false;
            }
            for (;;) {
                report.fill(0);
                read = handle->readTimeout(report.data(), kReportLength, wait);
                if (read <= 0)
                    break;
                wait = 0;
                // The node also carries the mouse's own input reports; only id 5 is ours.
                if (report[0] != kReportId)
                    moving = true;
                else if (report[3] == Command::StatusReport)
                    HandleStatusReport(report.data());
                else if (report[3] == Command::QueryBattery)
                    HandleBatteryAnswer(report.data());
            }
            // Cleared while still holding the handle: a wake must never reach an exchange's read.
            QMutexLocker reading(&m_pauseLock);
            m_reading = false;
            interrupted = m_interrupted;
        }
        if (read < 0 && !interrupted) {
            qCDebug(lcPoller) << "Unable to read a feature report 1.";
            return Pause(m_timing.afterReadErrorMs);
        }
        // Someone waits for the handle: step aside, or relocking at once would starve them.
        if ((interrupted || g_waitingPollers.load() > 0) && !Pause(1))
            return false;
        // A moving mouse sends up to 1000 reports a second: reading them in batches costs
        // a wake-up per batch, not per report, and the queue of 64 never fills meanwhile.
        if (moving && !Pause(qMin(m_timing.movingBatchMs, milliseconds - int(clock.elapsed()))))
            return false;
    }
    return false;
}

void TarnGetBatteryThread::HandleBatteryAnswer(const quint8* answer)
{
    g_firmwareFlag = answer[10];
    emit RefreshBatteryStatus(answer[6], answer[4], answer[5]);
    if (answer[4] || answer[5] || answer[6])
        emit RefreshWriteStatus(answer[7]);
}

void TarnGetBatteryThread::HandleStatusReport(const quint8* answer)
{
    const quint8 profile = answer[4], dpi = answer[5];
    // Values the host would index with are checked here, once, for every receiver.
    if (profile > 4 || dpi > 7) {
        qCDebug(lcPoller) << "status report ignored:" << profile << dpi << answer[6];
        return;
    }
    // An unknown rate code is dropped alone (0): the profile and level in it still count.
    const quint8 rate = ReportRateHz(answer[6]) != 0 ? answer[6] : 0;
    emit RefreshStatus(profile, dpi, rate, answer[7]);
}

void TarnGetBatteryThread::run()
{
    WakeSignal();
    {
        QMutexLocker locker(&m_pauseLock);
        m_thread = pthread_self();
        m_running = !m_isStop;
    }
    struct Finished
    {
        TarnGetBatteryThread* poller;
        ~Finished()
        {
            QMutexLocker locker(&poller->m_pauseLock);
            poller->m_running = false;
        }
    } finished{this};
    qCDebug(lcPoller) << "poller started";
    HidTransport& transport = HidTransport::instance();
    const Report query = BuildQueryBattery();
    int cycle = 0;
    std::array<quint8, kBufferSize> answer{};

    while (!m_isStop) {
        answer.fill(0);
        if (cycle == 0) {
            int read = 0;
            {
                // The query and its answer are one unit: no exchange may read in between.
                PollerHandleLock locker(transport.handleLock());
                HidHandle* handle = transport.activeControlHandleLocked();
                if (!handle)
                    return;
                if (handle->write(query.data(), query.size()) < 0)
                    qCDebug(lcPoller) << "Unable to send a feature report.";
                QThread::msleep(ulong(m_timing.afterQueryMs));
                read = ReadVendorReport(*handle, answer.data(), kReportLength, m_timing.readTimeoutMs);
            }
            if (read < 0) {
                emit RefreshBatteryStatus(0, 0, 0);
            } else if (read > 0) {
                qCDebug(lcPoller, "Threadread bat - %x %x %x %x %x %x %x %x", answer[0], answer[1], answer[2],
                        answer[3], answer[4], answer[5], answer[6], answer[7]);
                if (answer[3] == Command::QueryBattery)
                    HandleBatteryAnswer(answer.data());
            }
            cycle = 2;
            if (!Listen(m_timing.afterQueryPassMs))
                break;
        } else {
            ++cycle;
        }

        // The node is read without a break: the mouse's movement at up to 1000 Hz would
        // fill the kernel's queue of 64 reports and push its status reports out.
        if (!Listen(m_timing.readTimeoutMs + m_timing.afterListenMs))
            break;
        if (cycle >= kLastCycle)
            cycle = 0;
    }
    qCDebug(lcPoller) << "poller stopped";
}

namespace {
int BatteryMillivolts(quint8 lowByte, quint8 highByte) { return ((highByte * 256 + lowByte) * 990) / 240; }
constexpr int kLowestStepMv = 3200;
constexpr int kCutOffMv = 3000;
} // namespace

int BatteryPercent(quint8 lowByte, quint8 highByte, int batteryFull)
{
    const int mv = BatteryMillivolts(lowByte, highByte);
    if (mv >= batteryFull)
        return 100;
    const int steps[][2] = {{4100, 90}, {4000, 80}, {3900, 70}, {3800, 60}, {3700, 50},
                            {3500, 40}, {3400, 30}, {kLowestStepMv, 20}};
    for (const auto& step : steps)
        if (mv >= step[0])
            return step[1];
    return 10;
}

int BatteryReserve(quint8 lowByte, quint8 highByte, int batteryFull)
{
    const int mv = BatteryMillivolts(lowByte, highByte);
    if (mv >= kLowestStepMv)
        return BatteryPercent(lowByte, highByte, batteryFull);
    if (mv <= kCutOffMv)
        return 0;
    return 15 * (mv - kCutOffMv) / (kLowestStepMv - kCutOffMv);
}

int ReportRateHz(int code)
{
    switch (code) {
    case 1: return 1000;
    case 2: return 500;
    case 4: return 250;
    case 8: return 125;
    default: return 0;
    }
}
