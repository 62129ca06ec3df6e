#include "ConfigSeed.h"

#include "AppPaths.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "SettingsRecord.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool Fail(QString* error, const QString& message)
{
    if (error != nullptr)
        *error = message;
    return false;
}

// Only differing keys are set, so an unchanged file keeps its time stamp and content.
void SetIfDifferent(QSettings& config, const QString& key, const QVariant& value)
{
    if (!config.contains(key) || config.value(key) != value)
        config.setValue(key, value);
}

} // namespace

bool SeedConfigs(const QString& shippedConfigIni, QString* error)
{
    if (!QDir().mkpath(ProfileDir()) || !QDir().mkpath(MacroFolder()))
        return Fail(error, QStringLiteral("cannot create %1").arg(ConfigsDir()));
    if (!QFileInfo(shippedConfigIni).isFile())
        return Fail(error, QStringLiteral("no shipped settings at %1").arg(shippedConfigIni));

    auto shipped = OpenIni(shippedConfigIni);
    auto config = OpenIni(ConfigIniPath());
    for (const QString& key : shipped->allKeys())
        SetIfDifferent(*config, key, shipped->value(key));

    if (config->value(QStringLiteral("Config/Profile1")).toString().isEmpty()) {
        // A first start begins from the descriptor's sensor options, as "reset all" does.
        SettingsRecord defaults;
        MakeDefaultSettings(defaults);
        config->setValue(QStringLiteral("Config/LiftHigh"), int(defaults.LiftHigh));
        config->setValue(QStringLiteral("Config/AngleValue"), int(defaults.AngleValue));
        config->setValue(QStringLiteral("Config/Debounce"), int(defaults.Debounce));
        config->setValue(QStringLiteral("Config/Jitter"), int(defaults.Jitter));
        config->setValue(QStringLiteral("Config/Wake"), int(defaults.Wake));
        config->setValue(QStringLiteral("Config/SensorMode"), int(defaults.SensorMode));
        config->setValue(QStringLiteral("Config/Sync"), int(defaults.Sync));
        for (int i = 0; i < kProfileCount; ++i) {
            const QString name = QStringLiteral("Profile %1").arg(i + 1);
            ProfileRecord profile;
            MakeDefaultProfile(profile);
            profile.ProfileName = name;
            profile.ProfilePath = ProfileFilePath(name);
            if (!QFileInfo::exists(ProfileFilePath(name)) && !SaveProfileFile(profile, ProfileFilePath(name)))
                return Fail(error, QStringLiteral("cannot write %1").arg(ProfileFilePath(name)));
            config->setValue(QStringLiteral("Config/Profile%1").arg(i + 1), name);
        }
    }
    config->sync();
    if (config->status() != QSettings::NoError)
        return Fail(error, QStringLiteral("cannot write %1").arg(ConfigIniPath()));
    return true;
}

bool PrepareConfigs(QString* error)
{
    if (ConfigsInAppDir())
        return true;
    return SeedConfigs(ShippedConfigPath(), error);
}
