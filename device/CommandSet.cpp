#include "CommandSet.h"

#include "Descriptor.h"
#include "DpiEncoding.h"
#include "GlobalConfig.h"
#include "SettingsRecord.h"

#include <algorithm>

namespace {

constexpr quint8 kBlockCloseOffset = 0x7F;
constexpr quint8 kBlockCloseData = 0x1A;
constexpr quint8 kApplySectionParam = 0xF3;
constexpr int kLedRecordSize = 8;
constexpr int kDpiLevelBytes = 5;

// Device slot of each lighting effect 0..13; effects 5..8 share the record of effect 9.
constexpr std::array<quint8, kLedEffectCount> kLedEffectSlot = {0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 7, 6, 8, 9};
constexpr quint8 kUnknownLedEffectByte = 6;

quint8 ClampByte(int value) { return quint8(qBound(0, value, 255)); }

// One packet carrying image bytes [from, from + length) at the same block offset.
template <std::size_t N>
Report ImagePacket(quint8 command, const std::array<quint8, N>& image, int from, int length, quint8 tag)
{
    Report r = MakeReport(command, quint8(from), 0, quint8(length), tag);
    if (from < 0 || length < 0 || length > kReportMaxData || from + length > int(N))
        return r;
    std::copy(image.begin() + from, image.begin() + from + length, r.begin() + kReportDataOffset);
    return r;
}

std::array<quint8, kLedRecordSize> LedRecord(int effect, const LedModeRecord& led)
{
    const quint8 r = ClampByte(led.RGB.red());
    const quint8 g = ClampByte(led.RGB.green());
    const quint8 b = ClampByte(led.RGB.blue());
    const quint8 bright = ClampByte(led.bright);
    const quint8 speed = ClampByte(led.breath);
    switch (effect) {
    case 1:
        return {0x80, r, g, b, 0x01, 0x00, 0x02, bright};
    case 2:
        return {0x80, r, g, b, 0x01, speed, 0x04, 0x03};
    case 3:
        return {0x80, 0, 0, 0, 0x01, speed, 0x01, 0x03};
    case 4:
        return {0x80, 0, 0, 0, 0x01, speed, 0x08, bright};
    case 9:
        return {0x80, 0, 0, 0, 0x05, speed, 0x01, bright};
    case 10:
        return {0x80, 0, 0, 0, 0x06, speed, 0x00, bright};
    case 11:
        return {0x80, 0, 0, 0, 0x07, 0x00, 0x00, bright};
    case 12:
        return {0x80, 0, 0, 0, 0x08, speed, 0x00, bright};
    case 13:
        return {0x80, 0, 0, 0, 0x09, speed, 0x00, bright};
    default:
        return {0x80, 0, 0, 0, 0, 0, 0, 0};
    }
}

} // namespace

DeviceContext LoadDeviceContext(quint8 firmwareFlag)
{
    DeviceContext context;
    context.sensor = ConfigMouseSensor();
    context.syncMode = DescriptorSyncMode();
    context.dpiLevelCount = EffectiveDpiLevelCount();
    context.buttonCount = qBound(0, DescriptorButtonCount(), kButtonMatrixSize);
    context.buttonMatrix = ButtonMatrix();
    context.scrollRev = DescriptorScrollRev();
    context.firmwareFlag = firmwareFlag;
    return context;
}

Report BuildBlockClose(quint8 command)
{
    Report r = MakeReport(command, kBlockCloseOffset, 0, 1, kTagClose);
    r[kReportDataOffset] = kBlockCloseData;
    return r;
}

ReportList BuildWriteSession(int phase)
{
    if (phase != 0 && phase != 1)
        return {};
    return {MakeReport(Command::WriteSession, quint8(phase))};
}

quint8 SettingsFlagsByte(const SettingsRecord& image, int syncMode)
{
    const quint8 lift = image.LiftHigh;
    if (syncMode == 0)
        return lift;
    if (syncMode == 1)
        return image.Sync != 0 ? 1 : 0;
    // Only one option bit is ever sent, the first that applies.
    if (image.Jitter == 0)
        return lift | 0x20;
    if (image.AngleValue == 0)
        return lift | 0x40;
    if (image.Sync != 0)
        return lift | 0x80;
    return lift;
}

quint8 LedEffectSlotByte(int ledMode)
{
    if (ledMode < 0 || ledMode >= int(kLedEffectSlot.size()))
        return kUnknownLedEffectByte;
    return kLedEffectSlot[ledMode] + 1;
}

ReportList BuildSettingsBlock(const SettingsRecord& image, const DeviceContext& context)
{
    // The same profile index that active() resolves, so bytes 14 and 25 agree.
    const int activeIndex = image.ProfileID < kProfileCount ? image.ProfileID : 0;
    const ProfileRecord& active = image.profiles[activeIndex];

    std::array<quint8, kSettingsBlockSize> data{};
    for (int p = 0; p < kProfileCount; ++p) {
        data[p] = image.profiles[p].scrollspeed;
        data[11 + p] = image.profiles[p].pollrate;
    }
    data[5] = SettingsFlagsByte(image, context.syncMode);
    data[6] = quint8(activeIndex);
    data[7] = active.LedMoveOFF;
    data[8] = active.LedSleepTime;
    data[9] = image.Debounce;
    data[10] = 0x01;
    data[16] = 0x1F;
    data[17] = active.dpi;
    data[18] = LedEffectSlotByte(active.LedMode);

    return {ImagePacket(Command::SettingsBlock, data, 0, kSettingsBlockSize, kTagFirst),
            BuildBlockClose(Command::SettingsBlock)};
}

ReportList BuildDpiBlock(const SettingsRecord& image, const DeviceContext& context)
{
    const int count = (context.dpiLevelCount >= 1 && context.dpiLevelCount <= kDpiLevelCount)
        ? context.dpiLevelCount
        : kDpiLevelCount;
    ReportList reports;
    Report header = MakeReport(Command::DpiBlock, 0, 0, 1, kTagFirst);
    header[kReportDataOffset] = quint8(count);
    reports.append(header);

    // The mouse holds one set of levels: the active profile's.
    const ProfileRecord& profile = image.active();
    for (int i = 0; i < kDpiLevelCount; ++i) {
        const DpiLevel& level = profile.DPI_INFO[i];
        Report r = MakeReport(Command::DpiBlock, quint8(1 + kDpiLevelBytes * i), 0, kDpiLevelBytes, kTagNext);
        // Levels the product does not have are sent switched off, with their steps.
        r[kReportDataOffset] = i < count ? level.used : 0;
        const std::array<quint8, 4> steps = EncodeDpiLevel(context.sensor, level.x, level.y, context.firmwareFlag);
        std::copy(steps.begin(), steps.end(), r.begin() + kReportDataOffset + 1);
        reports.append(r);
    }
    reports.append(BuildBlockClose(Command::DpiBlock));
    return reports;
}

LedImage BuildLedImage(const ProfileRecord& profile)
{
    LedImage image{};
    for (int k = 0; k < int(kLedSlotEffects.size()); ++k) {
        const int effect = kLedSlotEffects[k];
        const auto record = LedRecord(effect, profile.LedModes[effect]);
        std::copy(record.begin(), record.end(), image.begin() + k * kLedRecordSize);
    }
    return image;
}

ReportList BuildLedBlock(const SettingsRecord& image)
{
    const LedImage led = BuildLedImage(image.active());
    return {ImagePacket(Command::LedBlock, led, 0, 24, kTagFirst),
            ImagePacket(Command::LedBlock, led, 24, 24, kTagNext),
            ImagePacket(Command::LedBlock, led, 48, 24, kTagNext),
            ImagePacket(Command::LedBlock, led, 72, 8, kTagNext),
            BuildBlockClose(Command::LedBlock)};
}

ReportList BuildButtonBlock(const ButtonImage& image)
{
    ReportList reports;
    reports.append(ImagePacket(Command::ButtonBlock, image, 0, 2, kTagFirst));
    for (int offset = 2; offset < 98; offset += 24)
        reports.append(ImagePacket(Command::ButtonBlock, image, offset, 24, kTagNext));
    Report tail = MakeReport(Command::ButtonBlock, 98, 0, 4, kTagNext);
    std::fill(tail.begin() + kReportDataOffset, tail.begin() + kReportDataOffset + 4, quint8(0xFF));
    reports.append(tail);
    reports.append(BuildBlockClose(Command::ButtonBlock));
    return reports;
}

Report BuildApplySection(quint8 mask) { return MakeReport(Command::ApplySection, kApplySectionParam, mask); }

ReportList BuildApplySections()
{
    ReportList reports;
    for (quint8 mask : kApplySectionOrder)
        reports.append(BuildApplySection(mask));
    return reports;
}

ReportList BuildSelectProfile(int index)
{
    if (index < 0 || index >= kProfileCount)
        return {};
    return {MakeReport(Command::SelectProfile, quint8(index)), BuildApplySection(kApplyProfileSection)};
}

Report BuildQueryBattery()
{
    Report r = MakeReport(Command::QueryBattery);
    r[1] = ReportChecksum(r);
    return r;
}
