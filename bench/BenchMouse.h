#pragma once

#include "HidTransport.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <memory>

// The in-process virtual mouse behind the transport, opened as the window opens it.
struct BenchMouse
{
    std::shared_ptr<VirtualMouse> mouse = std::make_shared<VirtualMouse>(QString());
    VirtualHidBackend backend{mouse};

    BenchMouse()
    {
        SetHidBackend(&backend);
        HidTransport& transport = HidTransport::instance();
        transport.BuildDeviceTable();
        transport.EnumerateDevices();
        transport.OpenDevice(transport.table().entries[0].name);
    }
    ~BenchMouse()
    {
        HidTransport::instance().CloseDevice();
        SetHidBackend(nullptr);
    }
    bool open() const { return HidTransport::instance().hasControlHandle(); }
};
