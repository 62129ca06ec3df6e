#include "MacroCommands.h"

#include "AppPaths.h"
#include "ButtonEncoding.h"
#include "Descriptor.h"
#include "GunMacro.h"
#include "IniFile.h"
#include "KeyTables.h"
#include "MacroEvent.h"
#include "MacroFile.h"
#include "MacroNameList.h"
#include "MouseSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

enum Exit { Ok = 0, Failed = 1, Usage = 2 };

const QString kMacroSuffix = QStringLiteral(".MSMACRO");
// A macro file holds a few hundred keys at most; anything far bigger is not one.
constexpr qint64 kMaxImportBytes = 1024 * 1024;

QString Translated(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Why a new macro name cannot be used; empty when it can.
QString NameProblem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("A macro name must not be empty.");
    if (name.size() > kMaxGunNameLength)
        return QStringLiteral("A macro name has at most %1 characters.").arg(kMaxGunNameLength);
    if (!IsSafeFileName(name))
        return QStringLiteral("%1 cannot be a macro name: it must stay a file name inside the macro folder "
                              "(no / or \\, not . or .., no control characters).")
            .arg(Quoted(name));
    return QString();
}

bool RequireListed(const QString& name, QTextStream& err)
{
    if (ContainsMacroName(name))
        return true;
    err << "No macro named " << Quoted(name) << ".\n";
    return false;
}

QString ButtonText(int code)
{
    const char* text = MouseButtonText(code);
    return text && *text ? Translated(text) : QStringLiteral("button %1").arg(code);
}

QString KeyText(int usage)
{
    int code = 0;
    if (CodeFromUsage(usage, code)) {
        const QString name = KeyName(code);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("key usage %1").arg(usage);
}

// One event as the macro page's table shows it: what, then how.
QString EventLine(int index, const MacroEvent& event, int delayUnit)
{
    QString what;
    QString how;
    if (event.isEmpty()) {
        what = QStringLiteral("(empty row)");
    } else if (event.kind() == kMacroKeyKind) {
        what = KeyText(event.DataL);
        how = event.isPress() ? QStringLiteral("Press") : QStringLiteral("Release");
    } else if (event.kind() == kMacroButtonKind) {
        what = ButtonText(event.DataL);
        how = event.isPress() ? QStringLiteral("Press") : QStringLiteral("Release");
    } else if (event.kind() == kMacroMoveKind) {
        const MoveStep step = DecodeStep(event.DataH, event.DataL);
        what = Translated(MoveDirectionText(step.direction));
        how = QString::number(step.distance);
    } else if (event.kind() == kMacroDelayKind) {
        what = QStringLiteral("DELAY");
        how = QStringLiteral("%1 ms").arg(DelayMs(event, delayUnit));
    } else {
        what = QStringLiteral("unknown %1/%2/%3").arg(event.Map).arg(event.DataH).arg(event.DataL);
    }
    if (how.isEmpty())
        return QStringLiteral("%1  %2").arg(index, 3).arg(what);
    return QStringLiteral("%1  %2 %3").arg(index, 3).arg(what.leftJustified(16), how);
}

QString DelayTypeText(int type)
{
    switch (type) {
    case 1:
        return Translated(QT_TRANSLATE_NOOP("QObject", "RECORD DELAYS BETWEEN ACTION"));
    case 2:
        return Translated(QT_TRANSLATE_NOOP("QObject", "INSERT DEFAULT DELAY"));
    default:
        return QStringLiteral("none");
    }
}

QString LoopTypeText(int type)
{
    switch (type) {
    case 1:
        return Translated(QT_TRANSLATE_NOOP("QObject", "LOOPS TIME(1-255)"));
    case 2:
        return Translated(QT_TRANSLATE_NOOP("QObject", "REPEAT RUN WHEN KEY DOWN"));
    case 3:
        return Translated(QT_TRANSLATE_NOOP("QObject", "REPEAT RUN UNTIL THE KEY DOWN"));
    default:
        return QStringLiteral("none");
    }
}

int List(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty()) {
        err << "Usage: mousecfgctl macro list\n";
        return Usage;
    }
    for (const QString& name : MacroNames())
        out << name << "\n";
    return Ok;
}

int Show(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 1) {
        err << "Usage: mousecfgctl macro show NAME\n";
        return Usage;
    }
    const QString& name = args[0];
    if (!RequireListed(name, err))
        return Usage;
    MacroData data;
    const bool exists = MacroFileExists(name);
    if (!LoadMacroFile(name, data)) {
        err << "The file of macro " << Quoted(name) << " could not be read.\n";
        return Failed;
    }
    const int unit = DescriptorMinDelay();
    out << "Macro: " << name << "\n";
    out << "File: " << QDir::toNativeSeparators(MacroFilePath(name)) << (exists ? "" : " (missing)") << "\n";
    out << "Default delay: " << data.settings.DefaultDelay << " ms\n";
    out << "Delays: " << DelayTypeText(data.settings.DelayType) << "\n";
    out << "Loop: " << LoopTypeText(data.settings.LoopType) << "\n";
    out << "Loop time: " << data.settings.LoopTime << "\n";
    out << "Events: " << data.events.size() << " (delay unit " << unit << " ms)\n";
    for (int i = 0; i < data.events.size(); ++i)
        out << EventLine(i, data.events.at(i), unit) << "\n";
    return Ok;
}

struct ImportItem
{
    QString source;
    QString base;
};

bool IsMacroFileName(const QString& fileName)
{
    return fileName.endsWith(kMacroSuffix, Qt::CaseInsensitive) && fileName.size() > kMacroSuffix.size();
}

// Every file is checked before the first is copied, so a refusal leaves everything as it was.
bool CheckImport(const QString& path, ImportItem& item, QTextStream& err)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        err << "No such file: " << path << "\n";
        return false;
    }
    if (!IsMacroFileName(info.fileName())) {
        err << path << " is not a macro file (*" << kMacroSuffix << ").\n";
        return false;
    }
    const QString base = info.fileName().left(info.fileName().size() - kMacroSuffix.size());
    const QString problem = NameProblem(base);
    if (!problem.isEmpty()) {
        err << path << ": " << problem << "\n";
        return false;
    }
    QFile file(path);
    if (info.size() > kMaxImportBytes || !file.open(QIODevice::ReadOnly)) {
        err << path << (info.size() > kMaxImportBytes ? " is too large to be a macro file.\n" : " cannot be read.\n");
        return false;
    }
    file.close();
    std::unique_ptr<QSettings> ini = OpenIni(path);
    if (ini->status() != QSettings::NoError || !ini->contains(QStringLiteral("Setting/Count"))) {
        err << path << " is not a macro file (it has no Setting/Count).\n";
        return false;
    }
    item = ImportItem{path, base};
    return true;
}

int Import(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty()) {
        err << "Usage: mousecfgctl macro import FILE...\n";
        return Usage;
    }
    QVector<ImportItem> items;
    for (const QString& path : args) {
        ImportItem item;
        if (!CheckImport(path, item, err))
            return Usage;
        items.append(item);
    }
    const int count = CountMacroNames();
    if (count + items.size() > kMaxMacros) {
        err << "Too many macros: " << count << " exist, " << items.size() << " more would pass the limit of "
            << kMaxMacros << ". Nothing was imported.\n";
        return Usage;
    }

    QDir().mkpath(MacroFolder());
    QStringList done;
    for (const ImportItem& item : items) {
        const QString name = FreeMacroName(item.base);
        const bool copied = !name.isEmpty() && QFile::copy(item.source, MacroFilePath(name));
        if (!copied || AddMacroName(name) < 0) {
            if (copied)
                QFile::remove(MacroFilePath(name));
            // Half an import would leave the user guessing which files arrived.
            for (const QString& undo : done) {
                RemoveMacroName(undo);
                QFile::remove(MacroFilePath(undo));
            }
            err << "Could not import " << item.source << "; nothing was imported.\n";
            return Failed;
        }
        done.append(name);
    }
    for (int i = 0; i < items.size(); ++i)
        out << "Imported " << items[i].source << " as " << Quoted(done[i]) << ".\n";
    return Ok;
}

int Export(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2) {
        err << "Usage: mousecfgctl macro export NAME FILE\n";
        return Usage;
    }
    const QString& name = args[0];
    if (!RequireListed(name, err))
        return Usage;
    if (!MacroFileExists(name)) {
        err << "Macro " << Quoted(name) << " has no file to export.\n";
        return Usage;
    }
    QString target = args[1];
    // A folder receives the macro under its own file name, as the page's batch export does.
    if (QFileInfo(target).isDir())
        target = QDir(target).filePath(name + kMacroSuffix);
    // Imports read only files named so.
    target = WithMacroSuffix(target);
    if (QFileInfo::exists(target)) {
        err << target << " exists; it is not overwritten.\n";
        return Usage;
    }
    if (!ExportMacroFile(name, target)) {
        err << "Could not write " << target << ".\n";
        return Failed;
    }
    out << "Exported " << Quoted(name) << " to " << target << ".\n";
    return Ok;
}

QString BindingButtonText(int record)
{
    if (record == kWheelUpRecord)
        return QStringLiteral("wheel-up");
    if (record == kWheelDownRecord)
        return QStringLiteral("wheel-down");
    return QStringLiteral("button %1").arg(record);
}

// "slot 1 button 3, slot 2 button 3": where a macro is bound, as the user counts.
QString BindingList(const QVector<MacroBinding>& bindings)
{
    QStringList parts;
    for (const MacroBinding& b : bindings)
        parts << QStringLiteral("slot %1 %2").arg(b.slot + 1).arg(BindingButtonText(b.record));
    return parts.join(QStringLiteral(", "));
}

MouseSession& LoadedSession()
{
    MouseSession& session = MouseSession::instance();
    session.setCountsExternalEdits(true);
    session.load();
    return session;
}

int Delete(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const bool force = args.contains(QStringLiteral("--force"));
    QStringList names = args;
    names.removeAll(QStringLiteral("--force"));
    if (names.size() != 1) {
        err << "Usage: mousecfgctl macro delete NAME [--force]\n";
        return Usage;
    }
    const QString& name = names[0];
    if (!RequireListed(name, err))
        return Usage;
    MouseSession& session = LoadedSession();
    const QVector<MacroBinding> bindings = session.macroBindings(name);
    if (!bindings.isEmpty() && !force) {
        err << "Macro " << Quoted(name) << " is bound to " << BindingList(bindings)
            << "; --force deletes it and gives those buttons their default function.\n";
        return Usage;
    }
    if (!RemoveMacroName(name)) {
        err << "Could not write the macro list.\n";
        return Failed;
    }
    DeleteMacroFile(name);
    if (!session.unbindMacro(name)) {
        err << "Could not write the profile files of " << BindingList(bindings) << ".\n";
        return Failed;
    }
    out << "Deleted " << Quoted(name) << ".\n";
    if (!bindings.isEmpty())
        out << "Default function again: " << BindingList(bindings) << ".\n";
    return Ok;
}

int Rename(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2) {
        err << "Usage: mousecfgctl macro rename OLD NEW\n";
        return Usage;
    }
    const QString& oldName = args[0];
    const QString wanted = args[1].trimmed();
    if (!RequireListed(oldName, err))
        return Usage;
    const QString problem = NameProblem(wanted);
    if (!problem.isEmpty()) {
        err << problem << "\n";
        return Usage;
    }
    if (wanted == oldName) {
        out << Quoted(oldName) << " already has that name.\n";
        return Ok;
    }
    const QString newName = FreeMacroName(wanted);
    if (newName.isEmpty()) {
        err << "No free name for " << Quoted(wanted) << ".\n";
        return Usage;
    }
    const bool hadFile = MacroFileExists(oldName);
    if (hadFile && !RenameMacroFile(oldName, newName)) {
        err << "Could not rename the file of " << Quoted(oldName) << ".\n";
        return Failed;
    }
    if (!RenameMacroName(oldName, newName)) {
        if (hadFile)
            RenameMacroFile(newName, oldName);
        err << "Could not write the macro list.\n";
        return Failed;
    }
    if (!LoadedSession().renameMacroBindings(oldName, newName)) {
        err << "Could not write the profile files of the buttons bound to " << Quoted(oldName) << ".\n";
        return Failed;
    }
    out << "Renamed " << Quoted(oldName) << " to " << Quoted(newName) << ".\n";
    return Ok;
}

bool ParseNumber(const QString& text, int minimum, int maximum, int& value)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < minimum || v > maximum)
        return false;
    value = v;
    return true;
}

bool ParseShot(const QString& text, GunShot& shot, QTextStream& err)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3) {
        err << "A shot is DELAY_MS,VERTICAL,HORIZONTAL, not " << Quoted(text) << ".\n";
        return false;
    }
    if (!ParseNumber(parts[0], kMinGunDelayMs, kMaxGunDelayMs, shot.delayMs)) {
        err << "The delay of shot " << Quoted(text) << " must be " << kMinGunDelayMs << "-" << kMaxGunDelayMs
            << " ms.\n";
        return false;
    }
    if (!ParseNumber(parts[1], -kMaxGunPull, kMaxGunPull, shot.vertical)
        || !ParseNumber(parts[2], -kMaxGunPull, kMaxGunPull, shot.horizontal)) {
        err << "The pulls of shot " << Quoted(text) << " must be " << -kMaxGunPull << " to " << kMaxGunPull
            << " (vertical: + down, - up; horizontal: + right, - left).\n";
        return false;
    }
    return true;
}

int Gun(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() < 2 || args.size() > kMaxGunShots + 1) {
        err << "Usage: mousecfgctl macro gun NAME SHOT... (1-" << kMaxGunShots
            << " shots, each DELAY_MS,VERTICAL,HORIZONTAL)\n";
        return Usage;
    }
    const QString problem = NameProblem(args[0].trimmed());
    if (!problem.isEmpty()) {
        err << problem << "\n";
        return Usage;
    }
    QVector<GunShot> shots;
    for (int i = 1; i < args.size(); ++i) {
        GunShot shot;
        if (!ParseShot(args[i], shot, err))
            return Usage;
        shots.append(shot);
    }
    const QVector<MacroEvent> events = GunMacroEvents(shots);
    QString name;
    switch (CreateGunMacro(args[0], events, &name)) {
    case GunMacroResult::Created:
        out << "Created gun macro " << Quoted(name) << " with " << events.size() << " events.\n";
        return Ok;
    case GunMacroResult::TooManyMacros:
        err << "Too many macros: at most " << kMaxMacros << ".\n";
        return Usage;
    case GunMacroResult::EmptyName:
    case GunMacroResult::NameTooLong:
    case GunMacroResult::UnsafeName:
        err << NameProblem(args[0].trimmed()) << "\n";
        return Usage;
    case GunMacroResult::WriteFailed:
        break;
    }
    err << "Could not write the macro file.\n";
    return Failed;
}

} // namespace

QString MacroCommandHelp()
{
    return QStringLiteral(
        "  macro list          the macro names in list order\n"
        "  macro show NAME     a macro's settings and events, decoded\n"
        "  macro import FILE...  copy .MSMACRO files in (a taken name gets _2, _3 ...)\n"
        "  macro export NAME FILE   copy a macro's file out (FILE may be a folder)\n"
        "  macro delete NAME [--force]   --force also when buttons play it (they get their default)\n"
        "  macro rename OLD NEW\n"
        "  macro gun NAME SHOT...   a recoil macro of 1-5 shots, each DELAY_MS,VERTICAL,HORIZONTAL\n"
        "                      (delay 1-999 ms; pulls -100..100: + down/right, - up/left)\n");
}

int MacroCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString sub = args.value(0);
    const QStringList rest = args.mid(1);
    if (sub == QLatin1String("list"))
        return List(rest, out, err);
    if (sub == QLatin1String("show"))
        return Show(rest, out, err);
    if (sub == QLatin1String("import"))
        return Import(rest, out, err);
    if (sub == QLatin1String("export"))
        return Export(rest, out, err);
    if (sub == QLatin1String("delete"))
        return Delete(rest, out, err);
    if (sub == QLatin1String("rename"))
        return Rename(rest, out, err);
    if (sub == QLatin1String("gun"))
        return Gun(rest, out, err);
    err << "Usage:\n" << MacroCommandHelp();
    return Usage;
}
