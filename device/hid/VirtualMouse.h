#pragma once

#include "HidBackend.h"
#include "Report.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

// The mouse's side of the vendor protocol, for running the program and its tests
// without hardware: collections and paths as the host sees them, the echo rules,
// block assembly into memory, battery and status reports, fault injection and a
// persistent state file. All state is guarded by one mutex; any thread may call.
class VirtualMouse : public QObject
{
    Q_OBJECT

public:
    enum class Identity { Dongle, Cable };
    enum class PathStyle { Linux, Windows };
    enum class Fault {
        NoAnswer,           // the report is acted on but its answer is lost
        WrongCommandEcho,   // answer byte 3 altered
        WrongDataEcho,      // answer byte 8 (first data byte) altered
        ZeroAnswer,         // the answer is 33 zero bytes
        WriteFails,         // hid_write fails (-1); the mouse never sees the report
        Unplug,             // the device disappears after the chosen write (see injectFault)
    };
    Q_ENUM(Fault)

    static constexpr int ReportLength = kReportLength;
    static constexpr int QueueCapacity = 64;
    static constexpr int MaxDataLength = kReportMaxData;
    static constexpr int SettingsSize = 19;
    static constexpr int DpiSize = 41;
    static constexpr int ButtonsSize = 102;
    static constexpr int LedSize = 80;
    static constexpr int MacroSlotCount = 20;
    static constexpr int MacroSlotSize = 200;
    static constexpr int MacroSize = MacroSlotCount * MacroSlotSize;
    static constexpr int SettingsActiveProfileByte = 6;

    static constexpr quint8 ReportId = kReportId;
    static constexpr quint8 MouseReportId = 0x01;
    static constexpr quint8 Marker = kReportMarker;
    static constexpr quint8 TagFirst = kTagFirst;
    static constexpr quint8 TagNext = kTagNext;
    static constexpr quint8 TagClose = kTagClose;
    static constexpr quint8 CmdSettings = Command::SettingsBlock;
    static constexpr quint8 CmdDpi = Command::DpiBlock;
    static constexpr quint8 CmdButtons = Command::ButtonBlock;
    static constexpr quint8 CmdLed = Command::LedBlock;
    static constexpr quint8 CmdMacros = Command::MacroBlock;
    static constexpr quint8 CmdApplySection = Command::ApplySection;
    static constexpr quint8 CmdSelectProfile = Command::SelectProfile;
    static constexpr quint8 CmdWriteSession = Command::WriteSession;
    static constexpr quint8 CmdQueryBattery = Command::QueryBattery;
    static constexpr quint8 CmdStatusReport = Command::StatusReport;

    struct Memory
    {
        std::array<quint8, SettingsSize> settings{};
        std::array<quint8, DpiSize> dpi{};
        std::array<quint8, ButtonsSize> buttons{};
        std::array<quint8, LedSize> led{};
        std::array<quint8, MacroSize> macros{};
    };

    struct Counters
    {
        int hostWrites = 0;         // writes that reached the mouse
        int failedWrites = 0;       // writes that returned -1 (unplugged, wrong handle, injected)
        int answered = 0;           // reports that got an answer queued
        int unanswered = 0;         // valid reports with no answer (fire-and-forget, asleep, lost)
        int ignored = 0;            // reports rejected: report id, marker or checksum wrong
        int rejectedPackets = 0;    // block packets with a bad tag, offset or length
        int droppedReports = 0;     // input reports lost to a full handle queue
        int sentReports = 0;        // status and movement reports sent on demand
        QMap<quint8, int> writesPerCommand;   // command byte → writes that reached the mouse
        QMap<Fault, int> faultsApplied;
    };

    // An empty statePath keeps everything in memory (nothing is loaded or saved).
    explicit VirtualMouse(const QString& statePath = DefaultStatePath(), QObject* parent = nullptr);
    ~VirtualMouse() override;

    // MOUSECFG_VIRTUAL_STATE, else $XDG_STATE_HOME (or ~/.local/state)/mousecfg/virtual-mouse.ini.
    static QString DefaultStatePath();
    static quint8 Checksum(const QByteArray& report);   // (b2+…+b7) & 0xFF ^ 0x66

    QString statePath() const;
    bool loadState();       // false when the file is missing or corrupt (then factory state)
    bool saveState() const;

    // Presence and enumeration.
    void plug(Identity identity);
    void unplug(Identity identity);
    bool isPresent(Identity identity) const;
    void setPathStyle(PathStyle style);
    PathStyle pathStyle() const;
    void setIds(Identity identity, quint16 vendorId, quint16 productId);
    void setReleaseNumber(Identity identity, quint16 release);
    quint16 releaseNumber(Identity identity) const;
    QString mousePath(Identity identity) const;      // the path carrying the mouse collection
    QString controlPath(Identity identity) const;    // the path carrying the vendor collection
    QVector<HidDeviceInfo> enumerate() const;
    int releaseNumber(const QString& path) const;    // -1 when no present device has that path

    // Handles, as the backend presents them.
    int openHandle(const QString& path);             // handle id, or -1
    void closeHandle(int handle);
    int write(int handle, const uint8_t* data, size_t length);
    int read(int handle, uint8_t* data, size_t length, int milliseconds);
    int openHandleCount() const;
    int queuedReports(int handle) const;
    // Ends every read now waiting early, with 0, as a signal ends a read on a real node.
    void wakeReaders();

    // Battery and power.
    void setBattery(quint16 value, bool charging);
    quint16 batteryValue() const;
    bool isCharging() const;
    void setFirmwareFlag(quint8 flag);
    quint8 firmwareFlag() const;
    void setAsleep(bool asleep);
    bool isAsleep() const;
    void setWriteStatus(quint8 status);
    quint8 writeStatus() const;

    // Memory.
    Memory memory() const;
    QByteArray block(quint8 command) const;                     // empty for an unknown command
    bool setBlock(quint8 command, const QByteArray& bytes);     // size must match the block
    quint8 activeProfile() const;
    void factoryReset();

    // What the host sent, in order.
    QVector<quint8> sessionLog() const;     // WriteSession phases (byte 4)
    QVector<quint8> sectionLog() const;     // ApplySection masks (byte 5)
    QVector<quint8> profileLog() const;     // SelectProfile indices accepted
    QVector<quint8> commitLog() const;      // block commands committed by a closing packet
    void clearLogs();

    // Reports the mouse sends on its own, to every open handle.
    void sendStatusReport(quint8 profile, quint8 dpiLevel, quint8 rate, quint8 mode);
    // The battery state sent unasked, as the mouse does when it wakes, sleeps or charges.
    void sendBatteryReport();
    void sendMovement(qint8 dx, qint8 dy, quint8 buttons = 0);
    // Movement reports at `hz` (1-1000) for that long, from a thread of the mouse's own, as
    // a hand moving it would send them; a new call replaces the stream, 0 stops it.
    static constexpr int MaxMovementHz = 1000;
    void streamMovement(int hz, int milliseconds);
    void stopMovement();
    bool isMoving() const;

    // A node the user may not open (no udev rule): enumeration still lists it, opening fails.
    // Kept in the state file.
    void setAccessDenied(bool denied);
    bool accessDenied() const;

    // Fault injection. A count applies the fault to the next `count` matching reports;
    // for Unplug it is the number of further accepted writes after which the device
    // disappears (the last one is acted on, its answer never arrives).
    // command -1 matches every command.
    void injectFault(Fault fault, int count, int command = -1);
    // Each matching report gets the fault with this probability (Unplug fires once).
    void injectRandomFault(Fault fault, double probability, quint32 seed, int command = -1);
    void unplugAfterWrites(int writes);
    // Drops every fault, the pending ones below too.
    void clearFaults();

    // Pending faults, set from outside the program and kept in the state file until used
    // up, so that the next program or command on this state meets them. NoAnswer and
    // ZeroAnswer hit the next `count` reports the mouse echoes (block packets, section and
    // session commands; not battery queries); WrongDataEcho hits the next `count` block
    // packets, the only echoes whose data the host compares. A new count replaces the
    // pending one of that kind; 0 drops it. False for other faults or counts out of range.
    static constexpr int MaxPendingFaults = 10000;
    bool setPendingFault(Fault fault, int count);
    int pendingFault(Fault fault) const;    // reports it will still hit

    Counters counters() const;
    void resetCounters();

    void setAnswerDelay(int milliseconds);   // 0 (default): answers are readable at once
    void setTraceFile(const QString& path);  // empty stops tracing

signals:
    void deviceArrived(const QString& path);
    void deviceRemoved(const QString& path);

private:
    Q_DISABLE_COPY(VirtualMouse)

    enum class Collection { Both, Mouse, Control };

    struct IdentityState
    {
        quint16 vendorId = 0;
        quint16 productId = 0;
        quint16 release = 0x0100;
        bool present = false;
        quint64 generation = 0;   // bumped at every plug; stale handles keep the old value
    };

    struct QueuedReport
    {
        QByteArray bytes;
        qint64 readyAt = 0;
    };

    struct Handle
    {
        Identity identity = Identity::Dongle;
        Collection collection = Collection::Both;
        quint64 generation = 0;
        std::deque<QueuedReport> queue;
    };

    struct FaultRule
    {
        Fault fault = Fault::NoAnswer;
        int remaining = 0;          // count mode; -1 in probability mode
        double probability = 0.0;
        int command = -1;
        bool pending = false;       // kept in the state file (setPendingFault)
    };

    struct Staging
    {
        bool active = false;
        QByteArray bytes;
    };

    // Everything below runs with m_mutex held.
    IdentityState& state(Identity identity);
    const IdentityState& state(Identity identity) const;
    QStringList pathsLocked(Identity identity) const;
    bool resolvePath(const QString& path, Identity* identity, Collection* collection) const;
    bool handleAlive(const Handle& handle) const;
    QStringList setPresentLocked(Identity identity, bool present);
    void process(Identity identity, const QByteArray& report);
    QByteArray answerFor(const QByteArray& report, bool* rejected);
    bool takeFault(Fault fault, quint8 command);
    void queueReport(const QByteArray& report, Identity identity, bool allIdentities);
    QByteArray* memoryBlock(quint8 command);
    const QByteArray* memoryBlock(quint8 command) const;
    void saveLocked() const;
    bool loadLocked();
    void factoryResetLocked();
    void trace(char direction, const QByteArray& report);
    Memory memoryLocked() const;

    // One lock for all state below; signals are emitted after it is released.
    mutable std::mutex m_mutex;
    std::condition_variable m_reportQueued;
    QElapsedTimer m_clock;
    QString m_statePath;

    IdentityState m_dongle;
    IdentityState m_cable;
    PathStyle m_pathStyle = PathStyle::Linux;

    QMap<int, Handle> m_handles;
    int m_nextHandle = 1;

    QByteArray m_blocks[6];     // index = block command 1–5; 0 unused
    Staging m_staging[6];
    quint16 m_battery = 0x0E10;
    bool m_charging = false;
    quint8 m_firmwareFlag = 0;
    bool m_asleep = false;
    quint8 m_writeStatus = 0;
    bool m_sessionOpen = false;

    QVector<quint8> m_sessionLog;
    QVector<quint8> m_sectionLog;
    QVector<quint8> m_profileLog;
    QVector<quint8> m_commitLog;

    QVector<FaultRule> m_faults;
    std::mt19937 m_random;
    Counters m_counters;

    int m_answerDelay = 0;
    QFile m_trace;
    bool m_accessDenied = false;
    quint64 m_wakeGeneration = 0;

    // The movement stream has its own lock: it sends through the public calls.
    mutable std::mutex m_moverMutex;
    std::condition_variable m_moverWake;
    std::thread m_mover;
    bool m_moverStop = false;
    bool m_moving = false;
};
