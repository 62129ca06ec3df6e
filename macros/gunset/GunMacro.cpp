#include "GunMacro.h"

#include "AppPaths.h"
#include "MacroFile.h"
#include "MacroNameList.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Files left in the macro folder can hold names the list does not; stop looking somewhere.
constexpr int kMaxNameSuffix = 10000;

bool NameTaken(const QStringList& listed, const QString& name)
{
    return listed.contains(name) || QFileInfo::exists(MacroFilePath(name));
}

void AppendPull(QVector<MacroEvent>& events, int pull, MoveDirection positive, MoveDirection negative)
{
    const int p = std::clamp(pull, -kMaxGunPull, kMaxGunPull);
    if (p > 0)
        events.append(MacroEvent::moveEvent(positive, p));
    else if (p < 0)
        events.append(MacroEvent::moveEvent(negative, -p));
}

} // namespace

QVector<MacroEvent> GunMacroEvents(const QVector<GunShot>& shots)
{
    QVector<MacroEvent> events;
    const int count = std::min<int>(shots.size(), kMaxGunShots);
    for (int k = 0; k < count; ++k) {
        const GunShot& shot = shots.at(k);
        events.append(MacroEvent::buttonEvent(LeftClickCode, false));
        events.append(MacroEvent::buttonEvent(LeftClickCode, true));
        AppendPull(events, shot.vertical, MoveDirection::Down, MoveDirection::Up);
        AppendPull(events, shot.horizontal, MoveDirection::Right, MoveDirection::Left);
        const int delay = std::clamp(shot.delayMs, 0, kMaxGunDelayMs);
        if (delay != 0)
            events.append(DelayEventFromMs(delay, kGunDelayUnitMs));
    }
    // Without this the mouse would keep the left button held after the burst.
    if (count > 0)
        events.append(MacroEvent::buttonEvent(LeftClickCode, false));
    return events;
}

bool WriteGunMacroFile(const QString& name, const QVector<MacroEvent>& events)
{
    MacroData data;
    data.settings = MacroSettings{10, 1, 0, 1};
    data.events = events;
    return SaveMacroFile(name, data);
}

QString FreeMacroName(const QString& base)
{
    if (!IsSafeFileName(base))
        return QString();
    const QStringList listed = MacroNames();
    if (!NameTaken(listed, base))
        return base;
    for (int n = 2; n <= kMaxNameSuffix; ++n) {
        const QString candidate = base + QStringLiteral("_%1").arg(n);
        if (!NameTaken(listed, candidate))
            return candidate;
    }
    return QString();
}

GunMacroResult CreateGunMacro(const QString& gunFileName, const QVector<MacroEvent>& events, QString* finalName)
{
    const QString base = gunFileName.trimmed();
    if (base.isEmpty())
        return GunMacroResult::EmptyName;
    if (base.size() > kMaxGunNameLength)
        return GunMacroResult::NameTooLong;
    if (!IsSafeFileName(base))
        return GunMacroResult::UnsafeName;
    if (CountMacroNames() >= kMaxMacros)
        return GunMacroResult::TooManyMacros;
    const QString name = FreeMacroName(base);
    if (name.isEmpty())
        return GunMacroResult::WriteFailed;
    if (!WriteGunMacroFile(name, events)) {
        QFile::remove(MacroFilePath(name));
        return GunMacroResult::WriteFailed;
    }
    if (AddMacroName(name) < 0) {
        // The file is new, so removing it restores the folder as it was.
        QFile::remove(MacroFilePath(name));
        return CountMacroNames() >= kMaxMacros ? GunMacroResult::TooManyMacros : GunMacroResult::WriteFailed;
    }
    if (finalName)
        *finalName = name;
    return GunMacroResult::Created;
}
