#include "VirtualHidBackend.h"

#include "VirtualMouse.h"

namespace {

class VirtualHidHandle : public HidHandle
{
public:
    VirtualHidHandle(std::shared_ptr<VirtualMouse> mouse, int handle)
        : m_mouse(std::move(mouse)), m_handle(handle) {}
    ~VirtualHidHandle() override { m_mouse->closeHandle(m_handle); }

    int write(const uint8_t* data, size_t length) override { return m_mouse->write(m_handle, data, length); }
    int readTimeout(uint8_t* data, size_t length, int milliseconds) override
    {
        return m_mouse->read(m_handle, data, length, milliseconds);
    }

private:
    Q_DISABLE_COPY(VirtualHidHandle)

    std::shared_ptr<VirtualMouse> m_mouse;
    int m_handle;
};

} // namespace

VirtualHidBackend::VirtualHidBackend(std::shared_ptr<VirtualMouse> mouse)
    : m_mouse(std::move(mouse))
{
    Q_ASSERT(m_mouse);
}

VirtualHidBackend::~VirtualHidBackend() = default;

int VirtualHidBackend::init()
{
    return 0;
}

void VirtualHidBackend::exit()
{
}

QVector<HidDeviceInfo> VirtualHidBackend::enumerate()
{
    return m_mouse->enumerate();
}

std::unique_ptr<HidHandle> VirtualHidBackend::open(const QString& path)
{
    const int handle = m_mouse->openHandle(path);
    if (handle < 0)
        return nullptr;
    return std::make_unique<VirtualHidHandle>(m_mouse, handle);
}

int VirtualHidBackend::releaseNumber(const QString& path)
{
    return m_mouse->releaseNumber(path);
}

bool VirtualHidBackend::accessDenied(const QString& path)
{
    return m_mouse->accessDenied() && m_mouse->releaseNumber(path) >= 0;
}

void VirtualHidBackend::wakeReaders() { m_mouse->wakeReaders(); }

VirtualHidBackend& VirtualHidBackend::Process()
{
    // Built on first use so that tests and tools can set the environment first.
    static VirtualHidBackend backend(std::make_shared<VirtualMouse>(VirtualMouse::DefaultStatePath()));
    return backend;
}
