#include "UdevHidDeviceMonitor.h"

#include <QDebug>
#include <QPointer>
#include <QSocketNotifier>
#include <cstring>
#include <libudev.h>

namespace {

constexpr char kSubsystem[] = "hidraw";
// Device paths longer than this are not device nodes hidapi could have made.
constexpr int kMaxPathLength = 255;
// Events handled per wake-up, so a flood of uevents cannot freeze the event loop.
constexpr int kMaxEventsPerWakeUp = 64;

bool IsHidrawSysname(const QByteArray& name)
{
    constexpr int kPrefixLength = int(sizeof(kSubsystem)) - 1;
    // hidraw minors are below 2^20, so seven digits is more than the kernel will make.
    if (name.size() <= kPrefixLength || name.size() > kPrefixLength + 7 || !name.startsWith(kSubsystem))
        return false;
    for (int i = kPrefixLength; i < name.size(); ++i) {
        if (name.at(i) < '0' || name.at(i) > '9')
            return false;
    }
    return true;
}

HidUsbId IdOfDevice(struct udev_device* device)
{
    if (device == nullptr)
        return HidUsbId();
    // HID_ID belongs to the hid parent; the parent is owned by the child, not unref'd here.
    struct udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    if (hid == nullptr)
        return HidUsbId();
    const char* value = udev_device_get_property_value(hid, "HID_ID");
    return value ? HidUsbId::parse(QByteArray(value)) : HidUsbId();
}

} // namespace

std::unique_ptr<UdevHidDeviceMonitor> UdevHidDeviceMonitor::Create(Source source, QObject* parent)
{
    if (source == Source::Udev && !UdevDaemonRunning())
        return nullptr;
    struct udev* context = udev_new();
    if (context == nullptr)
        return nullptr;
    struct udev_monitor* monitor =
        udev_monitor_new_from_netlink(context, source == Source::Udev ? "udev" : "kernel");
    if (monitor == nullptr) {
        udev_unref(context);
        return nullptr;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor, kSubsystem, nullptr) < 0
        || udev_monitor_enable_receiving(monitor) < 0 || udev_monitor_get_fd(monitor) < 0) {
        udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::unique_ptr<UdevHidDeviceMonitor>(new UdevHidDeviceMonitor(source, context, monitor, parent));
}

UdevHidDeviceMonitor::UdevHidDeviceMonitor(Source source, struct udev* context, struct udev_monitor* monitor,
                                           QObject* parent)
    : HidDeviceMonitor(parent)
    , m_source(source)
    , m_udev(context)
    , m_monitor(monitor)
{
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevHidDeviceMonitor::readEvents);
}

UdevHidDeviceMonitor::~UdevHidDeviceMonitor()
{
    // The notifier watches the monitor's socket: stop it before the socket closes.
    delete m_notifier;
    m_notifier = nullptr;
    udev_monitor_unref(m_monitor);
    udev_unref(m_udev);
}

QString UdevHidDeviceMonitor::source() const
{
    return m_source == Source::Udev ? QStringLiteral("udev") : QStringLiteral("kernel");
}

bool UdevHidDeviceMonitor::UdevDaemonRunning()
{
    struct udev* context = udev_new();
    if (context == nullptr)
        return false;
    bool active = false;
    if (struct udev_queue* queue = udev_queue_new(context)) {
        active = udev_queue_get_udev_is_active(queue) > 0;
        udev_queue_unref(queue);
    }
    udev_unref(context);
    return active;
}

QByteArray UdevHidDeviceMonitor::HidrawSysname(const QString& path)
{
    static const QString prefix = QStringLiteral("/dev/");
    if (!path.startsWith(prefix) || path.size() > kMaxPathLength)
        return QByteArray();
    const QByteArray name = path.mid(prefix.size()).toLatin1();
    return IsHidrawSysname(name) ? name : QByteArray();
}

HidUsbId UdevHidDeviceMonitor::UsbIdOfNode(const QString& path)
{
    const QByteArray sysname = HidrawSysname(path);
    if (sysname.isEmpty())
        return HidUsbId();
    struct udev* context = udev_new();
    if (context == nullptr)
        return HidUsbId();
    HidUsbId id;
    if (struct udev_device* device = udev_device_new_from_subsystem_sysname(context, kSubsystem, sysname.constData())) {
        id = IdOfDevice(device);
        udev_device_unref(device);
    }
    udev_unref(context);
    return id;
}

UdevHidDeviceMonitor::Event UdevHidDeviceMonitor::Interpret(const char* action, const char* subsystem,
                                                            const char* devnode, const char* sysname)
{
    Event event;
    if (action == nullptr || subsystem == nullptr || std::strcmp(subsystem, kSubsystem) != 0)
        return event;
    Event::Kind kind = Event::Kind::Ignored;
    if (std::strcmp(action, "add") == 0)
        kind = Event::Kind::Arrival;
    else if (std::strcmp(action, "remove") == 0)
        kind = Event::Kind::Removal;
    else
        return event;

    QString path;
    if (devnode != nullptr) {
        const QString node = QString::fromLocal8Bit(devnode);
        if (node.startsWith(QLatin1String("/dev/")) && node.size() <= kMaxPathLength
            && !node.contains(QLatin1String("/..")))
            path = node;
    }
    // Kernel events name the node relative to /dev, or not at all.
    if (path.isEmpty() && sysname != nullptr) {
        const QByteArray name(sysname);
        if (IsHidrawSysname(name))
            path = QStringLiteral("/dev/") + QString::fromLatin1(name);
    }
    if (path.isEmpty())
        return event;
    event.kind = kind;
    event.path = path;
    return event;
}

void UdevHidDeviceMonitor::readEvents()
{
    // A slot may delete this monitor while we are still draining the socket.
    const QPointer<UdevHidDeviceMonitor> self(this);
    for (int i = 0; i < kMaxEventsPerWakeUp; ++i) {
        struct udev_device* device = udev_monitor_receive_device(m_monitor);
        if (device == nullptr)
            return;
        const Event event = Interpret(udev_device_get_action(device), udev_device_get_subsystem(device),
                                      udev_device_get_devnode(device), udev_device_get_sysname(device));
        if (event.kind == Event::Kind::Arrival) {
            const HidUsbId id = IdOfDevice(device);
            udev_device_unref(device);
            qDebug() << "hidraw arrived" << event.path << Qt::hex << id.vendorId << id.productId;
            noteArrival(event.path, id);
        } else {
            udev_device_unref(device);
            if (event.kind == Event::Kind::Removal) {
                qDebug() << "hidraw removed" << event.path;
                noteRemoval(event.path);
            }
        }
        if (!self)
            return;
    }
}
