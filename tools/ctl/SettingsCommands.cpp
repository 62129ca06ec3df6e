#include "SettingsCommands.h"

#include "AppPaths.h"
#include "ButtonCommands.h"
#include "CommandSet.h"
#include "ConfigFiles.h"
#include "Descriptor.h"
#include "GlobalConfig.h"
#include "HidTransport.h"
#include "LedEffects.h"
#include "MouseLink.h"
#include "MouseSession.h"
#include "ProfileList.h"
#include "ProfileWriter.h"
#include "SensorDpi.h"
#include "SettingsRecord.h"
#include "TarnGetBatteryThread.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QRegularExpression>
#include <array>
#include <climits>
#include <functional>
#include <vector>

namespace {

enum Exit { Ok = 0, Failed = 1, Usage = 2 };

const char* const kSendFailed = QT_TRANSLATE_NOOP("QObject", "Send data failed, please try again.");


constexpr int kDebounceMin = 1, kDebounceMax = 255;

// Counts the changes stored from the command line, so a running configurator can tell
// that its loaded record is stale without watching file times it changes itself.

const char* const kSensorModes[] = {"eco", "standard", "competitive"};

QString Translated(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

QString EffectName(int index)
{
    return index >= 0 && index < kLedEffectCount ? Translated(LedEffect(index)->name) : QString();
}

// Effect names are typed in any case, with '-' or '_' for blanks.
QString NormalisedName(QString text)
{
    text = text.toLower();
    text.replace(QLatin1Char('-'), QLatin1Char(' '));
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text.simplified();
}

struct RateCode
{
    int hz;
    quint8 code;
};
const RateCode kRates[] = {{125, 8}, {250, 4}, {500, 2}, {1000, 1}};

QString SensorModeName(int mode)
{
    return mode >= 0 && mode < 3 ? QString::fromLatin1(kSensorModes[mode]) : QStringLiteral("unknown (%1)").arg(mode);
}

bool ParseInt(const QString& text, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// on/off as the user types it; the caller turns it into the stored byte.
bool ParseSwitch(const QString& text, bool& on)
{
    const QString t = text.toLower();
    if (t == QLatin1String("on")) {
        on = true;
        return true;
    }
    if (t == QLatin1String("off")) {
        on = false;
        return true;
    }
    return false;
}

struct Options
{
    bool json = false;
    bool write = false;
    int slot = -1;                 // 0-based; -1: the active profile
    QStringList rest;
};

// Splits the options off; false (with a message) on an unknown option or a bad profile.
bool ParseOptions(const QStringList& args, bool jsonAllowed, bool writeAllowed, Options& options, QTextStream& err)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json") && jsonAllowed) {
            options.json = true;
        } else if (a == QLatin1String("--write") && writeAllowed) {
            options.write = true;
        } else if (a == QLatin1String("--profile") || a.startsWith(QLatin1String("--profile="))) {
            QString value;
            if (a == QLatin1String("--profile")) {
                if (i + 1 >= args.size()) {
                    err << "--profile: give a profile number from 1 to " << kProfileCount << ".\n";
                    return false;
                }
                value = args[++i];
            } else {
                value = a.mid(int(qstrlen("--profile=")));
            }
            int n = 0;
            if (!ParseInt(value, n) || n < 1 || n > kProfileCount) {
                err << "--profile: give a profile number from 1 to " << kProfileCount << ", not \"" << value
                    << "\".\n";
                return false;
            }
            options.slot = n - 1;
        } else if (a.startsWith(QLatin1String("--"))) {
            err << "Unknown option " << a << ".\n";
            return false;
        } else {
            options.rest << a;
        }
    }
    return true;
}

QString ProductName()
{
    const QString current = ConfigCurrentProductName();
    return current.isEmpty() ? DescriptorProductName() : current;
}

SensorRange CurrentSensorRange(int sensor)
{
    return SensorStepRange(sensor, Descriptor33254() == 1, ConfigCurrentProductName());
}

// The DPI of a stored step, or -1 when the sensor has no table or the step lies outside it.
int StoredStepDpi(int sensor, const SensorRange& range, quint32 step)
{
    if (!range.known || step < quint32(qMax(0, range.minStep)) || step > quint32(range.maxStep))
        return -1;
    return StepToDpi(sensor, int(step));
}

// ---------------------------------------------------------------- show

QJsonValue DpiJson(int dpi)
{
    return dpi < 0 ? QJsonValue() : QJsonValue(dpi);
}

QJsonObject ProfileJson(const SettingsRecord& s, int slot, int sensor, const SensorRange& range, int levels)
{
    const ProfileRecord& p = s.profiles[slot];
    QJsonObject o;
    o.insert(QStringLiteral("slot"), slot + 1);
    o.insert(QStringLiteral("name"), s.names[slot]);
    const int hz = ReportRateHz(p.pollrate);
    o.insert(QStringLiteral("report_rate_hz"), hz > 0 ? QJsonValue(hz) : QJsonValue());
    o.insert(QStringLiteral("active_level"), p.dpi + 1);
    QJsonArray list;
    for (int i = 0; i < levels; ++i) {
        const DpiLevel& l = p.DPI_INFO[i];
        QJsonObject level;
        level.insert(QStringLiteral("level"), i + 1);
        level.insert(QStringLiteral("enabled"), l.used == 1);
        level.insert(QStringLiteral("linked"), l.link == 1);
        level.insert(QStringLiteral("x_step"), qint64(l.x));
        level.insert(QStringLiteral("y_step"), qint64(l.y));
        level.insert(QStringLiteral("x_dpi"), DpiJson(StoredStepDpi(sensor, range, l.x)));
        level.insert(QStringLiteral("y_dpi"), DpiJson(StoredStepDpi(sensor, range, l.y)));
        list.append(level);
    }
    o.insert(QStringLiteral("levels"), list);
    QJsonObject light;
    const LedModeRecord* entry = ActiveLedEntry(p);
    light.insert(QStringLiteral("effect"), entry ? QJsonValue(EffectName(p.LedMode)) : QJsonValue());
    light.insert(QStringLiteral("effect_index"), p.LedMode);
    light.insert(QStringLiteral("brightness"), entry ? QJsonValue(entry->bright) : QJsonValue());
    light.insert(QStringLiteral("speed"), entry ? QJsonValue(entry->breath) : QJsonValue());
    light.insert(QStringLiteral("color"),
                 entry && entry->RGB.isValid() ? QJsonValue(entry->RGB.name()) : QJsonValue());
    light.insert(QStringLiteral("sleep_minutes"), p.LedSleepTime);
    light.insert(QStringLiteral("move_to_light_off"), p.LedMoveOFF == kMoveOffOn);
    o.insert(QStringLiteral("lighting"), light);
    o.insert(QStringLiteral("buttons"), ButtonsJson(p));
    return o;
}

QJsonObject OptionsJson(const SettingsRecord& s)
{
    QJsonObject o;
    o.insert(QStringLiteral("debounce"), s.Debounce);
    o.insert(QStringLiteral("sync"), s.Sync == 1);
    o.insert(QStringLiteral("lift_mm"), s.LiftHigh);
    // These three keep the page's inverted sense: 0 is the checked box.
    o.insert(QStringLiteral("angle_snapping"), s.AngleValue == 0);
    o.insert(QStringLiteral("jitter"), s.Jitter == 0);
    o.insert(QStringLiteral("motion_wake"), s.Wake == 0);
    o.insert(QStringLiteral("sensor_mode"), SensorModeName(s.SensorMode));
    return o;
}

QString OnOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString DpiText(int dpi)
{
    return dpi < 0 ? QStringLiteral("?") : QString::number(dpi);
}

void ShowProfileText(const SettingsRecord& s, int slot, int sensor, const SensorRange& range, int levels,
                     QTextStream& out)
{
    const ProfileRecord& p = s.profiles[slot];
    out << "Profile " << slot + 1 << ": " << s.names[slot] << (slot == s.ProfileID ? "  (active)" : "") << "\n";
    const int hz = ReportRateHz(p.pollrate);
    out << "  Report rate: " << (hz > 0 ? QStringLiteral("%1 Hz").arg(hz) : QStringLiteral("unknown (code %1)").arg(p.pollrate))
        << "\n";
    out << "  Active level: " << p.dpi + 1 << "\n";
    for (int i = 0; i < levels; ++i) {
        const DpiLevel& l = p.DPI_INFO[i];
        out << "  Level " << i + 1 << ": " << (l.used == 1 ? "enabled" : "disabled") << ", "
            << (l.link == 1 ? "linked" : "unlinked") << ", X " << DpiText(StoredStepDpi(sensor, range, l.x))
            << " DPI (step " << l.x << "), Y " << DpiText(StoredStepDpi(sensor, range, l.y)) << " DPI (step "
            << l.y << ")" << (i == p.dpi ? " (active)" : "") << "\n";
    }
    const LedModeRecord* entry = ActiveLedEntry(p);
    out << "  Lighting: ";
    if (entry)
        out << EffectName(p.LedMode) << ", brightness " << entry->bright << ", speed " << entry->breath << ", colour "
            << (entry->RGB.isValid() ? entry->RGB.name() : QStringLiteral("none"));
    else
        out << "unknown effect " << p.LedMode;
    out << ", sleep " << p.LedSleepTime << " min, move to light off " << OnOff(p.LedMoveOFF == kMoveOffOn)
        << "\n";
    ShowButtonsText(p, out);
}

// ---------------------------------------------------------------- set

// One edit through the session: `slot` is the chosen profile.
struct EditContext
{
    int slot;
    QStringList values;
    QString error;      // set when the value is refused
    QString done;       // what was stored, in words
    bool reachesMouse = true;

    MouseSession& session() const { return MouseSession::instance(); }
    const ProfileRecord& profile() const { return MouseSession::instance().current().profiles[slot]; }
    // Takes the session's answer; true when the edit was stored.
    bool take(const EditResult& result)
    {
        if (!result.ok)
            error = result.text();
        reachesMouse = reachesMouse && result.reachesMouse;
        return result.ok;
    }
};

using EditFunction = std::function<void(EditContext&)>;

struct Setting
{
    const char* name;
    const char* values;   // for the help text
    int minValues;
    int maxValues;        // -1: any number (joined with blanks)
    EditFunction edit;
};

int LevelCount()
{
    return EffectiveDpiLevelCount();
}

// A 1-based level of the rows the DPI page shows; -1 (with the error set) otherwise.
int ParseLevel(EditContext& c, const QString& text)
{
    int level = 0;
    if (!ParseInt(text, level) || level < 1 || level > LevelCount()) {
        c.error = QStringLiteral("LEVEL must be a number from 1 to %1, not \"%2\".").arg(LevelCount()).arg(text);
        return -1;
    }
    return level - 1;
}

void EditDpi(EditContext& c)
{
    const int level = ParseLevel(c, c.values[0]);
    if (level < 0)
        return;
    const int sensor = ConfigMouseSensor();
    const SensorRange range = CurrentSensorRange(sensor);
    if (!range.known) {
        c.error = QStringLiteral("The sensor %1 has no DPI table; its levels cannot be set.").arg(sensor);
        return;
    }
    int steps[2] = {0, 0};
    for (int axis = 0; axis < c.values.size() - 1; ++axis) {
        int dpi = 0;
        const QString& text = c.values[axis + 1];
        if (!ParseInt(text, dpi) || (steps[axis] = DpiToStep(sensor, dpi, range)) < 0) {
            c.error = QStringLiteral("DPI must be a number from %1 to %2 for the sensor %3, not \"%4\".")
                          .arg(range.minDpi).arg(range.maxDpi).arg(sensor).arg(text);
            return;
        }
    }
    if (c.values.size() != 3)
        steps[1] = steps[0];
    if (!c.take(c.session().setDpiLevel(c.slot, level, quint32(steps[0]), quint32(steps[1]))))
        return;
    c.done = QStringLiteral("level %1: X %2 DPI (step %3), Y %4 DPI (step %5)")
                 .arg(level + 1).arg(StepToDpi(sensor, steps[0])).arg(steps[0])
                 .arg(StepToDpi(sensor, steps[1])).arg(steps[1]);
}

void EditLevel(EditContext& c)
{
    const int level = ParseLevel(c, c.values[0]);
    if (level < 0)
        return;
    bool on = false;
    if (!ParseSwitch(c.values[1], on)) {
        c.error = QStringLiteral("level: give on or off, not \"%1\".").arg(c.values[1]);
        return;
    }
    if (!c.take(c.session().setDpiEnabled(c.slot, level, on)))
        return;
    c.done = QStringLiteral("level %1 %2").arg(level + 1).arg(on ? QStringLiteral("enabled") : QStringLiteral("disabled"));
}

void EditActiveLevel(EditContext& c)
{
    const int level = ParseLevel(c, c.values[0]);
    if (level < 0)
        return;
    if (!c.take(c.session().setActiveLevel(c.slot, level)))
        return;
    c.done = QStringLiteral("active level %1").arg(level + 1);
}

void EditRate(EditContext& c)
{
    int hz = 0;
    if (ParseInt(c.values[0], hz)) {
        for (const RateCode& rate : kRates) {
            if (rate.hz == hz) {
                if (c.take(c.session().setReportRate(c.slot, rate.code)))
                    c.done = QStringLiteral("report rate %1 Hz").arg(hz);
                return;
            }
        }
    }
    c.error = QStringLiteral("rate must be 125, 250, 500 or 1000, not \"%1\".").arg(c.values[0]);
}

// Changes one sensor option through the session.
template <typename Change> bool SetOption(EditContext& c, Change change)
{
    SensorOptions options = MouseSession::OptionsOf(c.session().current());
    change(options);
    return c.take(c.session().setSensorOptions(options));
}

void EditDebounce(EditContext& c)
{
    int value = 0;
    if (!ParseInt(c.values[0], value) || value < kDebounceMin || value > kDebounceMax) {
        c.error = QStringLiteral("debounce must be a number from %1 to %2, not \"%3\".")
                      .arg(kDebounceMin).arg(kDebounceMax).arg(c.values[0]);
        return;
    }
    if (!SetOption(c, [value](SensorOptions& o) { o.Debounce = quint8(value); }))
        return;
    c.done = QStringLiteral("key response (debounce) %1").arg(value);
}

void EditSync(EditContext& c)
{
    bool on = false;
    if (!ParseSwitch(c.values[0], on)) {
        c.error = QStringLiteral("sync: give on or off, not \"%1\".").arg(c.values[0]);
        return;
    }
    if (!SetOption(c, [on](SensorOptions& o) { o.Sync = on ? 1 : 0; }))
        return;
    c.done = QStringLiteral("sync %1").arg(OnOff(on));
}

void EditLift(EditContext& c)
{
    const QString t = c.values[0].toLower();
    int mm = 0;
    if (t == QLatin1String("1") || t == QLatin1String("1mm"))
        mm = 1;
    else if (t == QLatin1String("2") || t == QLatin1String("2mm"))
        mm = 2;
    if (mm == 0) {
        c.error = QStringLiteral("lift must be 1 or 2 (mm), not \"%1\".").arg(c.values[0]);
        return;
    }
    if (!SetOption(c, [mm](SensorOptions& o) { o.LiftHigh = quint8(mm); }))
        return;
    c.done = QStringLiteral("lift-off distance %1 mm").arg(mm);
}

// Angle snapping, jitter and motion wake store 0 for "on" (the page's checked box).
EditFunction InvertedSwitch(quint8 SensorOptions::*field, const char* name)
{
    return [field, name](EditContext& c) {
        bool on = false;
        if (!ParseSwitch(c.values[0], on)) {
            c.error = QStringLiteral("%1: give on or off, not \"%2\".").arg(QLatin1String(name), c.values[0]);
            return;
        }
        if (!SetOption(c, [field, on](SensorOptions& o) { o.*field = on ? 0 : 1; }))
            return;
        c.done = QStringLiteral("%1 %2").arg(QLatin1String(name), OnOff(on));
    };
}

void EditSensorMode(EditContext& c)
{
    const QString t = c.values[0].toLower();
    for (int mode = 0; mode < 3; ++mode) {
        if (t == QLatin1String(kSensorModes[mode])) {
            if (!SetOption(c, [mode](SensorOptions& o) { o.SensorMode = quint8(mode); }))
                return;
            c.done = QStringLiteral("sensor mode %1").arg(SensorModeName(mode));
            return;
        }
    }
    c.error = QStringLiteral("sensor-mode must be eco, standard or competitive, not \"%1\".").arg(c.values[0]);
}

void EditEffect(EditContext& c)
{
    const QString text = c.values.join(QLatin1Char(' '));
    int index = -1;
    int number = 0;
    // The lighting page's menu: its effects by name or number.
    if (c.values.size() == 1 && ParseInt(text, number)) {
        if (LedEffect(number) && LedEffect(number)->inMenu)
            index = number;
    } else {
        for (int i = 0; i < kLedEffectCount && index < 0; ++i)
            if (LedEffect(i)->inMenu && NormalisedName(text) == NormalisedName(QLatin1String(LedEffect(i)->name)))
                index = i;
    }
    if (index < 0) {
        QStringList names;
        for (int i = 0; i < kLedEffectCount; ++i)
            if (LedEffect(i)->inMenu)
                names << QStringLiteral("%1 (%2)").arg(QLatin1String(LedEffect(i)->name)).arg(i);
        c.error = QStringLiteral("Unknown effect \"%1\". Effects: %2.").arg(text, names.join(QStringLiteral(", ")));
        return;
    }
    if (!c.take(c.session().setLedEffect(c.slot, index)))
        return;
    c.done = QStringLiteral("effect %1").arg(EffectName(index));
}

void EditBrightness(EditContext& c)
{
    int value = 0;
    if (!ParseInt(c.values[0], value)) {
        c.error = QStringLiteral("brightness must be a number from %1 to %2, not \"%3\".")
                      .arg(kLedBrightnessMin).arg(kLedBrightnessMax).arg(c.values[0]);
        return;
    }
    if (c.take(c.session().setLedBrightness(c.slot, value)))
        c.done = QStringLiteral("brightness %1").arg(value);
}

void EditSpeed(EditContext& c)
{
    int value = 0;
    if (!ParseInt(c.values[0], value)) {
        c.error = QStringLiteral("speed must be a number from %1 to %2, not \"%3\".")
                      .arg(kLedSpeedMin).arg(kLedSpeedMax).arg(c.values[0]);
        return;
    }
    if (c.take(c.session().setLedSpeed(c.slot, value)))
        c.done = QStringLiteral("speed %1").arg(value);
}

void EditColor(EditContext& c)
{
    // The '#' may be left out: an unquoted '#' starts a comment in the shell.
    static const QRegularExpression hex(QStringLiteral("^#?([0-9a-fA-F]{6})$"));
    const QRegularExpressionMatch m = hex.match(c.values[0]);
    if (!m.hasMatch()) {
        c.error = QStringLiteral("color must be #rrggbb (six hexadecimal digits), not \"%1\".").arg(c.values[0]);
        return;
    }
    const uint rgb = m.captured(1).toUInt(nullptr, 16);
    if (!c.take(c.session().setLedColorRgb(c.slot, int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF))))
        return;
    c.done = QStringLiteral("colour %1").arg(c.profile().LedModes[c.profile().LedMode].RGB.name());
}

void EditSleep(EditContext& c)
{
    int value = 0;
    if (!ParseInt(c.values[0], value)) {
        c.error = QStringLiteral("sleep must be a number of minutes from %1 to %2, not \"%3\".")
                      .arg(DescriptorSleepMin()).arg(DescriptorSleepMax()).arg(c.values[0]);
        return;
    }
    if (c.take(c.session().setSleepTime(c.slot, value)))
        c.done = QStringLiteral("sleep time %1 min").arg(value);
}

void EditMoveOff(EditContext& c)
{
    bool on = false;
    if (!ParseSwitch(c.values[0], on)) {
        c.error = QStringLiteral("move-to-light-off: give on or off, not \"%1\".").arg(c.values[0]);
        return;
    }
    if (c.take(c.session().setMoveOff(c.slot, on)))
        c.done = QStringLiteral("move to light off %1").arg(OnOff(on));
}

const std::vector<Setting>& Settings()
{
    static const std::vector<Setting> settings = {
        {"dpi", "LEVEL DPI | LEVEL XDPI YDPI", 2, 3, EditDpi},
        {"level", "LEVEL on|off", 2, 2, EditLevel},
        {"active-level", "LEVEL", 1, 1, EditActiveLevel},
        {"rate", "125|250|500|1000", 1, 1, EditRate},
        {"debounce", "1-255", 1, 1, EditDebounce},
        {"sync", "on|off", 1, 1, EditSync},
        {"lift", "1|2", 1, 1, EditLift},
        {"angle-snapping", "on|off", 1, 1, InvertedSwitch(&SensorOptions::AngleValue, "angle snapping")},
        {"jitter", "on|off", 1, 1, InvertedSwitch(&SensorOptions::Jitter, "jitter")},
        {"motion-wake", "on|off", 1, 1, InvertedSwitch(&SensorOptions::Wake, "motion wake")},
        {"sensor-mode", "eco|standard|competitive", 1, 1, EditSensorMode},
        {"effect", "NAME|NUMBER", 1, -1, EditEffect},
        {"brightness", "1-3", 1, 1, EditBrightness},
        {"speed", "1-5", 1, 1, EditSpeed},
        {"color", "#rrggbb", 1, 1, EditColor},
        {"sleep", "MINUTES", 1, 1, EditSleep},
        {"move-to-light-off", "on|off", 1, 1, EditMoveOff},
        {"button", "B FUNCTION [ARGS]", 2, -1,
         [](EditContext& c) {
             bool reaches = true;
             ButtonSetEdit(c.slot, c.values, c.done, c.error, reaches);
             c.reachesMouse = reaches;
         }},
    };
    return settings;
}

QString SetUsage()
{
    return QStringLiteral("Usage: mousecfgctl set [--profile N] SETTING VALUE... [--write]\n") + SetCommandHelp();
}

} // namespace

QString SetCommandHelp()
{
    QString text = QStringLiteral("Settings:\n");
    for (const Setting& s : Settings())
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(s.name), -18).arg(QLatin1String(s.values));
    return text + ButtonSetHelp();
}

int ShowCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Options options;
    if (!ParseOptions(args, true, false, options, err))
        return Usage;
    if (!options.rest.isEmpty()) {
        err << "Usage: mousecfgctl show [--json] [--profile N]\n";
        return Usage;
    }
    SettingsRecord s;
    LoadSettings(s);
    const int sensor = ConfigMouseSensor();
    const SensorRange range = CurrentSensorRange(sensor);
    const int levels = LevelCount();
    QVector<int> shown;
    for (int i = 0; i < kProfileCount; ++i)
        if (options.slot < 0 || options.slot == i)
            shown << i;
    // The stored profiles the slots pick from, as the profile list menu shows them, of the
    // product the profile commands work on.
    const QStringList storedList = LoadProfileList(ProductName());

    if (options.json) {
        QJsonObject root;
        root.insert(QStringLiteral("product"), ProductName());
        root.insert(QStringLiteral("sensor"), sensor);
        root.insert(QStringLiteral("active_profile"), s.ProfileID + 1);
        root.insert(QStringLiteral("options"), OptionsJson(s));
        QJsonArray profiles;
        for (int slot : shown)
            profiles.append(ProfileJson(s, slot, sensor, range, levels));
        root.insert(QStringLiteral("profiles"), profiles);
        root.insert(QStringLiteral("profile_list"), QJsonArray::fromStringList(storedList));
        out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
        return Ok;
    }

    out << "Product: " << ProductName() << "\n";
    out << "Sensor: " << sensor;
    if (range.known)
        out << " (" << range.minDpi << " to " << range.maxDpi << " DPI)";
    out << "\n";
    out << "Active profile: " << s.ProfileID + 1 << "\n";
    out << "Stored profiles: " << (storedList.isEmpty() ? QStringLiteral("none yet") : storedList.join(QStringLiteral(", ")))
        << "\n";
    out << "Sensor options:\n";
    out << "  Key response (debounce): " << s.Debounce << "\n";
    out << "  Sync: " << OnOff(s.Sync == 1) << "\n";
    out << "  Lift-off distance: " << s.LiftHigh << " mm\n";
    out << "  Angle snapping: " << OnOff(s.AngleValue == 0) << "\n";
    out << "  Jitter: " << OnOff(s.Jitter == 0) << "\n";
    out << "  Motion wake: " << OnOff(s.Wake == 0) << "\n";
    out << "  Sensor mode: " << SensorModeName(s.SensorMode) << "\n";
    for (int slot : shown)
        ShowProfileText(s, slot, sensor, range, levels, out);
    return Ok;
}

int SetCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Options options;
    if (!ParseOptions(args, false, true, options, err))
        return Usage;
    if (options.rest.isEmpty()) {
        err << SetUsage();
        return Usage;
    }
    const QString name = options.rest.takeFirst().toLower();
    const Setting* setting = nullptr;
    for (const Setting& s : Settings())
        if (name == QLatin1String(s.name))
            setting = &s;
    if (!setting) {
        err << "Unknown setting \"" << name << "\".\n" << SetUsage();
        return Usage;
    }
    const int count = options.rest.size();
    if (count < setting->minValues || (setting->maxValues >= 0 && count > setting->maxValues)) {
        err << "Usage: mousecfgctl set [--profile N] " << setting->name << " " << setting->values << " [--write]\n";
        return Usage;
    }

    // As Apply: what is stored is what the mouse holds, unless Config/Diff says otherwise.
    MouseSession& session = MouseSession::instance();
    session.setCountsExternalEdits(true);
    session.load();
    const int slot = options.slot < 0 ? session.activeSlot() : options.slot;
    const QStringList names = {session.current().names.begin(), session.current().names.end()};
    for (int i = 0; i < kProfileCount; ++i) {
        if (names[i].isEmpty() || !IsProfileFileNameSafe(names[i])) {
            err << "Profile " << i + 1 << " has no profile file to store the change in.\n";
            return Usage;
        }
    }

    // A refused value changes nothing, whether or not a mouse is there.
    EditContext context{slot, options.rest, QString(), QString(), true};
    setting->edit(context);
    if (!context.error.isEmpty()) {
        err << context.error << "\n";
        return Usage;
    }

    if (options.write) {
        if (const int code = LinkAwakeMouse(err))
            return code;
    }

    const QString notActive = QStringLiteral("stored in profile %1; the mouse gets it when profile %1 is active").arg(slot + 1);
    if (!options.write) {
        if (!session.store()) {
            err << "Cannot write the settings files in " << ConfigsDir() << ".\n";
            return Failed;
        }
        out << "Stored for profile " << slot + 1 << ": " << context.done;
        if (context.reachesMouse)
            out << ". The next write sends it to the mouse.\n";
        else
            out << "; the mouse gets it when profile " << slot + 1 << " is active.\n";
        return Ok;
    }

    const quint8 result = session.apply();
    HidTransport::instance().CloseDevice();
    if (result != 0) {
        // The change stays stored and Config/Diff is 1: the next write sends everything.
        err << session.lastWriteError() << "\n";
        return Failed;
    }
    if (!context.reachesMouse) {
        out << "Not written: " << context.done << " " << notActive << ".\n";
        return Ok;
    }
    out << "Written for profile " << slot + 1 << ": " << context.done << ".\n";
    return Ok;
}
