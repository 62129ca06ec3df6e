#include "SettingsRecord.h"

#include "AppPaths.h"
#include "Descriptor.h"
#include "IniFile.h"

#include <QFileInfo>
#include <cstring>

namespace {

constexpr quint32 kBuiltInSteps[kDpiLevelCount] = {8, 12, 16, 24, 50, 75, 0, 0};
constexpr qint32 kBuiltInFunctions[7] = {1, 2, 3, 4, 5, 4, 5};
constexpr int kScrollUpButton = 40;
constexpr int kScrollDownButton = 41;
constexpr int kScrollUpFunction = 52;
constexpr int kScrollDownFunction = 53;

void ApplyBuiltInDefaults(ProfileRecord& p)
{
    p.LedMode = 9;
    for (int i = 0; i < kDpiLevelCount; ++i) {
        DpiLevel& level = p.DPI_INFO[i];
        level.used = 1;
        level.link = 1;
        level.xy = level.x = level.y = kBuiltInSteps[i];
    }
    for (int b = 0; b < 7; ++b)
        p.BUTTON_INFO[b].Fun = kBuiltInFunctions[b];
    for (int e = 0; e < kLedEffectCount; ++e) {
        LedModeRecord& led = p.LedModes[e];
        led.RGB = e == 10 ? StoredColor::fromRgb(0, 255, 0) : StoredColor::fromRgb(255, 0, 0);
        led.h = 360;
        led.bright = 3;
        led.breath = 3;
    }
    p.LedModes[4].breath = 2;
    p.LedModes[9].breath = 4;
    p.LedModes[10].breath = 5;
    p.LedModes[12].breath = 1;
}

void ApplyDescriptorDefaults(ProfileRecord& p, const DescriptorDefaults& d)
{
    p.pollrate = quint8(d.pollrate & 0xFF);
    p.dpi = d.dpi;
    p.LedMode = d.LedMode;
    for (int i = 0; i < kDpiLevelCount; ++i) {
        DpiLevel& level = p.DPI_INFO[i];
        level.used = 1;
        level.link = 1;
        level.xy = level.x = level.y = d.xy[i];
    }
    for (int b = 0; b < int(d.buttons.size()); ++b) {
        ButtonRecord& button = p.BUTTON_INFO[b];
        button.Fun = d.buttons[b].Fun;
        button.LoopNumber = d.buttons[b].LoopNumber;
        button.KeyNumber = d.buttons[b].KeyNumber;
        button.Res1 = d.buttons[b].Res1;
        button.Res2 = d.buttons[b].Res2;
        button.Res3 = d.buttons[b].Res3;
        button.Res4 = d.buttons[b].Res4;
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        LedModeRecord& led = p.LedModes[e];
        led.RGB = d.leds[e].RGB;
        led.bright = d.leds[e].bright;
        led.breath = d.leds[e].breath;
        led.h = 360;
        led.s = 0;
        led.v = 0;
    }
}

bool DpiLevelDiffers(const DpiLevel& a, const DpiLevel& b)
{
    return a.used != b.used || a.x != b.x || a.y != b.y;
}

bool KeyInfoDiffers(const ButtonRecord& a, const ButtonRecord& b)
{
    for (int k = 0; k < kKeyInfoCount; ++k) {
        const KeyInfo& x = a.KeyInfo[k];
        const KeyInfo& y = b.KeyInfo[k];
        if (x.map != y.map || x.key != y.key || x.H != y.H)
            return true;
    }
    return false;
}

// A macro saved since the last write carries WriteSign = 1; seeing it clears it.
bool TakeMacroWriteSign(const QString& name)
{
    if (!IsSafeFileName(name))
        return false;
    const QString path = MacroFilePath(name);
    if (!QFileInfo::exists(path))
        return false;
    auto ini = OpenIni(path);
    if (ini->value(QStringLiteral("Setting/WriteSign")).toInt() == 0)
        return false;
    ini->setValue(QStringLiteral("Setting/WriteSign"), 0);
    return true;
}

bool ButtonsDiffer(const ButtonRecord& a, const ButtonRecord& b)
{
    if (a.ID != b.ID || a.Fun != b.Fun || a.LoopNumber != b.LoopNumber || a.KeyNumber != b.KeyNumber
        || a.Res1 != b.Res1 || a.Res2 != b.Res2 || a.Res3 != b.Res3 || a.Res4 != b.Res4
        || KeyInfoDiffers(a, b))
        return true;
    // A macro or gun file: another name, or the same file saved again since it was sent.
    const bool macro = a.Fun == kMacroFunction || a.Fun == kGunFileFunction;
    if (macro && a.Fun == b.Fun) {
        if (a.macroname != b.macroname)
            return true;
        return TakeMacroWriteSign(a.macroname);
    }
    return false;
}

bool LedEntryDiffers(const LedModeRecord& a, const LedModeRecord& b)
{
    return a.RGB != b.RGB || a.h != b.h || a.s != b.s || a.v != b.v || a.bright != b.bright
        || a.breath != b.breath;
}

} // namespace

const LedModeRecord* ActiveLedEntry(const ProfileRecord& profile)
{
    return profile.LedMode < kLedEffectCount ? &profile.LedModes[profile.LedMode] : nullptr;
}

void MakeDefaultProfile(ProfileRecord& profile)
{
    ProfileRecord p;  // every number 0, strings empty, colours invalid
    p.pollrate = 1;
    p.dpi = 1;
    p.LedMode = 1;
    p.mousespeed = 10;
    p.dbclickspeed = 5;
    p.scrollispage = 0;
    p.scrollspeed = 1;
    p.accelenable = 1;
    p.acee = 1;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 1;

    DescriptorDefaults defaults;
    if (ReadDescriptorDefaults(defaults) == 0)
        ApplyDescriptorDefaults(p, defaults);
    else
        ApplyBuiltInDefaults(p);
    p.BUTTON_INFO[kScrollUpButton].Fun = kScrollUpFunction;
    p.BUTTON_INFO[kScrollDownButton].Fun = kScrollDownFunction;
    SanitizeProfile(p);
    profile = p;
}

void MakeDefaultSettings(SettingsRecord& settings)
{
    settings.ProfileID = 0;
    std::array<quint8, 7> sensor{};  // without a descriptor the options fall back to 0
    ReadSensorDefaults(sensor);
    settings.LiftHigh = sensor[0];
    settings.AngleValue = sensor[1];
    settings.Debounce = sensor[2];
    settings.Jitter = sensor[3];
    settings.Wake = sensor[4];
    settings.SensorMode = sensor[5];
    settings.Sync = sensor[6];
    MakeDefaultProfile(settings.profiles[0]);
    for (int i = 0; i < kProfileCount; ++i)
        settings.names[i] = QStringLiteral("Profile %1").arg(i + 1);
}

int CompareSettings(const SettingsRecord& current, const SettingsRecord& written)
{
    // The mouse holds one profile's levels, buttons and lighting: another active profile
    // replaces all of them.
    if (current.ProfileID != written.ProfileID)
        return kChangeAll;

    int mask = 0;
    const ProfileRecord& a = current.active();
    const ProfileRecord& b = written.active();

    bool settingsDiffer = current.AngleValue != written.AngleValue || current.LiftHigh != written.LiftHigh
        || current.Sync != written.Sync || current.Jitter != written.Jitter
        || current.Debounce != written.Debounce || current.Wake != written.Wake
        || current.SensorMode != written.SensorMode;
    // Rates and scroll speeds of every profile travel in the settings block.
    for (int p = 0; p < kProfileCount && !settingsDiffer; ++p) {
        settingsDiffer = current.profiles[p].pollrate != written.profiles[p].pollrate
            || current.profiles[p].scrollspeed != written.profiles[p].scrollspeed;
    }
    settingsDiffer = settingsDiffer || a.dpi != b.dpi || a.LedMode != b.LedMode || a.LedMoveOFF != b.LedMoveOFF
        || a.LedSleepTime != b.LedSleepTime;
    if (settingsDiffer)
        mask |= kChangeSettings;

    for (int i = 0; i < kDpiLevelCount; ++i)
        if (DpiLevelDiffers(a.DPI_INFO[i], b.DPI_INFO[i]))
            mask |= kChangeDpi;

    // Every button is compared, so each changed macro's flag is taken.
    for (int i = 0; i < kButtonCount; ++i)
        if (ButtonsDiffer(a.BUTTON_INFO[i], b.BUTTON_INFO[i]))
            mask |= kChangeButtons;

    // The lighting block carries the records of every effect but 5..8, which share
    // effect 9's on the mouse; not only the chosen effect's.
    if (a.LedMode != b.LedMode)
        mask |= kChangeLed;
    for (int e = 0; e < kLedEffectCount; ++e)
        if ((e < 5 || e > 8) && LedEntryDiffers(a.LedModes[e], b.LedModes[e]))
            mask |= kChangeLed;
    return mask;
}

void SanitizeProfile(ProfileRecord& profile)
{
    if (profile.dpi >= kDpiLevelCount)
        profile.dpi = 0;
}

void SanitizeSettings(SettingsRecord& settings)
{
    if (settings.ProfileID >= kProfileCount)
        settings.ProfileID = 0;
    for (ProfileRecord& profile : settings.profiles)
        SanitizeProfile(profile);
}

SettingsRecord& CurrentSettings()
{
    static SettingsRecord record;
    return record;
}

SettingsRecord& WrittenSettings()
{
    static SettingsRecord record;
    return record;
}
