#include "AppRuleCommands.h"

#include "AppProfileSwitcher.h"
#include "AppRules.h"

#include <QCoreApplication>

namespace {

enum Exit { Ok = 0, Failed = 1, Usage = 2 };

// A slot as typed, 1-5; -2 when it is not one.
int ParseSlot(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 5 ? n - 1 : -2;
}

int Report(const EditResult& result, const QString& done, QTextStream& out, QTextStream& err)
{
    if (!result.ok) {
        err << result.text() << "\n";
        return qstrcmp(result.error, "Cannot write the settings files.") == 0 ? Failed : Usage;
    }
    out << done << "\n";
    return Ok;
}

int List(QTextStream& out)
{
    const QVector<AppRule> rules = ReadAppRules();
    if (rules.isEmpty())
        out << "No program rules.\n";
    for (const AppRule& rule : rules)
        out << rule.match << " -> profile " << rule.slot + 1 << "\n";
    const int fallback = ReadAppRuleDefault();
    out << "Other programs: "
        << (fallback < 0 ? QStringLiteral("leave the profile as it is") : QStringLiteral("profile %1").arg(fallback + 1))
        << "\n";
    return Ok;
}

} // namespace

QString AppRuleCommandHelp()
{
    return QStringLiteral("Program rules (the profile a program's windows make active when they come to the front):\n"
                          "  app-rule list                                    the rules and the profile for other programs\n"
                          "  app-rule add CLASS SLOT                          windows of CLASS (WM_CLASS or executable) make SLOT (1-5) active\n"
                          "  app-rule remove CLASS                            forget the rule for CLASS\n"
                          "  app-rule default SLOT|none                       the profile for every other program, or none to leave it\n");
}

int AppRuleCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString verb = args.value(0);
    if (verb == QLatin1String("list") && args.size() == 1)
        return List(out);
    if (verb == QLatin1String("add") && args.size() == 3) {
        const int slot = ParseSlot(args[2]);
        if (slot < 0) {
            err << "app-rule add: give a profile number from 1 to 5, not \"" << args[2] << "\".\n";
            return Usage;
        }
        return Report(AppProfileSwitcher::AddRule(args[1], slot),
                      QStringLiteral("Windows of %1 make profile %2 active.").arg(args[1].trimmed()).arg(slot + 1), out, err);
    }
    if (verb == QLatin1String("remove") && args.size() == 2) {
        bool known = false;
        for (const AppRule& rule : ReadAppRules())
            known |= rule.match.compare(args[1].trimmed(), Qt::CaseInsensitive) == 0;
        if (!known) {
            err << "There is no rule for " << args[1] << ".\n";
            return Usage;
        }
        if (!AppProfileSwitcher::RemoveRule(args[1])) {
            err << QCoreApplication::translate("QObject", "Cannot write the settings files.") << "\n";
            return Failed;
        }
        out << "No rule for " << args[1].trimmed() << " any more.\n";
        return Ok;
    }
    if (verb == QLatin1String("default") && args.size() == 2) {
        const bool none = args[1] == QLatin1String("none");
        const int slot = none ? kLeaveSlotAsIs : ParseSlot(args[1]);
        if (slot < kLeaveSlotAsIs) {
            err << "app-rule default: give a profile number from 1 to 5 or none, not \"" << args[1] << "\".\n";
            return Usage;
        }
        return Report(AppProfileSwitcher::SetDefault(slot),
                      none ? QStringLiteral("Other programs leave the profile as it is.")
                           : QStringLiteral("Other programs make profile %1 active.").arg(slot + 1),
                      out, err);
    }
    err << "Usage: mousecfgctl app-rule list|add CLASS SLOT|remove CLASS|default SLOT|none\n";
    return Usage;
}
