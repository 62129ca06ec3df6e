#pragma once

#include "HidTransport.h"

#include <QObject>
#include <QString>
#include <memory>

class HidDeviceMonitor;

// Follows plug and unplug of the mouse's collections: the platform's hidraw monitor
// (or the virtual mouse's own plug events) feeds the device table, and the owner hears
// what changed to decide what to reopen.
class DeviceWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DeviceWatcher(QObject* parent = nullptr);
    ~DeviceWatcher() override;

    // "udev", "kernel", "poll" or "inject".
    QString source() const;

signals:
    // A node of one of our identities arrived; `complete` when both collections of that
    // identity are now present (the device can be opened).
    void MouseArrivedSignal(const QString& path, bool complete);
    // A node of ours left; `allGone` when no collection of the mouse is left.
    void MouseRemovedSignal(const QString& path, bool allGone);

private slots:
    void onArrived(const QString& path);
    void onRemoved(const QString& path);

private:
    Q_DISABLE_COPY(DeviceWatcher)

    NoteResult Note(const QString& path, bool arrived);

    std::unique_ptr<HidDeviceMonitor> m_monitor;
};
