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
// Called (on the writing thread) after a successful write, so the owner of the poller
// can start a new one.
void SetPollerRestartHook(std::function<void()> hook);

// The device write proper: begin, settings block, the changed blocks, apply, macros, end.
// Stops and joins the poller first. Returns the first failing exchange result, or 0.
quint8 WriteProfile(const SettingsRecord& settings, int mask);

// What a write would send for the same mask, as exchanges of each kind (for tests and
// the benchmark's floor).
struct WriteStats
{
    int exchanges = 0;
    int macrosEncoded = 0;
};
WriteStats LastWriteStats();

// One write of CurrentSettings on a worker thread; the window waits in a modal dialog.
class TarnProcessThread : public QThread
{
    Q_OBJECT

public:
    explicit TarnProcessThread(QObject* parent = nullptr);

    quint8 result() const { return m_result; }
    void stop() { m_isStop = true; }
    void setWriteAll(bool writeAll) { m_writeAll = writeAll; }

    // The same sequence, run on the calling thread (the command-line tool uses it).
    quint8 runWrite();

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    Q_DISABLE_COPY(TarnProcessThread)

    std::atomic<quint8> m_result{0};
    std::atomic<bool> m_isStop{false};
    bool m_writeAll = false;
};
