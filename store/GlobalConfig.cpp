#include "GlobalConfig.h"

#include "AppPaths.h"
#include "IniFile.h"

#include <QDir>

namespace {

int ReadInt(const QString& path, const QString& key, int fallback)
{
    auto ini = OpenIni(path);
    const QVariant value = ini->value(key);
    if (!value.isValid())
        return fallback;
    return value.toInt();
}

void WriteValue(const QString& path, const QString& key, const QVariant& value)
{
    QDir().mkpath(ConfigsDir());
    auto ini = OpenIni(path);
    ini->setValue(key, value);
}

constexpr AccentRgb kAccentColors[7] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},  {219, 200, 182},
                                        {255, 0, 255}, {0, 255, 255}, {255, 125, 0}};

bool ValidLanguage(int index) { return index >= 0 && index < kMaxLanguages; }

} // namespace

int ReadConfigInt(const IntConfigKey& key)
{
    return ReadInt(ConfigIniPath(), QLatin1String(key.key), key.fallback);
}

void WriteConfigInt(const IntConfigKey& key, int value)
{
    WriteValue(ConfigIniPath(), QLatin1String(key.key), value);
}

QString ReadConfigString(const StringConfigKey& key)
{
    auto ini = OpenIni(ConfigIniPath());
    return ini->value(QLatin1String(key.key)).toString();
}

void WriteConfigString(const StringConfigKey& key, const QString& value)
{
    WriteValue(ConfigIniPath(), QLatin1String(key.key), value);
}

int ConfigProfileID()
{
    const int id = ReadConfigInt(ConfigKeys::ProfileID);
    return (id >= 0 && id < 5) ? id : 0;
}

void SetConfigProfileID(int id) { WriteConfigInt(ConfigKeys::ProfileID, id); }
int ConfigCount() { return ReadConfigInt(ConfigKeys::Count); }
void SetConfigCount(int count) { WriteConfigInt(ConfigKeys::Count, count); }

QString ConfigProfileName(int index)
{
    if (index < 0 || index >= 5)
        return QString();
    auto ini = OpenIni(ConfigIniPath());
    return ini->value(QStringLiteral("Config/Profile%1").arg(index + 1)).toString();
}

void SetConfigProfileName(int index, const QString& name)
{
    if (index < 0 || index >= 5)
        return;
    WriteValue(ConfigIniPath(), QStringLiteral("Config/Profile%1").arg(index + 1), name);
}

int ConfigStoreStamp() { return ReadConfigInt(ConfigKeys::ExternalEdit); }
void BumpConfigStoreStamp() { WriteConfigInt(ConfigKeys::ExternalEdit, ConfigStoreStamp() + 1); }
int ConfigDiff() { return ReadConfigInt(ConfigKeys::Diff); }
void SetConfigDiff(int diff) { WriteConfigInt(ConfigKeys::Diff, diff); }
QString ConfigCurrentProductName() { return ReadConfigString(ConfigKeys::CurrentProductName); }
void SetConfigCurrentProductName(const QString& name) { WriteConfigString(ConfigKeys::CurrentProductName, name); }
QString ConfigModel() { return ReadConfigString(ConfigKeys::Model); }
int ConfigBattery() { return ReadConfigInt(ConfigKeys::Battery); }
void SetConfigBattery(int percent) { WriteConfigInt(ConfigKeys::Battery, percent); }
int ConfigBatteryFull() { return ReadConfigInt(ConfigKeys::BatteryFull); }

int ConfigGColorID()
{
    const int id = ReadConfigInt(ConfigKeys::GColorID);
    return (id >= 0 && id < 7) ? id : 0;
}

AccentRgb AccentColor() { return kAccentColors[ConfigGColorID()]; }
int ConfigMouseSensor() { return ReadConfigInt(ConfigKeys::MouseSensor); }
QString ConfigMouseListName() { return ReadConfigString(ConfigKeys::MouseList0); }

int LanguageCount() { return qBound(0, ReadConfigInt(ConfigKeys::LanguageCount), kMaxLanguages); }

QString LanguageName(int index)
{
    if (!ValidLanguage(index))
        return QString();
    return OpenIni(ConfigIniPath())->value(QStringLiteral("FONT_LIST/LangName_%1").arg(index)).toString();
}

QString LanguageFile(int index)
{
    if (!ValidLanguage(index))
        return QString();
    return OpenIni(ConfigIniPath())->value(QStringLiteral("FONT_LIST/LangFile_%1").arg(index)).toString();
}

QString LanguageFont(int index)
{
    if (!ValidLanguage(index))
        return QString();
    return OpenIni(ConfigIniPath())->value(QStringLiteral("FONT_LIST/FONT_%1").arg(index)).toString();
}

int LanguageFontSize(int index)
{
    if (!ValidLanguage(index))
        return 0;
    return ReadInt(ConfigIniPath(), QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(index), 0);
}

int LangID() { return ReadInt(LangConfigPath(), QStringLiteral("Config/LangID"), 0); }
void SetLangID(int id) { WriteValue(LangConfigPath(), QStringLiteral("Config/LangID"), id); }
