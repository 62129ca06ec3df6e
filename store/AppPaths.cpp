#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef MOUSECFG_DATA_FROM_BINDIR
#define MOUSECFG_DATA_FROM_BINDIR "../share/mousecfg"
#endif

namespace {

struct Layout
{
    QString appDir;
    bool configsInAppDir = true;
};

Layout ResolveLayout()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(exeDir + QStringLiteral("/DefaultProfile.bin"))) {
        const QFileInfo configs(exeDir + QStringLiteral("/Configs"));
        const bool writable = configs.exists() ? configs.isDir() && configs.isWritable() : QFileInfo(exeDir).isWritable();
        return {exeDir, writable};
    }
    const QString installed = QDir::cleanPath(exeDir + QLatin1Char('/') + QStringLiteral(MOUSECFG_DATA_FROM_BINDIR));
    if (QFileInfo::exists(installed + QStringLiteral("/DefaultProfile.bin")))
        return {installed, false};
    return {exeDir, true};
}

// The executable does not move while it runs; asked before the application object
// exists, the answer is not kept.
Layout ExecutableLayout()
{
    if (QCoreApplication::instance() == nullptr)
        return ResolveLayout();
    static const Layout layout = ResolveLayout();
    return layout;
}

} // namespace

QString AppDir()
{
    const QByteArray env = qgetenv("MOUSECFG_APP_DIR");
    if (!env.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(env));
    return ExecutableLayout().appDir;
}

bool ConfigsInAppDir()
{
    return !qgetenv("MOUSECFG_APP_DIR").isEmpty() || ExecutableLayout().configsInAppDir;
}

QString UserConfigsDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mousecfg");
}

QString DescriptorPath() { return AppDir() + QStringLiteral("/DefaultProfile.bin"); }
QString ShippedConfigPath() { return AppDir() + QStringLiteral("/DefaultConfig.ini"); }
QString ConfigsDir() { return ConfigsInAppDir() ? AppDir() + QStringLiteral("/Configs") : UserConfigsDir(); }
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
