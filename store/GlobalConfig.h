#pragma once

#include <QString>

// The keys of Configs/Config.ini and Configs/LangConfig.ini outside the settings
// record, each with its default, in one table. Every access opens the file anew.

struct IntConfigKey
{
    const char* key;
    int fallback;
};

struct StringConfigKey
{
    const char* key;
};

namespace ConfigKeys {
constexpr IntConfigKey ProfileID{"Config/ProfileID", 0};
constexpr IntConfigKey Count{"Config/Count", 0};
constexpr IntConfigKey Diff{"Config/Diff", 0};
constexpr IntConfigKey Battery{"Config/Battery", 0};
constexpr IntConfigKey BatteryFull{"Config/BatteryFull", 4200};
constexpr IntConfigKey GColorID{"Config/GColorID", 0};
constexpr IntConfigKey MouseSensor{"MouseSenSor/1", 0};
constexpr IntConfigKey LanguageCount{"FONT_LIST/LANGNUM", 0};
constexpr IntConfigKey ExternalEdit{"Config/ExternalEdit", 0};
constexpr IntConfigKey AppRuleCount{"AppRules/Count", 0};
constexpr IntConfigKey AppRuleDefault{"AppRules/Default", -1};
constexpr StringConfigKey CurrentProductName{"Config/CurrentProductName"};
constexpr StringConfigKey Model{"Config/Model"};
constexpr StringConfigKey MouseList0{"Mouse_List/0"};
} // namespace ConfigKeys

int ReadConfigInt(const IntConfigKey& key);
void WriteConfigInt(const IntConfigKey& key, int value);
QString ReadConfigString(const StringConfigKey& key);
void WriteConfigString(const StringConfigKey& key, const QString& value);

int ConfigProfileID();                       // 0..4
void SetConfigProfileID(int id);
int ConfigCount();
void SetConfigCount(int count);
QString ConfigProfileName(int index);        // Config/Profile1..5 for index 0..4
void SetConfigProfileName(int index, const QString& name);
// Raised by every program other than the window that changes the stored settings, so the
// window knows its copy is stale before it writes.
int ConfigStoreStamp();
void BumpConfigStoreStamp();
int ConfigDiff();
void SetConfigDiff(int diff);
QString ConfigCurrentProductName();
void SetConfigCurrentProductName(const QString& name);
QString ConfigModel();
int ConfigBattery();
void SetConfigBattery(int percent);
int ConfigBatteryFull();
int ConfigGColorID();                        // outside 0..6 reads as 0
struct AccentRgb { int r, g, b; };
AccentRgb AccentColor();                     // the colour GColorID selects
int ConfigMouseSensor();
QString ConfigMouseListName();

constexpr int kMaxLanguages = 10;
int LanguageCount();                         // FONT_LIST/LANGNUM limited to 0..10
QString LanguageName(int index);
QString LanguageFile(int index);
QString LanguageFont(int index);
int LanguageFontSize(int index);

int LangID();                                // LangConfig.ini Config/LangID
void SetLangID(int id);
