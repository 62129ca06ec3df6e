// Lays out Configs/ of an application directory (MOUSECFG_APP_DIR) at build time:
// merges the shipped read-only keys of Config.ini and, on a first install only,
// writes the five default profiles and their names.
#include "AppPaths.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "SettingsRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mousecfg-seed SHIPPED_CONFIG_INI\n");
        return 2;
    }
    QDir().mkpath(ProfileDir());
    QDir().mkpath(MacroFolder());

    auto shipped = OpenIni(QString::fromLocal8Bit(argv[1]));
    auto config = OpenIni(ConfigIniPath());
    for (const QString& key : shipped->allKeys())
        config->setValue(key, shipped->value(key));

    if (config->value(QStringLiteral("Config/Profile1")).toString().isEmpty()) {
        // A first install starts from the descriptor's sensor options, as "reset all" does.
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
            if (!QFileInfo::exists(ProfileFilePath(name)) && !SaveProfileFile(profile, ProfileFilePath(name))) {
                std::fprintf(stderr, "mousecfg-seed: cannot write %s\n", qPrintable(ProfileFilePath(name)));
                return 1;
            }
            config->setValue(QStringLiteral("Config/Profile%1").arg(i + 1), name);
        }
    }
    config->sync();
    if (config->status() != QSettings::NoError) {
        std::fprintf(stderr, "mousecfg-seed: cannot write %s\n", qPrintable(ConfigIniPath()));
        return 1;
    }
    return 0;
}
