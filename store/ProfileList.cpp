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
    const int count = qBound(0, ini->value(QStringLiteral("PROFILE_LIST/Count")).toInt(), kMaxLoadedProfiles);
    int last = qMin(count, kMaxStoredProfiles);
    if (count > last) {
        // A Count beyond the menu's capacity must not pad the list with names the file lacks.
        ini->beginGroup(QStringLiteral("PROFILE_LIST"));
        const QStringList keys = ini->childKeys();
        ini->endGroup();
        for (const QString& key : keys) {
            bool ok = false;
            const int index = key.toInt(&ok);
            if (ok && index > last && index <= count && key == QString::number(index))
                last = index;
        }
    }
    names.reserve(last);
    for (int i = 1; i <= last; ++i)
        names.append(ini->value(QStringLiteral("PROFILE_LIST/%1").arg(i)).toString());
    return names;
}

bool SaveProfileList(const QString& product, const QStringList& names)
{
    if (!IsSafeFileName(product) || names.size() > kMaxLoadedProfiles)
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
