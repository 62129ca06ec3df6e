#include "DeviceWatcher.h"

#include "HidDeviceMonitor.h"
#include "PollingHidDeviceMonitor.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QSet>

namespace {

QStringList BackendPaths()
{
    HidBackend& backend = ActiveHidBackend();
    QSet<QString> paths;
    if (backend.init() == 0)
        for (const HidDeviceInfo& info : backend.enumerate())
            paths.insert(info.path);
    return QStringList(paths.begin(), paths.end());
}

} // namespace

DeviceWatcher::DeviceWatcher(QObject* parent)
    : QObject(parent)
{
    if (auto* virtualBackend = dynamic_cast<VirtualHidBackend*>(&ActiveHidBackend())) {
        // The virtual mouse announces its own plugs and unplugs.
        m_monitor = std::make_unique<PollingHidDeviceMonitor>(HidDeviceMonitor::PathEnumerator(), 0);
        HidDeviceMonitor* monitor = m_monitor.get();
        VirtualMouse* mouse = &virtualBackend->mouse();
        connect(mouse, &VirtualMouse::deviceArrived, monitor,
                [monitor](const QString& path) { monitor->injectArrival(path); }, Qt::DirectConnection);
        connect(mouse, &VirtualMouse::deviceRemoved, monitor,
                [monitor](const QString& path) { monitor->injectRemoval(path); }, Qt::DirectConnection);
    } else {
        m_monitor = CreateHidDeviceMonitor(&BackendPaths);
    }
    connect(m_monitor.get(), &HidDeviceMonitor::deviceArrived, this,
            [this](const QString& path, quint16, quint16) { onArrived(path); });
    connect(m_monitor.get(), &HidDeviceMonitor::deviceRemoved, this,
            [this](const QString& path, quint16, quint16) { onRemoved(path); });
}

DeviceWatcher::~DeviceWatcher() = default;

QString DeviceWatcher::source() const { return m_monitor->source(); }

NoteResult DeviceWatcher::Note(const QString& path, bool arrived)
{
    HidTransport& transport = HidTransport::instance();
    // Windows-style paths name one collection each; a hidraw node carries them all.
    if (IsWindowsCollectionPath(path))
        return transport.NoteDevicePath(path, arrived);
    return transport.NoteDeviceNode(path, arrived);
}

void DeviceWatcher::onArrived(const QString& path)
{
    const NoteResult result = Note(path, true);
    if (result.matched)
        emit MouseArrivedSignal(path, result.identityComplete);
}

void DeviceWatcher::onRemoved(const QString& path)
{
    const NoteResult result = Note(path, false);
    if (result.matched)
        emit MouseRemovedSignal(path, result.allGone);
}
