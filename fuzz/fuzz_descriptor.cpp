// The product descriptor: every accessor keeps its promise on any file, and the defaults
// it yields can be written to the mouse.
#include "Descriptor.h"
#include "FuzzDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > fuzz::kMaxInput)
        return 0;
    fuzz::Environment& env = fuzz::Environment::instance();
    const QString dir = env.useFreshAppDir();
    FUZZ_CHECK(fuzz::Environment::writeFile(DescriptorPath(), fuzz::Bytes(data, size)), "input written");

    const int buttons = DescriptorButtonCount();
    FUZZ_CHECK(buttons >= 0 && buttons <= kDescriptorButtons, "button count in range");
    const int levels = EffectiveDpiLevelCount();
    FUZZ_CHECK(levels >= 1 && levels <= kMaxDpiLevels, "level count in range");
    FUZZ_CHECK(DescriptorMinDelay() >= 1, "macro delay unit at least 1 ms");
    std::array<quint8, kDescriptorButtons> matrix{};
    ReadButtonMatrix(matrix);
    for (quint8 slot : matrix)
        FUZZ_CHECK(slot < 24 || slot == kNoButtonSlot, "button matrix points at a device slot");
    ReadButtonMatrix2(matrix);
    std::array<quint8, 7> sensor{};
    ReadSensorDefaults(sensor);
    DescriptorDefaults defaults;
    ReadDescriptorDefaults(defaults);
    DescriptorProductName();
    DpiLevelCount();

    ReadButtonMatrix(ButtonMatrix());
    SettingsRecord settings;
    MakeDefaultSettings(settings);
    fuzz::BuildWrite(settings);

    qputenv("MOUSECFG_APP_DIR", env.appDir().toLocal8Bit());
    QDir(dir).removeRecursively();
    return 0;
}
