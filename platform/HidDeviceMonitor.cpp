#include "HidDeviceMonitor.h"

#include <QMetaObject>
#include <QThread>

HidDeviceMonitor::HidDeviceMonitor(QObject* parent)
    : QObject(parent)
{
}

HidDeviceMonitor::~HidDeviceMonitor() = default;

void HidDeviceMonitor::injectArrival(const QString& path, quint16 vendorId, quint16 productId)
{
    HidUsbId id;
    id.vendorId = vendorId;
    id.productId = productId;
    id.valid = vendorId != 0 || productId != 0;
    if (QThread::currentThread() == thread()) {
        noteArrival(path, id);
        return;
    }
    // m_known belongs to the monitor's thread; hop there instead of locking.
    QMetaObject::invokeMethod(this, [this, path, id] { noteArrival(path, id); }, Qt::QueuedConnection);
}

void HidDeviceMonitor::injectRemoval(const QString& path)
{
    if (QThread::currentThread() == thread()) {
        noteRemoval(path);
        return;
    }
    QMetaObject::invokeMethod(this, [this, path] { noteRemoval(path); }, Qt::QueuedConnection);
}

HidUsbId HidDeviceMonitor::knownId(const QString& path) const
{
    return m_known.value(path);
}

void HidDeviceMonitor::noteArrival(const QString& path, const HidUsbId& id)
{
    if (path.isEmpty())
        return;
    m_known.insert(path, id);
    emit deviceArrived(path, id.vendorId, id.productId);
}

void HidDeviceMonitor::noteRemoval(const QString& path)
{
    if (path.isEmpty())
        return;
    const HidUsbId id = m_known.take(path);
    emit deviceRemoved(path, id.vendorId, id.productId);
}

void HidDeviceMonitor::notePresent(const QString& path, const HidUsbId& id)
{
    if (!path.isEmpty())
        m_known.insert(path, id);
}
