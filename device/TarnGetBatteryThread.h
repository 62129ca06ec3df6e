#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <pthread.h>

// Polls the mouse's control collection: a battery query about every 25 s, and between
// them it keeps reading for the status reports the mouse sends when its own buttons
// change profile, DPI level or report rate. Talks to the window only through signals.
class TarnGetBatteryThread : public QThread
{
    Q_OBJECT

public:
    struct Timing
    {
        int afterQueryMs = 10;
        int readTimeoutMs = 50;
        int afterQueryPassMs = 450;
        int afterListenMs = 400;
        int afterReadErrorMs = 450;
        // Longest single read while listening: one read covers a listening period, since each
        // wake-up costs CPU; a write waits at most this long for the handle.
        int listenReadMs = 450;
        // While the mouse moves, queued reports are taken this often (at 1000 Hz, 20 of 64).
        int movingBatchMs = 20;
    };

    explicit TarnGetBatteryThread(QObject* parent = nullptr);
    ~TarnGetBatteryThread() override;

    void stop();
    bool isStopping() const { return m_isStop.load(); }
    void setTiming(const Timing& timing) { m_timing = timing; }

    // Byte 10 of the last battery answer; the 3395 DPI encoding depends on it.
    static quint8 firmwareFlag();
    // Stops every running poller and waits until none touches the control handle.
    static void StopAllAndWait();
    // Ends the listening read of every poller now, so that another user of the handle (the
    // window asking the transport, a plug event) does not wait for it; they go on reading.
    static void InterruptReads();

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    Q_DISABLE_COPY(TarnGetBatteryThread)

    // Sleeps unless stop() comes first; false when stopped.
    bool Pause(int milliseconds);
    // Reads the node for that long, handling status reports and battery answers in order;
    // false when stopped or the handle is gone.
    bool Listen(int milliseconds);
    void HandleBatteryAnswer(const quint8* answer);
    void HandleStatusReport(const quint8* answer);

    std::atomic<bool> m_isStop{false};
    // Guarded by m_pauseLock: the running thread, so stop() can interrupt its read.
    bool m_running = false;
    bool m_reading = false;          // in a listening read, holding the handle
    bool m_interrupted = false;      // that read was ended on purpose
    pthread_t m_thread{};
    QMutex m_pauseLock;
    QWaitCondition m_pauseWake;
    Timing m_timing;
};

// A battery value as the window shows it: percent by the millivolt steps.
int BatteryPercent(quint8 lowByte, quint8 highByte, int batteryFull);
// What is left of the charge, for the low-battery warnings: the shown percent from 20 up;
// below the lowest step (under 3200 mV) it falls from 15 to 0 at the cell's 3000 mV cut-off,
// so both warnings (below 15 and below 5) can be reached.
int BatteryReserve(quint8 lowByte, quint8 highByte, int batteryFull);
// Report-rate codes the mouse uses: 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125; 0 otherwise.
int ReportRateHz(int code);
