#pragma once

#include "HidBackend.h"

#include <memory>

class VirtualMouse;

// Presents a VirtualMouse through the HID backend interface. Handles keep the
// mouse alive, so a handle may outlive the backend that opened it.
class VirtualHidBackend : public HidBackend
{
public:
    explicit VirtualHidBackend(std::shared_ptr<VirtualMouse> mouse);
    ~VirtualHidBackend() override;

    int init() override;
    void exit() override;
    QVector<HidDeviceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const QString& path) override;
    int releaseNumber(const QString& path) override;
    bool accessDenied(const QString& path) override;
    void wakeReaders() override;

    VirtualMouse& mouse() const { return *m_mouse; }
    std::shared_ptr<VirtualMouse> sharedMouse() const { return m_mouse; }

    // The process-wide virtual backend, with its mouse persisting to DefaultStatePath().
    static VirtualHidBackend& Process();

private:
    Q_DISABLE_COPY(VirtualHidBackend)

    std::shared_ptr<VirtualMouse> m_mouse;
};
