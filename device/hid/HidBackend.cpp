#include "HidBackend.h"

#include "HidapiBackend.h"
#include "VirtualHidBackend.h"

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
