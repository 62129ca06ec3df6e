#include "Descriptor.h"

#include "AppPaths.h"
#include "IniFile.h"

#include <QFileInfo>

namespace {

// Integers read as 0..n; a missing key or text that is not a number gives the default.
int ReadInt(QSettings& ini, const QString& key, int fallback)
{
    const QVariant value = ini.value(key);
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int result = value.toInt(&ok);
    return ok ? result : fallback;
}

int DescriptorInt(const char* key, int fallback)
{
    auto ini = OpenIni(DescriptorPath());
    return ReadInt(*ini, QLatin1String(key), fallback);
}

QString DescriptorString(const char* key)
{
    auto ini = OpenIni(DescriptorPath());
    return ini->value(QLatin1String(key)).toString();
}

quint8 Byte(int value) { return quint8(value & 0xFF); }

StoredColor ColorFromVariant(const QVariant& value)
{
    if (value.userType() == qMetaTypeId<StoredColor>())
        return value.value<StoredColor>();
    if (value.type() == QVariant::String)
        return StoredColor::fromString(value.toString());
    return StoredColor();
}

bool DescriptorExists() { return QFileInfo::exists(DescriptorPath()); }

} // namespace

QString DescriptorProductName() { return DescriptorString("PROFILE/ProductName"); }
QString DescriptorVersion() { return DescriptorString("PROFILE/Version"); }
int DescriptorRawButtonCount() { return DescriptorInt("PROFILE/ButtonCount", 0); }
int DescriptorMouseDpi() { return DescriptorInt("PROFILE/MouseDpi", 0); }
int DescriptorDpiCountKey() { return DescriptorInt("PROFILE/DPICount", 0); }
int DescriptorDisableMacro() { return DescriptorInt("PROFILE/DisableMacro", 0); }
int DescriptorShowSleep() { return DescriptorInt("PROFILE/ShowSleep", 1); }
int DescriptorSleepMin() { return DescriptorInt("PROFILE/SleepMin", 1); }
int DescriptorSleepMax() { return DescriptorInt("PROFILE/SleepMax", 9); }
int DescriptorScrollRev() { return DescriptorInt("PROFILE/ScrollRev", 0); }
int DescriptorMinDelay() { return qMax(1, DescriptorInt("PROFILE/MinDelay", 10)); }
int Descriptor33254() { return DescriptorInt("PROFILE/33254", 0); }
int DescriptorColorMode() { return DescriptorInt("PROFILE/ColorMode", 0); }
int DescriptorLedDisable() { return DescriptorInt("PROFILE/ledDisable", 0); }
int DescriptorSyncMode() { return DescriptorInt("PROFILE/SyncMode", 0); }
int DescriptorVid1() { return DescriptorInt("PROFILE/vid1", 0x248A); }
int DescriptorPid1() { return DescriptorInt("PROFILE/pid1", 0xFA02); }
int DescriptorVid2() { return DescriptorInt("PROFILE/vid2", 0x248A); }
int DescriptorPid2() { return DescriptorInt("PROFILE/pid2", 0xFB01); }
int DescriptorFrench() { return DescriptorInt("PROFILE/french", -1); }

int DescriptorButtonCount()
{
    auto ini = OpenIni(DescriptorPath());
    const int count = ReadInt(*ini, QStringLiteral("PROFILE/ButtonCount"), 0)
        ^ ReadInt(*ini, QStringLiteral("PROFILE/MouseDpi"), 0);
    // The button tables describe 16 positions; more has no slot to go to.
    return qBound(0, count, kDescriptorButtons);
}

int DpiLevelCount()
{
    auto ini = OpenIni(DescriptorPath());
    return ReadInt(*ini, QStringLiteral("PROFILE/DPICount"), 0)
        ^ ReadInt(*ini, QStringLiteral("PROFILE/ButtonCount"), 0)
        ^ ReadInt(*ini, QStringLiteral("PROFILE/MouseDpi"), 0);
}

int EffectiveDpiLevelCount()
{
    const int count = DpiLevelCount();
    return (count >= 1 && count <= kMaxDpiLevels) ? count : kMaxDpiLevels;
}

int ReadSensorDefaults(std::array<quint8, 7>& out)
{
    if (!DescriptorExists())
        return -1;
    static const char* const keys[7] = {"PROFILE/lift", "PROFILE/angle", "PROFILE/butondelay",
                                        "PROFILE/jitter", "PROFILE/wake", "PROFILE/sensormode",
                                        "PROFILE/sync"};
    auto ini = OpenIni(DescriptorPath());
    for (int i = 0; i < 7; ++i)
        out[i] = Byte(ReadInt(*ini, QLatin1String(keys[i]), 0));
    return 0;
}

int ReadButtonMatrix(std::array<quint8, kDescriptorButtons>& out)
{
    if (!DescriptorExists())
        return -1;
    auto ini = OpenIni(DescriptorPath());
    for (int i = 0; i < kDescriptorButtons; ++i) {
        const int slot = ReadInt(*ini, QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix").arg(i), 0);
        // 24 four-byte slots follow the block header; anything else would land outside the image.
        out[i] = (slot >= 0 && slot < 24) ? quint8(slot) : kNoButtonSlot;
    }
    return 0;
}

int ReadButtonMatrix2(std::array<quint8, kDescriptorButtons>& out)
{
    if (!DescriptorExists())
        return -1;
    auto ini = OpenIni(DescriptorPath());
    for (int i = 0; i < kDescriptorButtons; ++i)
        out[i] = Byte(ReadInt(*ini, QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix2").arg(i), 0));
    const int count = ReadInt(*ini, QStringLiteral("PROFILE/ButtonCount"), 0)
        ^ ReadInt(*ini, QStringLiteral("PROFILE/MouseDpi"), 0);
    return qBound(0, count, kDescriptorButtons);
}

int ReadDescriptorDefaults(DescriptorDefaults& out)
{
    if (!DescriptorExists())
        return -1;
    DescriptorDefaults d;
    auto ini = OpenIni(DescriptorPath());
    QSettings& s = *ini;
    d.dpi = Byte(ReadInt(s, QStringLiteral("PROFILE/dpi"), 0));
    for (int i = 0; i < 8; ++i)
        d.xy[i] = quint32(ReadInt(s, QStringLiteral("PROFILE/DPI_INFO_%1_xy").arg(i), 0));
    d.pollrate = quint32(ReadInt(s, QStringLiteral("PROFILE/pollrate"), 0));
    d.LedMode = Byte(ReadInt(s, QStringLiteral("PROFILE/LedMode"), 0));
    for (int e = 0; e < 14; ++e) {
        const QString prefix = QStringLiteral("PROFILE/LedMode/LED_MODE_%1").arg(e);
        d.leds[e].RGB = ColorFromVariant(s.value(prefix + QStringLiteral("_RGB")));
        d.leds[e].bright = ReadInt(s, prefix + QStringLiteral("_bright"), 0);
        d.leds[e].breath = ReadInt(s, prefix + QStringLiteral("_breath"), 0);
    }
    // Only the 16 positions of the button tables come from the file; 16..19 stay 0.
    for (int b = 0; b < kDescriptorButtons; ++b) {
        const QString prefix = QStringLiteral("PROFILE/BUTTON_INFO_%1").arg(b);
        DescriptorButton& button = d.buttons[b];
        button.ID = ReadInt(s, prefix + QStringLiteral("_ID"), 0);
        button.Fun = ReadInt(s, prefix + QStringLiteral("_Fun"), 0);
        button.LoopNumber = ReadInt(s, prefix + QStringLiteral("_LoopNumber"), 0);
        button.KeyNumber = ReadInt(s, prefix + QStringLiteral("_KeyNumber"), 0);
        button.Res1 = Byte(ReadInt(s, prefix + QStringLiteral("_Res1"), 0));
        button.Res2 = Byte(ReadInt(s, prefix + QStringLiteral("_Res2"), 0));
        button.Res3 = Byte(ReadInt(s, prefix + QStringLiteral("_Res3"), 0));
        button.Res4 = Byte(ReadInt(s, prefix + QStringLiteral("_Res4"), 0));
    }
    out = d;
    return 0;
}

std::array<quint8, kDescriptorButtons>& ButtonMatrix()
{
    static std::array<quint8, kDescriptorButtons> matrix{};
    return matrix;
}
