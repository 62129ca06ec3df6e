#include "AppRules.h"

#include "AppPaths.h"
#include "GlobalConfig.h"
#include "IniFile.h"

#include <QDir>

namespace {
const QString kGroup = QStringLiteral("AppRules");
bool ValidSlot(int slot) { return slot >= 0 && slot < 5; }
} // namespace

QVector<AppRule> ReadAppRules()
{
    auto ini = OpenIni(ConfigIniPath());
    const int count = qBound(0, ini->value(QLatin1String(ConfigKeys::AppRuleCount.key)).toInt(), kAppRuleLimit);
    QVector<AppRule> rules;
    for (int i = 1; i <= count; ++i) {
        const QString match = ini->value(QStringLiteral("AppRules/Class%1").arg(i)).toString().trimmed();
        bool ok = false;
        const int slot = ini->value(QStringLiteral("AppRules/Slot%1").arg(i)).toInt(&ok);
        if (!match.isEmpty() && ok && ValidSlot(slot))
            rules.append({match, slot});
    }
    return rules;
}

int ReadAppRuleDefault()
{
    const int slot = ReadConfigInt(ConfigKeys::AppRuleDefault);
    return ValidSlot(slot) ? slot : kLeaveSlotAsIs;
}

bool WriteAppRules(const QVector<AppRule>& rules, int defaultSlot)
{
    QDir().mkpath(ConfigsDir());
    auto ini = OpenIni(ConfigIniPath());
    ini->remove(kGroup);
    const int count = qMin(int(rules.size()), kAppRuleLimit);
    ini->setValue(QLatin1String(ConfigKeys::AppRuleCount.key), count);
    for (int i = 0; i < count; ++i) {
        ini->setValue(QStringLiteral("AppRules/Class%1").arg(i + 1), rules[i].match);
        ini->setValue(QStringLiteral("AppRules/Slot%1").arg(i + 1), rules[i].slot);
    }
    ini->setValue(QLatin1String(ConfigKeys::AppRuleDefault.key), ValidSlot(defaultSlot) ? defaultSlot : kLeaveSlotAsIs);
    ini->sync();
    return ini->status() == QSettings::NoError;
}
