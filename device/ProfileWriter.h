#pragma once

#include "SettingsRecord.h"

#include <QThread>
#include <atomic>
#include <functional>

class MacroSlotMap;

// Set when the poller reports the mouse off or asleep; a write then sends nothing.
std::atomic<bool>& MouseAsleep();
// The record the block builders read from during a write.
SettingsRecord& DeviceImage();
// Slot numbers given to macro names while the button block is built, used by the upload.
MacroSlotMap& GlobalMacroSlotMap();
// Results of a write beyond the exchange results (ExchangeResult).
namespace WriteResult {
// The stored settings changed under the program; nothing was written.
constexpr quint8 Stale = 6;
// A bound macro the mouse cannot hold (too long, or more than its slots); nothing was written.
constexpr quint8 MacroRefused = 7;
// Another write was still running; this one was not started.
constexpr quint8 Busy = 8;
// The mouse took the write but the settings files could not be written.
constexpr quint8 NotSaved = 9;
} // namespace WriteResult

// The bound macros of the active profile that the mouse cannot hold: the first one too
// long for a slot, or the first name past the mouse's slots. Empty when all fit.
struct MacroProblem
{
    QString name;
    bool tooMany = false;
    bool ok() const { return name.isEmpty(); }
};
MacroProblem CheckBoundMacros(const SettingsRecord& settings);

// The device write proper: begin, settings block, the changed blocks, apply, macros, end.
// Stops and joins the poller first. A macro the mouse cannot hold fails the write before
// anything is sent. Returns the first failing result, or 0.
quint8 WriteProfile(const SettingsRecord& settings, int mask);

// What a write would send for the same mask, as exchanges of each kind (for tests and
// the benchmark's floor).
struct WriteStats
{
    int exchanges = 0;
    int macrosEncoded = 0;
};
WriteStats LastWriteStats();

// One write on a worker thread while the window waits in a modal dialog: the job is
// the session's write, returning its result.
class TarnProcessThread : public QThread
{
    Q_OBJECT

public:
    explicit TarnProcessThread(std::function<quint8()> job, QObject* parent = nullptr);

    quint8 result() const { return m_result; }
    void stop() { m_isStop = true; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    Q_DISABLE_COPY(TarnProcessThread)

    std::atomic<quint8> m_result{0};
    std::atomic<bool> m_isStop{false};
    std::function<quint8()> m_job;
};
