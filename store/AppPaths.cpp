#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

QString AppDir()
{
    const QByteArray env = qgetenv("MOUSECFG_APP_DIR");
    if (!env.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(env));
    return QCoreApplication::applicationDirPath();
}

QString DescriptorPath() { return AppDir() + QStringLiteral("/DefaultProfile.bin"); }
QString ConfigsDir() { return AppDir() + QStringLiteral("/Configs"); }
QString ConfigIniPath() { return ConfigsDir() + QStringLiteral("/Config.ini"); }
QString LangConfigPath() { return ConfigsDir() + QStringLiteral("/LangConfig.ini"); }
QString ProfileDir() { return ConfigsDir() + QStringLiteral("/Profile/"); }
QString ProfileFilePath(const QString& name) { return ProfileDir() + name + QStringLiteral(".prof"); }
QString DefaultProfileFilePath() { return ProfileFilePath(QStringLiteral("DefaultProfile")); }

QString ProductConfigPath(const QString& product)
{
    return ConfigsDir() + QLatin1Char('/') + product + QStringLiteral("/Config.ini");
}

QString ProductProfileFilePath(const QString& product, const QString& name)
{
    return ConfigsDir() + QLatin1Char('/') + product + QStringLiteral("/Profile/") + name
        + QStringLiteral(".prof");
}

QString MacroFolder() { return ConfigsDir() + QStringLiteral("/MacroDB/"); }
QString MacroFilePath(const QString& name) { return MacroFolder() + name + QStringLiteral(".MSMACRO"); }

bool IsSafeFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}
