#pragma once

#include "ProfileManager.h"
#include "SettingsRecord.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

// What one edit did: refused (nothing changed, `error` says why), or stored in the record
// being edited. An edit of a profile the mouse does not hold now reaches it when that
// profile becomes active.
struct EditResult
{
    bool ok = true;
    const char* error = nullptr;  // untranslated source text (context "QObject") with %1...
    QStringList args;             // ...filled in by text()
    bool reachesMouse = true;     // false: stored for a profile that is not active
    bool clickGuard = false;      // refused because the last left click would go

    static EditResult Refused(const char* why, const QStringList& args = {}) { return {false, why, args, false}; }
    // The reason, translated.
    QString text() const;
};

// What a status report of the mouse's own buttons changed.
struct StatusChange
{
    bool profile = false;  // another profile is active: the caller writes it (writeAll)
    bool level = false;
    bool rate = false;
};

// One button bound to a macro: a profile slot (0..4) and a button record.
struct MacroBinding
{
    int slot = 0;
    int record = 0;
    bool operator==(const MacroBinding& o) const { return slot == o.slot && record == o.record; }
};

// The sensor options the point-speed and report-rate pages edit together.
struct SensorOptions
{
    quint8 Sync = 0, LiftHigh = 2, AngleValue = 0, Jitter = 0, Debounce = 1, Wake = 0, SensorMode = 0;
};

// The one place where a user's gesture becomes stored settings and reaches the mouse.
// The window's pages and the command-line tool are views: each gesture is one call here.
//
// Three records: the one being edited (CurrentSettings), the one last applied (what the
// files hold; Cancel goes back to it) and the one last written (WrittenSettings; the
// change check compares against it). The mouse holds the active profile's levels,
// buttons, lighting and macros, and every profile's rate.
//
// Writes block; the window runs them on a worker thread behind its busy dialog, during
// which nothing else touches the session.
class MouseSession
{
public:
    static MouseSession& instance();

    SettingsRecord& current();
    const SettingsRecord& applied() const { return m_applied; }
    int activeSlot() const;

    // Everything from the files (start, another product, a stale copy). Every slot gets a
    // name of its own with an existing file.
    void load();
    // True when another program stored settings since they were loaded.
    bool stale() const;
    // The command-line tool counts each of its stores, so a running window sees them.
    void setCountsExternalEdits(bool counts) { m_countsExternalEdits = counts; }
    // Called after every write, success or not, so the owner can start a new poller.
    void setPollerRestart(std::function<void()> restart) { m_restartPoller = std::move(restart); }

    // Button records the product has: its positions 0..count-1 and the two wheel records.
    static bool IsProductRecord(int record);
    static int LevelCount();

    // Edits; slot -1 is the active profile. Nothing is stored in files or sent until apply.
    EditResult setDpiLevel(int slot, int level, quint32 xStep, quint32 yStep);
    EditResult setDpiLinked(int slot, int level, bool linked);
    EditResult setDpiEnabled(int slot, int level, bool enabled);
    EditResult setActiveLevel(int slot, int level);
    EditResult setReportRate(int slot, quint8 code);
    EditResult setPointerSpeed(int slot, quint8 mouseSpeed, quint8 scrollSpeed);
    EditResult setSensorOptions(const SensorOptions& options);
    EditResult setLift(quint8 millimetres);
    EditResult setLedEffect(int slot, int effect);
    EditResult setLedBrightness(int slot, int value);
    EditResult setLedSpeed(int slot, int value);
    EditResult setLedColor(int slot, const StoredColor& color, int h, int s, int v);
    EditResult setLedColorRgb(int slot, int red, int green, int blue);
    EditResult setSleepTime(int slot, int minutes);
    EditResult setMoveOff(int slot, bool lightOff);
    EditResult setButton(int slot, int record, const ButtonRecord& button);
    // The check setButton makes, for pages that ask before a dialog opens; without
    // withMacro, only the record, the click guard and the left button's gun rule.
    EditResult checkButton(int slot, int record, const ButtonRecord& button, bool withMacro = true) const;

    // The product's buttons in every slot that play the macro (macro or gun-file function),
    // as they are being edited.
    QVector<MacroBinding> macroBindings(const QString& name) const;
    // A renamed macro keeps its buttons: every slot's binding takes the new name, in the
    // edited and the applied records and the slots' files. False when a file failed.
    bool renameMacroBindings(const QString& oldName, const QString& newName);
    // A deleted macro leaves no button playing nothing: its buttons get the product's
    // default function, in the edited and applied records and the slots' files. The
    // mouse gets them with the next write. False when a file failed.
    bool unbindMacro(const QString& name);

    static SensorOptions OptionsOf(const SettingsRecord& settings);
    // Whether the mouse can hold the macro: refused with the limit when it is too long.
    static EditResult CheckMacroFits(const QString& name);

    // Apply and OK: stores the record and writes what differs (everything with writeAll or
    // after a failed write). Returns 0, an exchange result or a WriteResult.
    quint8 apply(bool writeAll = false);
    // Stores the record without writing; the next write sends everything.
    bool store();
    // Back to the record last applied.
    void cancel();
    // True when the record being edited differs from the one last applied.
    bool hasUnappliedEdits() const;
    // RESET and Reset All change the record; the caller applies (Reset All with writeAll).
    void resetProfile();
    // RESET of one slot (-1 the active one), keeping its name; the caller stores or applies.
    void resetProfile(int slot);
    void resetAll();
    // Makes a profile active; the caller applies, which writes the whole profile.
    bool selectSlot(int slot);
    // Profile management of the product's stored profiles and the slots' names.
    ProfileManager& profiles() { return *m_profiles; }
    // One profile operation on slot `slot` (-1 the active one) without making it active.
    // On success the slot's own file is written at once, so the slot never loads as zeros,
    // and the slot's record is what Cancel goes back to.
    ProfileManager::Outcome profileOperation(int slot, const std::function<ProfileManager::Outcome(ProfileManager&)>& op);
    // Exports the slot as last applied.
    ProfileManager::Outcome exportProfile(int slot, const QString& path, bool overwrite);
    // A status report: the mouse's own buttons chose a profile, level or rate. Level and
    // rate are taken into every record and the files at once; other edits stay.
    StatusChange mouseStatus(quint8 profile, quint8 level, quint8 rate);

    // The message of the last failed write, translated.
    QString lastWriteError() const;

private:
    MouseSession();
    ~MouseSession();
    Q_DISABLE_COPY(MouseSession)

    // Distinct, usable slot names, each with its file.
    static void RepairSlots(SettingsRecord& record);
    void storeSlot(int slot);
    // A store of ours: counted for other programs when this one is the command-line tool.
    void countStore();

    // Saves the applied record of every slot in `changed` to its file.
    // Changes every button of the stored profiles' files that plays the macro name.
    bool changeStoredBindings(const QString& name, const std::function<void(ButtonRecord&, int)>& change);
    bool storeAppliedSlots(const QSet<int>& changed);

    int slotIndex(int slot) const;
    EditResult stored(int slot, bool reachesAlways = false) const;
    bool saveFiles();

    SettingsRecord m_applied;
    std::unique_ptr<ProfileManager> m_profiles;
    int m_stamp = 0;
    bool m_countsExternalEdits = false;
    std::function<void()> m_restartPoller;
    EditResult m_lastWriteError;
};
