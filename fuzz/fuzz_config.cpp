// Config.ini through the settings load: whatever it holds, the record comes back in range
// and a whole write can be built from it.
#include "ConfigFiles.h"
#include "FuzzDevice.h"
#include "GlobalConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > fuzz::kMaxInput)
        return 0;
    fuzz::Environment& env = fuzz::Environment::instance();
    // A fresh application directory per input: Config.ini's path never repeats.
    const QString dir = env.useFreshAppDir();
    env.installShippedDescriptor();
    FUZZ_CHECK(fuzz::Environment::writeFile(ConfigIniPath(), fuzz::Bytes(data, size)), "input written");

    SettingsRecord settings;
    LoadSettings(settings);
    const int profile = ConfigProfileID();
    FUZZ_CHECK(profile >= 0 && profile < kProfileCount, "stored active profile in range");
    ReadConfigInt(ConfigKeys::BatteryFull);
    ReadConfigString(ConfigKeys::MouseList0);
    fuzz::BuildWrite(settings);

    qputenv("MOUSECFG_APP_DIR", env.appDir().toLocal8Bit());
    QDir(dir).removeRecursively();
    return 0;
}
