#pragma once

#include "ButtonEncoding.h"
#include "CommandSet.h"
#include "FuzzSupport.h"
#include "MacroUpload.h"
#include "SettingsRecord.h"

namespace fuzz {

// Turns loaded settings into every report a write would send: each value read from a
// file reaches the encoders that index tables with it.
inline void BuildWrite(SettingsRecord& settings)
{
    FUZZ_CHECK(settings.ProfileID < kProfileCount, "active profile in range");
    for (const ProfileRecord& profile : settings.profiles)
        FUZZ_CHECK(profile.dpi < kDpiLevelCount, "active DPI level in range");
    const DeviceContext context = LoadDeviceContext(0);
    FUZZ_CHECK(context.dpiLevelCount >= 1 && context.dpiLevelCount <= kDpiLevelCount, "level count in range");
    FUZZ_CHECK(context.buttonCount >= 0 && context.buttonCount <= kButtonMatrixSize, "button count in range");
    MacroSlotMap slotMap;
    ReportList reports = BuildSettingsBlock(settings, context);
    reports += BuildDpiBlock(settings, context);
    reports += BuildLedBlock(settings);
    reports += BuildButtonBlock(BuildButtonImage(settings, context, slotMap));
    reports += BuildMacroUpload(settings, slotMap).reports;
    for (const Report& report : reports)
        FUZZ_CHECK(report[0] == kReportId && report[2] == kReportMarker, "every report is framed");
}

} // namespace fuzz
