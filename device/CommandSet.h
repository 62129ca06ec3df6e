#pragma once

#include "Report.h"

#include <QtGlobal>
#include <array>

struct ProfileRecord;
struct SettingsRecord;

// Builders of the mouse's command reports. They do no I/O: each returns the reports to
// send, in order; the sender stops at the first one that fails. Byte 1 (checksum) is
// left 0 for SendCommand to fill, except in the battery query, which is written as is.

constexpr int kButtonImageSize = 102;
constexpr int kLedImageSize = 80;
constexpr int kSettingsBlockSize = 19;
constexpr int kButtonMatrixSize = 16;

using ButtonImage = std::array<quint8, kButtonImageSize>;
using LedImage = std::array<quint8, kLedImageSize>;

// Apply-section masks in the order a whole write applies them.
constexpr std::array<quint8, 5> kApplySectionOrder = {0x04, 0x01, 0x02, 0x08, 0x10};
constexpr quint8 kApplyProfileSection = 0x01;
// Lighting effects whose records fill the ten device slots, in slot order.
constexpr std::array<int, 10> kLedSlotEffects = {0, 1, 2, 3, 4, 9, 11, 10, 12, 13};

// What the builders need besides the settings record, gathered once per write.
struct DeviceContext
{
    int sensor = 0;                       // Config.ini MouseSenSor/1
    int syncMode = 0;                     // descriptor SyncMode
    int dpiLevelCount = 8;                // 1..8
    int buttonCount = 0;                  // 0..16 positions with a matrix entry
    std::array<quint8, kButtonMatrixSize> buttonMatrix{}; // device slot per position
    int scrollRev = 0;                    // 1: wheel up and down swap their slots
    quint8 firmwareFlag = 0;              // byte 10 of the last battery answer
};

// Reads the descriptor, Config.ini and the loaded button matrix.
DeviceContext LoadDeviceContext(quint8 firmwareFlag);

// Block framing: the closing packet every block ends with.
Report BuildBlockClose(quint8 command);

// Phase 0 before a profile write, 1 after it; another phase gives an empty list.
ReportList BuildWriteSession(int phase);

// Settings block byte 13: lift distance and the sensor option the descriptor's sync mode packs.
quint8 SettingsFlagsByte(const SettingsRecord& image, int syncMode);
// Settings block byte 26: the device slot of a lighting effect, plus one.
quint8 LedEffectSlotByte(int ledMode);
ReportList BuildSettingsBlock(const SettingsRecord& image, const DeviceContext& context);

// DPI levels of the active profile.
ReportList BuildDpiBlock(const SettingsRecord& image, const DeviceContext& context);

// Ten 8-byte effect records of a profile, in device slot order.
LedImage BuildLedImage(const ProfileRecord& profile);
// Lighting of the active profile.
ReportList BuildLedBlock(const SettingsRecord& image);

// The image comes from BuildButtonImage.
ReportList BuildButtonBlock(const ButtonImage& image);

Report BuildApplySection(quint8 mask);
ReportList BuildApplySections();
// Select profile 0..4 and apply it; an index outside 0..4 gives an empty list.
ReportList BuildSelectProfile(int index);
// The fixed battery query, checksum included.
Report BuildQueryBattery();
