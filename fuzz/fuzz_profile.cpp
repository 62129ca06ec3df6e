// A profile file a user was handed, through the store's load: the values land in range,
// a save of what was loaded loads back to the same record, and a write can be built.
#include "ConfigFiles.h"
#include "FuzzDevice.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > fuzz::kMaxInput)
        return 0;
    fuzz::Environment& env = fuzz::Environment::instance();
    static const bool ready = (env.installShippedDescriptor(), true);
    (void)ready;
    const QString path = ProfileDir() + env.uniqueName("in") + QStringLiteral(".prof");
    FUZZ_CHECK(fuzz::Environment::writeFile(path, fuzz::Bytes(data, size)), "input written");

    SettingsRecord settings;
    MakeDefaultSettings(settings);
    ProfileRecord& loaded = settings.profiles[0];
    LoadProfileFile(loaded, path);
    FUZZ_CHECK(loaded.dpi < kDpiLevelCount, "active DPI level in range");

    // Saved and loaded again, the record saves to the very same bytes.
    const QString first = ProfileDir() + env.uniqueName("saved") + QStringLiteral(".prof");
    const QString second = ProfileDir() + env.uniqueName("saved") + QStringLiteral(".prof");
    FUZZ_CHECK(SaveProfileFile(loaded, first), "a loaded profile saves");
    ProfileRecord reloaded;
    LoadProfileFile(reloaded, first);
    FUZZ_CHECK(SaveProfileFile(reloaded, second), "a reloaded profile saves");
    FUZZ_CHECK(fuzz::Environment::readFile(first) == fuzz::Environment::readFile(second),
               "a saved profile loads back to what was saved");

    fuzz::BuildWrite(settings);
    for (const QString& file : {path, first, second})
        QFile::remove(file);
    return 0;
}
