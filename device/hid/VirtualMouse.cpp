#include "VirtualMouse.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

constexpr quint16 DefaultVendorId = 0x248A;
constexpr quint16 DongleProductId = 0xFA02;
constexpr quint16 CableProductId = 0xFB01;
constexpr quint16 DefaultRelease = 0x0100;
constexpr quint16 DefaultBattery = 0x03C6;  // about 3.98 V on the host's scale
constexpr int MaxProfileIndex = 4;
constexpr size_t MaxWriteLength = 4096;     // hidraw accepts larger buffers; we only look at 33 bytes
constexpr int MovementReportLength = 8;

const char* const WindowsInterfaceClass = "{4d1e55b2-f16f-11cf-88cb-001111000030}";

int BlockSize(quint8 command)
{
    switch (command) {
    case VirtualMouse::CmdSettings: return VirtualMouse::SettingsSize;
    case VirtualMouse::CmdDpi: return VirtualMouse::DpiSize;
    case VirtualMouse::CmdButtons: return VirtualMouse::ButtonsSize;
    case VirtualMouse::CmdLed: return VirtualMouse::LedSize;
    case VirtualMouse::CmdMacros: return VirtualMouse::MacroSize;
    default: return 0;
    }
}

const char* BlockKey(quint8 command)
{
    switch (command) {
    case VirtualMouse::CmdSettings: return "Memory/Settings";
    case VirtualMouse::CmdDpi: return "Memory/Dpi";
    case VirtualMouse::CmdButtons: return "Memory/Buttons";
    case VirtualMouse::CmdLed: return "Memory/Led";
    case VirtualMouse::CmdMacros: return "Memory/Macros";
    default: return "";
    }
}

quint8 Byte(const QByteArray& bytes, int index)
{
    return index >= 0 && index < bytes.size() ? quint8(bytes.at(index)) : 0;
}

// Decodes exactly `size` bytes of hex text; anything else is a corrupt value.
bool DecodeHex(const QString& text, int size, QByteArray* out)
{
    if (text.size() != 2 * size)
        return false;
    for (const QChar c : text) {
        const bool hex = (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                         || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
                         || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        if (!hex)
            return false;
    }
    *out = QByteArray::fromHex(text.toLatin1());
    return out->size() == size;
}

// Reads an unsigned number no larger than `maximum`; keeps `fallback` otherwise.
uint ReadNumber(const QSettings& settings, const char* key, uint maximum, uint fallback, bool* corrupt)
{
    if (!settings.contains(QLatin1String(key)))
        return fallback;
    bool ok = false;
    const uint value = settings.value(QLatin1String(key)).toString().toUInt(&ok);
    if (!ok || value > maximum) {
        *corrupt = true;
        return fallback;
    }
    return value;
}

// The faults that can wait in the state file, under these keys.
struct PendingFaultEntry
{
    VirtualMouse::Fault fault;
    const char* key;
};

constexpr PendingFaultEntry PendingFaultEntries[] = {
    { VirtualMouse::Fault::NoAnswer, "Faults/NoAnswer" },
    { VirtualMouse::Fault::ZeroAnswer, "Faults/ZeroAnswer" },
    { VirtualMouse::Fault::WrongDataEcho, "Faults/WrongDataEcho" },
};

const char* PendingFaultKey(VirtualMouse::Fault fault)
{
    for (const PendingFaultEntry& entry : PendingFaultEntries) {
        if (entry.fault == fault)
            return entry.key;
    }
    return nullptr;
}

// Pending faults only hit reports whose answer the host checks: those it would notice.
bool PendingFaultHits(VirtualMouse::Fault fault, quint8 command)
{
    if (BlockSize(command) > 0)
        return true;
    return fault != VirtualMouse::Fault::WrongDataEcho
           && (command == VirtualMouse::CmdApplySection || command == VirtualMouse::CmdWriteSession);
}

QString StripWindowsPrefix(QString path)
{
    while (path.startsWith(QLatin1String("\\\\?\\")))
        path.remove(0, 4);
    return path;
}

} // namespace

VirtualMouse::VirtualMouse(const QString& statePath, QObject* parent)
    : QObject(parent)
    , m_statePath(statePath)
{
    m_clock.start();
    m_dongle.vendorId = DefaultVendorId;
    m_dongle.productId = DongleProductId;
    m_cable.vendorId = DefaultVendorId;
    m_cable.productId = CableProductId;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        loadLocked();
    }
    const QString tracePath = QString::fromLocal8Bit(qgetenv("MOUSECFG_VIRTUAL_TRACE"));
    if (!tracePath.isEmpty())
        setTraceFile(tracePath);
}

VirtualMouse::~VirtualMouse()
{
    stopMovement();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_trace.close();
}

QString VirtualMouse::DefaultStatePath()
{
    const QString named = QString::fromLocal8Bit(qgetenv("MOUSECFG_VIRTUAL_STATE"));
    if (!named.isEmpty())
        return named;
    QString base = QString::fromLocal8Bit(qgetenv("XDG_STATE_HOME"));
    // The base directory rules ignore relative values.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/mousecfg/virtual-mouse.ini");
}

quint8 VirtualMouse::Checksum(const QByteArray& report)
{
    int sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += Byte(report, i);
    return quint8((sum & 0xFF) ^ 0x66);
}

QString VirtualMouse::statePath() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_statePath;
}

bool VirtualMouse::loadState()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return loadLocked();
}

bool VirtualMouse::saveState() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_statePath.isEmpty())
        return false;
    saveLocked();
    return true;
}

// ---- presence and enumeration -------------------------------------------------

VirtualMouse::IdentityState& VirtualMouse::state(Identity identity)
{
    return identity == Identity::Dongle ? m_dongle : m_cable;
}

const VirtualMouse::IdentityState& VirtualMouse::state(Identity identity) const
{
    return identity == Identity::Dongle ? m_dongle : m_cable;
}

QStringList VirtualMouse::pathsLocked(Identity identity) const
{
    const IdentityState& s = state(identity);
    if (m_pathStyle == PathStyle::Linux) {
        return { identity == Identity::Dongle ? QStringLiteral("/dev/hidraw-virtual-dongle")
                                              : QStringLiteral("/dev/hidraw-virtual-cable") };
    }
    const QString instance = identity == Identity::Dongle ? QStringLiteral("7&1c2a3b4d&0")
                                                          : QStringLiteral("7&5e6f7a8b&0");
    QStringList paths;
    for (const char* col : { "col01", "col04" }) {
        paths << QStringLiteral("\\\\?\\hid#vid_%1&pid_%2&%3#%4&%5#%6")
                     .arg(s.vendorId, 4, 16, QLatin1Char('0'))
                     .arg(s.productId, 4, 16, QLatin1Char('0'))
                     .arg(QLatin1String(col), instance,
                          QLatin1String(qstrcmp(col, "col01") == 0 ? "0000" : "0003"),
                          QLatin1String(WindowsInterfaceClass));
    }
    return paths;
}

bool VirtualMouse::resolvePath(const QString& path, Identity* identity, Collection* collection) const
{
    for (Identity id : { Identity::Dongle, Identity::Cable }) {
        const QStringList paths = pathsLocked(id);
        if (m_pathStyle == PathStyle::Linux) {
            if (path == paths.first()) {
                *identity = id;
                *collection = Collection::Both;
                return true;
            }
            continue;
        }
        const QString bare = StripWindowsPrefix(path);
        for (int i = 0; i < paths.size(); ++i) {
            if (bare.compare(StripWindowsPrefix(paths.at(i)), Qt::CaseInsensitive) == 0) {
                *identity = id;
                *collection = i == 0 ? Collection::Mouse : Collection::Control;
                return true;
            }
        }
    }
    return false;
}

QStringList VirtualMouse::setPresentLocked(Identity identity, bool present)
{
    IdentityState& s = state(identity);
    if (s.present == present)
        return {};
    s.present = present;
    if (present) {
        ++s.generation;
    } else {
        for (Handle& h : m_handles) {
            if (h.identity == identity)
                h.queue.clear();
        }
        // A vanished device loses what it was assembling.
        for (Staging& staging : m_staging)
            staging = Staging();
        m_sessionOpen = false;
        m_reportQueued.notify_all();
    }
    saveLocked();
    return pathsLocked(identity);
}

void VirtualMouse::plug(Identity identity)
{
    QStringList arrived;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        arrived = setPresentLocked(identity, true);
    }
    for (const QString& path : arrived)
        emit deviceArrived(path);
}

void VirtualMouse::unplug(Identity identity)
{
    QStringList removed;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        removed = setPresentLocked(identity, false);
    }
    for (const QString& path : removed)
        emit deviceRemoved(path);
}

bool VirtualMouse::isPresent(Identity identity) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return state(identity).present;
}

void VirtualMouse::setPathStyle(PathStyle style)
{
    QStringList removed;
    QStringList arrived;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pathStyle == style)
            return;
        for (Identity id : { Identity::Dongle, Identity::Cable }) {
            if (state(id).present)
                removed += pathsLocked(id);
        }
        m_pathStyle = style;
        // Handles opened under the old paths belong to devices that are gone.
        for (Identity id : { Identity::Dongle, Identity::Cable }) {
            IdentityState& s = state(id);
            if (s.present) {
                ++s.generation;
                arrived += pathsLocked(id);
            }
        }
        m_reportQueued.notify_all();
    }
    for (const QString& path : removed)
        emit deviceRemoved(path);
    for (const QString& path : arrived)
        emit deviceArrived(path);
}

VirtualMouse::PathStyle VirtualMouse::pathStyle() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pathStyle;
}

void VirtualMouse::setIds(Identity identity, quint16 vendorId, quint16 productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    state(identity).vendorId = vendorId;
    state(identity).productId = productId;
}

void VirtualMouse::setReleaseNumber(Identity identity, quint16 release)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    state(identity).release = release;
    saveLocked();
}

quint16 VirtualMouse::releaseNumber(Identity identity) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return state(identity).release;
}

QString VirtualMouse::mousePath(Identity identity) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return pathsLocked(identity).first();
}

QString VirtualMouse::controlPath(Identity identity) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return pathsLocked(identity).last();
}

QVector<HidDeviceInfo> VirtualMouse::enumerate() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<HidDeviceInfo> result;
    for (Identity id : { Identity::Dongle, Identity::Cable }) {
        const IdentityState& s = state(id);
        if (!s.present)
            continue;
        HidDeviceInfo info;
        info.vendorId = s.vendorId;
        info.productId = s.productId;
        info.releaseNumber = s.release;
        info.productString = id == Identity::Dongle ? QStringLiteral("Virtual Mouse Receiver")
                                                    : QStringLiteral("Virtual Mouse");
        const QStringList paths = pathsLocked(id);
        if (m_pathStyle == PathStyle::Linux) {
            // One hidraw node per interface; hidapi lists every collection, nested ones too.
            info.path = paths.first();
            info.interfaceNumber = 0;
            for (quint16 usage : { quint16(2), quint16(1), quint16(0) }) {
                info.usagePage = 1;
                info.usage = usage;
                result.append(info);
            }
        } else {
            info.interfaceNumber = -1;
            info.path = paths.first();
            info.usagePage = 1;
            info.usage = 2;
            result.append(info);
            info.path = paths.last();
            info.usage = 0;
            result.append(info);
        }
    }
    return result;
}

int VirtualMouse::releaseNumber(const QString& path) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Identity id;
    Collection collection;
    if (!resolvePath(path, &id, &collection) || !state(id).present)
        return -1;
    return state(id).release;
}

// ---- handles ------------------------------------------------------------------

bool VirtualMouse::handleAlive(const Handle& handle) const
{
    const IdentityState& s = state(handle.identity);
    return s.present && s.generation == handle.generation;
}

int VirtualMouse::openHandle(const QString& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Identity id;
    Collection collection;
    if (!resolvePath(path, &id, &collection) || !state(id).present || m_accessDenied)
        return -1;
    Handle handle;
    handle.identity = id;
    handle.collection = collection;
    handle.generation = state(id).generation;
    const int number = m_nextHandle++;
    m_handles.insert(number, handle);
    return number;
}

void VirtualMouse::closeHandle(int handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handles.remove(handle);
    m_reportQueued.notify_all();
}

int VirtualMouse::write(int handle, const uint8_t* data, size_t length)
{
    QStringList removed;
    int result = -1;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_handles.constFind(handle);
        const bool usable = data && length > 0 && length <= MaxWriteLength && it != m_handles.constEnd()
                            && handleAlive(*it)
                            // Only the vendor collection has an output report.
                            && it->collection != Collection::Mouse;
        if (!usable) {
            ++m_counters.failedWrites;
            return -1;
        }
        const Identity identity = it->identity;
        QByteArray report(reinterpret_cast<const char*>(data), int(std::min<size_t>(length, ReportLength)));
        if (report.size() < ReportLength)
            report.append(QByteArray(ReportLength - report.size(), '\0'));
        const quint8 command = Byte(report, 3);

        if (takeFault(Fault::WriteFails, command)) {
            ++m_counters.failedWrites;
            return -1;
        }
        ++m_counters.hostWrites;
        ++m_counters.writesPerCommand[command];
        trace('>', report);
        process(identity, report);
        if (takeFault(Fault::Unplug, command))
            removed = setPresentLocked(identity, false);
        result = int(length);
    }
    for (const QString& path : removed)
        emit deviceRemoved(path);
    return result;
}

int VirtualMouse::read(int handle, uint8_t* data, size_t length, int milliseconds)
{
    if (!data || length == 0)
        return -1;
    using Clock = std::chrono::steady_clock;
    const bool blocking = milliseconds < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(blocking ? 0 : milliseconds);
    std::unique_lock<std::mutex> lock(m_mutex);
    const quint64 wakeGeneration = m_wakeGeneration;
    for (;;) {
        if (m_wakeGeneration != wakeGeneration)
            return 0;
        const auto it = m_handles.find(handle);
        if (it == m_handles.end() || !handleAlive(*it))
            return -1;
        bool wakeEarly = false;
        Clock::time_point wake = deadline;
        if (!it->queue.empty()) {
            const qint64 now = m_clock.elapsed();
            const QueuedReport& front = it->queue.front();
            if (front.readyAt <= now) {
                const size_t count = std::min<size_t>(length, size_t(front.bytes.size()));
                std::memcpy(data, front.bytes.constData(), count);
                it->queue.pop_front();
                return int(count);
            }
            // An answer held back by the answer delay becomes readable at readyAt.
            const Clock::time_point ready = Clock::now() + std::chrono::milliseconds(front.readyAt - now);
            if (blocking || ready < wake) {
                wake = ready;
                wakeEarly = true;
            }
        }
        if (!blocking && Clock::now() >= deadline)
            return 0;
        if (blocking && !wakeEarly)
            m_reportQueued.wait(lock);
        else
            m_reportQueued.wait_until(lock, wake);
    }
}

void VirtualMouse::wakeReaders()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_wakeGeneration;
    m_reportQueued.notify_all();
}

int VirtualMouse::openHandleCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_handles.size();
}

int VirtualMouse::queuedReports(int handle) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_handles.constFind(handle);
    return it == m_handles.constEnd() ? -1 : int(it->queue.size());
}

// ---- the firmware -------------------------------------------------------------

QByteArray* VirtualMouse::memoryBlock(quint8 command)
{
    return BlockSize(command) > 0 ? &m_blocks[command] : nullptr;
}

const QByteArray* VirtualMouse::memoryBlock(quint8 command) const
{
    return BlockSize(command) > 0 ? &m_blocks[command] : nullptr;
}

void VirtualMouse::process(Identity identity, const QByteArray& report)
{
    if (Byte(report, 0) != ReportId || Byte(report, 2) != Marker || Byte(report, 1) != Checksum(report)) {
        ++m_counters.ignored;
        return;
    }
    bool rejected = false;
    QByteArray answer = answerFor(report, &rejected);
    if (rejected) {
        ++m_counters.rejectedPackets;
        return;
    }
    if (answer.isEmpty()) {
        ++m_counters.unanswered;
        return;
    }

    const quint8 command = Byte(report, 3);
    // One fault per report: the first rule that fires wins.
    for (Fault fault : { Fault::NoAnswer, Fault::WrongCommandEcho, Fault::WrongDataEcho, Fault::ZeroAnswer }) {
        if (!takeFault(fault, command))
            continue;
        switch (fault) {
        case Fault::NoAnswer:
            ++m_counters.unanswered;
            return;
        case Fault::WrongCommandEcho:
            answer[3] = char(Byte(answer, 3) ^ 0x80);
            break;
        case Fault::WrongDataEcho:
            answer[8] = char(Byte(answer, 8) ^ 0xFF);
            break;
        case Fault::ZeroAnswer:
            answer.fill('\0');
            break;
        default:
            break;
        }
        break;
    }
    ++m_counters.answered;
    queueReport(answer, identity, false);
}

QByteArray VirtualMouse::answerFor(const QByteArray& report, bool* rejected)
{
    const quint8 command = Byte(report, 3);

    if (m_asleep) {
        // Asleep, the mouse only answers the battery query, and with nothing in it.
        if (command != CmdQueryBattery)
            return QByteArray();
        QByteArray answer(ReportLength, '\0');
        answer[0] = char(ReportId);
        answer[2] = char(Marker);
        answer[3] = char(CmdQueryBattery);
        answer[1] = char(Checksum(answer));
        return answer;
    }

    switch (command) {
    case CmdSettings:
    case CmdDpi:
    case CmdButtons:
    case CmdLed:
    case CmdMacros: {
        const int size = BlockSize(command);
        const quint8 tag = Byte(report, 7);
        Staging& staging = m_staging[command];
        if (tag == TagFirst || tag == TagNext) {
            const int offset = Byte(report, 4) | (Byte(report, 5) << 8);
            const int length = Byte(report, 6);
            if (length > MaxDataLength || offset + length > size) {
                *rejected = true;
                return QByteArray();
            }
            // A first packet starts over: from memory for the tables, from zeros for
            // macros (an upload rewrites all slots). A following packet without a first
            // one patches what memory holds.
            if (tag == TagFirst) {
                staging.active = true;
                staging.bytes = command == CmdMacros ? QByteArray(size, '\0') : m_blocks[command];
            } else if (!staging.active) {
                staging.active = true;
                staging.bytes = m_blocks[command];
            }
            std::memcpy(staging.bytes.data() + offset, report.constData() + 8, size_t(length));
        } else if (tag == TagClose) {
            // Memory changes only here, so a write cut off before its closing packet changes nothing.
            if (staging.active) {
                m_blocks[command] = staging.bytes;
                staging = Staging();
                m_commitLog.append(command);
                saveLocked();
            }
        } else {
            *rejected = true;
            return QByteArray();
        }
        // The mouse echoes block packets with their data.
        return report;
    }
    case CmdApplySection: {
        m_sectionLog.append(Byte(report, 5));
        return report.left(8) + QByteArray(ReportLength - 8, '\0');
    }
    case CmdSelectProfile: {
        const quint8 profile = Byte(report, 4);
        if (profile <= MaxProfileIndex) {
            m_blocks[CmdSettings][SettingsActiveProfileByte] = char(profile);
            m_profileLog.append(profile);
            saveLocked();
        }
        return QByteArray();
    }
    case CmdWriteSession: {
        const quint8 phase = Byte(report, 4);
        m_sessionLog.append(phase);
        if (phase == 0) {
            m_sessionOpen = true;
            // A new write starts clean; leftovers of a broken one are dropped.
            for (Staging& staging : m_staging)
                staging = Staging();
        } else if (phase == 1 && m_sessionOpen) {
            m_sessionOpen = false;
            m_writeStatus = 1;
            saveLocked();
        }
        return report.left(8) + QByteArray(ReportLength - 8, '\0');
    }
    case CmdQueryBattery: {
        QByteArray answer(ReportLength, '\0');
        answer[0] = char(ReportId);
        answer[2] = char(Marker);
        answer[3] = char(CmdQueryBattery);
        answer[4] = char(m_battery & 0xFF);
        answer[5] = char(m_battery >> 8);
        answer[6] = char(m_charging ? 1 : 0);
        answer[7] = char(m_writeStatus);
        answer[10] = char(m_firmwareFlag);
        answer[1] = char(Checksum(answer));
        return answer;
    }
    default:
        // Everything else is fire-and-forget.
        return QByteArray();
    }
}

bool VirtualMouse::takeFault(Fault fault, quint8 command)
{
    for (int i = 0; i < m_faults.size(); ++i) {
        FaultRule& rule = m_faults[i];
        if (rule.fault != fault || (rule.command >= 0 && rule.command != command))
            continue;
        if (rule.pending && !PendingFaultHits(fault, command))
            continue;
        const bool pending = rule.pending;
        bool fires = false;
        bool usedUp = false;
        if (rule.remaining > 0) {
            --rule.remaining;
            // Unplug counts accepted writes down and fires on the last one; the others fire on each.
            fires = fault != Fault::Unplug || rule.remaining == 0;
            usedUp = rule.remaining == 0;
        } else {
            fires = std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < rule.probability;
            usedUp = fires && fault == Fault::Unplug;
        }
        if (usedUp)
            m_faults.remove(i);
        if (fires) {
            ++m_counters.faultsApplied[fault];
            // The file holds what is left, for whoever runs on this state next.
            if (pending)
                saveLocked();
            return true;
        }
        if (usedUp)
            --i;
    }
    return false;
}

void VirtualMouse::queueReport(const QByteArray& report, Identity identity, bool allIdentities)
{
    const bool mouseReport = Byte(report, 0) == MouseReportId;
    const qint64 readyAt = m_clock.elapsed() + m_answerDelay;
    for (Handle& handle : m_handles) {
        if (!handleAlive(handle) || (!allIdentities && handle.identity != identity))
            continue;
        // Separate collections (Windows paths) each get only their own reports.
        if ((handle.collection == Collection::Mouse && !mouseReport)
            || (handle.collection == Collection::Control && mouseReport))
            continue;
        // Like hidraw: a full queue drops the new report.
        if (int(handle.queue.size()) >= QueueCapacity) {
            ++m_counters.droppedReports;
            continue;
        }
        handle.queue.push_back(QueuedReport{ report, readyAt });
    }
    trace('<', report);
    m_reportQueued.notify_all();
}

namespace {
// Settings block bytes besides the active profile's.
constexpr int kFirstRateByte = 11;
constexpr int kActiveLevelByte = 17;
} // namespace

void VirtualMouse::sendStatusReport(quint8 profile, quint8 dpiLevel, quint8 rate, quint8 mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_dongle.present && !m_cable.present)
        return;
    QByteArray report(ReportLength, '\0');
    report[0] = char(ReportId);
    report[2] = char(Marker);
    report[3] = char(CmdStatusReport);
    report[4] = char(profile);
    report[5] = char(dpiLevel);
    report[6] = char(rate);
    report[7] = char(mode);
    report[1] = char(Checksum(report));
    ++m_counters.sentReports;
    queueReport(report, Identity::Dongle, true);

    // The mouse's own buttons changed what it holds: its active profile, level and that
    // profile's rate.
    QByteArray& settings = m_blocks[CmdSettings];
    if (settings.size() == SettingsSize && profile <= MaxProfileIndex) {
        settings[SettingsActiveProfileByte] = char(profile);
        if (dpiLevel < 8)
            settings[kActiveLevelByte] = char(dpiLevel);
        if (rate == 1 || rate == 2 || rate == 4 || rate == 8)
            settings[kFirstRateByte + profile] = char(rate);
        saveLocked();
    }
}

void VirtualMouse::sendBatteryReport()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_dongle.present && !m_cable.present)
        return;
    QByteArray query(ReportLength, '\0');
    query[0] = char(ReportId);
    query[2] = char(Marker);
    query[3] = char(CmdQueryBattery);
    const QByteArray answer = answerFor(query, nullptr);
    ++m_counters.sentReports;
    queueReport(answer, Identity::Dongle, true);
}

void VirtualMouse::sendMovement(qint8 dx, qint8 dy, quint8 buttons)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_dongle.present && !m_cable.present)
        return;
    QByteArray report(MovementReportLength, '\0');
    report[0] = char(MouseReportId);
    report[1] = char(buttons);
    report[2] = char(dx);
    report[3] = char(dy);
    ++m_counters.sentReports;
    queueReport(report, Identity::Dongle, true);
}

void VirtualMouse::streamMovement(int hz, int milliseconds)
{
    stopMovement();
    if (hz <= 0 || milliseconds <= 0)
        return;
    hz = std::min(hz, int(MaxMovementHz));
    std::lock_guard<std::mutex> lock(m_moverMutex);
    m_moverStop = false;
    m_moving = true;
    m_mover = std::thread([this, hz, milliseconds] {
        using Clock = std::chrono::steady_clock;
        const auto period = std::chrono::microseconds(1000000 / hz);
        const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
        auto next = Clock::now();
        static const qint8 steps[4][2] = {{2, 0}, {0, 2}, {-2, 0}, {0, -2}};
        int step = 0;
        std::unique_lock<std::mutex> moverLock(m_moverMutex);
        while (!m_moverStop && Clock::now() < end) {
            moverLock.unlock();
            sendMovement(steps[step][0], steps[step][1]);
            step = (step + 1) % 4;
            moverLock.lock();
            // Fixed times, not fixed pauses: the rate stays right however long a send takes.
            next += period;
            m_moverWake.wait_until(moverLock, std::min(next, end), [this] { return m_moverStop; });
        }
        m_moving = false;
    });
}

void VirtualMouse::stopMovement()
{
    std::thread mover;
    {
        std::lock_guard<std::mutex> lock(m_moverMutex);
        m_moverStop = true;
        m_moverWake.notify_all();
        mover = std::move(m_mover);
    }
    if (mover.joinable())
        mover.join();
}

bool VirtualMouse::isMoving() const
{
    std::lock_guard<std::mutex> lock(m_moverMutex);
    return m_moving;
}

void VirtualMouse::setAccessDenied(bool denied)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_accessDenied = denied;
    saveLocked();
}

bool VirtualMouse::accessDenied() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_accessDenied;
}

// ---- battery, memory, logs ----------------------------------------------------

void VirtualMouse::setBattery(quint16 value, bool charging)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_battery = value;
    m_charging = charging;
    saveLocked();
}

quint16 VirtualMouse::batteryValue() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_battery;
}

bool VirtualMouse::isCharging() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_charging;
}

void VirtualMouse::setFirmwareFlag(quint8 flag)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmwareFlag = flag;
    saveLocked();
}

quint8 VirtualMouse::firmwareFlag() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmwareFlag;
}

void VirtualMouse::setAsleep(bool asleep)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_asleep = asleep;
    saveLocked();
}

bool VirtualMouse::isAsleep() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_asleep;
}

void VirtualMouse::setWriteStatus(quint8 status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeStatus = status;
    saveLocked();
}

quint8 VirtualMouse::writeStatus() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writeStatus;
}

VirtualMouse::Memory VirtualMouse::memoryLocked() const
{
    Memory memory;
    std::memcpy(memory.settings.data(), m_blocks[CmdSettings].constData(), memory.settings.size());
    std::memcpy(memory.dpi.data(), m_blocks[CmdDpi].constData(), memory.dpi.size());
    std::memcpy(memory.buttons.data(), m_blocks[CmdButtons].constData(), memory.buttons.size());
    std::memcpy(memory.led.data(), m_blocks[CmdLed].constData(), memory.led.size());
    std::memcpy(memory.macros.data(), m_blocks[CmdMacros].constData(), memory.macros.size());
    return memory;
}

VirtualMouse::Memory VirtualMouse::memory() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return memoryLocked();
}

QByteArray VirtualMouse::block(quint8 command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const QByteArray* bytes = memoryBlock(command);
    return bytes ? *bytes : QByteArray();
}

bool VirtualMouse::setBlock(quint8 command, const QByteArray& bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QByteArray* target = memoryBlock(command);
    if (!target || bytes.size() != BlockSize(command))
        return false;
    *target = bytes;
    saveLocked();
    return true;
}

quint8 VirtualMouse::activeProfile() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return Byte(m_blocks[CmdSettings], SettingsActiveProfileByte);
}

void VirtualMouse::factoryResetLocked()
{
    for (quint8 command = CmdSettings; command <= CmdMacros; ++command) {
        m_blocks[command] = QByteArray(BlockSize(command), '\0');
        m_staging[command] = Staging();
    }
    m_writeStatus = 0;
    m_sessionOpen = false;
}

void VirtualMouse::factoryReset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    factoryResetLocked();
    saveLocked();
}

QVector<quint8> VirtualMouse::sessionLog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sessionLog;
}

QVector<quint8> VirtualMouse::sectionLog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sectionLog;
}

QVector<quint8> VirtualMouse::profileLog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_profileLog;
}

QVector<quint8> VirtualMouse::commitLog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_commitLog;
}

void VirtualMouse::clearLogs()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sessionLog.clear();
    m_sectionLog.clear();
    m_profileLog.clear();
    m_commitLog.clear();
}

// ---- faults, counters, timing, trace ------------------------------------------

void VirtualMouse::injectFault(Fault fault, int count, int command)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (count <= 0)
        return;
    FaultRule rule;
    rule.fault = fault;
    rule.remaining = count;
    rule.command = command;
    m_faults.append(rule);
}

void VirtualMouse::injectRandomFault(Fault fault, double probability, quint32 seed, int command)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!(probability > 0.0))
        return;
    FaultRule rule;
    rule.fault = fault;
    rule.remaining = -1;
    rule.probability = std::min(probability, 1.0);
    rule.command = command;
    m_faults.append(rule);
    m_random.seed(seed);
}

void VirtualMouse::unplugAfterWrites(int writes)
{
    injectFault(Fault::Unplug, writes);
}

void VirtualMouse::clearFaults()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool pending = std::any_of(m_faults.cbegin(), m_faults.cend(), [](const FaultRule& r) { return r.pending; });
    m_faults.clear();
    if (pending)
        saveLocked();
}

bool VirtualMouse::setPendingFault(Fault fault, int count)
{
    if (!PendingFaultKey(fault) || count < 0 || count > MaxPendingFaults)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.erase(std::remove_if(m_faults.begin(), m_faults.end(),
                                  [fault](const FaultRule& r) { return r.pending && r.fault == fault; }),
                   m_faults.end());
    if (count > 0) {
        FaultRule rule;
        rule.fault = fault;
        rule.remaining = count;
        rule.pending = true;
        m_faults.append(rule);
    }
    saveLocked();
    return true;
}

int VirtualMouse::pendingFault(Fault fault) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int count = 0;
    for (const FaultRule& rule : m_faults) {
        if (rule.pending && rule.fault == fault)
            count += rule.remaining;
    }
    return count;
}

VirtualMouse::Counters VirtualMouse::counters() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_counters;
}

void VirtualMouse::resetCounters()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_counters = Counters();
}

void VirtualMouse::setAnswerDelay(int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answerDelay = std::max(0, milliseconds);
}

void VirtualMouse::setTraceFile(const QString& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_trace.close();
    if (path.isEmpty())
        return;
    m_trace.setFileName(path);
    if (!m_trace.open(QIODevice::WriteOnly | QIODevice::Append))
        qWarning("virtual mouse: cannot open trace file %s", qPrintable(path));
}

void VirtualMouse::trace(char direction, const QByteArray& report)
{
    if (!m_trace.isOpen())
        return;
    QByteArray line;
    line.append(direction);
    line.append(' ');
    line.append(report.toHex(' ').toUpper());
    line.append('\n');
    m_trace.write(line);
    m_trace.flush();
}

// ---- persistence --------------------------------------------------------------

void VirtualMouse::saveLocked() const
{
    if (m_statePath.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_statePath).absolutePath());
    QSettings settings(m_statePath, QSettings::IniFormat);
    settings.clear();
    for (quint8 command = CmdSettings; command <= CmdMacros; ++command)
        settings.setValue(QLatin1String(BlockKey(command)), QString::fromLatin1(m_blocks[command].toHex()));
    settings.setValue(QStringLiteral("Battery/Value"), uint(m_battery));
    settings.setValue(QStringLiteral("Battery/Charging"), m_charging ? 1 : 0);
    settings.setValue(QStringLiteral("Battery/FirmwareFlag"), uint(m_firmwareFlag));
    settings.setValue(QStringLiteral("Battery/Asleep"), m_asleep ? 1 : 0);
    settings.setValue(QStringLiteral("State/WriteStatus"), uint(m_writeStatus));
    settings.setValue(QStringLiteral("Device/Dongle"), m_dongle.present ? 1 : 0);
    settings.setValue(QStringLiteral("Device/Cable"), m_cable.present ? 1 : 0);
    settings.setValue(QStringLiteral("Device/DongleRelease"), uint(m_dongle.release));
    settings.setValue(QStringLiteral("Device/CableRelease"), uint(m_cable.release));
    if (m_accessDenied)
        settings.setValue(QStringLiteral("Device/AccessDenied"), 1);
    for (const FaultRule& rule : m_faults) {
        if (rule.pending && rule.remaining > 0)
            settings.setValue(QLatin1String(PendingFaultKey(rule.fault)), rule.remaining);
    }
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning("virtual mouse: cannot save state to %s", qPrintable(m_statePath));
}

bool VirtualMouse::loadLocked()
{
    // Factory state first: a missing or broken file leaves exactly this.
    factoryResetLocked();
    m_battery = DefaultBattery;
    m_charging = false;
    m_firmwareFlag = 0;
    m_asleep = false;
    m_dongle.release = DefaultRelease;
    m_cable.release = DefaultRelease;
    m_dongle.present = true;
    m_cable.present = false;
    m_accessDenied = false;
    // Pending faults belong to the file; faults injected in-process stay.
    m_faults.erase(std::remove_if(m_faults.begin(), m_faults.end(), [](const FaultRule& r) { return r.pending; }),
                   m_faults.end());

    if (m_statePath.isEmpty() || !QFileInfo::exists(m_statePath))
        return false;
    QSettings settings(m_statePath, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;

    bool corrupt = false;
    QByteArray blocks[6];
    for (quint8 command = CmdSettings; command <= CmdMacros; ++command) {
        const QString key = QLatin1String(BlockKey(command));
        blocks[command] = QByteArray(BlockSize(command), '\0');
        if (!settings.contains(key))
            continue;
        if (!DecodeHex(settings.value(key).toString(), BlockSize(command), &blocks[command]))
            corrupt = true;
    }
    bool numbersCorrupt = false;
    m_battery = quint16(ReadNumber(settings, "Battery/Value", 0xFFFF, DefaultBattery, &numbersCorrupt));
    m_charging = ReadNumber(settings, "Battery/Charging", 1, 0, &numbersCorrupt) != 0;
    m_firmwareFlag = quint8(ReadNumber(settings, "Battery/FirmwareFlag", 0xFF, 0, &numbersCorrupt));
    m_asleep = ReadNumber(settings, "Battery/Asleep", 1, 0, &numbersCorrupt) != 0;
    m_dongle.present = ReadNumber(settings, "Device/Dongle", 1, 1, &numbersCorrupt) != 0;
    m_cable.present = ReadNumber(settings, "Device/Cable", 1, 0, &numbersCorrupt) != 0;
    m_dongle.release = quint16(ReadNumber(settings, "Device/DongleRelease", 0xFFFF, DefaultRelease, &numbersCorrupt));
    m_cable.release = quint16(ReadNumber(settings, "Device/CableRelease", 0xFFFF, DefaultRelease, &numbersCorrupt));
    m_accessDenied = ReadNumber(settings, "Device/AccessDenied", 1, 0, &numbersCorrupt) != 0;
    const quint8 writeStatus = quint8(ReadNumber(settings, "State/WriteStatus", 0xFF, 0, &numbersCorrupt));
    for (const PendingFaultEntry& entry : PendingFaultEntries) {
        const int count = int(ReadNumber(settings, entry.key, uint(MaxPendingFaults), 0, &numbersCorrupt));
        if (count > 0) {
            FaultRule rule;
            rule.fault = entry.fault;
            rule.remaining = count;
            rule.pending = true;
            m_faults.append(rule);
        }
    }

    if (corrupt) {
        // Memory that cannot be trusted is memory the mouse does not have.
        return false;
    }
    for (quint8 command = CmdSettings; command <= CmdMacros; ++command)
        m_blocks[command] = blocks[command];
    m_writeStatus = writeStatus;
    return !numbersCorrupt;
}
