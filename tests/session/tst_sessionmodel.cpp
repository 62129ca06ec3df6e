// The session against the virtual mouse, driven by long seeded random sequences of what
// users and the mouse do: edits on any profile, slot changes, Apply, Cancel, RESET, Reset
// All, the mouse's own buttons, sleep, unplug, injected faults, restarts and other
// programs storing settings. After every step:
//  (a) a write reported as success left the mouse holding the active profile's encoding;
//  (b) a write reported as failure left Config/Diff at 1, and the next success sent all;
//  (c) the files give back the record last applied (checked at each restart);
//  (d) an edit reported as stored is in the record, one refused changed nothing.
// A failing sequence is shortened and printed with its seed.
#include "ButtonEncoding.h"
#include "CommandSet.h"
#include "AppPaths.h"
#include "ConfigFiles.h"
#include "GlobalConfig.h"
#include "MacroFile.h"
#include "MacroNameList.h"
#include "MacroUpload.h"
#include "MouseSession.h"
#include "ProfileWriter.h"
#include "VirtualMouseFixture.h"

#include <cstring>
#include <QRandomGenerator>
#include <QtTest>

using Fault = VirtualMouse::Fault;
using Identity = VirtualMouse::Identity;

namespace {

enum Kind {
    DpiLevelOp, LinkOp, EnableOp, ActiveLevelOp, RateOp, OptionsOp, EffectOp, BrightnessOp, SpeedOp, ColorOp,
    SleepOp, MoveOffOp, ButtonOp, MacroOp, ApplyOp, ApplyAllOp, CancelOp, ResetOp, ResetAllOp, SelectOp,
    MouseButtonsOp, SleepMouseOp, UnplugOp, FaultOp, RestartOp, ExternalOp, AddOp, CopyOp, PickOp, RenameOp,
    DeleteOp, KindCount
};

const char* const kKindNames[KindCount] = {
    "dpi", "link", "enable", "active-level", "rate", "options", "effect", "brightness", "speed", "color",
    "sleep", "move-off", "button", "macro", "apply", "apply-all", "cancel", "reset", "reset-all", "select",
    "mouse-buttons", "mouse-sleep", "unplug", "fault", "restart", "external-edit", "profile-add", "profile-copy",
    "profile-pick", "profile-rename", "profile-delete"};

// How often each operation is drawn.
const int kWeights[KindCount] = {12, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 8, 4, 14, 2, 4, 1, 1, 4, 4, 2, 2, 3, 2, 1,
                                 2, 2, 2, 2, 2};

struct Op
{
    int kind = ApplyOp;
    int a = 0, b = 0, c = 0, d = 0;
    QString text() const
    {
        return QStringLiteral("%1(%2,%3,%4,%5)").arg(QLatin1String(kKindNames[kind])).arg(a).arg(b).arg(c).arg(d);
    }
};

QVector<Op> Generate(quint32 seed, int steps)
{
    QRandomGenerator random(seed);
    int total = 0;
    for (int w : kWeights)
        total += w;
    QVector<Op> ops;
    for (int i = 0; i < steps; ++i) {
        int pick = random.bounded(total);
        Op op;
        for (op.kind = 0; pick >= kWeights[op.kind]; ++op.kind)
            pick -= kWeights[op.kind];
        op.a = random.bounded(-1, 5);   // a slot, -1 the active one
        op.b = random.bounded(0, 9);
        op.c = random.bounded(0, 120);
        op.d = random.bounded(0, 4) == 0 ? random.bounded(0, 120) : op.c;
        ops << op;
    }
    return ops;
}

// Block bytes as the reports place them, closing packets left out.
QByteArray Image(const ReportList& reports, int size)
{
    QByteArray bytes(size, '\0');
    for (const Report& r : reports) {
        if (r[7] == kTagClose)
            continue;
        const int offset = r[4] | (r[5] << 8);
        for (int i = 0; i < r[6] && offset + i < size; ++i)
            bytes[offset + i] = char(r[kReportDataOffset + i]);
    }
    return bytes;
}

template <std::size_t N> QByteArray Bytes(const std::array<quint8, N>& a)
{
    return QByteArray(reinterpret_cast<const char*>(a.data()), int(N));
}

// What the files keep of two records differs: the first difference, or empty.
QString StoredDifference(const SettingsRecord& a, const SettingsRecord& b)
{
    if (a.ProfileID != b.ProfileID)
        return QStringLiteral("ProfileID");
    const SensorOptions x = MouseSession::OptionsOf(a), y = MouseSession::OptionsOf(b);
    if (std::memcmp(&x, &y, sizeof x) != 0)
        return QStringLiteral("sensor options");
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileRecord& u = a.profiles[p];
        const ProfileRecord& v = b.profiles[p];
        const auto field = [p](const char* name, int one, int other) {
            return QStringLiteral("%1 of profile %2: %3, %4").arg(QLatin1String(name)).arg(p + 1).arg(one).arg(other);
        };
        if (u.pollrate != v.pollrate)
            return field("rate", u.pollrate, v.pollrate);
        if (u.dpi != v.dpi)
            return field("active level", u.dpi, v.dpi);
        if (u.scrollspeed != v.scrollspeed)
            return field("scroll speed", u.scrollspeed, v.scrollspeed);
        if (u.LedMode != v.LedMode || u.LedSleepTime != v.LedSleepTime || u.LedMoveOFF != v.LedMoveOFF)
            return field("effect, sleep or move-off", u.LedMode * 10000 + u.LedSleepTime * 256 + u.LedMoveOFF,
                         v.LedMode * 10000 + v.LedSleepTime * 256 + v.LedMoveOFF);
    }
    if (CompareSettings(a, b) != 0)
        return QStringLiteral("what the mouse gets (mask %1)").arg(CompareSettings(a, b));
    for (int p = 0; p < kProfileCount; ++p) {
        SettingsRecord x = a, y = b;
        x.ProfileID = y.ProfileID = quint8(p);
        if (CompareSettings(x, y) != 0)
            return QStringLiteral("profile %1 (mask %2)").arg(p + 1).arg(CompareSettings(x, y));
        if (a.profiles[p].mousespeed != b.profiles[p].mousespeed)
            return QStringLiteral("pointer speed of profile %1").arg(p + 1);
    }
    return QString();
}

class Model
{
public:
    explicit Model(VirtualMouseFixture& f)
        : m_f(f)
    {
        HidTransport::instance().setTiming({0, 2, 0});
        SettingsRecord s;
        MakeDefaultSettings(s);
        for (int p = 1; p < kProfileCount; ++p) {
            MakeDefaultProfile(s.profiles[p]);
            s.profiles[p].DPI_INFO[1].x = quint32(20 + p);   // profiles that differ
            s.profiles[p].LedMode = quint8(p);
        }
        SetConfigCurrentProductName(QStringLiteral("X8 Wireless"));
        SaveSettings(s);
        for (int p = 0; p < kProfileCount; ++p)
            SetConfigProfileName(p, s.names[p]);   // as profile management keeps them
        SetConfigDiff(1);
        MacroData shortMacro;
        for (int k = 0; k < 4; ++k)
            shortMacro.events << MacroEvent::keyEvent(quint8(4 + k), k % 2 == 0);
        MacroData longMacro;
        for (int k = 0; k < 70; ++k)
            longMacro.events << MacroEvent::keyEvent(quint8(4 + k % 20), k % 2 == 0);
        SaveMacroFile(QStringLiteral("Short"), shortMacro);
        SaveMacroFile(QStringLiteral("Long"), longMacro);
        AddMacroName(QStringLiteral("Short"));
        AddMacroName(QStringLiteral("Long"));
        // The comparisons below must not take the flags the session's write check looks at.
        ClearWriteSign(QStringLiteral("Short"));
        ClearWriteSign(QStringLiteral("Long"));
        MouseAsleep() = false;
        session().setCountsExternalEdits(false);
        session().load();
    }

    ~Model() { MouseAsleep() = false; }

    static MouseSession& session() { return MouseSession::instance(); }

    // Carries out one operation; false with `failure` set when an invariant broke.
    bool step(const Op& op, QString& failure)
    {
        SettingsRecord& cur = session().current();
        const SettingsRecord before = cur;
        const int slot = op.a < 0 ? session().activeSlot() : op.a;
        EditResult edit;
        bool edited = true;
        switch (op.kind) {
        case DpiLevelOp:
            edit = session().setDpiLevel(op.a, op.b, quint32(op.c), quint32(op.d));
            if (edit.ok && cur.profiles[slot].DPI_INFO[op.b].x != quint32(op.c))
                return fail(failure, "a stored DPI level is not in the record");
            break;
        case LinkOp:
            edit = session().setDpiLinked(op.a, op.b, op.c % 2);
            if (edit.ok && op.c % 2 && cur.profiles[slot].DPI_INFO[op.b].y != cur.profiles[slot].DPI_INFO[op.b].x)
                return fail(failure, "a linked level keeps a Y of its own");
            break;
        case EnableOp: edit = session().setDpiEnabled(op.a, op.b, op.c % 2); break;
        case ActiveLevelOp: edit = session().setActiveLevel(op.a, op.b); break;
        case RateOp: edit = session().setReportRate(op.a, quint8(op.b)); break;
        case OptionsOp: {
            SensorOptions o;
            o.LiftHigh = quint8(op.b % 3);
            o.Sync = quint8(op.c % 2);
            o.AngleValue = quint8(op.d % 2);
            o.Jitter = quint8(op.c % 3 == 0);
            o.Debounce = quint8(op.c);
            o.Wake = quint8(op.b % 2);
            o.SensorMode = quint8(op.b % 4);
            edit = session().setSensorOptions(o);
            break;
        }
        case EffectOp: edit = session().setLedEffect(op.a, op.b + op.c % 7); break;
        case BrightnessOp: edit = session().setLedBrightness(op.a, op.b % 5); break;
        case SpeedOp: edit = session().setLedSpeed(op.a, op.b % 7); break;
        case ColorOp: edit = session().setLedColorRgb(op.a, op.c * 2, op.d, op.b * 28); break;
        case SleepOp: edit = session().setSleepTime(op.a, op.b + op.c % 4); break;
        case MoveOffOp: edit = session().setMoveOff(op.a, op.b % 2); break;
        case ButtonOp: {
            static const int functions[] = {1, 2, 3, 45, 48, 1, 2, 3, 5};
            ButtonRecord b = cur.profiles[slot].BUTTON_INFO[size_t(op.c % kButtonCount)];
            b.Fun = functions[op.b];
            edit = session().setButton(op.a, op.c % kButtonCount, b);
            if (edit.ok && !MouseSession::IsProductRecord(op.c % kButtonCount))
                return fail(failure, "a record the product lacks was accepted");
            break;
        }
        case MacroOp: {
            ButtonRecord b;
            b.Fun = op.d % 3 == 0 ? kGunFileFunction : kMacroFunction;
            b.macroname = op.b % 3 == 0 ? QStringLiteral("Long") : QStringLiteral("Short");
            b.LoopNumber = 1 + op.c % 3;
            edit = session().setButton(op.a, op.c % 10 == 9 ? kWheelUpRecord : op.c % 8, b);
            if (edit.ok && b.macroname == QLatin1String("Long"))
                return fail(failure, "a macro the mouse cannot hold was bound");
            break;
        }
        default:
            edited = false;
            break;
        }
        if (edited) {
            if (!edit.ok && StoredDifference(cur, before) != QString())
                return fail(failure, "a refused edit changed the record");
            if (edit.ok && edit.reachesMouse != (slot == session().activeSlot() || op.kind == RateOp || op.kind == OptionsOp))
                return fail(failure, "an edit says wrongly whether it reaches the mouse");
            return true;
        }

        switch (op.kind) {
        case ApplyOp: return apply(false, failure);
        case ApplyAllOp: return apply(true, failure);
        case CancelOp:
            session().cancel();
            if (!StoredDifference(cur, session().applied()).isEmpty())
                return fail(failure, "Cancel did not restore the record last applied");
            return true;
        case ResetOp:
            session().resetProfile();
            return apply(false, failure);
        case ResetAllOp:
            session().resetAll();
            return apply(true, failure);
        case SelectOp:
            if (session().selectSlot(op.b % kProfileCount))
                return apply(false, failure);
            return true;
        case MouseButtonsOp: {
            if (!m_plugged || m_asleep)
                return true;
            const quint8 profile = quint8(op.b % kProfileCount);
            const quint8 level = quint8(op.c % MouseSession::LevelCount());
            static const quint8 rates[] = {1, 2, 4, 8};
            const quint8 rate = rates[op.d % 4];
            m_f.mouse->sendStatusReport(profile, level, rate, 0);
            const StatusChange change = session().mouseStatus(profile, level, rate);
            // The window writes the profile the mouse chose.
            return change.profile ? apply(true, failure) : true;
        }
        case SleepMouseOp:
            m_asleep = !m_asleep;
            m_f.mouse->setAsleep(m_asleep);
            MouseAsleep() = m_asleep;   // as the poller reports it
            return true;
        case UnplugOp:
            if (m_plugged) {
                m_f.mouse->unplug(Identity::Dongle);
                HidTransport::instance().CloseDevice();
            } else {
                m_f.mouse->plug(Identity::Dongle);
                m_f.openMouse();
                SetConfigDiff(1);   // a mouse that arrives may hold anything
            }
            m_plugged = !m_plugged;
            return true;
        case FaultOp: {
            static const Fault faults[] = {Fault::NoAnswer, Fault::ZeroAnswer, Fault::WrongDataEcho, Fault::WriteFails};
            m_f.mouse->injectFault(faults[op.b % 4], 1 + op.c % 8);
            return true;
        }
        case RestartOp: return restart(failure);
        case AddOp: return profileOp(op.a, failure, [](ProfileManager& m) { return m.addProfile(); });
        case CopyOp: return profileOp(op.a, failure, [](ProfileManager& m) { return m.copyCurrent(); });
        case PickOp: {
            const QStringList list = session().profiles().storedList();
            const QString name = list.isEmpty() ? QStringLiteral("none") : list.at(op.c % list.size());
            return profileOp(op.a, failure, [&name](ProfileManager& m) { return m.pickStored(name); });
        }
        case RenameOp: {
            const QString name = QStringLiteral("Mine %1").arg(op.c % 7);
            return profileOp(op.a, failure, [&name](ProfileManager& m) { return m.renameCurrent(name); });
        }
        case DeleteOp:
            return profileOp(op.a, failure, [](ProfileManager& m) {
                const ProfileManager::Outcome allowed = m.checkDelete();
                return allowed.ok() ? m.deleteCurrent() : allowed;
            });
        case ExternalOp:
            BumpConfigStoreStamp();   // the command-line tool stored something
            m_external = true;
            return true;
        default:
            return true;
        }
    }

    // The faults still pending would hit the next operations of another sequence.
    void clearFaults() { m_f.mouse->clearFaults(); }

private:
    static bool fail(QString& failure, const char* what)
    {
        failure = QLatin1String(what);
        return false;
    }

    // A profile operation: the slots keep files of their own, and the files hold them.
    template <typename Operation> bool profileOp(int slot, QString& failure, Operation operation)
    {
        const quint8 active = session().current().ProfileID;
        session().profileOperation(slot, operation);
        if (session().current().ProfileID != active || ConfigProfileID() != active)
            return fail(failure, "a profile operation on a slot changed the active one");
        return slotsHaveOwnFiles(session().current(), failure);
    }

    static bool slotsHaveOwnFiles(const SettingsRecord& record, QString& failure)
    {
        QSet<QString> names;
        for (const QString& name : record.names) {
            if (name.isEmpty() || names.contains(name))
                return fail(failure, "two slots share a profile file, or one has none");
            names.insert(name);
            if (!QFileInfo::exists(ProfileFilePath(name)))
                return fail(failure, "a slot's file does not exist");
        }
        return true;
    }

    bool apply(bool all, QString& failure)
    {
        m_f.mouse->clearLogs();
        m_writesBefore = m_f.mouse->counters().hostWrites;
        const bool external = m_external;
        const quint8 result = session().apply(all);
        m_external = false;
        if (external) {
            if (result != WriteResult::Stale)
                return fail(failure, "a stale copy was written");
            if (!StoredDifference(session().current(), session().applied()).isEmpty())
                return fail(failure, "a stale copy was not replaced by the files");
            return true;
        }
        if (result != 0) {
            if (ConfigDiff() != 1)
                return fail(failure, "a failed write left Config/Diff at 0");
            m_mustSendAll = true;
            return true;
        }
        if (ConfigDiff() != 0)
            return fail(failure, "a successful write left Config/Diff at 1");
        // An unplugged mouse may succeed only with nothing to send: it still holds the record.
        if (!m_plugged && m_f.mouse->counters().hostWrites != m_writesBefore)
            return fail(failure, "a write reached an unplugged mouse");
        if (m_mustSendAll) {
            const QVector<quint8> commits = m_f.mouse->commitLog();
            for (quint8 block : {Command::SettingsBlock, Command::ButtonBlock, Command::DpiBlock, Command::LedBlock})
                if (!commits.contains(block))
                    return fail(failure, "the write after a failure did not send everything");
            m_mustSendAll = false;
        }
        return mouseHoldsActiveProfile(failure);
    }

    bool mouseHoldsActiveProfile(QString& failure)
    {
        SettingsRecord image = session().current();
        const DeviceContext context = LoadDeviceContext(0);
        MacroSlotMap map;
        const QByteArray buttons = Bytes(BuildButtonImage(image, context, map));
        if (m_f.mouse->block(Command::SettingsBlock) != Image(BuildSettingsBlock(image, context), 19))
            return fail(failure, "success, but the mouse's settings block differs");
        if (m_f.mouse->block(Command::DpiBlock) != Image(BuildDpiBlock(image, context), 41))
            return fail(failure, "success, but the mouse's DPI levels differ");
        if (m_f.mouse->block(Command::ButtonBlock) != buttons)
            return fail(failure, "success, but the mouse's buttons differ");
        if (m_f.mouse->block(Command::LedBlock) != Bytes(BuildLedImage(image.active())))
            return fail(failure, "success, but the mouse's lighting differs");
        return true;
    }

    bool restart(QString& failure)
    {
        SettingsRecord files;
        LoadSettings(files);
        const QString difference = StoredDifference(files, session().applied());
        if (!difference.isEmpty()) {
            failure = QStringLiteral("the files do not give back the record last applied: ") + difference;
            return false;
        }
        for (const ProfileRecord& profile : files.profiles) {
            const bool zeros = profile.pollrate == 0 && std::all_of(profile.DPI_INFO.begin(), profile.DPI_INFO.end(),
                                                                    [](const DpiLevel& l) { return l.x == 0; });
            if (zeros)
                return fail(failure, "a slot loads as zeros");
        }
        if (!slotsHaveOwnFiles(files, failure))
            return false;
        m_external = false;
        session().load();
        // With Config/Diff 0 the files say the mouse holds them.
        if (ConfigDiff() == 0 && m_plugged && !m_mustSendAll)
            return mouseHoldsActiveProfile(failure);
        return true;
    }

    VirtualMouseFixture& m_f;
    bool m_plugged = true;
    bool m_asleep = false;
    bool m_mustSendAll = true;   // what the mouse holds at the start is unknown
    bool m_external = false;
    int m_writesBefore = 0;
};

// Runs a sequence on a fresh application directory and mouse; the failing step or -1.
int Run(const QVector<Op>& ops, QString& failure)
{
    VirtualMouseFixture f;
    Model model(f);
    for (int i = 0; i < ops.size(); ++i)
        if (!model.step(ops[i], failure))
            return i;
    model.clearFaults();
    return -1;
}

// Drops operations while the sequence still fails, for a short report.
QVector<Op> Shorten(QVector<Op> ops, int replays)
{
    for (int chunk = ops.size() / 2; chunk >= 1 && replays > 0; chunk /= 2) {
        for (int start = 0; start + chunk <= ops.size() && replays > 0;) {
            QVector<Op> shorter = ops;
            shorter.remove(start, chunk);
            QString failure;
            --replays;
            const int at = Run(shorter, failure);
            if (at >= 0)
                ops = shorter.mid(0, at + 1);
            else
                start += chunk;
        }
    }
    return ops;
}

} // namespace

class SessionModelTest : public QObject
{
    Q_OBJECT

private slots:
    void randomOperations_data();
    void randomOperations();
};

void SessionModelTest::randomOperations_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    // MOUSECFG_MODEL_SEED replays one sequence; the fixed seeds keep CI repeatable.
    // MOUSECFG_MODEL_STEPS sets the length (the sanitizer build runs shorter ones).
    const int steps = qEnvironmentVariableIsSet("MOUSECFG_MODEL_STEPS") ? qEnvironmentVariableIntValue("MOUSECFG_MODEL_STEPS") : 1000;
    const QByteArray chosen = qgetenv("MOUSECFG_MODEL_SEED");
    if (!chosen.isEmpty()) {
        QTest::newRow("chosen seed") << quint32(chosen.toUInt()) << steps;
        return;
    }
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << steps;
}

void SessionModelTest::randomOperations()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    const QVector<Op> ops = Generate(seed, steps > 0 ? steps : 1000);
    QString failure;
    const int at = Run(ops, failure);
    if (at < 0)
        return;
    QStringList lines;
    for (const Op& op : Shorten(ops.mid(0, at + 1), 300))
        lines << op.text();
    QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\nshortened sequence:\n  %4")
                         .arg(seed).arg(at).arg(failure, lines.join(QStringLiteral("\n  ")))));
}

QTEST_GUILESS_MAIN(SessionModelTest)
#include "tst_sessionmodel.moc"
