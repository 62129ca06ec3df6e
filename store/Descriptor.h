#pragma once

#include "StoredColor.h"

#include <QString>
#include <array>

// The product descriptor DefaultProfile.bin beside the executable: model name,
// USB identities, counts, feature switches and factory defaults. Read only;
// every accessor opens the file anew (it is small and read rarely).

constexpr int kDescriptorButtons = 16;   // positions covered by the button tables
constexpr int kMaxDpiLevels = 8;
constexpr quint8 kNoButtonSlot = 0xFF;   // button matrix entry: position has no device slot

QString DescriptorProductName();
QString DescriptorVersion();
int DescriptorRawButtonCount();          // PROFILE/ButtonCount
int DescriptorMouseDpi();                // PROFILE/MouseDpi
int DescriptorDpiCountKey();             // PROFILE/DPICount
int DescriptorDisableMacro();
int DescriptorShowSleep();
int DescriptorSleepMin();
int DescriptorSleepMax();
int DescriptorScrollRev();
int DescriptorMinDelay();                // macro delay unit in ms, never below 1
int Descriptor33254();
int DescriptorColorMode();
int DescriptorLedDisable();
int DescriptorSyncMode();
int DescriptorVid1();
int DescriptorPid1();
int DescriptorVid2();
int DescriptorPid2();
int DescriptorFrench();

// ButtonCount XOR MouseDpi, limited to the 0..16 positions the button tables describe.
int DescriptorButtonCount();
// DPICount XOR ButtonCount XOR MouseDpi, raw; use EffectiveDpiLevelCount() to size anything.
int DpiLevelCount();
// The level count with a value outside 1..8 replaced by 8.
int EffectiveDpiLevelCount();

// lift, angle, butondelay, jitter, wake, sensormode, sync
int ReadSensorDefaults(std::array<quint8, 7>& out);
// Device slot per position; entries that point past the 24 slots become kNoButtonSlot.
int ReadButtonMatrix(std::array<quint8, kDescriptorButtons>& out);
// 255 = the button page does not list the position. Returns the button count, -1 without file.
int ReadButtonMatrix2(std::array<quint8, kDescriptorButtons>& out);

struct DescriptorLed
{
    StoredColor RGB;
    qint32 bright = 0;
    qint32 breath = 0;
};

struct DescriptorButton
{
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    quint8 Res1 = 0, Res2 = 0, Res3 = 0, Res4 = 0;
};

struct DescriptorDefaults
{
    quint8 dpi = 0;
    std::array<quint32, 8> xy{};
    quint32 pollrate = 0;
    quint8 LedMode = 0;
    std::array<DescriptorLed, 14> leds{};
    std::array<DescriptorButton, 20> buttons{};
};

int ReadDescriptorDefaults(DescriptorDefaults& out);

// The button matrix loaded with the settings, read by the button writer.
std::array<quint8, kDescriptorButtons>& ButtonMatrix();
