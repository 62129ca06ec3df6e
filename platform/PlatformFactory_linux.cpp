// Picks the Linux implementations of the platform interfaces.
#include "FakePointerSpeed.h"
#include "GnomePointerSpeed.h"
#include "HidDeviceMonitor.h"
#include "NullPointerSpeed.h"
#include "PointerSpeed.h"
#include "PollingHidDeviceMonitor.h"
#include "UdevHidDeviceMonitor.h"

#include <QDebug>

namespace {

std::unique_ptr<HidDeviceMonitor> MakePolling(HidDeviceMonitor::PathEnumerator enumerate, QObject* parent)
{
    return std::make_unique<PollingHidDeviceMonitor>(std::move(enumerate), PollingHidDeviceMonitor::kDefaultIntervalMs,
                                                     parent, &UdevHidDeviceMonitor::UsbIdOfNode);
}

// XDG_CURRENT_DESKTOP is a colon-separated list such as "ubuntu:GNOME".
bool GnomeDesktop()
{
    const QStringList desktops = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'));
    return desktops.contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
}

} // namespace

std::unique_ptr<HidDeviceMonitor> CreateHidDeviceMonitor(HidDeviceMonitor::PathEnumerator enumerate, QObject* parent)
{
    const QByteArray forced = qgetenv("MOUSECFG_HID_MONITOR");
    if (forced == "poll")
        return MakePolling(std::move(enumerate), parent);
    if (forced != "kernel") {
        if (auto monitor = UdevHidDeviceMonitor::Create(UdevHidDeviceMonitor::Source::Udev, parent))
            return monitor;
    }
    if (forced != "udev") {
        if (auto monitor = UdevHidDeviceMonitor::Create(UdevHidDeviceMonitor::Source::Kernel, parent))
            return monitor;
    }
    qDebug() << "no netlink device events here; re-enumerating instead";
    return MakePolling(std::move(enumerate), parent);
}

std::unique_ptr<PointerSpeed> CreatePointerSpeed()
{
    const QByteArray forced = qgetenv("MOUSECFG_POINTER_SPEED");
    if (forced == "none")
        return std::make_unique<NullPointerSpeed>();
    if (forced == "gnome")
        return std::make_unique<GnomePointerSpeed>();
    if (forced == "fake")
        return std::make_unique<FakePointerSpeed>();
    if (!forced.isEmpty())
        qWarning() << "MOUSECFG_POINTER_SPEED" << forced << "is none of none, gnome, fake; choosing by desktop";
    if (GnomeDesktop())
        return std::make_unique<GnomePointerSpeed>();
    return std::make_unique<NullPointerSpeed>();
}
