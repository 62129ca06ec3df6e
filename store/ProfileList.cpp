#include "ProfileList.h"

#include "AppPaths.h"
#include "IniFile.h"

#include <QDir>
#include <QFileInfo>

QStringList LoadProfileList(const QString& product)
{
    QStringList names;
    if (!IsSafeFileName(product))
        return names;
    auto ini = OpenIni(ProductConfigPath(product));
    const int count = qMin(ini->value(QStringLiteral("PROFILE_LIST/Count")).toInt(), kMaxStoredProfiles);
    for (int i = 1; i <= count; ++i)
        names.append(ini->value(QStringLiteral("PROFILE_LIST/%1").arg(i)).toString());
    return names;
}

bool SaveProfileList(const QString& product, const QStringList& names)
{
    if (!IsSafeFileName(product) || names.size() > kMaxStoredProfiles)
        return false;
    const QString path = ProductConfigPath(product);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    auto ini = OpenIni(path);
    ini->setValue(QStringLiteral("PROFILE_LIST/Count"), names.size());
    for (int i = 0; i < names.size(); ++i)
        ini->setValue(QStringLiteral("PROFILE_LIST/%1").arg(i + 1), names.at(i));
    ini->sync();
    return ini->status() == QSettings::NoError;
}
