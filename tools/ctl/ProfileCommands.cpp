#include "ProfileCommands.h"

#include "AppPaths.h"
#include "CommandSet.h"
#include "HidTransport.h"
#include "MouseLink.h"
#include "MouseSession.h"
#include "ProfileWriter.h"
#include "SettingsRecord.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutexLocker>
#include <array>
#include <functional>
#include <vector>

namespace {

enum Exit { Ok = 0, Failed = 1, Usage = 2 };
enum Option : unsigned { kSlot = 1, kWrite = 2, kForce = 4 };


using Outcome = ProfileManager::Outcome;
using Result = ProfileManager::Result;

// One profile command as typed, and what it did.
struct Request
{
    int slot = -1;       // 0-based; -1 until the session names the active slot
    QString value;       // NAME or FILE
    bool write = false;
    bool force = false;
    QString done;        // what happened, one line
    QString refusal;     // a refusal of the command line's own, instead of the manager's message
};

struct Subcommand
{
    const char* name;
    const char* value;   // "NAME", "FILE" or nullptr
    unsigned options;    // kWrite: the slot's record changes, so it is stored or written
    bool everySlot;      // every slot changes: written in full, as Reset All does
    const char* help;
    std::function<Outcome(MouseSession&, Request&)> run;
};

QString Quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

QString SlotName(MouseSession& s, int slot) { return Quoted(s.current().names[slot]); }

QString Number(int slot) { return QString::number(slot + 1); }

Outcome Done() { return {Result::Ok, QString()}; }

// Fills %1..%4 in one pass, so a name holding "%2" stays as typed.
QString Fill(const char* format, const QStringList& values)
{
    const QString f = QString::fromLatin1(format);
    QString text;
    for (int i = 0; i < f.size(); ++i) {
        const int n = f[i] == QLatin1Char('%') && i + 1 < f.size() ? f[i + 1].digitValue() : -1;
        if (n >= 1 && n <= values.size()) {
            text += values[n - 1];
            ++i;
        } else {
            text += f[i];
        }
    }
    return text;
}

// One manager operation on the request's slot, lent by the session; `done` names the slot afterwards.
std::function<Outcome(MouseSession&, Request&)> Operation(const std::function<Outcome(ProfileManager&, Request&)>& op,
                                                          const char* done)
{
    return [op, done](MouseSession& s, Request& r) {
        const QString before = SlotName(s, r.slot);
        const Outcome outcome = s.profileOperation(r.slot, [&](ProfileManager& m) { return op(m, r); });
        r.done = Fill(done, {Number(r.slot), SlotName(s, r.slot), before, r.value});
        return outcome;
    };
}

const std::vector<Subcommand>& Subcommands()
{
    // %1 slot, %2 its name afterwards, %3 its name before, %4 NAME or FILE.
    static const std::vector<Subcommand> subcommands = {
        {"add", nullptr, kSlot | kWrite, false, "a new profile from the default template in the slot",
         Operation([](ProfileManager& m, Request&) { return m.addProfile(); }, "Slot %1 is now %2 (new profile).")},
        {"copy", nullptr, kSlot, false, "a copy of the slot's profile, taken by the slot",
         Operation([](ProfileManager& m, Request&) { return m.copyCurrent(); }, "Slot %1 is now %2 (a copy of %3).")},
        {"delete", nullptr, kSlot | kWrite, false, "delete the slot's profile; the slot takes a remaining one",
         Operation(
             [](ProfileManager& m, Request&) {
                 const Outcome allowed = m.checkDelete();
                 return allowed.ok() ? m.deleteCurrent() : allowed;
             },
             "Deleted %3; slot %1 is now %2.")},
        {"rename", "NAME", kSlot, false, "give the slot's profile another name",
         Operation([](ProfileManager& m, Request& r) { return m.renameCurrent(r.value); },
                   "Slot %1 is now %2 (renamed from %3).")},
        {"pick", "NAME", kSlot | kWrite, false, "the slot takes the stored profile NAME",
         Operation([](ProfileManager& m, Request& r) { return m.pickStored(r.value); }, "Slot %1 is now %2.")},
        {"import", "FILE", kSlot | kWrite, false, "store the profile file FILE and give it to the slot",
         Operation([](ProfileManager& m, Request& r) { return m.importProfile(r.value); },
                   "Slot %1 is now %2 (imported from %4).")},
        {"export", "FILE", kSlot | kForce, false, "write the slot's profile as last stored to FILE",
         [](MouseSession& s, Request& r) {
             r.done = QStringLiteral("Slot %1 (%2) exported to %3.").arg(Number(r.slot), SlotName(s, r.slot), r.value);
             return s.exportProfile(r.slot, r.value, r.force);
         }},
        {"reset", nullptr, kSlot | kWrite, false, "the slot back to the default profile, keeping its name",
         [](MouseSession& s, Request& r) {
             s.resetProfile(r.slot);
             r.done = QStringLiteral("Slot %1 (%2) is back to the default profile.").arg(Number(r.slot), SlotName(s, r.slot));
             return Done();
         }},
        {"reset-all", nullptr, kWrite, true, "every slot back to its default profile and name; slot 1 active",
         [](MouseSession& s, Request& r) {
             s.resetAll();
             r.slot = s.activeSlot();
             r.done = QStringLiteral("The five slots are back to the default profiles; slot %1 is active.").arg(Number(r.slot));
             return Done();
         }},
    };
    return subcommands;
}

QString Synopsis(const Subcommand& c)
{
    QString text = QStringLiteral("profile ") + QLatin1String(c.name);
    if (c.options & kSlot)
        text += QStringLiteral(" [--slot N]");
    if (c.value)
        text += QLatin1Char(' ') + QLatin1String(c.value);
    if (c.options & kForce)
        text += QStringLiteral(" [--force]");
    if (c.options & kWrite)
        text += QStringLiteral(" [--write]");
    return text;
}

int List(QTextStream& out)
{
    MouseSession& s = MouseSession::instance();
    s.load();
    for (int i = 0; i < kProfileCount; ++i)
        out << "Slot " << i + 1 << ": " << s.current().names[i] << (i == s.activeSlot() ? "  (active)" : "") << "\n";
    const QStringList stored = s.profiles().storedList();
    out << "Stored profiles:" << (stored.isEmpty() ? " none yet" : "") << "\n";
    for (const QString& name : stored)
        out << "  " << name << "\n";
    return Ok;
}

// Splits the options off; false (with a message) on an unknown option or a bad slot.
bool ParseOptions(const Subcommand& c, const QStringList& args, Request& r, QStringList& values, QTextStream& err)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((c.options & kWrite) && a == QLatin1String("--write")) {
            r.write = true;
        } else if ((c.options & kForce) && a == QLatin1String("--force")) {
            r.force = true;
        } else if ((c.options & kSlot) && (a == QLatin1String("--slot") || a.startsWith(QLatin1String("--slot=")))) {
            const QString text = a == QLatin1String("--slot") ? args.value(++i) : a.mid(int(qstrlen("--slot=")));
            bool ok = false;
            const int n = text.toInt(&ok);
            if (!ok || n < 1 || n > kProfileCount) {
                err << "--slot: give a slot number from 1 to " << kProfileCount << ", not \"" << text << "\".\n";
                return false;
            }
            r.slot = n - 1;
        } else if (a.startsWith(QLatin1String("--"))) {
            err << "Unknown option " << a << " for profile " << c.name << ".\n";
            return false;
        } else {
            values << a;
        }
    }
    return true;
}

// What the tool says when the operation did not go through; the exit code.
int NotDone(const Outcome& outcome, const Request& r, QTextStream& out, QTextStream& err)
{
    switch (outcome.result) {
    case Result::Ignored:
        out << "Nothing to do.\n";
        return Ok;
    case Result::TargetExists:
        err << r.value << " exists; add --force to replace it.\n";
        return Usage;
    default:
        err << (r.refusal.isEmpty() ? QCoreApplication::translate("QObject", outcome.message.toUtf8().constData())
                                    : r.refusal)
            << "\n";
        return outcome.result == Result::Failed ? Failed : Usage;
    }
}

QString UsageLine(const Subcommand& c) { return QStringLiteral("Usage: mousecfgctl ") + Synopsis(c) + QLatin1Char('\n'); }

} // namespace

QString ProfileCommandHelp()
{
    QString text = QStringLiteral("Profiles (--slot N: slot 1-5, default the active slot; --write also writes to the mouse):\n");
    text += QStringLiteral("  %1 %2\n").arg(QStringLiteral("profile list"), -48).arg(QStringLiteral("the five slots and the stored profiles"));
    for (const Subcommand& c : Subcommands())
        text += QStringLiteral("  %1 %2\n").arg(Synopsis(c), -48).arg(QLatin1String(c.help));
    return text;
}

int ProfileCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString name = args.value(0);
    if (name == QLatin1String("list")) {
        if (args.size() == 1)
            return List(out);
        err << "Usage: mousecfgctl profile list\n";
        return Usage;
    }
    const Subcommand* command = nullptr;
    for (const Subcommand& c : Subcommands())
        if (name == QLatin1String(c.name))
            command = &c;
    if (!command) {
        err << "Usage: mousecfgctl profile COMMAND [ARGS]\n" << ProfileCommandHelp();
        return Usage;
    }
    Request r;
    QStringList values;
    if (!ParseOptions(*command, args.mid(1), r, values, err))
        return Usage;
    if (values.size() != (command->value ? 1 : 0) || (command->value && values[0].trimmed().isEmpty())) {
        err << UsageLine(*command);
        return Usage;
    }
    // Names are typed as in the window's name edit, which drops surrounding blanks.
    r.value = qstrcmp(command->value, "NAME") == 0 ? values[0].trimmed() : values.value(0);
    if (name == QLatin1String("import") && !QFileInfo(r.value).isFile()) {
        err << "There is no file " << r.value << ".\n";
        return Usage;
    }

    MouseSession& session = MouseSession::instance();
    session.setCountsExternalEdits(true);
    session.load();
    if (r.slot < 0)
        r.slot = session.activeSlot();
    // As set --write: without a mouse awake to take it, nothing is changed.
    if (r.write) {
        const int opened = LinkAwakeMouse(err);
        if (opened != Ok)
            return opened;
    }

    const Outcome outcome = command->run(session, r);
    if (!outcome.ok()) {
        HidTransport::instance().CloseDevice();
        return NotDone(outcome, r, out, err);
    }
    if (!(command->options & kWrite)) {
        out << r.done << "\n";
        return Ok;
    }
    const QString later = QStringLiteral(" The mouse gets it when slot %1 is active.").arg(r.slot + 1);
    const bool reaches = command->everySlot || r.slot == session.activeSlot();
    if (!r.write) {
        if (!session.store()) {
            err << "Cannot write the settings files in " << ConfigsDir() << ".\n";
            return Failed;
        }
        out << r.done << (reaches ? QStringLiteral(" The next write sends it to the mouse.") : later) << "\n";
        return Ok;
    }
    const quint8 result = session.apply(command->everySlot);
    HidTransport::instance().CloseDevice();
    if (result != 0) {
        // The change stays stored and Config/Diff is 1: the next write sends everything.
        err << session.lastWriteError() << "\n";
        return Failed;
    }
    out << r.done << (reaches ? QStringLiteral(" Written to the mouse.") : later) << "\n";
    return Ok;
}
