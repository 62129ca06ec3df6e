#pragma once

#include "SettingsRecord.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The profile operations of the main window without any widget: the window asks its
// questions, shows file dialogs and message boxes, and calls these. Nothing here blocks.
//
// Two folders: the stored list's files live in Configs/<product>/Profile/, the slots'
// records in Configs/Profile/. A slot that loads a name missing from its own folder
// takes the other folder's file, and the default profile when neither has one.
class ProfileManager
{
public:
    enum class Result {
        Ok,           // done; refresh menus, name edit and pages
        Refused,      // nothing changed; show message
        Failed,       // a file could not be written; show message
        Ignored,      // nothing to do, nothing to show
        TargetExists, // export only: ask before overwriting, then call again with overwrite
    };

    // message is the untranslated source text (context "QObject"), shown in a box titled "Warning".
    struct Outcome
    {
        Result result = Result::Ok;
        QString message;
        bool ok() const { return result == Result::Ok; }
    };

    ProfileManager(SettingsRecord& record, const QString& product);

    // Reads the stored list of the product again (session start, another product).
    void setProduct(const QString& product);
    QString product() const { return m_product; }

    QStringList storedList() const { return m_list; }
    // The files of every stored profile that exist, in the slot folder and the product's.
    QStringList storedFiles() const;
    QString slotName(int slot) const;
    int currentSlot() const;
    QString currentName() const { return slotName(currentSlot()); }

    static QString defaultName(int slot);      // "Profile 1" .. "Profile 5" for 0..4
    static bool isDefaultName(const QString& name);

    // Makes slot i current on the host (ProfileID, Config/ProfileID) and returns i, or -1
    // when i is no slot. The caller selects it on the mouse and sets the pointer speed.
    int switchSlot(int slot);
    // The mouse chose slot i itself: the same, and nothing is to be sent.
    int followMouse(int slot);

    Outcome pickStored(const QString& name);
    Outcome addProfile();
    Outcome copyCurrent();
    Outcome renameCurrent(const QString& newName);
    // Delete in two steps: the window asks for confirmation between them.
    Outcome checkDelete() const;
    Outcome deleteCurrent();
    // Writes `applied` (the slot as last applied) with the product's name to path.
    Outcome exportProfile(const QString& path, bool overwrite, const ProfileRecord& applied);
    // On Ok the window writes the record to the mouse.
    Outcome importProfile(const QString& path);
    Outcome saveConfiguration(const QString& path) const;
    // On Ok the window switches to page 0, refreshes and writes; another product is Ignored.
    Outcome loadConfiguration(const QString& path);
    // Cancel: the current slot's record again from its file, edits dropped.
    void reloadCurrentSlot();
    // A product whose list is empty (a first start) lists the slots' profiles, each with its
    // stored file; names missing from a non-empty list are added the same way.
    void listSlotProfiles();
    // True when `name` is held by a slot other than `except` (-1: any slot).
    bool heldBySlot(const QString& name, int except = -1) const;

private:
    Q_DISABLE_COPY(ProfileManager)

    QString storedPath(const QString& name) const;
    bool productUsable() const;
    bool isStored(const QString& name) const;
    bool usedByOtherSlot(const QString& name) const;
    void loadIntoCurrent(const QString& name, bool fromStoredFolder);
    bool ensureCurrentStoredFile() const;
    void takeName(const QString& name);
    void saveSlotNames() const;
    Outcome saveList() const;

    SettingsRecord& m_record;
    QString m_product;
    QStringList m_list;
};
