#include "MouseLink.h"

#include "CommandSet.h"
#include "DeviceLock.h"
#include "HidTransport.h"
#include "ProfileWriter.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <algorithm>
#include <array>
#include <memory>

namespace {

const char* const kNotConnected = QT_TRANSLATE_NOOP("QObject", "Mouse is sleeping or not connected.");
// Long enough for another command's write to end; the configurator never lets go.
int g_lockWaitMs = 5000;

std::unique_ptr<DeviceLock>& Lock()
{
    static std::unique_ptr<DeviceLock> lock;
    return lock;
}

} // namespace

int LinkMouse(QTextStream& err)
{
    HidTransport& transport = HidTransport::instance();
    transport.BuildDeviceTable();
    if (transport.EnumerateDevices() != 0) {
        err << "Cannot use the HID library.\n";
        return LinkExit::NoMouse;
    }
    const DeviceMatchEntry& e = transport.table().entries[0];
    if (!(e.found[0] && e.found[1]) && !(e.found[2] && e.found[3])) {
        err << QCoreApplication::translate("QObject", kNotConnected) << "\n";
        return LinkExit::NoMouse;
    }
    auto wanted = std::make_unique<DeviceLock>(
        DeviceLock::MouseLockName(QString::fromLatin1(e.name), ActiveHidBackendIdentity()));
    if (!Lock() || Lock()->path() != wanted->path()) {
        Lock() = std::move(wanted);
        const bool window = Lock()->holder().endsWith(QLatin1String(" mousecfg"));
        if (!Lock()->lock(window ? 0 : g_lockWaitMs)) {
            const QString holder = Lock()->holder();
            Lock().reset();
            err << "The mouse is in use by another program"
                << (holder.isEmpty() ? QString() : QStringLiteral(" (PID %1)").arg(holder))
                << ". Make the change in the configurator's window, or quit that program and try again.\n";
            return LinkExit::InUse;
        }
    }
    transport.OpenDevice(e.name);
    if (transport.hasControlHandle())
        return 0;
    const QString denied = transport.noAccessPath();
    if (!denied.isEmpty()) {
        err << NoAccessMessage(denied) << "\n";
        return LinkExit::NoAccess;
    }
    err << QCoreApplication::translate("QObject", kNotConnected) << "\n";
    return LinkExit::NoMouse;
}

void ReleaseMouseLink()
{
    HidTransport::instance().CloseDevice();
    Lock().reset();
}

void SetMouseLinkWait(int milliseconds) { g_lockWaitMs = qMax(0, milliseconds); }

int LinkAwakeMouse(QTextStream& err)
{
    if (const int code = LinkMouse(err))
        return code;
    MouseAsleep() = QueryBattery().asleep();
    if (MouseAsleep()) {
        HidTransport::instance().CloseDevice();
        err << QCoreApplication::translate("QObject", kNotConnected) << "\n";
        return 1;
    }
    return 0;
}

BatteryReading QueryBattery()
{
    BatteryReading reading;
    HidTransport& transport = HidTransport::instance();
    const Report query = BuildQueryBattery();
    QMutexLocker locker(&transport.handleLock());
    HidHandle* handle = transport.activeControlHandleLocked();
    if (!handle || handle->write(query.data(), query.size()) < 0)
        return reading;
    std::array<quint8, 64> answer{};
    // The mouse answers the query within a few ms; allow for a slow radio link.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int read = ReadVendorReport(*handle, answer.data(), kReportLength, 150);
        if (read < 0)
            return reading;
        if (read > 0 && answer[3] == Command::QueryBattery) {
            reading.answered = true;
            std::copy(answer.begin(), answer.begin() + 11, reading.value);
            return reading;
        }
    }
    return reading;
}
