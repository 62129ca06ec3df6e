#pragma once

#include "HidDeviceMonitor.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

// hidraw add/remove events from a libudev netlink monitor, read in the event loop
// through a socket notifier.
class UdevHidDeviceMonitor : public HidDeviceMonitor
{
    Q_OBJECT

public:
    // Udev: events after udevd applied its rules (device node permissions set).
    // Kernel: raw uevents, which still arrive in containers without udevd.
    enum class Source { Udev, Kernel };

    // One netlink event as this monitor reads it.
    struct Event
    {
        enum class Kind { Ignored, Arrival, Removal };
        Kind kind = Kind::Ignored;
        QString path;
    };

    // nullptr when the monitor cannot be made, or for Udev when no udev daemon runs
    // (libudev then hands out a monitor that never hears anything).
    static std::unique_ptr<UdevHidDeviceMonitor> Create(Source source, QObject* parent = nullptr);
    ~UdevHidDeviceMonitor() override;

    QString source() const override;

    static bool UdevDaemonRunning();
    // The ids of a /dev/hidrawN node, read from sysfs; invalid for other paths.
    static HidUsbId UsbIdOfNode(const QString& path);
    // Any string may be null; raw kernel events may carry no /dev path, only the name.
    static Event Interpret(const char* action, const char* subsystem, const char* devnode,
                           const char* sysname);
    // The sysname of a hidraw node ("hidraw12") or empty when path is no such node.
    static QByteArray HidrawSysname(const QString& path);

private:
    Q_DISABLE_COPY(UdevHidDeviceMonitor)

    UdevHidDeviceMonitor(Source source, struct udev* context, struct udev_monitor* monitor, QObject* parent);
    void readEvents();

    Source m_source;
    struct udev* m_udev = nullptr;
    struct udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
};
