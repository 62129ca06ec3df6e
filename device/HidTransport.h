#pragma once

#include "HidBackend.h"
#include "Report.h"

#include <QMutex>
#include <QString>
#include <array>
#include <memory>

// The device match table: which collections of the mouse are present and where.
struct DeviceMatchEntry
{
    quint32 vid1 = 0, vid2 = 0, pid1 = 0, pid2 = 0;
    quint32 minRelease1 = 0, minRelease2 = 0, maxRelease1 = 0, maxRelease2 = 0;
    quint32 usage1 = 0, usagePage1 = 0;   // mouse collection, first identity (dongle)
    quint32 usage2 = 0, usagePage2 = 0;   // control collection, first identity
    quint32 usage3 = 0, usagePage3 = 0;   // mouse collection, second identity (cable)
    quint32 usage4 = 0, usagePage4 = 0;   // control collection, second identity
    std::array<QString, 4> paths;         // path1..path4
    std::array<quint8, 4> found{};        // found1..found4
    QByteArray name;                      // Latin-1 device name from Mouse_List/0
};

constexpr int kMaxDeviceEntries = 200;

struct DeviceMatchTable
{
    quint32 count = 0;
    std::array<DeviceMatchEntry, kMaxDeviceEntries> entries;
};

// Exchange results.
namespace ExchangeResult {
constexpr quint8 Success = 0;
constexpr quint8 NoDevice = 1;
constexpr quint8 NoEcho = 2;
constexpr quint8 WriteFailed = 4;
constexpr quint8 MouseAsleep = 5;
} // namespace ExchangeResult

// Collection kinds of a notification path.
enum class CollectionKind { None, Mouse, Control };

// What a notification changed in the table, for the caller to decide what to reopen.
struct NoteResult
{
    bool matched = false;           // the path belongs to one of our identities
    bool identityComplete = false;  // arrival: both collections of that identity are now present
    bool allGone = false;           // removal: no collection of the mouse is left
};

class HidTransport
{
public:
    static HidTransport& instance();

    DeviceMatchTable& table() { return m_table; }
    QString currentDeviceName() const;
    quint16 controlRelease() const { return m_controlRelease; }

    void BuildDeviceTable();
    int EnumerateDevices();
    void OpenDevice(const QByteArray& name);
    void CloseDevice();
    void ShutdownHid();
    // A Windows-style notification path ("...HID#VID_248A&PID_FA02&col04...").
    NoteResult NoteDevicePath(const QString& path, bool arrived);
    // Linux: one hidraw node carries both collections; its enumeration entries say which.
    NoteResult NoteDeviceNode(const QString& node, bool arrived);

    // One command exchange on the active control handle (cable before dongle).
    quint8 SendCommand(const Report& report);
    // Sends reports in order; the first non-zero result ends the sequence.
    quint8 SendAll(const ReportList& reports);

    bool hasControlHandle() const;
    // The node of ours that the last OpenDevice could not open for lack of permission;
    // empty when every found collection opened (or none was found).
    QString noAccessPath() const;
    bool hasCableControl() const;
    int openHandleCount() const;

    // The poller's side of the shared handle. Holding the lock, no exchange runs.
    QMutex& handleLock() { return m_lock; }
    HidHandle* activeControlHandleLocked() const;

    // Exchange timing; tests may shorten the waits to keep suites quick.
    struct Timing
    {
        int afterWriteMs = 10;
        int readTimeoutMs = 150;
        int rereadWaitMs = 50;
    };
    void setTiming(const Timing& timing) { m_timing = timing; }
    const Timing& timing() const { return m_timing; }

    // Statistics for tests and benchmarks.
    int exchangeCount() const { return m_exchanges; }
    void resetExchangeCount() { m_exchanges = 0; }

private:
    HidTransport() = default;
    Q_DISABLE_COPY(HidTransport)

    // Reads the next vendor answer (report id 5) within the time-out; other reports on
    // the shared node (the mouse's own input, id 1) are skipped.
    int ReadAnswer(HidHandle& handle, quint8* buffer, int length, int timeoutMs);

    // One lock for the four handles: held for a whole exchange, for each poller pass
    // and while handles are opened or closed.
    mutable QMutex m_lock;
    DeviceMatchTable m_table;
    std::unique_ptr<HidHandle> m_mouseHandle1, m_controlHandle1, m_mouseHandle2, m_controlHandle2;
    quint16 m_controlRelease = 0;
    QString m_noAccessPath;
    Timing m_timing;
    int m_exchanges = 0;
};

// Reads the next vendor report (id 5) within the time-out, skipping the mouse's own input
// reports that share the node. Returns bytes read, 0 on time-out, -1 on error.
int ReadVendorReport(HidHandle& handle, quint8* buffer, int length, int timeoutMs);

// What to tell a user who may not open `node`: the udev rule and the command that installs it.
// The source text (context "QObject") has the node as %1.
extern const char* const kNoAccessText;
QString NoAccessMessage(const QString& node);

// Compares an echo with the request: 0 match, 1 header differs, 2 data differs.
int CheckEcho(const Report& request, const quint8* answer, bool dataCheck);
// Whether a path has Windows collection suffixes ("&col01"), to which the path rules apply.
bool IsWindowsCollectionPath(const QString& path);
