#pragma once

#include "Descriptor.h"
#include "HidTransport.h"
#include "TestAppDir.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <memory>

// A temporary application directory and an in-process virtual mouse behind the transport.
struct VirtualMouseFixture
{
    TestAppDir dir;
    std::shared_ptr<VirtualMouse> mouse = std::make_shared<VirtualMouse>(QString());
    VirtualHidBackend backend{mouse};

    explicit VirtualMouseFixture(bool open = true)
    {
        dir.installShippedDescriptor();
        dir.write(QStringLiteral("Configs/Config.ini"), "[Mouse_List]\n0=X8 Wireless\n[MouseSenSor]\n1=3389\n");
        ReadButtonMatrix(ButtonMatrix());  // as a settings load does
        SetHidBackend(&backend);
        HidTransport& t = HidTransport::instance();
        t.setTiming(HidTransport::Timing());
        t.BuildDeviceTable();
        if (open)
            openMouse();
    }

    void openMouse()
    {
        HidTransport& t = HidTransport::instance();
        t.EnumerateDevices();
        t.OpenDevice(t.table().entries[0].name);
    }

    ~VirtualMouseFixture()
    {
        HidTransport::instance().CloseDevice();
        SetHidBackend(nullptr);
    }

    int writes(quint8 command) const { return mouse->counters().writesPerCommand.value(command); }
};
