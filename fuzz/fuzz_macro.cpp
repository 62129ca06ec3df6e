// A macro file a user was handed, through its load: never more events than a file may
// hold, a save of what was loaded loads back the same, and the upload encoder takes it.
#include "FuzzSupport.h"
#include "MacroFile.h"
#include "MacroUpload.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > fuzz::kMaxInput)
        return 0;
    fuzz::Environment& env = fuzz::Environment::instance();
    const QString name = env.uniqueName("in");
    FUZZ_CHECK(fuzz::Environment::writeFile(MacroFilePath(name), fuzz::Bytes(data, size)), "input written");

    MacroData loaded;
    LoadMacroFile(name, loaded);
    FUZZ_CHECK(loaded.events.size() <= kMaxMacroFileEvents, "event count in range");
    const QVector<MacroEvent> raw = ReadMacroEventsRaw(name, 63);
    FUZZ_CHECK(raw.size() <= 63, "raw events limited to what was asked");
    const MacroSlotBytes slot = EncodeMacroSlot(raw);
    (void)slot;
    MacroFitsSlot(loaded.events);
    TakeWriteSign(name);

    const QString copy = env.uniqueName("copy");
    FUZZ_CHECK(SaveMacroFile(copy, loaded), "a loaded macro saves");
    MacroData reloaded;
    FUZZ_CHECK(LoadMacroFile(copy, reloaded), "a saved macro loads");
    FUZZ_CHECK(reloaded.events == loaded.events, "events survive a save");
    FUZZ_CHECK(reloaded.settings.DefaultDelay == loaded.settings.DefaultDelay
                   && reloaded.settings.DelayType == loaded.settings.DelayType
                   && reloaded.settings.LoopType == loaded.settings.LoopType
                   && reloaded.settings.LoopTime == loaded.settings.LoopTime,
               "settings survive a save");
    DeleteMacroFile(name);
    DeleteMacroFile(copy);
    return 0;
}
