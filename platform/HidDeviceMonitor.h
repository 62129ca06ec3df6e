#pragma once

#include "HidUsbId.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Arrival and removal of HID device nodes. A path is what hidapi opens (/dev/hidrawN
// on Linux); ids are 0 when the source cannot tell them. Signals come on the monitor's
// thread; a slot may take the path alone.
class HidDeviceMonitor : public QObject
{
    Q_OBJECT

public:
    // The current device paths, for the re-enumerating fallback (duplicates allowed).
    using PathEnumerator = std::function<QStringList()>;

    explicit HidDeviceMonitor(QObject* parent = nullptr);
    ~HidDeviceMonitor() override;

    // Where events come from: "udev", "kernel", "poll" or "inject".
    virtual QString source() const = 0;

    // Report a device from outside (the virtual mouse); callable from any thread.
    void injectArrival(const QString& path, quint16 vendorId = 0, quint16 productId = 0);
    void injectRemoval(const QString& path);

    // The ids a present path arrived with; invalid when unknown. Monitor thread only.
    HidUsbId knownId(const QString& path) const;

signals:
    void deviceArrived(const QString& path, quint16 vendorId, quint16 productId);
    // Ids are those the path arrived with, as the node's sysfs entry is gone by now.
    void deviceRemoved(const QString& path, quint16 vendorId, quint16 productId);

protected:
    void noteArrival(const QString& path, const HidUsbId& id);
    void noteRemoval(const QString& path);
    // A device present before monitoring began: remembered, not reported.
    void notePresent(const QString& path, const HidUsbId& id);

private:
    Q_DISABLE_COPY(HidDeviceMonitor)

    QHash<QString, HidUsbId> m_known;
};

// The best monitor this host offers: udev, else kernel uevents, else re-enumeration
// through enumerate every two seconds (inject only when enumerate is empty).
// MOUSECFG_HID_MONITOR=udev|kernel|poll forces one source.
std::unique_ptr<HidDeviceMonitor> CreateHidDeviceMonitor(HidDeviceMonitor::PathEnumerator enumerate,
                                                         QObject* parent = nullptr);
