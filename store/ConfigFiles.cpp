#include "ConfigFiles.h"

#include "AppPaths.h"
#include "Descriptor.h"
#include "GlobalConfig.h"
#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <array>

namespace {

// Each key is built once; a profile file has 8,453 of them and is read at every start.
struct ProfileKeys
{
    QString pollrate, dpi, mousespeed, dbclickspeed, scrollispage, scrollspeed, accelenable, acee;
    QString LedMode, LedMoveOFF, LedSleepTime, ProfileName, ProfilePath;
    struct Level { QString used, link, xy, x, y; };
    std::array<Level, kDpiLevelCount> levels;
    struct Button { QString ID, Fun, LoopNumber, KeyNumber, Res1, Res2, Res3, Res4, macroname; };
    std::array<Button, kButtonCount> buttons;
    struct Key { QString map, key, H; };
    std::array<std::array<Key, kKeyInfoCount>, kButtonCount> keys;
    struct Led { QString RGB, h, s, v, bright, breath; };
    std::array<Led, kLedEffectCount> leds;

    explicit ProfileKeys(const QString& group)
    {
        const QString g = group + QLatin1Char('/');
        pollrate = g + QStringLiteral("pollrate");
        dpi = g + QStringLiteral("dpi");
        mousespeed = g + QStringLiteral("mousespeed");
        dbclickspeed = g + QStringLiteral("dbclickspeed");
        scrollispage = g + QStringLiteral("scrollispage");
        scrollspeed = g + QStringLiteral("scrollspeed");
        accelenable = g + QStringLiteral("accelenable");
        acee = g + QStringLiteral("acee");
        LedMode = g + QStringLiteral("LedMode");
        LedMoveOFF = g + QStringLiteral("LedMoveOFF");
        LedSleepTime = g + QStringLiteral("LedSleepTime");
        ProfileName = g + QStringLiteral("ProfileName");
        ProfilePath = g + QStringLiteral("ProfilePath");
        for (int i = 0; i < kDpiLevelCount; ++i) {
            const QString p = g + QStringLiteral("DPI_INFO_%1_").arg(i);
            levels[i] = {p + QStringLiteral("used"), p + QStringLiteral("link"), p + QStringLiteral("xy"),
                         p + QStringLiteral("x"), p + QStringLiteral("y")};
        }
        for (int b = 0; b < kButtonCount; ++b) {
            const QString p = g + QStringLiteral("BUTTON_INFO_%1_").arg(b);
            buttons[b] = {p + QStringLiteral("ID"), p + QStringLiteral("Fun"), p + QStringLiteral("LoopNumber"),
                          p + QStringLiteral("KeyNumber"), p + QStringLiteral("Res1"), p + QStringLiteral("Res2"),
                          p + QStringLiteral("Res3"), p + QStringLiteral("Res4"), p + QStringLiteral("macroname")};
            for (int k = 0; k < kKeyInfoCount; ++k) {
                const QString kp = p + QStringLiteral("KeyInfo_%1_").arg(k);
                keys[b][k] = {kp + QStringLiteral("map"), kp, kp + QStringLiteral("H")};
            }
        }
        for (int e = 0; e < kLedEffectCount; ++e) {
            const QString p = g + QStringLiteral("LedMode/LED_MODE_%1_").arg(e);
            leds[e] = {p + QStringLiteral("RGB"), p + QStringLiteral("h"), p + QStringLiteral("s"),
                       p + QStringLiteral("v"), p + QStringLiteral("bright"), p + QStringLiteral("breath")};
        }
    }
};

const ProfileKeys& KeysFor(const QString& group)
{
    static const ProfileKeys profile(QStringLiteral("PROFILE"));
    static const std::array<ProfileKeys, kProfileCount> exported = {
        ProfileKeys(QStringLiteral("PROFILE_0")), ProfileKeys(QStringLiteral("PROFILE_1")),
        ProfileKeys(QStringLiteral("PROFILE_2")), ProfileKeys(QStringLiteral("PROFILE_3")),
        ProfileKeys(QStringLiteral("PROFILE_4"))};
    for (int p = 0; p < kProfileCount; ++p)
        if (group == QLatin1String("PROFILE_") + QString::number(p))
            return exported[p];
    return profile;
}

// Stored integers are read with toInt(): text that is not a number reads as 0.
int Int(QSettings& ini, const QString& key) { return ini.value(key).toInt(); }
quint8 Byte(QSettings& ini, const QString& key) { return quint8(Int(ini, key) & 0xFF); }

StoredColor Color(QSettings& ini, const QString& key)
{
    const QVariant value = ini.value(key);
    if (value.userType() == qMetaTypeId<StoredColor>())
        return value.value<StoredColor>();
    if (value.type() == QVariant::String)
        return StoredColor::fromString(value.toString());
    return StoredColor();
}

bool Flush(QSettings& ini)
{
    ini.sync();
    return ini.status() == QSettings::NoError;
}

bool EnsureParentFolder(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

// The nine global option bytes as Config.ini and exported files name them.
struct ConfigByte
{
    const char* key;
    quint8 SettingsRecord::*field;
};
const ConfigByte kConfigBytes[] = {
    {"Config/ProfileID", &SettingsRecord::ProfileID}, {"Config/AngleValue", &SettingsRecord::AngleValue},
    {"Config/LiftHigh", &SettingsRecord::LiftHigh},   {"Config/Sync", &SettingsRecord::Sync},
    {"Config/Count", &SettingsRecord::Count},         {"Config/Jitter", &SettingsRecord::Jitter},
    {"Config/Debounce", &SettingsRecord::Debounce},   {"Config/Wake", &SettingsRecord::Wake},
    {"Config/SensorMode", &SettingsRecord::SensorMode},
};

void ReadConfigBytes(QSettings& ini, SettingsRecord& record)
{
    for (const ConfigByte& b : kConfigBytes)
        record.*b.field = Byte(ini, QLatin1String(b.key));
}

void WriteConfigBytes(QSettings& ini, const SettingsRecord& record)
{
    for (const ConfigByte& b : kConfigBytes)
        ini.setValue(QLatin1String(b.key), int(record.*b.field));
}

// Whether a key already holds what setting the value would store: as text read from the
// file, or as the value itself when this process set it (QSettings keeps values it wrote
// while the file stays as it left it).
bool Holds(const QVariant& stored, const QVariant& value)
{
    if (stored.userType() == QMetaType::QString)
        return stored.toString() == value.toString();
    return stored.userType() == value.userType() && stored == value;
}

// Whether Config.ini already holds the keys the settings save writes.
bool ConfigKeysHold(QSettings& ini, const SettingsRecord& record)
{
    for (const ConfigByte& b : kConfigBytes) {
        if (!Holds(ini.value(QLatin1String(b.key)), int(record.*b.field)))
            return false;
    }
    return Holds(ini.value(QStringLiteral("Config/Profile1")), record.names[0]);
}

// Every key a profile file holds and its value, in the order a save writes them: put(key,
// value) with an int, uint, QString or StoredColor. The save and the stored form below
// both walk the record here, so they cannot disagree about what a file holds.
template <typename Put>
void ForEachProfileValue(const ProfileKeys& k, const ProfileRecord& p, bool withLedTimers, Put&& put)
{
    put(k.pollrate, int(p.pollrate));
    put(k.dpi, int(p.dpi));
    for (int i = 0; i < kDpiLevelCount; ++i) {
        const DpiLevel& level = p.DPI_INFO[i];
        put(k.levels[i].used, int(level.used));
        put(k.levels[i].link, int(level.link));
        put(k.levels[i].xy, uint(level.xy));
        put(k.levels[i].x, uint(level.x));
        put(k.levels[i].y, uint(level.y));
    }
    put(k.mousespeed, int(p.mousespeed));
    put(k.dbclickspeed, int(p.dbclickspeed));
    put(k.scrollispage, int(p.scrollispage));
    put(k.scrollspeed, int(p.scrollspeed));
    put(k.accelenable, int(p.accelenable));
    put(k.acee, int(p.acee));
    for (int b = 0; b < kButtonCount; ++b) {
        const ButtonRecord& button = p.BUTTON_INFO[b];
        const auto& bk = k.buttons[b];
        put(bk.ID, int(button.ID));
        put(bk.Fun, int(button.Fun));
        put(bk.LoopNumber, int(button.LoopNumber));
        put(bk.KeyNumber, int(button.KeyNumber));
        put(bk.Res1, int(button.Res1));
        put(bk.Res2, int(button.Res2));
        put(bk.Res3, int(button.Res3));
        put(bk.Res4, int(button.Res4));
        put(bk.macroname, button.macroname);
        for (int e = 0; e < kKeyInfoCount; ++e) {
            put(k.keys[b][e].map, int(button.KeyInfo[e].map));
            put(k.keys[b][e].key, int(button.KeyInfo[e].key));
            put(k.keys[b][e].H, int(button.KeyInfo[e].H));
        }
    }
    put(k.ProfileName, p.ProfileName);
    put(k.ProfilePath, p.ProfilePath);
    put(k.LedMode, int(p.LedMode));
    if (withLedTimers) {
        put(k.LedMoveOFF, int(p.LedMoveOFF));
        put(k.LedSleepTime, int(p.LedSleepTime));
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        const LedModeRecord& led = p.LedModes[e];
        put(k.leds[e].RGB, led.RGB);
        put(k.leds[e].h, int(led.h));
        put(k.leds[e].s, int(led.s));
        put(k.leds[e].v, int(led.v));
        put(k.leds[e].bright, int(led.bright));
        put(k.leds[e].breath, int(led.breath));
    }
}

QVariant ToVariant(int value) { return value; }
QVariant ToVariant(uint value) { return value; }
QVariant ToVariant(const QString& value) { return value; }
QVariant ToVariant(const StoredColor& value) { return QVariant::fromValue(value); }

void AppendStored(QByteArray& out, int value)
{
    out += 'i';
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendStored(QByteArray& out, uint value)
{
    out += 'u';
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendStored(QByteArray& out, const QString& value)
{
    const int length = value.size();
    out += 's';
    out.append(reinterpret_cast<const char*>(&length), sizeof length);
    out.append(reinterpret_cast<const char*>(value.utf16()), length * int(sizeof(ushort)));
}

void AppendStored(QByteArray& out, const StoredColor& value)
{
    // The stream form, not operator==: QColor's comparison of HSL colours has a tolerance.
    const QByteArray bytes = value.toStreamBytes();
    AppendStored(out, bytes.size());
    out += bytes;
}

// What saving the profile puts into its file, as bytes: two records with the same form
// write the same file. Every value is tagged with its type and strings carry their length.
QByteArray StoredForm(const ProfileRecord& p)
{
    QByteArray out;
    out.reserve(48 * 1024);
    ForEachProfileValue(KeysFor(QStringLiteral("PROFILE")), p, true,
                        [&out](const QString&, const auto& value) { AppendStored(out, value); });
    return out;
}

// The five slots' profile files as this process last saved or loaded them: the record's
// stored form and the file's bytes at that moment. A save finding both unchanged leaves
// the file alone. Bytes rather than size and modification time: the kernel stamps files
// from a clock that advances in ticks of milliseconds, so a program rewriting the file in
// place within one tick leaves size and times as they were. Reading the five files back
// costs far less than writing one of them.
struct KnownFile
{
    QByteArray form;
    QByteArray bytes;
};

QMutex& KnownFilesLock()
{
    static QMutex lock;
    return lock;
}

QHash<QString, KnownFile>& KnownFiles()
{
    static QHash<QString, KnownFile> files;
    return files;
}

// False when the file is missing or unreadable, so that even an empty file is told apart.
bool ReadWholeFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// What the file holds now, for the record whose stored form is given; a file that cannot
// be read is not remembered.
void RememberFile(const QString& path, const QByteArray& form)
{
    QByteArray bytes;
    if (ReadWholeFile(path, bytes))
        KnownFiles().insert(path, {form, bytes});
    else
        KnownFiles().remove(path);
}

bool FileHoldsForm(const QString& path, const QByteArray& form)
{
    const auto it = KnownFiles().constFind(path);
    if (it == KnownFiles().constEnd() || it->form != form)
        return false;
    QByteArray bytes;
    return ReadWholeFile(path, bytes) && bytes == it->bytes;
}

// Only the current slots' files are kept.
void KeepKnownFiles(const QSet<QString>& paths)
{
    for (auto it = KnownFiles().begin(); it != KnownFiles().end();) {
        if (paths.contains(it.key()))
            ++it;
        else
            it = KnownFiles().erase(it);
    }
}

} // namespace

bool IsProfileFileNameSafe(const QString& name)
{
    return name.isEmpty() || IsSafeFileName(name);
}

void WriteProfileKeys(QSettings& ini, const QString& group, const ProfileRecord& p, bool withLedTimers)
{
    ForEachProfileValue(KeysFor(group), p, withLedTimers,
                        [&ini](const QString& key, const auto& value) { ini.setValue(key, ToVariant(value)); });
}

void ReadProfileKeys(QSettings& ini, const QString& group, ProfileRecord& p, bool withLedTimers)
{
    const ProfileKeys& k = KeysFor(group);
    p.pollrate = Byte(ini, k.pollrate);
    p.dpi = Byte(ini, k.dpi);
    for (int i = 0; i < kDpiLevelCount; ++i) {
        DpiLevel& level = p.DPI_INFO[i];
        level.used = Byte(ini, k.levels[i].used);
        level.link = Byte(ini, k.levels[i].link);
        level.xy = quint32(Int(ini, k.levels[i].xy));
        level.x = quint32(Int(ini, k.levels[i].x));
        level.y = quint32(Int(ini, k.levels[i].y));
    }
    p.mousespeed = Byte(ini, k.mousespeed);
    p.dbclickspeed = Byte(ini, k.dbclickspeed);
    p.scrollispage = Byte(ini, k.scrollispage);
    p.scrollspeed = Byte(ini, k.scrollspeed);
    p.accelenable = Byte(ini, k.accelenable);
    p.acee = Byte(ini, k.acee);
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonRecord& button = p.BUTTON_INFO[b];
        const auto& bk = k.buttons[b];
        button.ID = Int(ini, bk.ID);
        button.Fun = Int(ini, bk.Fun);
        button.LoopNumber = Int(ini, bk.LoopNumber);
        button.KeyNumber = Int(ini, bk.KeyNumber);
        button.Res1 = Byte(ini, bk.Res1);
        button.Res2 = Byte(ini, bk.Res2);
        button.Res3 = Byte(ini, bk.Res3);
        button.Res4 = Byte(ini, bk.Res4);
        button.macroname = ini.value(bk.macroname).toString();
        for (int e = 0; e < kKeyInfoCount; ++e) {
            button.KeyInfo[e].map = Byte(ini, k.keys[b][e].map);
            button.KeyInfo[e].key = Byte(ini, k.keys[b][e].key);
            button.KeyInfo[e].H = Byte(ini, k.keys[b][e].H);
        }
    }
    p.ProfileName = ini.value(k.ProfileName).toString();
    p.ProfilePath = ini.value(k.ProfilePath).toString();
    p.LedMode = Byte(ini, k.LedMode);
    if (withLedTimers) {
        p.LedMoveOFF = Byte(ini, k.LedMoveOFF);
        p.LedSleepTime = Byte(ini, k.LedSleepTime);
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        LedModeRecord& led = p.LedModes[e];
        led.RGB = Color(ini, k.leds[e].RGB);
        led.h = Int(ini, k.leds[e].h);
        led.s = Int(ini, k.leds[e].s);
        led.v = Int(ini, k.leds[e].v);
        led.bright = Int(ini, k.leds[e].bright);
        led.breath = Int(ini, k.leds[e].breath);
    }
    SanitizeProfile(p);
}

void LoadProfileFile(ProfileRecord& profile, const QString& path)
{
    auto ini = OpenIni(path);
    ReadProfileKeys(*ini, QStringLiteral("PROFILE"), profile, true);
}

bool SaveProfileFile(const ProfileRecord& profile, const QString& path)
{
    if (!EnsureParentFolder(path))
        return false;
    auto ini = OpenIni(path);
    WriteProfileKeys(*ini, QStringLiteral("PROFILE"), profile, true);
    return Flush(*ini);
}

bool WriteDefaultProfileFile()
{
    ProfileRecord profile;
    MakeDefaultProfile(profile);
    return SaveProfileFile(profile, DefaultProfileFilePath());
}

bool SaveActiveDpiLevel(const QString& name, int level)
{
    if (!IsProfileFileNameSafe(name) || level < 0 || level >= kDpiLevelCount)
        return false;
    const QString path = ProfileFilePath(name);
    if (!EnsureParentFolder(path))
        return false;
    auto ini = OpenIni(path);
    ini->setValue(QStringLiteral("PROFILE/dpi"), level);
    return Flush(*ini);
}

void LoadSettings(SettingsRecord& record)
{
    {
        auto ini = OpenIni(ConfigIniPath());
        ReadConfigBytes(*ini, record);
        for (int i = 0; i < kProfileCount; ++i)
            record.names[i] = ini->value(QStringLiteral("Config/Profile%1").arg(i + 1)).toString();
    }
    QMutexLocker locker(&KnownFilesLock());
    // Each file's bytes are taken before it is parsed: a change in between then shows as
    // different bytes at the next save, never as a file wrongly taken for unchanged.
    std::array<QString, kProfileCount> paths;
    std::array<QByteArray, kProfileCount> bytes;
    std::array<bool, kProfileCount> read{};
    for (int i = 0; i < kProfileCount; ++i) {
        if (IsProfileFileNameSafe(record.names[i])) {
            paths[i] = ProfileFilePath(record.names[i]);
            read[i] = ReadWholeFile(paths[i], bytes[i]);
            // A slot whose file is missing gets the default profile: zeros would disable
            // every level and button of the mouse.
            if (read[i])
                LoadProfileFile(record.profiles[i], paths[i]);
            else
                MakeDefaultProfile(record.profiles[i]);
        } else {
            MakeDefaultProfile(record.profiles[i]);  // a name that leaves the folder is not followed
        }
    }
    SanitizeSettings(record);
    KnownFiles().clear();
    for (int i = 0; i < kProfileCount; ++i) {
        if (read[i])
            KnownFiles().insert(paths[i], {StoredForm(record.profiles[i]), bytes[i]});
    }
    locker.unlock();
    ReadButtonMatrix(ButtonMatrix());
}

bool SaveSettings(const SettingsRecord& record)
{
    bool ok = EnsureParentFolder(ConfigIniPath());
    {
        auto ini = OpenIni(ConfigIniPath());
        if (ConfigKeysHold(*ini, record)) {
            ok = ini->status() == QSettings::NoError && ok;
        } else {
            WriteConfigBytes(*ini, record);
            ini->setValue(QStringLiteral("Config/Profile1"), record.names[0]);
            ok = Flush(*ini) && ok;
        }
    }
    // Every slot, not only the first: the pages edit whichever slot is active, and an
    // edit that only reached the mouse would be gone at the next start. A file that still
    // holds its slot's record, byte for byte as last saved or loaded here, is left alone.
    QMutexLocker locker(&KnownFilesLock());
    QSet<QString> paths;
    // Each file once, the active slot's first: two slots naming one file must not leave
    // whichever came last in it.
    const int active = record.ProfileID < kProfileCount ? record.ProfileID : 0;
    for (int k = 0; k < kProfileCount; ++k) {
        const int i = k == 0 ? active : (k <= active ? k - 1 : k);
        if (!IsProfileFileNameSafe(record.names[i])) {
            ok = false;
            continue;
        }
        const QString path = ProfileFilePath(record.names[i]);
        if (paths.contains(path))
            continue;
        paths.insert(path);
        const QByteArray form = StoredForm(record.profiles[i]);
        if (FileHoldsForm(path, form))
            continue;
        if (SaveProfileFile(record.profiles[i], path)) {
            RememberFile(path, form);
        } else {
            KnownFiles().remove(path);
            ok = false;
        }
    }
    KeepKnownFiles(paths);
    return ok;
}

QString ReadMouseName(const QString& path)
{
    auto ini = OpenIni(path);
    return ini->value(QStringLiteral("MouseName/Name")).toString();
}

bool WriteMouseName(const QString& path, const QString& name)
{
    auto ini = OpenIni(path);
    ini->setValue(QStringLiteral("MouseName/Name"), name);
    return Flush(*ini);
}

bool ExportConfiguration(const QString& path, const SettingsRecord& record, const QString& productName)
{
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    const SettingsRecord copy = record;
    auto ini = OpenIni(path);
    ini->setValue(QStringLiteral("MouseName/Name"), productName);
    WriteConfigBytes(*ini, copy);
    for (int p = 0; p < kProfileCount; ++p)
        WriteProfileKeys(*ini, QStringLiteral("PROFILE_%1").arg(p), copy.profiles[p], false);
    return Flush(*ini);
}

bool ExportConfiguration(const QString& path)
{
    return ExportConfiguration(path, CurrentSettings(), ConfigCurrentProductName());
}

void ImportConfiguration(const QString& path, SettingsRecord& record)
{
    auto ini = OpenIni(path);
    ReadConfigBytes(*ini, record);
    for (int i = 0; i < kProfileCount; ++i) {
        record.names[i] = ini->value(QStringLiteral("Config/Profile%1").arg(i + 1)).toString();
        ReadProfileKeys(*ini, QStringLiteral("PROFILE_%1").arg(i), record.profiles[i], false);
    }
    SanitizeSettings(record);
}

void ImportConfiguration(const QString& path)
{
    ImportConfiguration(path, CurrentSettings());
}
