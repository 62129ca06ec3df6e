#include "AppProfileSwitcher.h"

#include "SettingsRecord.h"

#include <QCoreApplication>
#include <utility>

namespace {
bool Same(const QString& a, const QString& b) { return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0; }

int RuleIndex(const QVector<AppRule>& rules, const QString& match)
{
    for (int i = 0; i < rules.size(); ++i)
        if (Same(rules[i].match, match.trimmed()))
            return i;
    return -1;
}
} // namespace

AppProfileSwitcher::AppProfileSwitcher(SlotWriter writer) : m_writer(std::move(writer))
{
    if (!m_writer)
        m_writer = [](int slot) {
            MouseSession& s = MouseSession::instance();
            return s.selectSlot(slot) && s.apply() == 0;
        };
}

int AppProfileSwitcher::MatchSlot(const QVector<AppRule>& rules, int defaultSlot, const FrontWindow& window)
{
    if (window.id == 0)
        return kLeaveSlotAsIs;
    for (const AppRule& rule : rules)
        if (Same(rule.match, window.instanceName) || Same(rule.match, window.className)
            || Same(rule.match, window.executable))
            return rule.slot >= 0 && rule.slot < kProfileCount ? rule.slot : kLeaveSlotAsIs;
    return defaultSlot >= 0 && defaultSlot < kProfileCount ? defaultSlot : kLeaveSlotAsIs;
}

EditResult AppProfileSwitcher::AddRule(const QString& match, int slot)
{
    const QString name = match.trimmed();
    if (name.isEmpty())
        return EditResult::Refused(QT_TRANSLATE_NOOP("QObject", "Give the program's class or executable name."));
    if (slot < 0 || slot >= kProfileCount)
        return EditResult::Refused(QT_TRANSLATE_NOOP("QObject", "Give a profile number from 1 to 5."));
    QVector<AppRule> rules = ReadAppRules();
    const int index = RuleIndex(rules, name);
    if (index >= 0)
        rules[index] = {name, slot};
    else if (rules.size() >= kAppRuleLimit)
        return EditResult::Refused(QT_TRANSLATE_NOOP("QObject", "No more than %1 program rules."),
                                   {QString::number(kAppRuleLimit)});
    else
        rules.append({name, slot});
    if (!WriteAppRules(rules, ReadAppRuleDefault()))
        return EditResult::Refused(QT_TRANSLATE_NOOP("QObject", "Cannot write the settings files."));
    return {};
}

bool AppProfileSwitcher::RemoveRule(const QString& match)
{
    QVector<AppRule> rules = ReadAppRules();
    const int index = RuleIndex(rules, match);
    if (index < 0)
        return false;
    rules.remove(index);
    return WriteAppRules(rules, ReadAppRuleDefault());
}

EditResult AppProfileSwitcher::SetDefault(int slot)
{
    if (slot < kLeaveSlotAsIs || slot >= kProfileCount)
        return EditResult::Refused(QT_TRANSLATE_NOOP("QObject", "Give a profile number from 1 to 5."));
    if (!WriteAppRules(ReadAppRules(), slot))
        return EditResult::Refused(QT_TRANSLATE_NOOP("QObject", "Cannot write the settings files."));
    return {};
}

int AppProfileSwitcher::frontWindowChanged(const FrontWindow& window)
{
    // The desktop may announce the same window again (a property rewritten): no change.
    if (m_seen && window.id == m_lastWindow)
        return kLeaveSlotAsIs;
    m_seen = true;
    m_lastWindow = window.id;
    m_waiting = false;
    // Our own windows (the busy dialog of a write among them) switch nothing.
    if (window.pid != 0 && window.pid == QCoreApplication::applicationPid())
        return kLeaveSlotAsIs;
    const int slot = MatchSlot(ReadAppRules(), ReadAppRuleDefault(), window);
    if (slot < 0 || slot == MouseSession::instance().activeSlot())
        return kLeaveSlotAsIs;
    if (m_writer(slot))
        return slot;
    m_waiting = true;
    m_seen = false;
    return kLeaveSlotAsIs;
}
