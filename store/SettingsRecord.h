#pragma once

#include "StoredColor.h"

#include <QString>
#include <array>

// The settings record: everything the user can change for the mouse, as plain
// values copied whole between CurrentSettings, WrittenSettings and the device image.
// Field names are the INI key names.

constexpr int kProfileCount = 5;
constexpr int kDpiLevelCount = 8;
constexpr int kButtonCount = 42;
constexpr int kKeyInfoCount = 63;
constexpr int kLedEffectCount = 14;
constexpr int kMacroFunction = 200;
constexpr int kGunFileFunction = 510;

struct DpiLevel
{
    quint8 used = 0;
    quint8 link = 0;
    quint32 xy = 0;
    quint32 x = 0;
    quint32 y = 0;
};

struct KeyInfo
{
    quint8 map = 0;
    quint8 key = 0;
    quint8 H = 0;
};

using KeyInfoArray = std::array<KeyInfo, kKeyInfoCount>;

struct ButtonRecord
{
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;                     // key events in KeyInfo; a fire key keeps its delay here
    KeyInfoArray KeyInfo{};
    quint8 Res1 = 0, Res2 = 0, Res3 = 0, Res4 = 0;
    QString macroname;
};

struct LedModeRecord
{
    StoredColor RGB;
    qint32 h = 0;
    qint32 s = 0;
    qint32 v = 0;
    qint32 bright = 0;
    qint32 breath = 0;
};

struct ProfileRecord
{
    quint8 pollrate = 0;
    quint8 dpi = 0;                           // active level 0..7
    quint8 LedMode = 0;                       // effect 0..13; a larger stored value is an unknown effect
    quint8 LedMoveOFF = 0;
    quint8 LedSleepTime = 0;
    std::array<DpiLevel, kDpiLevelCount> DPI_INFO{};
    quint8 mousespeed = 0;
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    std::array<ButtonRecord, kButtonCount> BUTTON_INFO{};
    std::array<LedModeRecord, kLedEffectCount> LedModes{};
    QString ProfileName;
    QString ProfilePath;
};

struct SettingsRecord
{
    quint8 ProfileID = 0;                     // active profile 0..4
    std::array<ProfileRecord, kProfileCount> profiles{};
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Sync = 0;
    quint8 Count = 0;
    quint8 Jitter = 0;
    quint8 Debounce = 0;
    quint8 Wake = 0;
    quint8 SensorMode = 0;
    std::array<QString, kProfileCount> names{};

    ProfileRecord& active() { return profiles[ProfileID < kProfileCount ? ProfileID : 0]; }
    const ProfileRecord& active() const { return profiles[ProfileID < kProfileCount ? ProfileID : 0]; }
};

// The lighting entry of the profile's effect, or nullptr for an unknown effect (LedMode > 13).
const LedModeRecord* ActiveLedEntry(const ProfileRecord& profile);

// Change mask bits: which blocks of the mouse's memory differ.
enum ChangeMaskBits : int {
    kChangeSettings = 0x01,
    kChangeDpi = 0x02,
    kChangeButtons = 0x04,
    kChangeLed = 0x08,
    kChangeAll = 0x0F,
};

void MakeDefaultProfile(ProfileRecord& profile);
void MakeDefaultSettings(SettingsRecord& settings);
// Compares the record to write with the one last written, as the mouse holds it: the
// active profile's levels, buttons and lighting, every profile's rate and scroll speed,
// and the sensor options; another active profile changes everything. For a macro or
// gun-file button whose name is unchanged, a macro file saved since the last write
// (Setting/WriteSign != 0) marks the buttons changed, and the flag is cleared in that file.
int CompareSettings(const SettingsRecord& current, const SettingsRecord& written);

// The number of KeyInfo entries a button's KeyNumber may address: 0..63, whatever is stored.
inline int KeyEventCount(const ButtonRecord& button)
{
    return button.KeyNumber < 0 ? 0 : (button.KeyNumber > kKeyInfoCount ? kKeyInfoCount : button.KeyNumber);
}

// Brings every value that indexes something back into its range (after loading
// from files that may hold anything): ProfileID 0..4, dpi 0..7. KeyNumber is kept as
// stored (a fire key's delay lives there); index KeyInfo through KeyEventCount().
void SanitizeProfile(ProfileRecord& profile);
void SanitizeSettings(SettingsRecord& settings);

// The two process-wide records.
SettingsRecord& CurrentSettings();
SettingsRecord& WrittenSettings();
