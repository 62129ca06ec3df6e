#include "ButtonCommands.h"

#include "MouseSession.h"

#include "ButtonCatalogue.h"
#include "ButtonEncoding.h"
#include "Descriptor.h"
#include "GlobalConfig.h"
#include "KeyTables.h"
#include "MacroNameList.h"
#include "SensorDpi.h"
#include "SettingsRecord.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <array>

namespace {

constexpr quint8 kKeyEventMap = 0x05;
constexpr quint8 kKeyPressed = 0x80;
constexpr quint8 kKeyReleased = 0x00;
constexpr int kFireMin = 1, kFireMax = 255;
constexpr int kLoopsMin = 1, kLoopsMax = 255;
constexpr int kHighestKeyCode = 255;


struct FireButton
{
    const char* name;
    quint8 code;
};
const std::array<FireButton, 3> kFireButtons = {{{"left", 0x81}, {"right", 0x82}, {"middle", 0x84}}};

const char* const kMacroModes[] = {"loops", "while-held", "until-pressed"};

// The combination dialog's slots, in the order their keys are stored.
enum ComboSlot { ShiftSlot, CtrlSlot, WindowsSlot, AltSlot, KeySlot, ComboSlotCount };

QString Folded(const QString& text)
{
    return text.toLower().simplified();
}

// Names typed for keys: the key tables' names in any case, plus the plain modifier words.
int FindKeyCode(const QString& typed)
{
    const QString name = Folded(typed);
    if (name.isEmpty())
        return -1;
    struct Alias
    {
        const char* name;
        int code;
    };
    static const Alias aliases[] = {{"ctrl", 29},  {"lctrl", 29},   {"rctrl", KeyCodes::RCtrl}, {"shift", 42},
                                    {"alt", 56},   {"win", 91},     {"windows", 91},            {"lwin", 91},
                                    {"rwin", 92},  {"esc", 1},      {"escape", 1}};
    for (const Alias& a : aliases)
        if (name == QLatin1String(a.name))
            return a.code;
    for (int code = 1; code <= kHighestKeyCode; ++code) {
        const QString keyName = KeyName(code);
        if (!keyName.isEmpty() && Folded(keyName) == name)
            return code;
    }
    return -1;
}

// A key the mouse can send: it has a name and a keyboard usage.
bool KeyUsage(const QString& typed, int& code, quint8& usage, QString& error)
{
    code = FindKeyCode(typed);
    usage = 0;
    if (code < 0 || !UsageFromCode(code, usage) || usage == 0) {
        error = QStringLiteral("Unknown key \"%1\". Keys are named as in the key capture dialogs, e.g. A, F5, "
                               "Page Up, Num 7, Space, Enter, ctrl, shift, alt, win.")
                    .arg(typed);
        return false;
    }
    return true;
}

// Which combination slot a key fills; modifiers are stored as the left key of their pair.
ComboSlot SlotOfKey(int& code)
{
    switch (code) {
    case 42: case 54: code = 42; return ShiftSlot;
    case 29: case KeyCodes::RCtrl: code = 29; return CtrlSlot;
    case 91: case 92: code = 91; return WindowsSlot;
    case 56: case KeyCodes::RAlt: code = 56; return AltSlot;
    default: return KeySlot;
    }
}

void InsertKeyPair(KeyInfoArray& entries, int n, quint8 usage)
{
    for (int i = kKeyInfoCount - 1; i >= n + 2; --i)
        entries[i] = entries[i - 2];
    entries[n] = KeyInfo{usage, kKeyEventMap, kKeyPressed};
    entries[n + 1] = KeyInfo{usage, kKeyEventMap, kKeyReleased};
}

bool ParseCombo(const QString& text, ButtonRecord& button, QString& error)
{
    // '+' joins keys, but "Num +" holds one: an empty piece belongs to the piece before it.
    const QStringList pieces = text.split(QLatin1Char('+'));
    QStringList keys;
    for (int i = 0; i < pieces.size(); ++i) {
        if (pieces[i].trimmed().isEmpty() && !keys.isEmpty() && FindKeyCode(keys.last() + QLatin1Char('+')) >= 0) {
            keys.last() += QLatin1Char('+');
            continue;
        }
        keys << pieces[i];
    }
    std::array<int, ComboSlotCount> filled{};
    for (const QString& key : keys) {
        int code = 0;
        quint8 usage = 0;
        if (!KeyUsage(key, code, usage, error))
            return false;
        const ComboSlot slot = SlotOfKey(code);
        if (slot == KeySlot && filled[KeySlot] != 0 && filled[KeySlot] != code) {
            error = QStringLiteral("A combination holds one key besides shift, ctrl, win and alt, not \"%1\".")
                        .arg(text);
            return false;
        }
        filled[slot] = code;
    }
    button.KeyInfo = KeyInfoArray{};
    int inserted = 0;
    for (int code : filled) {
        quint8 usage = 0;
        if (code <= 0 || !UsageFromCode(code, usage) || usage == 0)
            continue;
        InsertKeyPair(button.KeyInfo, inserted, usage);
        ++inserted;
    }
    button.KeyNumber = 2 * inserted;
    button.Fun = ButtonCatalogue::kComboKeyCode;
    return true;
}

bool ParseNumber(const QString& text, int low, int high, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

bool ParseFire(const QStringList& args, ButtonRecord& button, QString& error)
{
    if (args.size() < 3) {
        error = QStringLiteral("fire takes left|right|middle|KEY TIMES DELAY_MS.");
        return false;
    }
    int times = 0, delay = 0;
    if (!ParseNumber(args[args.size() - 2], kFireMin, kFireMax, times)
        || !ParseNumber(args.last(), kFireMin, kFireMax, delay)) {
        error = QStringLiteral("fire: TIMES and DELAY_MS must be numbers from %1 to %2, not \"%3\" and \"%4\".")
                    .arg(kFireMin).arg(kFireMax).arg(args[args.size() - 2], args.last());
        return false;
    }
    const QString target = args.mid(0, args.size() - 2).join(QLatin1Char(' '));
    quint8 shot = 0;
    for (const FireButton& b : kFireButtons)
        if (Folded(target) == QLatin1String(b.name))
            shot = b.code;
    int code = 0;
    if (shot == 0 && !KeyUsage(target, code, shot, error))
        return false;
    button.Res1 = shot;
    button.LoopNumber = times;
    button.KeyNumber = delay;
    button.Fun = ButtonCatalogue::kFireKeyCode;
    return true;
}

bool ParseSniper(const QStringList& args, ButtonRecord& button, QString& error)
{
    const int sensor = ConfigMouseSensor();
    const SensorRange range = SensorStepRange(sensor, Descriptor33254() == 1, ConfigCurrentProductName());
    const int low = range.known ? qMax(0, range.minStep) : 0;
    const int high = range.known ? qMin(0xFF, range.maxStep) : 0xFF;
    int step = 0;
    if (args.size() != 1 || !ParseNumber(args[0], low, high, step)) {
        error = QStringLiteral("sniper takes a STEP from %1 to %2 for the sensor %3, not \"%4\".")
                    .arg(low).arg(high).arg(sensor).arg(args.join(QLatin1Char(' ')));
        return false;
    }
    button.Res1 = quint8(step);
    button.Fun = ButtonCatalogue::kSniperCode;
    return true;
}

bool ParseMacro(QStringList args, int fun, ButtonRecord& button, QString& error)
{
    int mode = 0;
    int loops = 1;
    if (!args.isEmpty() && Folded(args.last()) == QLatin1String(kMacroModes[1])) {
        mode = 1;
        args.removeLast();
    } else if (!args.isEmpty() && Folded(args.last()) == QLatin1String(kMacroModes[2])) {
        mode = 2;
        args.removeLast();
    } else if (args.size() >= 2 && Folded(args[args.size() - 2]) == QLatin1String(kMacroModes[0])) {
        if (!ParseNumber(args.last(), kLoopsMin, kLoopsMax, loops)) {
            error = QStringLiteral("loops must be a number from %1 to %2, not \"%3\".")
                        .arg(kLoopsMin).arg(kLoopsMax).arg(args.last());
            return false;
        }
        args.removeLast();
        args.removeLast();
    }
    const QString name = args.join(QLatin1Char(' '));
    const QStringList names = MacroNames();
    if (names.isEmpty()) {
        error = QStringLiteral("There are no macros yet; record one first (mousecfgctl macro ...).");
        return false;
    }
    if (!names.contains(name)) {
        error = QStringLiteral("No macro \"%1\". Macros: %2.").arg(name, names.join(QStringLiteral(", ")));
        return false;
    }
    button.Fun = fun;
    button.LoopNumber = loops;
    button.Res1 = quint8(mode);
    button.macroname = name;
    return true;
}

// 0-41, or the wheel's two records by name.
int ParseRecord(const QString& text)
{
    const QString t = text.toLower();
    if (t == QLatin1String("wheel-up"))
        return kWheelUpRecord;
    if (t == QLatin1String("wheel-down"))
        return kWheelDownRecord;
    int record = -1;
    return ParseNumber(text, 0, kButtonCount - 1, record) ? record : -1;
}

// A catalogue entry by its caption in any case; '-' or '_' may stand for blanks.
const ButtonCatalogue::Entry* FindEntry(const QString& typed)
{
    const QString name = Folded(typed);
    for (const ButtonCatalogue::Entry& entry : ButtonCatalogue::Entries())
        if (Folded(QLatin1String(entry.text)) == name || Folded(ButtonCatalogue::EntryText(entry)) == name)
            return &entry;
    const auto blanked = [](QString text) {
        text.replace(QLatin1Char('-'), QLatin1Char(' '));
        text.replace(QLatin1Char('_'), QLatin1Char(' '));
        return Folded(text);
    };
    for (const ButtonCatalogue::Entry& entry : ButtonCatalogue::Entries())
        if (blanked(QLatin1String(entry.text)) == blanked(name))
            return &entry;
    return nullptr;
}

bool Offered(int code)
{
    for (const ButtonCatalogue::Entry& entry :
         ButtonCatalogue::OfferedEntries(DescriptorDisableMacro() != 0, DescriptorLedDisable() != 0))
        if (entry.code == code)
            return true;
    return false;
}

QString KeyNameOfUsage(int usage)
{
    int code = 0;
    return CodeFromUsage(usage, code) ? KeyName(code) : QString();
}

QString FireTargetName(quint8 res1)
{
    for (const FireButton& b : kFireButtons)
        if (res1 == b.code)
            return QLatin1String(b.name);
    return KeyNameOfUsage(res1);
}

// The keys of a combination, in the order they are pressed.
QStringList ComboKeys(const ButtonRecord& button)
{
    QStringList keys;
    for (const KeyInfo& entry : button.KeyInfo)
        if (entry.map != 0 && entry.H == kKeyPressed)
            keys << KeyNameOfUsage(entry.map);
    return keys;
}

QString MacroModeName(quint8 res1)
{
    return res1 <= 2 ? QLatin1String(kMacroModes[res1]) : QLatin1String(kMacroModes[0]);
}

} // namespace

bool ButtonSetEdit(int slot, const QStringList& values, QString& done, QString& error, bool& reachesMouse)
{
    if (slot < 0 || slot >= kProfileCount || values.size() < 2) {
        error = QStringLiteral("Usage: mousecfgctl set [--profile N] button B FUNCTION [ARGS] [--write]\n") + ButtonSetHelp();
        return false;
    }
    const int index = ParseRecord(values[0]);
    if (index < 0) {
        error = QStringLiteral("BUTTON must be a record number from 0 to %1 (or wheel-up, wheel-down), not \"%2\".")
                    .arg(kButtonCount - 1).arg(values[0]);
        return false;
    }
    MouseSession& session = MouseSession::instance();
    ButtonRecord button = session.current().profiles[slot].BUTTON_INFO[index];
    const QString keyword = values[1].toLower();
    const QStringList args = values.mid(2);
    int code = -1;
    if (keyword == QLatin1String("key"))
        code = ButtonCatalogue::kSingleKeyCode;
    else if (keyword == QLatin1String("combo"))
        code = ButtonCatalogue::kComboKeyCode;
    else if (keyword == QLatin1String("fire"))
        code = ButtonCatalogue::kFireKeyCode;
    else if (keyword == QLatin1String("sniper"))
        code = ButtonCatalogue::kSniperCode;
    else if (keyword == QLatin1String("macro"))
        code = kMacroFunction;
    else if (keyword == QLatin1String("gunfile"))
        code = kGunFileFunction;
    const ButtonCatalogue::Entry* entry = nullptr;
    if (code >= 0) {
        entry = ButtonCatalogue::FindCode(code);
    } else {
        entry = FindEntry(values.mid(1).join(QLatin1Char(' ')));
        if (!entry) {
            error = QStringLiteral("Unknown function \"%1\". Run mousecfgctl help for the functions.")
                        .arg(values.mid(1).join(QLatin1Char(' ')));
            return false;
        }
        if (entry->kind != ButtonCatalogue::Plain) {
            error = QStringLiteral("\"%1\" needs its values; use the key, combo, fire, sniper, macro or gunfile form.")
                        .arg(ButtonCatalogue::EntryText(*entry));
            return false;
        }
    }
    if (!entry || !Offered(entry->code)) {
        error = QStringLiteral("This mouse does not offer \"%1\".").arg(entry ? ButtonCatalogue::EntryText(*entry) : keyword);
        return false;
    }
    // Refusals that need no arguments first, as the page asks before a dialog opens.
    ButtonRecord probe = button;
    probe.Fun = entry->code;
    const EditResult early = session.checkButton(slot, index, probe, false);
    if (!early.ok) {
        error = early.text();
        return false;
    }
    const QString joined = args.join(QLatin1Char(' '));
    bool ok = true;
    switch (entry->kind) {
    case ButtonCatalogue::Plain:
        button.Fun = entry->code;
        break;
    case ButtonCatalogue::SingleKey: {
        int key = 0;
        quint8 usage = 0;
        ok = KeyUsage(joined, key, usage, error);
        if (ok) {
            button.Res1 = quint8(key);
            button.Fun = entry->code;
        }
        break;
    }
    case ButtonCatalogue::ComboKey:
        ok = ParseCombo(joined, button, error);
        break;
    case ButtonCatalogue::FireKey:
        ok = ParseFire(args, button, error);
        break;
    case ButtonCatalogue::Sniper:
        ok = ParseSniper(args, button, error);
        break;
    case ButtonCatalogue::GunFile:
    case ButtonCatalogue::Macro:
        ok = ParseMacro(args, entry->code, button, error);
        break;
    }
    if (!ok)
        return false;
    const EditResult result = session.setButton(slot, index, button);
    if (!result.ok) {
        error = result.text();
        return false;
    }
    reachesMouse = result.reachesMouse;
    done = QStringLiteral("button %1: %2").arg(index).arg(ButtonCatalogue::FunctionText(button));
    return true;
}

QJsonArray ButtonsJson(const ProfileRecord& profile)
{
    QJsonArray list;
    for (int i = 0; i < kButtonCount; ++i) {
        // Records of buttons the product lacks are never sent: they are no setting.
        if (!MouseSession::IsProductRecord(i))
            continue;
        const ButtonRecord& b = profile.BUTTON_INFO[i];
        QJsonObject o;
        o.insert(QStringLiteral("button"), i);
        o.insert(QStringLiteral("function"), ButtonCatalogue::FunctionText(b));
        o.insert(QStringLiteral("code"), b.Fun);
        switch (b.Fun) {
        case ButtonCatalogue::kSingleKeyCode:
            o.insert(QStringLiteral("key"), KeyName(b.Res1));
            break;
        case ButtonCatalogue::kComboKeyCode:
            o.insert(QStringLiteral("keys"), QJsonArray::fromStringList(ComboKeys(b)));
            break;
        case ButtonCatalogue::kFireKeyCode:
            o.insert(QStringLiteral("key"), FireTargetName(b.Res1));
            o.insert(QStringLiteral("times"), b.LoopNumber);
            o.insert(QStringLiteral("delay_ms"), b.KeyNumber);
            break;
        case ButtonCatalogue::kSniperCode:
            o.insert(QStringLiteral("sniper_step"), b.Res1);
            break;
        case kMacroFunction:
        case kGunFileFunction:
            o.insert(QStringLiteral("macro"), b.macroname);
            o.insert(QStringLiteral("mode"), MacroModeName(b.Res1));
            o.insert(QStringLiteral("loops"), b.LoopNumber);
            break;
        default:
            break;
        }
        list.append(o);
    }
    return list;
}

void ShowButtonsText(const ProfileRecord& profile, QTextStream& out)
{
    for (int i = 0; i < kButtonCount; ++i) {
        if (!MouseSession::IsProductRecord(i))
            continue;
        const ButtonRecord& b = profile.BUTTON_INFO[i];
        out << "  Button " << i << ": " << ButtonCatalogue::FunctionText(b);
        switch (b.Fun) {
        case ButtonCatalogue::kComboKeyCode:
            out << " (" << ComboKeys(b).join(QStringLiteral(" + ")) << ")";
            break;
        case ButtonCatalogue::kFireKeyCode:
            out << " (" << FireTargetName(b.Res1) << ", " << b.LoopNumber << " times, " << b.KeyNumber << " ms)";
            break;
        case ButtonCatalogue::kSniperCode:
            out << " (step " << b.Res1 << ")";
            break;
        case kMacroFunction:
        case kGunFileFunction:
            out << " (" << (b.Fun == kMacroFunction ? "macro" : "gun file") << ", "
                << (b.Res1 == 1 || b.Res1 == 2 ? MacroModeName(b.Res1) : QStringLiteral("%1 loops").arg(b.LoopNumber))
                << ")";
            break;
        default:
            break;
        }
        out << "\n";
    }
}

QString ButtonSetHelp()
{
    QStringList names;
    for (const ButtonCatalogue::Entry& entry : ButtonCatalogue::Entries())
        if (entry.kind == ButtonCatalogue::Plain)
            names << QLatin1String(entry.text);
    return QStringLiteral("Button B (0-41, wheel-up, wheel-down) takes:\n"
                          "  FUNCTION              one of: %1\n"
                          "  key NAME              a single key\n"
                          "  combo KEY+KEY...      e.g. ctrl+shift+c\n"
                          "  fire left|right|middle|KEY TIMES DELAY_MS   1-255 each\n"
                          "  sniper STEP\n"
                          "  macro NAME [loops N|while-held|until-pressed]\n"
                          "  gunfile NAME [loops N|while-held|until-pressed]\n")
        .arg(names.join(QStringLiteral(", ")));
}
