#include "HidBackend.h"

#include "HidapiBackend.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QCoreApplication>
#include <atomic>

namespace {

std::atomic<HidBackend*> g_installed{ nullptr };

} // namespace

HidBackend& ActiveHidBackend()
{
    if (HidBackend* installed = g_installed.load())
        return *installed;
    if (qgetenv("MOUSECFG_DEVICE") == "virtual")
        return VirtualHidBackend::Process();
    static HidapiBackend hidapi;
    return hidapi;
}

void SetHidBackend(HidBackend* backend)
{
    g_installed.store(backend);
}

QString ActiveHidBackendIdentity()
{
    // Two programs on different virtual mice (state files) never share a mouse; a backend
    // a test installed is a mouse of that process alone.
    if (HidBackend* installed = g_installed.load())
        return QStringLiteral("process-%1-%2").arg(QCoreApplication::applicationPid()).arg(quintptr(installed), 0, 16);
    if (qgetenv("MOUSECFG_DEVICE") == "virtual")
        return QStringLiteral("virtual-") + VirtualMouse::DefaultStatePath();
    return QStringLiteral("hid");
}
