#pragma once

#include <QString>
#include <QVector>
#include <cstddef>
#include <cstdint>
#include <memory>

// One HID collection as enumeration reports it (hid_device_info's fields).
struct HidDeviceInfo
{
    QString path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    int interfaceNumber = -1;
    QString serialNumber;
    QString productString;
};

// An open device: hid_write / hid_read_timeout semantics (bytes transferred, 0 on
// time-out, -1 on error). Report id first in both directions.
class HidHandle
{
public:
    virtual ~HidHandle() = default;
    virtual int write(const uint8_t* data, size_t length) = 0;
    virtual int readTimeout(uint8_t* data, size_t length, int milliseconds) = 0;
};

// The narrow interface everything above the transport uses: hidapi or the virtual mouse.
class HidBackend
{
public:
    virtual ~HidBackend() = default;
    virtual int init() = 0;                                   // hid_init: 0 or -1
    virtual void exit() = 0;                                  // hid_exit
    virtual QVector<HidDeviceInfo> enumerate() = 0;           // hid_enumerate(0, 0)
    virtual std::unique_ptr<HidHandle> open(const QString& path) = 0;   // nullptr on failure
    virtual int releaseNumber(const QString& path) = 0;       // -1 when no device has that path
    // Whether opening this path fails because the user may not (a node without the udev rule).
    virtual bool accessDenied(const QString& path) { (void)path; return false; }
    // Ends every read now waiting on this backend's handles early (it returns 0). Backends
    // whose reads a signal interrupts need nothing here.
    virtual void wakeReaders() {}
};

// The backend of this process: the virtual mouse when MOUSECFG_DEVICE=virtual, else hidapi.
HidBackend& ActiveHidBackend();
// Names the mice this backend reaches, for the lock that keeps a second program off them.
QString ActiveHidBackendIdentity();
// Tests install their own backend (not owned); nullptr restores the default choice.
void SetHidBackend(HidBackend* backend);
