#include "HidTransport.h"

#include "TarnGetBatteryThread.h"

#include "Descriptor.h"
#include "GlobalConfig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QThread>

Q_LOGGING_CATEGORY(lcHid, "mousecfg.hid", QtWarningMsg)

namespace {

// The handle lock for everyone but the poller: its listening read may hold the lock for up to
// half a second, so it is cut short rather than waited for.
class HandleLocker
{
public:
    explicit HandleLocker(QMutex& mutex) : m_mutex(mutex)
    {
        if (!m_mutex.tryLock()) {
            TarnGetBatteryThread::InterruptReads();
            m_mutex.lock();
        }
    }
    ~HandleLocker() { m_mutex.unlock(); }

private:
    QMutex& m_mutex;
};

constexpr int kBufferSize = 64;
constexpr int kMaxReadFailures = 30;
constexpr int kMaxZeroAnswers = 5;
constexpr int kMaxCommandMismatches = 19;
constexpr int kMaxRewrites = 2;
constexpr int kDrainLimit = 64;  // a hidraw reader queues at most 64 reports

QString Hex(const quint8* data, int length)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(data), length).toHex(' '));
}

bool ReleaseInRange(quint32 release, quint32 minimum, quint32 maximum)
{
    return maximum == 0 || (minimum <= release && release <= maximum);
}

// Commands up to 0x0A and the two session/apply commands are echoed; the rest are not.
bool ExpectsEcho(quint8 command)
{
    return command <= 0x0A || command == Command::ApplySection || command == Command::WriteSession;
}

struct PathPattern
{
    QRegularExpression expression;
    CollectionKind kind;
};

const std::array<PathPattern, 4>& PathPatterns()
{
    static const auto options = QRegularExpression::CaseInsensitiveOption;
    static const std::array<PathPattern, 4> patterns = {{
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col01"), options), CollectionKind::Mouse},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col04"), options), CollectionKind::Control},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col01"), options), CollectionKind::Mouse},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col04"), options), CollectionKind::Control},
    }};
    return patterns;
}

} // namespace

bool IsWindowsCollectionPath(const QString& path)
{
    return path.contains(QLatin1String("&col"), Qt::CaseInsensitive);
}

int CheckEcho(const Report& request, const quint8* answer, bool dataCheck)
{
    for (int i : {0, 2, 3, 4, 5, 6})
        if (request[i] != answer[i])
            return 1;
    if (!dataCheck)
        return 0;
    // The length byte comes from our own request; a block packet carries at most 25 bytes.
    const int n = qMin<int>(request[6], kReportMaxData);
    for (int i = 0; i < n; ++i)
        if (request[kReportDataOffset + i] != answer[kReportDataOffset + i])
            return 2;
    return 0;
}

HidTransport& HidTransport::instance()
{
    static HidTransport transport;
    return transport;
}

QString HidTransport::currentDeviceName() const
{
    HandleLocker locker(m_lock);
    return m_table.count > 0 ? QString::fromLatin1(m_table.entries[0].name) : QString();
}

void HidTransport::BuildDeviceTable()
{
    HandleLocker locker(m_lock);
    m_table = DeviceMatchTable();
    m_table.count = 1;
    DeviceMatchEntry& e = m_table.entries[0];
    e.vid1 = quint32(DescriptorVid1());
    e.pid1 = quint32(DescriptorPid1());
    e.vid2 = quint32(DescriptorVid2());
    e.pid2 = quint32(DescriptorPid2());
    e.usage1 = 2; e.usagePage1 = 1;
    e.usage2 = 0; e.usagePage2 = 1;
    e.usage3 = 2; e.usagePage3 = 1;
    e.usage4 = 0; e.usagePage4 = 1;
    e.name = ConfigMouseListName().toLatin1().left(255);
    qCDebug(lcHid) << "device table for" << e.name;
}

int HidTransport::EnumerateDevices()
{
    HidBackend& backend = ActiveHidBackend();
    if (backend.init() != 0)
        return -1;
    const QVector<HidDeviceInfo> devices = backend.enumerate();
    HandleLocker locker(m_lock);
    for (const HidDeviceInfo& info : devices) {
        if (info.vendorId == 0x04D9)
            qCDebug(lcHid, "Device Found\n  type: %x %x\n  path: %s\n  usage %x page %x", info.vendorId,
                    info.productId, qPrintable(info.path), info.usage, info.usagePage);
        for (quint32 i = 0; i < m_table.count && i < quint32(kMaxDeviceEntries); ++i) {
            DeviceMatchEntry& e = m_table.entries[i];
            if (info.vendorId == e.vid1 && info.productId == e.pid1) {
                const bool inRange = ReleaseInRange(info.releaseNumber, e.minRelease1, e.maxRelease1);
                if (info.usage == e.usage1 && info.usagePage == e.usagePage1 && inRange) {
                    e.paths[0] = info.path;
                    e.found[0] = 1;
                }
                // Windows lists each collection under its own path; "col04" marks the control one.
                const bool controlPath = !IsWindowsCollectionPath(info.path)
                    || info.path.contains(QLatin1String("col04"), Qt::CaseInsensitive);
                if (info.usage == e.usage2 && info.usagePage == e.usagePage2 && inRange && controlPath) {
                    e.paths[1] = info.path;
                    e.found[1] = 1;
                }
            }
            if (info.vendorId == e.vid2 && info.productId == e.pid2) {
                const bool inRange = ReleaseInRange(info.releaseNumber, e.minRelease2, e.maxRelease2);
                if (info.usage == e.usage3 && info.usagePage == e.usagePage3 && inRange) {
                    e.paths[2] = info.path;
                    e.found[2] = 1;
                }
                if (info.usage == e.usage4 && info.usagePage == e.usagePage4 && inRange) {
                    e.paths[3] = info.path;
                    e.found[3] = 1;
                    m_controlRelease = info.releaseNumber;
                }
            }
        }
    }
    return 0;
}

void HidTransport::OpenDevice(const QByteArray& name)
{
    HidBackend& backend = ActiveHidBackend();
    if (backend.init() != 0)
        return;
    HandleLocker locker(m_lock);
    m_noAccessPath.clear();
    const auto openPath = [&](const QString& path) {
        std::unique_ptr<HidHandle> handle = backend.open(path);
        if (!handle && m_noAccessPath.isEmpty() && backend.accessDenied(path))
            m_noAccessPath = path;
        return handle;
    };
    for (quint32 i = 0; i < m_table.count && i < quint32(kMaxDeviceEntries); ++i) {
        const DeviceMatchEntry& e = m_table.entries[i];
        if (e.name != name)
            continue;
        if (e.found[0] && e.found[1]) {
            m_mouseHandle1 = openPath(e.paths[0]);
            m_controlHandle1 = openPath(e.paths[1]);
        }
        if (e.found[2] && e.found[3]) {
            m_mouseHandle2 = openPath(e.paths[2]);
            m_controlHandle2 = openPath(e.paths[3]);
        }
    }
}

QString HidTransport::noAccessPath() const
{
    HandleLocker locker(m_lock);
    return m_noAccessPath;
}

const char* const kNoAccessText = QT_TRANSLATE_NOOP(
    "QObject", "No permission to use the mouse: this user may not open %1.\n"
               "Install the udev rule 70-mousecfg.rules once, then plug the mouse in again:\n"
               "  mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules >/dev/null"
               " && sudo udevadm control --reload && sudo udevadm trigger");

QString NoAccessMessage(const QString& node)
{
    return QCoreApplication::translate("QObject", kNoAccessText).arg(node);
}

void HidTransport::CloseDevice()
{
    HandleLocker locker(m_lock);
    m_noAccessPath.clear();
    m_mouseHandle1.reset();
    m_controlHandle1.reset();
    m_mouseHandle2.reset();
    m_controlHandle2.reset();
}

void HidTransport::ShutdownHid()
{
    CloseDevice();
    ActiveHidBackend().exit();
}

NoteResult HidTransport::NoteDevicePath(const QString& path, bool arrived)
{
    NoteResult result;
    CollectionKind kind = CollectionKind::None;
    quint32 vid = 0, pid = 0;
    for (const PathPattern& pattern : PathPatterns()) {
        const QRegularExpressionMatch match = pattern.expression.match(path);
        if (match.hasMatch()) {
            kind = pattern.kind;
            vid = match.captured(QStringLiteral("vid")).toUInt(nullptr, 16);
            pid = match.captured(QStringLiteral("pid")).toUInt(nullptr, 16);
            break;
        }
    }
    int release = -1;
    if (arrived && kind != CollectionKind::None) {
        HidBackend& backend = ActiveHidBackend();
        release = backend.releaseNumber(path);
        if (release < 0 && !path.startsWith(QLatin1String("\\\\?\\")))
            release = backend.releaseNumber(QStringLiteral("\\\\?\\") + path);
    }
    const quint32 releaseNumber = release < 0 ? 0 : quint32(release);

    HandleLocker locker(m_lock);
    for (quint32 i = 0; i < m_table.count && i < quint32(kMaxDeviceEntries); ++i) {
        DeviceMatchEntry& e = m_table.entries[i];
        for (int identity = 0; identity < 2; ++identity) {
            const quint32 entryVid = identity == 0 ? e.vid1 : e.vid2;
            const quint32 entryPid = identity == 0 ? e.pid1 : e.pid2;
            if (kind == CollectionKind::None || vid != entryVid || pid != entryPid)
                continue;
            result.matched = true;
            const int mouseSlot = identity * 2;
            const int slot = mouseSlot + (kind == CollectionKind::Control ? 1 : 0);
            if (arrived) {
                const quint32 minimum = identity == 0 ? e.minRelease1 : e.minRelease2;
                const quint32 maximum = identity == 0 ? e.maxRelease1 : e.maxRelease2;
                if (!ReleaseInRange(releaseNumber, minimum, maximum))
                    continue;
                e.paths[slot] = path;
                e.found[slot] = 1;
                if (e.found[mouseSlot] && e.found[mouseSlot + 1])
                    result.identityComplete = true;
            } else {
                e.found[slot] = 0;
                if (!e.found[0] && !e.found[1] && !e.found[2] && !e.found[3])
                    result.allGone = true;
            }
        }
    }
    return result;
}

NoteResult HidTransport::NoteDeviceNode(const QString& node, bool arrived)
{
    NoteResult result;
    if (arrived) {
        HidBackend& backend = ActiveHidBackend();
        if (backend.init() != 0)
            return result;
        QVector<HidDeviceInfo> collections;
        for (const HidDeviceInfo& info : backend.enumerate())
            if (info.path == node)
                collections.append(info);
        HandleLocker locker(m_lock);
        for (quint32 i = 0; i < m_table.count && i < quint32(kMaxDeviceEntries); ++i) {
            DeviceMatchEntry& e = m_table.entries[i];
            for (const HidDeviceInfo& info : collections) {
                for (int identity = 0; identity < 2; ++identity) {
                    const bool first = identity == 0;
                    if (info.vendorId != (first ? e.vid1 : e.vid2) || info.productId != (first ? e.pid1 : e.pid2))
                        continue;
                    if (!ReleaseInRange(info.releaseNumber, first ? e.minRelease1 : e.minRelease2,
                                        first ? e.maxRelease1 : e.maxRelease2))
                        continue;
                    const int mouseSlot = identity * 2;
                    const quint32 mouseUsage = first ? e.usage1 : e.usage3;
                    const quint32 mousePage = first ? e.usagePage1 : e.usagePage3;
                    const quint32 controlUsage = first ? e.usage2 : e.usage4;
                    const quint32 controlPage = first ? e.usagePage2 : e.usagePage4;
                    // Receivers have more interfaces of the same identity: only nodes that
                    // carry one of the mouse's two collections count.
                    if (info.usage == mouseUsage && info.usagePage == mousePage) {
                        e.paths[mouseSlot] = node;
                        e.found[mouseSlot] = 1;
                        result.matched = true;
                    }
                    if (info.usage == controlUsage && info.usagePage == controlPage) {
                        e.paths[mouseSlot + 1] = node;
                        e.found[mouseSlot + 1] = 1;
                        result.matched = true;
                        if (!first)
                            m_controlRelease = info.releaseNumber;
                    }
                    if (e.found[mouseSlot] && e.found[mouseSlot + 1])
                        result.identityComplete = true;
                }
            }
        }
        return result;
    }
    HandleLocker locker(m_lock);
    for (quint32 i = 0; i < m_table.count && i < quint32(kMaxDeviceEntries); ++i) {
        DeviceMatchEntry& e = m_table.entries[i];
        for (int slot = 0; slot < 4; ++slot) {
            if (e.found[slot] && e.paths[slot] == node) {
                e.found[slot] = 0;
                result.matched = true;
            }
        }
        if (result.matched && !e.found[0] && !e.found[1] && !e.found[2] && !e.found[3])
            result.allGone = true;
    }
    return result;
}

HidHandle* HidTransport::activeControlHandleLocked() const
{
    if (m_controlHandle2)
        return m_controlHandle2.get();
    return m_controlHandle1.get();
}

bool HidTransport::hasControlHandle() const
{
    HandleLocker locker(m_lock);
    return activeControlHandleLocked() != nullptr;
}

bool HidTransport::hasCableControl() const
{
    HandleLocker locker(m_lock);
    return m_controlHandle2 != nullptr;
}

int HidTransport::openHandleCount() const
{
    HandleLocker locker(m_lock);
    return int(bool(m_mouseHandle1)) + int(bool(m_controlHandle1)) + int(bool(m_mouseHandle2))
        + int(bool(m_controlHandle2));
}

int HidTransport::ReadAnswer(HidHandle& handle, quint8* buffer, int length, int timeoutMs)
{
    return ReadVendorReport(handle, buffer, length, timeoutMs);
}

int ReadVendorReport(HidHandle& handle, quint8* buffer, int length, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    std::array<quint8, kBufferSize> scratch{};
    const int size = qBound(0, length, kBufferSize);
    for (;;) {
        const int remaining = timeoutMs - int(clock.elapsed());
        if (remaining <= 0)
            return 0;
        const int n = handle.readTimeout(scratch.data(), size_t(size), remaining);
        if (n <= 0)
            return n;
        // The node also carries the mouse's own input reports; only id 5 is an answer.
        if (scratch[0] != kReportId)
            continue;
        std::copy(scratch.begin(), scratch.begin() + n, buffer);
        return n;
    }
}

quint8 HidTransport::SendCommand(const Report& report)
{
    HandleLocker locker(m_lock);
    HidHandle* handle = activeControlHandleLocked();
    if (!handle) {
        qCDebug(lcHid) << "no device found";
        return ExchangeResult::NoDevice;
    }
    ++m_exchanges;
    Report request = report;
    request[1] = ReportChecksum(request);
    std::array<quint8, kBufferSize> answer{};
    const quint8 command = request[3];
    const bool dataCheck = command <= 0x0A;

    // Reports that piled up while nobody read (the mouse's movement on a shared node) would
    // fill the node's queue and push our answer out: start from an empty queue.
    for (int i = 0; i < kDrainLimit && handle->readTimeout(answer.data(), answer.size(), 0) > 0; ++i) {
    }
    answer.fill(0);

    int readFailures = 0, commandMismatches = 0, zeroAnswers = 0, rewrites = 0, outcome = 0;
    bool write = true;
    bool compared = false;  // some answer of this exchange has been checked against the request
    for (;;) {
        if (write) {
            const int written = handle->write(request.data(), request.size());
            qCDebug(lcHid) << "write" << written << Hex(request.data(), kReportLength);
            if (written < 0) {
                qCDebug(lcHid) << "Unable to send a feature report.";
                return ExchangeResult::WriteFailed;
            }
            QThread::msleep(ulong(m_timing.afterWriteMs));
            if (!ExpectsEcho(command))
                return ExchangeResult::Success;
            write = false;
        }

        const int read = ReadAnswer(*handle, answer.data(), kReportLength, m_timing.readTimeoutMs);
        if (read < 0) {
            ++readFailures;
            qCDebug(lcHid) << "read failed" << readFailures;
            if (readFailures < kMaxReadFailures) {
                QThread::msleep(ulong(m_timing.rereadWaitMs));
                continue;
            }
            if (++rewrites <= kMaxRewrites) {
                write = true;
                continue;
            }
            qCDebug(lcHid) << "given up after read failures";
            return ExchangeResult::NoEcho;
        }
        qCDebug(lcHid) << "read" << read << Hex(answer.data(), kReportLength);
        // A time-out leaves the previous answer in the buffer; only a zero header is "no answer".
        if (std::all_of(answer.begin(), answer.begin() + 8, [](quint8 b) { return b == 0; })) {
            ++zeroAnswers;
            if (zeroAnswers <= kMaxZeroAnswers) {
                write = true;
                continue;
            }
            qCDebug(lcHid) << "all-zero answer too often";
            // Nothing but zeros (or time-outs) from a mouse that should echo: it never
            // confirmed the report, so the exchange has failed.
            if (!compared)
                return ExchangeResult::NoEcho;
        } else {
            outcome = CheckEcho(request, answer.data(), dataCheck);
            compared = true;
        }

        if (outcome == 0) {
            qCDebug(lcHid) << "sent successfully";
            return ExchangeResult::Success;
        }
        if (outcome == 1) {
            ++commandMismatches;
            qCDebug(lcHid) << "command echo failed" << commandMismatches;
            zeroAnswers = 0;
            if (commandMismatches <= kMaxCommandMismatches) {
                QThread::msleep(ulong(m_timing.rereadWaitMs));
                continue;
            }
        } else {
            qCDebug(lcHid) << "data echo failed" << rewrites + 1;
            zeroAnswers = 0;
        }
        if (++rewrites <= kMaxRewrites) {
            write = true;
            continue;
        }
        qCDebug(lcHid) << "given up";
        return ExchangeResult::NoEcho;
    }
}

quint8 HidTransport::SendAll(const ReportList& reports)
{
    for (const Report& report : reports) {
        const quint8 result = SendCommand(report);
        if (result != ExchangeResult::Success)
            return result;
    }
    return ExchangeResult::Success;
}
