#include "MouseSession.h"

#include "AppPaths.h"
#include "ButtonCatalogue.h"
#include "ButtonEncoding.h"
#include "CommandSet.h"
#include "ConfigFiles.h"
#include "Descriptor.h"
#include "GlobalConfig.h"
#include "HidTransport.h"
#include "LedEffects.h"
#include "MacroFile.h"
#include "MacroNameList.h"
#include "MacroUpload.h"
#include "ProfileWriter.h"
#include "SensorDpi.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <climits>

namespace {

const char* const kNoProfile = QT_TRANSLATE_NOOP("QObject", "There is no profile %1.");
const char* const kNoLevel = QT_TRANSLATE_NOOP("QObject", "This mouse has no DPI level %1.");
const char* const kOneAxis = QT_TRANSLATE_NOOP("QObject", "The sensor %1 takes one DPI for both axes.");
const char* const kNoRate = QT_TRANSLATE_NOOP("QObject", "The report rate code %1 is not one the mouse knows.");
const char* const kBadOption = QT_TRANSLATE_NOOP("QObject", "The sensor option %1 cannot be %2.");
const char* const kNoLighting = QT_TRANSLATE_NOOP("QObject", "This mouse has no lighting settings.");
const char* const kNoOption = QT_TRANSLATE_NOOP("QObject", "This mouse has no %1 setting.");
const char* const kNoEffect = QT_TRANSLATE_NOOP("QObject", "There is no lighting effect %1.");
const char* const kUnknownEffect =
    QT_TRANSLATE_NOOP("QObject", "The profile's effect %1 is unknown; choose an effect first.");
const char* const kNotOffered = QT_TRANSLATE_NOOP("QObject", "The effect %1 has no %2.");
const char* const kOutOfRange = QT_TRANSLATE_NOOP("QObject", "%1 must be from %2 to %3, not %4.");
const char* const kNoButton = QT_TRANSLATE_NOOP("QObject", "This mouse has no button record %1.");
const char* const kOneClick = QT_TRANSLATE_NOOP("QObject", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.");
const char* const kLeftNoGun = QT_TRANSLATE_NOOP("QObject", "Left Button Can not be Gun Function.");
const char* const kNotListed = QT_TRANSLATE_NOOP("QObject", "There is no macro \"%1\" in the macro list.");
const char* const kTooLong = QT_TRANSLATE_NOOP(
    "QObject", "The macro \"%1\" is too long for the mouse: a macro holds at most %2 actions, or %3 without recorded delays.");
const char* const kTooMany =
    QT_TRANSLATE_NOOP("QObject", "The mouse holds at most %1 different macros in a profile; \"%2\" would be one more.");
const char* const kStale = QT_TRANSLATE_NOOP(
    "QObject", "The stored settings were changed by another program. They are shown again now; please make your changes once more.");
const char* const kSendFailed = QT_TRANSLATE_NOOP("QObject", "Send data failed, please try again.");
const char* const kNotSaved =
    QT_TRANSLATE_NOOP("QObject", "The mouse took the settings, but the settings files could not be written.");
const char* const kNotConnected = QT_TRANSLATE_NOOP("QObject", "Mouse is sleeping or not connected.");

constexpr std::array<quint8, 4> kRateCodes = {1, 2, 4, 8};
constexpr int kSleepFallbackMin = 1, kSleepFallbackMax = 9;

bool IsMacroBinding(const ButtonRecord& button)
{
    return button.Fun == kMacroFunction || button.Fun == kGunFileFunction;
}

QString Number(int n) { return QString::number(n); }

// Hue, saturation and value of an 8-bit colour as QColor gives them (hue -1 for greys),
// without QtGui.
void HsvOf(int red, int green, int blue, int& h, int& s, int& v)
{
    const auto div257 = [](int x) {
        x += 128;
        return (x - (x >> 8)) >> 8;
    };
    const float r = float(red * 0x101) / float(USHRT_MAX);
    const float g = float(green * 0x101) / float(USHRT_MAX);
    const float b = float(blue * 0x101) / float(USHRT_MAX);
    const float max = qMax(r, qMax(g, b));
    const float min = qMin(r, qMin(g, b));
    const float delta = max - min;
    h = -1;
    s = 0;
    v = div257(qRound(max * USHRT_MAX));
    if (qFuzzyIsNull(delta))
        return;
    s = div257(qRound((delta / max) * USHRT_MAX));
    float hue = 0;
    if (qFuzzyCompare(r, max))
        hue = (g - b) / delta;
    else if (qFuzzyCompare(g, max))
        hue = 2.0f + (b - r) / delta;
    else
        hue = 4.0f + (r - g) / delta;
    hue *= 60.0f;
    if (hue < 0.0f)
        hue += 360.0f;
    h = qRound(hue * 100) / 100;
}

} // namespace

QString EditResult::text() const
{
    if (!error)
        return QString();
    QString message = QCoreApplication::translate("QObject", error);
    for (const QString& arg : args)
        message = message.arg(arg);
    return message;
}

MouseSession::MouseSession()
    : m_profiles(std::make_unique<ProfileManager>(CurrentSettings(), QString()))
{
}

MouseSession::~MouseSession() = default;

MouseSession& MouseSession::instance()
{
    static MouseSession session;
    return session;
}

SettingsRecord& MouseSession::current() { return CurrentSettings(); }

int MouseSession::activeSlot() const { return CurrentSettings().ProfileID < kProfileCount ? CurrentSettings().ProfileID : 0; }

void MouseSession::load()
{
    m_stamp = ConfigStoreStamp();
    LoadSettings(WrittenSettings());
    RepairSlots(WrittenSettings());
    CurrentSettings() = WrittenSettings();
    m_applied = WrittenSettings();
    // With no mouse connected the window leaves no current product: the descriptor's is it.
    const QString product = ConfigCurrentProductName();
    m_profiles->setProduct(product.isEmpty() ? DescriptorProductName() : product);
}

void MouseSession::RepairSlots(SettingsRecord& record)
{
    QSet<QString> taken;
    for (const QString& name : record.names)
        if (!name.isEmpty() && IsProfileFileNameSafe(name))
            taken.insert(name);
    QSet<QString> seen;
    for (int i = 0; i < kProfileCount; ++i) {
        QString& name = record.names[i];
        const bool usable = !name.isEmpty() && IsProfileFileNameSafe(name) && !seen.contains(name);
        if (!usable) {
            // A slot without a name, with one that leaves the folder or with another slot's
            // keeps what it loaded under a name of its own.
            name = ProfileManager::defaultName(i);
            for (int n = 1; taken.contains(name); ++n)
                name = QStringLiteral("Profile %1").arg(n);
            taken.insert(name);
            SetConfigProfileName(i, name);
        }
        seen.insert(name);
        record.profiles[i].ProfileName = name;
        if (!usable || !QFileInfo::exists(ProfileFilePath(name)))
            SaveProfileFile(record.profiles[i], ProfileFilePath(name));
    }
}

bool MouseSession::stale() const { return ConfigStoreStamp() != m_stamp; }

bool MouseSession::IsProductRecord(int record)
{
    if (record == kWheelUpRecord || record == kWheelDownRecord)
        return true;
    return record >= 0 && record < qBound(0, DescriptorButtonCount(), kButtonMatrixSize);
}

int MouseSession::LevelCount() { return EffectiveDpiLevelCount(); }

namespace {

// Each sensor option and where the settings record keeps it.
const std::pair<quint8 SensorOptions::*, quint8 SettingsRecord::*> kOptionFields[] = {
    {&SensorOptions::Sync, &SettingsRecord::Sync},       {&SensorOptions::LiftHigh, &SettingsRecord::LiftHigh},
    {&SensorOptions::AngleValue, &SettingsRecord::AngleValue}, {&SensorOptions::Jitter, &SettingsRecord::Jitter},
    {&SensorOptions::Debounce, &SettingsRecord::Debounce}, {&SensorOptions::Wake, &SettingsRecord::Wake},
    {&SensorOptions::SensorMode, &SettingsRecord::SensorMode},
};

struct HiddenOption
{
    quint8 SensorOptions::*field;
    const char* name;
};

// The options the sensor page leaves out for the product's PROFILE/SyncMode: mode 0 shows
// the lift only, mode 1 sync only, any other both with angle snapping and jitter.
QVector<HiddenOption> HiddenOptions()
{
    switch (DescriptorSyncMode()) {
    case 0:
        return {{&SensorOptions::Sync, "sync"}, {&SensorOptions::AngleValue, "angle snapping"},
                {&SensorOptions::Jitter, "jitter"}};
    case 1:
        return {{&SensorOptions::LiftHigh, "lift"}, {&SensorOptions::AngleValue, "angle snapping"},
                {&SensorOptions::Jitter, "jitter"}};
    default:
        return {};
    }
}

// The sleep time and "MOVE TO LIGHT OFF" are on the lighting page, or on the DPI page of a
// product without lighting that shows them there.
bool SleepOffered()
{
    return DescriptorLedDisable() == 0 || DescriptorShowSleep() != 0;
}

} // namespace

SensorOptions MouseSession::OptionsOf(const SettingsRecord& s)
{
    SensorOptions o;
    for (const auto& field : kOptionFields)
        o.*field.first = s.*field.second;
    return o;
}

int MouseSession::slotIndex(int slot) const
{
    if (slot == -1)
        return activeSlot();
    return slot >= 0 && slot < kProfileCount ? slot : -1;
}

EditResult MouseSession::stored(int slot, bool reachesAlways) const
{
    EditResult result;
    result.reachesMouse = reachesAlways || slot == activeSlot();
    return result;
}

#define MOUSECFG_SLOT_OR_REFUSE(slot, index)                                \
    const int index = slotIndex(slot);                                      \
    if (index < 0)                                                          \
        return EditResult::Refused(kNoProfile, {Number(slot + 1)});

// The profile and one of the levels the product has, or the refusal.
#define MOUSECFG_LEVEL_OR_REFUSE(slot, index, level)                        \
    MOUSECFG_SLOT_OR_REFUSE(slot, index)                                    \
    if ((level) < 0 || (level) >= LevelCount())                             \
        return EditResult::Refused(kNoLevel, {Number((level) + 1)});

EditResult MouseSession::setDpiLevel(int slot, int level, quint32 xStep, quint32 yStep)
{
    MOUSECFG_LEVEL_OR_REFUSE(slot, p, level)
    if (xStep != yStep) {
        const int sensor = ConfigMouseSensor();
        if (!SensorStepRange(sensor, Descriptor33254() == 1, ConfigCurrentProductName()).linkXY)
            return EditResult::Refused(kOneAxis, {Number(sensor)});
    }
    DpiLevel& l = current().profiles[p].DPI_INFO[level];
    l.x = xStep;
    l.y = yStep;
    // Different X and Y need the level unlinked.
    if (xStep != yStep)
        l.link = 0;
    return stored(p);
}

EditResult MouseSession::setDpiLinked(int slot, int level, bool linked)
{
    MOUSECFG_LEVEL_OR_REFUSE(slot, p, level)
    DpiLevel& l = current().profiles[p].DPI_INFO[level];
    l.link = linked ? 1 : 0;
    // A linked level shows one slider: both axes take its value.
    if (linked)
        l.y = l.x;
    return stored(p);
}

EditResult MouseSession::setDpiEnabled(int slot, int level, bool enabled)
{
    MOUSECFG_LEVEL_OR_REFUSE(slot, p, level)
    current().profiles[p].DPI_INFO[level].used = enabled ? 1 : 0;
    return stored(p);
}

EditResult MouseSession::setActiveLevel(int slot, int level)
{
    MOUSECFG_LEVEL_OR_REFUSE(slot, p, level)
    current().profiles[p].dpi = quint8(level);
    return stored(p);
}

EditResult MouseSession::setReportRate(int slot, quint8 code)
{
    MOUSECFG_SLOT_OR_REFUSE(slot, p)
    if (std::find(kRateCodes.begin(), kRateCodes.end(), code) == kRateCodes.end())
        return EditResult::Refused(kNoRate, {Number(code)});
    current().profiles[p].pollrate = code;
    // Every profile's rate travels in the settings block.
    return stored(p, true);
}

EditResult MouseSession::setPointerSpeed(int slot, quint8 mouseSpeed, quint8 scrollSpeed)
{
    MOUSECFG_SLOT_OR_REFUSE(slot, p)
    current().profiles[p].mousespeed = mouseSpeed;
    current().profiles[p].scrollspeed = scrollSpeed;
    return stored(p, true);
}

EditResult MouseSession::setSensorOptions(const SensorOptions& o)
{
    // An option the product's sensor arrangement does not show is not the user's to change;
    // it keeps its stored value, whatever that is.
    const SensorOptions was = OptionsOf(current());
    bool liftHidden = false;
    for (const auto& hidden : HiddenOptions()) {
        if (o.*hidden.field != was.*hidden.field)
            return EditResult::Refused(kNoOption, {QLatin1String(hidden.name)});
        liftHidden = liftHidden || hidden.field == &SensorOptions::LiftHigh;
    }
    if (!liftHidden && o.LiftHigh != 1 && o.LiftHigh != 2)
        return EditResult::Refused(kBadOption, {QStringLiteral("lift"), Number(o.LiftHigh)});
    if (o.Debounce < 1)
        return EditResult::Refused(kBadOption, {QStringLiteral("debounce"), Number(o.Debounce)});
    if (o.SensorMode > 2)
        return EditResult::Refused(kBadOption, {QStringLiteral("sensor mode"), Number(o.SensorMode)});
    for (const auto& field : kOptionFields)
        current().*field.second = o.*field.first;
    return {};
}

EditResult MouseSession::setLift(quint8 millimetres)
{
    SensorOptions o = OptionsOf(current());
    o.LiftHigh = millimetres;
    return setSensorOptions(o);
}

EditResult MouseSession::setLedEffect(int slot, int effect)
{
    MOUSECFG_SLOT_OR_REFUSE(slot, p)
    if (DescriptorLedDisable() != 0)
        return EditResult::Refused(kNoLighting);
    // Only the effects of the lighting page's menu; the others are kept when loaded.
    if (!LedEffect(effect) || !LedEffect(effect)->inMenu)
        return EditResult::Refused(kNoEffect, {Number(effect)});
    current().profiles[p].LedMode = quint8(effect);
    return stored(p);
}

namespace {

// The entry of the profile's effect when the effect offers the control, else the refusal.
LedModeRecord* OfferedEntry(ProfileRecord& profile, bool LedEffectInfo::*control, const char* what, EditResult& refusal)
{
    if (DescriptorLedDisable() != 0) {
        refusal = EditResult::Refused(kNoLighting);
        return nullptr;
    }
    const LedEffectInfo* info = LedEffect(profile.LedMode);
    if (!info) {
        refusal = EditResult::Refused(kUnknownEffect, {Number(profile.LedMode)});
        return nullptr;
    }
    if (!(info->*control)) {
        refusal = EditResult::Refused(kNotOffered, {QCoreApplication::translate("QObject", info->name),
                                                    QCoreApplication::translate("QObject", what)});
        return nullptr;
    }
    return &profile.LedModes[profile.LedMode];
}

} // namespace

namespace {

// A number of the effect's entry, where the effect offers the control for it.
EditResult SetLedNumber(ProfileRecord& profile, bool LedEffectInfo::*control, const char* what, int low, int high,
                        qint32 LedModeRecord::*field, int value)
{
    EditResult refusal;
    LedModeRecord* entry = OfferedEntry(profile, control, what, refusal);
    if (!entry)
        return refusal;
    if (value < low || value > high)
        return EditResult::Refused(kOutOfRange, {QLatin1String(what), Number(low), Number(high), Number(value)});
    entry->*field = value;
    return {};
}

} // namespace

EditResult MouseSession::setLedBrightness(int slot, int value)
{
    MOUSECFG_SLOT_OR_REFUSE(slot, p)
    const EditResult result = SetLedNumber(current().profiles[p], &LedEffectInfo::brightness, "brightness",
                                           kLedBrightnessMin, kLedBrightnessMax, &LedModeRecord::bright, value);
    return result.ok ? stored(p) : result;
}

EditResult MouseSession::setLedSpeed(int slot, int value)
{
    MOUSECFG_SLOT_OR_REFUSE(slot, p)
    const EditResult result = SetLedNumber(current().profiles[p], &LedEffectInfo::speed, "speed", kLedSpeedMin,
                                           kLedSpeedMax, &LedModeRecord::breath, value);
    return result.ok ? stored(p) : result;
}

EditResult MouseSession::setLedColor(int slot, const StoredColor& color, int h, int s, int v)
{
    MOUSECFG_SLOT_OR_REFUSE(slot, p)
    EditResult refusal;
    LedModeRecord* entry = OfferedEntry(current().profiles[p], &LedEffectInfo::color, "colour", refusal);
    if (!entry)
        return refusal;
    entry->RGB = color;
    entry->h = h;
    entry->s = s;
    entry->v = v;
    return stored(p);
}

EditResult MouseSession::setLedColorRgb(int slot, int red, int green, int blue)
{
    int h = 0, s = 0, v = 0;
    red = qBound(0, red, 255);
    green = qBound(0, green, 255);
    blue = qBound(0, blue, 255);
    HsvOf(red, green, blue, h, s, v);
    return setLedColor(slot, StoredColor::fromRgb(red, green, blue), h, s, v);
}

EditResult MouseSession::setSleepTime(int slot, int minutes)
{
    MOUSECFG_SLOT_OR_REFUSE(slot, p)
    if (!SleepOffered())
        return EditResult::Refused(kNoLighting);
    // Products without a lighting page still offer the sleep time on the DPI page.
    int low = DescriptorSleepMin();
    int high = DescriptorSleepMax();
    // The byte holds 0..255; a range that cannot be shown falls back to the usual one.
    if (low < 0 || high > 255 || low > high) {
        low = kSleepFallbackMin;
        high = kSleepFallbackMax;
    }
    if (minutes < low || minutes > high)
        return EditResult::Refused(kOutOfRange, {QStringLiteral("sleep"), Number(low), Number(high), Number(minutes)});
    current().profiles[p].LedSleepTime = quint8(minutes);
    return stored(p);
}

EditResult MouseSession::setMoveOff(int slot, bool lightOff)
{
    MOUSECFG_SLOT_OR_REFUSE(slot, p)
    if (!SleepOffered())
        return EditResult::Refused(kNoLighting);
    current().profiles[p].LedMoveOFF = lightOff ? kMoveOffOn : kMoveOffOff;
    return stored(p);
}

EditResult MouseSession::checkButton(int slot, int record, const ButtonRecord& button, bool withMacro) const
{
    const int p = slotIndex(slot);
    if (p < 0)
        return EditResult::Refused(kNoProfile, {Number(slot + 1)});
    if (!IsProductRecord(record))
        return EditResult::Refused(kNoButton, {Number(record)});
    const ProfileRecord& profile = CurrentSettings().profiles[p];
    const ButtonRecord& old = profile.BUTTON_INFO[record];

    // The mouse must keep a button that clicks; only the buttons it has count.
    if (old.Fun == ButtonCatalogue::kLeftCode && button.Fun != ButtonCatalogue::kLeftCode) {
        bool another = false;
        for (int r = 0; r < kButtonCount && !another; ++r)
            another = r != record && IsProductRecord(r) && profile.BUTTON_INFO[r].Fun == ButtonCatalogue::kLeftCode;
        if (!another) {
            EditResult refusal = EditResult::Refused(kOneClick);
            refusal.clickGuard = true;
            return refusal;
        }
    }
    if (button.Fun == kGunFileFunction && record == 0)
        return EditResult::Refused(kLeftNoGun);
    if (!withMacro || !IsMacroBinding(button))
        return {};

    if (button.macroname.isEmpty() || !ContainsMacroName(button.macroname))
        return EditResult::Refused(kNotListed, {button.macroname});
    const EditResult fits = CheckMacroFits(button.macroname);
    if (!fits.ok)
        return fits;
    QSet<QString> names{button.macroname};
    for (int r = 0; r < kButtonCount; ++r)
        if (r != record && IsProductRecord(r) && IsMacroBinding(profile.BUTTON_INFO[r]))
            names.insert(profile.BUTTON_INFO[r].macroname);
    if (names.size() > kMaxMacroSlots)
        return EditResult::Refused(kTooMany, {Number(kMaxMacroSlots), button.macroname});
    return {};
}

EditResult MouseSession::CheckMacroFits(const QString& name)
{
    if (!MacroFitsSlot(ReadMacroEventsRaw(name, kMaxMacroEventsWithDelays + 1)))
        return EditResult::Refused(kTooLong, {name, Number(kMaxMacroEventsWithDelays), Number(kMaxMacroEventsWithoutDelays)});
    return {};
}

QVector<MacroBinding> MouseSession::macroBindings(const QString& name) const
{
    QVector<MacroBinding> bindings;
    if (name.isEmpty())
        return bindings;
    const SettingsRecord& record = CurrentSettings();
    for (int slot = 0; slot < kProfileCount; ++slot)
        for (int r = 0; r < kButtonCount; ++r) {
            const ButtonRecord& button = record.profiles[slot].BUTTON_INFO[r];
            if (IsProductRecord(r) && IsMacroBinding(button) && button.macroname == name)
                bindings.append({slot, r});
        }
    return bindings;
}

bool MouseSession::storeAppliedSlots(const QSet<int>& changed)
{
    bool saved = true;
    for (int slot : changed) {
        const QString& name = m_applied.names[slot];
        if (!name.isEmpty() && IsProfileFileNameSafe(name))
            saved = SaveProfileFile(m_applied.profiles[slot], ProfileFilePath(name)) && saved;
    }
    if (!changed.isEmpty())
        countStore();
    return saved;
}

bool MouseSession::renameMacroBindings(const QString& oldName, const QString& newName)
{
    if (oldName.isEmpty() || newName.isEmpty() || oldName == newName)
        return true;
    QSet<int> changed;
    // The mouse plays the same events under the new name: what it was written stays in step.
    for (SettingsRecord* settings : {&CurrentSettings(), &m_applied, &WrittenSettings()})
        for (int slot = 0; slot < kProfileCount; ++slot)
            for (ButtonRecord& button : settings->profiles[slot].BUTTON_INFO)
                if (IsMacroBinding(button) && button.macroname == oldName) {
                    button.macroname = newName;
                    if (settings == &m_applied)
                        changed.insert(slot);
                }
    // Stored profiles in no slot keep their buttons too: loaded later, they would name a
    // macro that is gone.
    const bool saved = storeAppliedSlots(changed);
    return changeStoredBindings(oldName, [&newName](ButtonRecord& button, int) { button.macroname = newName; })
           && saved;
}

bool MouseSession::changeStoredBindings(const QString& name, const std::function<void(ButtonRecord&, int)>& change)
{
    bool saved = true;
    for (const QString& path : m_profiles->storedFiles()) {
        ProfileRecord profile;
        LoadProfileFile(profile, path);
        bool changed = false;
        for (int r = 0; r < kButtonCount; ++r) {
            ButtonRecord& button = profile.BUTTON_INFO[r];
            if (IsMacroBinding(button) && button.macroname == name) {
                change(button, r);
                changed = true;
            }
        }
        if (changed)
            saved = SaveProfileFile(profile, path) && saved;
    }
    return saved;
}

bool MouseSession::unbindMacro(const QString& name)
{
    if (name.isEmpty())
        return true;
    ProfileRecord defaults;
    MakeDefaultProfile(defaults);
    QSet<int> changed;
    for (SettingsRecord* settings : {&CurrentSettings(), &m_applied})
        for (int slot = 0; slot < kProfileCount; ++slot)
            for (int r = 0; r < kButtonCount; ++r) {
                ButtonRecord& button = settings->profiles[slot].BUTTON_INFO[r];
                if (IsMacroBinding(button) && button.macroname == name) {
                    button = defaults.BUTTON_INFO[r];
                    if (settings == &m_applied)
                        changed.insert(slot);
                }
            }
    const bool saved = storeAppliedSlots(changed);
    return changeStoredBindings(name, [&defaults](ButtonRecord& button, int r) { button = defaults.BUTTON_INFO[r]; })
           && saved;
}

EditResult MouseSession::setButton(int slot, int record, const ButtonRecord& button)
{
    EditResult result = checkButton(slot, record, button);
    if (!result.ok)
        return result;
    const int p = slotIndex(slot);
    current().profiles[p].BUTTON_INFO[record] = button;
    return stored(p);
}

#undef MOUSECFG_LEVEL_OR_REFUSE
#undef MOUSECFG_SLOT_OR_REFUSE

bool MouseSession::saveFiles()
{
    const SettingsRecord& record = current();
    const bool saved = SaveSettings(record);
    for (int i = 0; i < kProfileCount; ++i)
        if (ConfigProfileName(i) != record.names[i])
            SetConfigProfileName(i, record.names[i]);
    m_profiles->listSlotProfiles();
    m_applied = record;
    countStore();
    return saved;
}

void MouseSession::countStore()
{
    // Only a copy that was in step stays in step: another program's store is not ours.
    const bool inStep = !stale();
    if (m_countsExternalEdits)
        BumpConfigStoreStamp();
    if (inStep)
        m_stamp = ConfigStoreStamp();
}

bool MouseSession::store()
{
    const bool saved = saveFiles();
    // The files now match the record, so only this flag tells the next write the mouse is behind.
    SetConfigDiff(1);
    return saved;
}

quint8 MouseSession::apply(bool writeAll)
{
    m_lastWriteError = {};
    if (stale()) {
        // Writing this copy would undo what another program stored.
        load();
        m_lastWriteError = EditResult::Refused(kStale);
        return WriteResult::Stale;
    }
    const bool saved = saveFiles();

    SettingsRecord& current = CurrentSettings();
    SettingsRecord& written = WrittenSettings();
    quint8 result = ExchangeResult::Success;
    const MacroProblem macros = CheckBoundMacros(current);
    if (MouseAsleep()) {
        result = ExchangeResult::MouseAsleep;
    } else if (!macros.ok()) {
        result = WriteResult::MacroRefused;
        m_lastWriteError = macros.tooMany
            ? EditResult::Refused(kTooMany, {Number(kMaxMacroSlots), macros.name})
            : EditResult::Refused(kTooLong, {macros.name, Number(kMaxMacroEventsWithDelays),
                                             Number(kMaxMacroEventsWithoutDelays)});
    } else {
        int mask = CompareSettings(current, written);
        if (ConfigDiff() == 1 || writeAll)
            mask = kChangeAll;
        if (mask != 0) {
            const bool otherSlot = current.ProfileID != written.ProfileID;
            result = WriteProfile(current, mask);
            if (result == ExchangeResult::Success && otherSlot)
                result = HidTransport::instance().SendAll(BuildSelectProfile(current.ProfileID));
            written = current;
        }
    }
    // Files that were not written would lose the change at the next start: no success then.
    if (result == ExchangeResult::Success && !saved) {
        result = WriteResult::NotSaved;
        m_lastWriteError = EditResult::Refused(kNotSaved);
    }
    // After a failure the mouse may hold anything: the next write sends everything.
    // Written only when it changes (or is missing): each write of Config.ini costs a sync.
    const int diff = result != ExchangeResult::Success ? 1 : 0;
    constexpr IntConfigKey kDiffOrMissing{"Config/Diff", -1};
    if (ReadConfigInt(kDiffOrMissing) != diff)
        SetConfigDiff(diff);
    const QString denied = HidTransport::instance().noAccessPath();
    if (result != ExchangeResult::Success && !m_lastWriteError.error && !denied.isEmpty())
        m_lastWriteError = EditResult::Refused(kNoAccessText, {denied});
    if (result != ExchangeResult::Success && !m_lastWriteError.error)
        m_lastWriteError =
            EditResult::Refused(result == ExchangeResult::MouseAsleep ? kNotConnected : kSendFailed);
    if (m_restartPoller)
        m_restartPoller();
    return result;
}

QString MouseSession::lastWriteError() const { return m_lastWriteError.text(); }

void MouseSession::cancel() { CurrentSettings() = m_applied; }

bool MouseSession::hasUnappliedEdits() const
{
    SettingsRecord edited = CurrentSettings();
    SettingsRecord applied = m_applied;
    if (edited.ProfileID != applied.ProfileID || edited.names != applied.names)
        return true;
    // The same macro under the same name is no edit; the comparison must not take the
    // macro files' changed flags, which the next write needs.
    for (int p = 0; p < kProfileCount; ++p)
        for (int r = 0; r < kButtonCount; ++r) {
            ButtonRecord& a = edited.profiles[p].BUTTON_INFO[r];
            ButtonRecord& b = applied.profiles[p].BUTTON_INFO[r];
            if (IsMacroBinding(a) && a.Fun == b.Fun && a.macroname == b.macroname)
                a.Fun = b.Fun = 0;
        }
    for (int p = 0; p < kProfileCount; ++p) {
        edited.ProfileID = applied.ProfileID = quint8(p);
        if (CompareSettings(edited, applied) != 0)
            return true;
    }
    return false;
}

void MouseSession::resetProfile() { resetProfile(-1); }

void MouseSession::resetProfile(int slot)
{
    const int p = slotIndex(slot);
    if (p < 0)
        return;
    ProfileRecord& record = current().profiles[p];
    const QString name = record.ProfileName;
    const QString path = record.ProfilePath;
    MakeDefaultProfile(record);
    record.ProfileName = name;
    record.ProfilePath = path;
}

void MouseSession::resetAll()
{
    // Every slot, each under its own default name.
    SettingsRecord& s = current();
    MakeDefaultSettings(s);
    for (int i = 0; i < kProfileCount; ++i) {
        MakeDefaultProfile(s.profiles[i]);
        s.profiles[i].ProfileName = s.names[i];
    }
}

void MouseSession::storeSlot(int slot)
{
    SettingsRecord& current = CurrentSettings();
    const QString& name = current.names[slot];
    if (IsProfileFileNameSafe(name) && !name.isEmpty())
        SaveProfileFile(current.profiles[slot], ProfileFilePath(name));
    m_applied.profiles[slot] = current.profiles[slot];
    m_applied.names = current.names;
}

ProfileManager::Outcome MouseSession::profileOperation(int slot,
                                                       const std::function<ProfileManager::Outcome(ProfileManager&)>& op)
{
    const int p = slotIndex(slot);
    if (p < 0)
        return {ProfileManager::Result::Refused, QStringLiteral("Invalid profile name.")};
    SettingsRecord& current = CurrentSettings();
    const quint8 active = current.ProfileID;
    // A first start's empty list would refuse DELETE and offer no profile to pick.
    m_profiles->listSlotProfiles();
    // The manager works on the current slot: lend it the chosen one.
    current.ProfileID = quint8(p);
    const ProfileManager::Outcome outcome = op(*m_profiles);
    current.ProfileID = active;
    SetConfigProfileID(active);
    if (outcome.ok()) {
        storeSlot(p);
        // Names and files changed: a running window must not write its old copy over them.
        countStore();
    }
    return outcome;
}

ProfileManager::Outcome MouseSession::exportProfile(int slot, const QString& path, bool overwrite)
{
    const int p = slotIndex(slot);
    if (p < 0)
        return {ProfileManager::Result::Refused, QStringLiteral("Invalid profile name.")};
    // Reads only: the slot is lent to the manager, nothing is stored.
    SettingsRecord& current = CurrentSettings();
    const quint8 active = current.ProfileID;
    current.ProfileID = quint8(p);
    const ProfileManager::Outcome outcome = m_profiles->exportProfile(path, overwrite, m_applied.profiles[p]);
    current.ProfileID = active;
    return outcome;
}

bool MouseSession::selectSlot(int slot)
{
    if (slot < 0 || slot >= kProfileCount)
        return false;
    current().ProfileID = quint8(slot);
    return true;
}

StatusChange MouseSession::mouseStatus(quint8 profile, quint8 level, quint8 rate)
{
    StatusChange change;
    SettingsRecord& current = CurrentSettings();
    if (profile < kProfileCount && profile != current.ProfileID) {
        change.profile = true;
        current.ProfileID = profile;
        m_applied.ProfileID = profile;
    }
    const int p = activeSlot();
    // What the mouse chose is what it holds: every record and the files take it.
    if (level < kDpiLevelCount && level < LevelCount() && level != current.profiles[p].dpi) {
        change.level = true;
        for (SettingsRecord* r : {&current, &m_applied, &WrittenSettings()})
            r->profiles[p].dpi = level;
    }
    if (std::find(kRateCodes.begin(), kRateCodes.end(), rate) != kRateCodes.end()
        && rate != current.profiles[p].pollrate) {
        change.rate = true;
        for (SettingsRecord* r : {&current, &m_applied, &WrittenSettings()})
            r->profiles[p].pollrate = rate;
    }
    if (change.profile || change.level || change.rate)
        SaveSettings(m_applied);
    return change;
}
