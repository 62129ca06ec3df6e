#include "MacroFile.h"

#include "AppPaths.h"
#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>

namespace {

const QString kMacroFilePathKey = QStringLiteral("Setting/MacroFilePath");
const QString kDefaultDelayKey = QStringLiteral("Setting/DefaultDelay");
const QString kDelayTypeKey = QStringLiteral("Setting/DelayType");
const QString kLoopTypeKey = QStringLiteral("Setting/LoopType");
const QString kLoopTimeKey = QStringLiteral("Setting/LoopTime");
const QString kCountKey = QStringLiteral("Setting/Count");
const QString kWriteSignKey = QStringLiteral("Setting/WriteSign");

QString MapKey(int index) { return QStringLiteral("Setting/Map_%1").arg(index); }
QString DataHKey(int index) { return QStringLiteral("Setting/DataH_%1").arg(index); }
QString DataLKey(int index) { return QStringLiteral("Setting/DataL_%1").arg(index); }

int ReadInt(const QSettings& ini, const QString& key) { return ini.value(key).toInt(); }

// Count is taken from the file, so it is bounded before it drives any loop.
int ReadEventCount(const QSettings& ini, int limit)
{
    return std::clamp(ReadInt(ini, kCountKey), 0, std::clamp(limit, 0, kMaxMacroFileEvents));
}

bool IsByte(int value) { return value >= 0 && value <= 0xFF; }

bool IsExistingFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace

bool MacroFileExists(const QString& name)
{
    return IsSafeFileName(name) && IsExistingFile(MacroFilePath(name));
}

bool SaveMacroFile(const QString& name, const MacroData& data)
{
    if (!IsSafeFileName(name) || data.events.size() > kMaxMacroFileEvents)
        return false;
    const QString path = MacroFilePath(name);
    std::unique_ptr<QSettings> ini = OpenIni(path);
    ini->setValue(kMacroFilePathKey, QFileInfo(path).absoluteFilePath());
    ini->setValue(kDefaultDelayKey, data.settings.DefaultDelay);
    ini->setValue(kDelayTypeKey, int(data.settings.DelayType));
    ini->setValue(kLoopTypeKey, data.settings.LoopType);
    ini->setValue(kLoopTimeKey, data.settings.LoopTime);
    ini->setValue(kCountKey, data.events.size());
    for (int i = 0; i < data.events.size(); ++i) {
        const MacroEvent& event = data.events.at(i);
        // An empty row has empty cells, and its cells' text is what is stored.
        const bool empty = event.isEmpty();
        ini->setValue(MapKey(i), empty ? QString() : QString::number(event.Map));
        ini->setValue(DataHKey(i), empty ? QString() : QString::number(event.DataH));
        ini->setValue(DataLKey(i), empty ? QString() : QString::number(event.DataL));
    }
    ini->setValue(kWriteSignKey, 1);
    ini->sync();
    return ini->status() == QSettings::NoError;
}

bool NormaliseStoredEvent(int map, int dataH, int dataL, MacroEvent& out)
{
    if (!IsByte(map) || !IsByte(dataH) || !IsByte(dataL))
        return false;
    if (map == ButtonPress || map == ButtonRelease) {
        if (!IsMouseButtonCode(dataL))
            return false;
        out = MacroEvent::buttonEvent(dataL, map == ButtonPress);
        return true;
    }
    switch (map & kMacroKindMask) {
    case kMacroMoveKind: {
        const MoveStep step = DecodeStep(quint8(dataH), quint8(dataL));
        out = MacroEvent::moveEvent(step.direction, step.distance);
        return true;
    }
    case kMacroDelayKind:
        out = MacroEvent{DelayEvent, quint8(dataH), quint8(dataL)};
        return true;
    case kMacroKeyKind:
        out = MacroEvent::keyEvent(quint8(dataL), (map & kMacroPressBit) != 0);
        return true;
    default:
        return false;
    }
}

bool LoadMacroFile(const QString& name, MacroData& out)
{
    if (!IsSafeFileName(name))
        return false;
    out = MacroData{};
    out.settings = MacroSettings{0, 0, 0, 0};
    const QString path = MacroFilePath(name);
    if (!QFileInfo::exists(path))
        return true;
    if (!IsExistingFile(path))
        return false;

    std::unique_ptr<QSettings> ini = OpenIni(path);
    out.settings.DefaultDelay = ReadInt(*ini, kDefaultDelayKey);
    const int delayType = ReadInt(*ini, kDelayTypeKey);
    // Only 1 and 2 select a delay mode; anything else means none.
    out.settings.DelayType = (delayType == 1 || delayType == 2) ? quint8(delayType) : quint8(0);
    out.settings.LoopType = ReadInt(*ini, kLoopTypeKey);
    out.settings.LoopTime = ReadInt(*ini, kLoopTimeKey);

    const int count = ReadEventCount(*ini, kMaxMacroFileEvents);
    QVector<MacroEvent> events(count);
    int used = 0;
    for (int i = 0; i < count; ++i) {
        MacroEvent event;
        if (NormaliseStoredEvent(ReadInt(*ini, MapKey(i)), ReadInt(*ini, DataHKey(i)),
                                 ReadInt(*ini, DataLKey(i)), event)) {
            events[i] = event;
            used = i + 1;
        }
    }
    // Unusable events after the last usable one leave no rows behind.
    events.resize(used);
    out.events = events;
    return ini->status() == QSettings::NoError;
}

QVector<MacroEvent> ReadMacroEventsRaw(const QString& name, int maxEvents)
{
    QVector<MacroEvent> events;
    if (!IsSafeFileName(name))
        return events;
    const QString path = MacroFilePath(name);
    if (!IsExistingFile(path))
        return events;
    std::unique_ptr<QSettings> ini = OpenIni(path);
    const int count = ReadEventCount(*ini, maxEvents);
    events.reserve(count);
    for (int j = 0; j < count; ++j) {
        events.append(MacroEvent{quint8(ReadInt(*ini, MapKey(j))), quint8(ReadInt(*ini, DataHKey(j))),
                                 quint8(ReadInt(*ini, DataLKey(j)))});
    }
    return events;
}

int ReadWriteSign(const QString& name)
{
    if (!MacroFileExists(name))
        return 0;
    return ReadInt(*OpenIni(MacroFilePath(name)), kWriteSignKey);
}

bool ClearWriteSign(const QString& name)
{
    if (!MacroFileExists(name))
        return false;
    std::unique_ptr<QSettings> ini = OpenIni(MacroFilePath(name));
    ini->setValue(kWriteSignKey, 0);
    ini->sync();
    return ini->status() == QSettings::NoError;
}

bool TakeWriteSign(const QString& name)
{
    if (ReadWriteSign(name) == 0)
        return false;
    ClearWriteSign(name);
    return true;
}

bool DeleteMacroFile(const QString& name)
{
    if (!MacroFileExists(name))
        return false;
    return QFile::remove(MacroFilePath(name));
}

bool RenameMacroFile(const QString& oldName, const QString& newName)
{
    if (!MacroFileExists(oldName) || !IsSafeFileName(newName))
        return false;
    const QString target = MacroFilePath(newName);
    if (QFileInfo::exists(target))
        return false;
    return QFile::rename(MacroFilePath(oldName), target);
}

QString WithMacroSuffix(const QString& path)
{
    static const QString kSuffix = QStringLiteral(".MSMACRO");
    return path.endsWith(kSuffix, Qt::CaseInsensitive) ? path : path + kSuffix;
}

bool ExportMacroFile(const QString& name, const QString& target)
{
    if (!MacroFileExists(name) || QFileInfo(MacroFilePath(name)) == QFileInfo(target))
        return false;
    QFile source(MacroFilePath(name));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    QSaveFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
