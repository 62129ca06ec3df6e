#include "TarnGetBatteryThread.h"

#include "CommandSet.h"
#include "HidTransport.h"
#include "Report.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QSet>
#include <array>

Q_LOGGING_CATEGORY(lcPoller, "mousecfg.poller", QtWarningMsg)

namespace {

constexpr int kBufferSize = 64;
constexpr int kLastCycle = 57;

std::atomic<quint8> g_firmwareFlag{0};

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
    std::array<quint8, kBufferSize> answer{};
    QElapsedTimer clock;
    clock.start();
    while (!m_isStop) {
        const int remaining = milliseconds - int(clock.elapsed());
        if (remaining <= 0)
            return true;
        int read = 0;
        {
            // One read at a time, so a write waiting for the handle gets it between two.
            QMutexLocker locker(&transport.handleLock());
            HidHandle* handle = transport.activeControlHandleLocked();
            if (!handle)
                return false;
            answer.fill(0);
            read = ReadVendorReport(*handle, answer.data(), kReportLength, qMin(remaining, m_timing.listenReadMs));
        }
        if (read < 0) {
            qCDebug(lcPoller) << "Unable to read a feature report 1.";
            return Pause(m_timing.afterReadErrorMs);
        }
        if (read > 0 && answer[3] == Command::StatusReport)
            HandleStatusReport(answer.data());
        else if (read > 0 && answer[3] == Command::QueryBattery)
            HandleBatteryAnswer(answer.data());
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
                QMutexLocker locker(&transport.handleLock());
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

int BatteryPercent(quint8 lowByte, quint8 highByte, int batteryFull)
{
    const int mv = ((highByte * 256 + lowByte) * 990) / 240;
    if (mv >= batteryFull)
        return 100;
    const int steps[][2] = {{4100, 90}, {4000, 80}, {3900, 70}, {3800, 60}, {3700, 50},
                            {3500, 40}, {3400, 30}, {3200, 20}};
    for (const auto& step : steps)
        if (mv >= step[0])
            return step[1];
    return 10;
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
