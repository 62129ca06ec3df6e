#include "ProfileManager.h"

#include "AppPaths.h"
#include "ConfigFiles.h"
#include "GlobalConfig.h"
#include "ProfileList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

const char* const kAlreadyUsed = QT_TRANSLATE_NOOP("QObject", "Profile is Already Used!");
const char* const kProfileExists = QT_TRANSLATE_NOOP("QObject", "Profile Exist!");
const char* const kDefaultProtected =
    QT_TRANSLATE_NOOP("QObject", "The default Profile cannot be deleted or renamed.");
const char* const kRetainOne = QT_TRANSLATE_NOOP("QObject", "AT LEAST ONE PROFILE TO BE RETAINED.");
const char* const kOtherMouse = QT_TRANSLATE_NOOP("QObject", "The file is not match current mouse!");
const char* const kCannotWrite = QT_TRANSLATE_NOOP("QObject", "Cannot write the file.");
const char* const kListFull = QT_TRANSLATE_NOOP("QObject", "The profile list is full.");
const char* const kInvalidName = QT_TRANSLATE_NOOP("QObject", "Invalid profile name.");
const char* const kNotStored = QT_TRANSLATE_NOOP("QObject", "There is no stored profile of that name.");
const char* const kAllHeld =
    QT_TRANSLATE_NOOP("QObject", "Every other profile is in another slot; add a profile before deleting this one.");

const QString kTemplateName = QStringLiteral("DefaultProfile");

ProfileManager::Outcome Done() { return {ProfileManager::Result::Ok, QString()}; }
ProfileManager::Outcome Ignore() { return {ProfileManager::Result::Ignored, QString()}; }
ProfileManager::Outcome Refuse(const char* text)
{
    return {ProfileManager::Result::Refused, QString::fromLatin1(text)};
}
ProfileManager::Outcome Fail(const char* text) { return {ProfileManager::Result::Failed, QString::fromLatin1(text)}; }

bool EnsureFolderOf(const QString& path) { return QDir().mkpath(QFileInfo(path).absolutePath()); }

bool CopyFile(const QString& from, const QString& to) { return EnsureFolderOf(to) && QFile::copy(from, to); }

} // namespace

ProfileManager::ProfileManager(SettingsRecord& record, const QString& product)
    : m_record(record)
{
    setProduct(product);
}

void ProfileManager::setProduct(const QString& product)
{
    m_product = product;
    m_list = LoadProfileList(product);
}

QString ProfileManager::slotName(int slot) const
{
    return (slot >= 0 && slot < kProfileCount) ? m_record.names[slot] : QString();
}

int ProfileManager::currentSlot() const
{
    return m_record.ProfileID < kProfileCount ? m_record.ProfileID : 0;
}

QString ProfileManager::defaultName(int slot) { return QStringLiteral("Profile %1").arg(slot + 1); }

bool ProfileManager::isDefaultName(const QString& name)
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (name == defaultName(i))
            return true;
    }
    return false;
}

int ProfileManager::switchSlot(int slot)
{
    if (slot < 0 || slot >= kProfileCount)
        return -1;
    m_record.ProfileID = quint8(slot);
    SetConfigProfileID(slot);
    return slot;
}

int ProfileManager::followMouse(int slot) { return switchSlot(slot); }

ProfileManager::Outcome ProfileManager::pickStored(const QString& name)
{
    if (!IsSafeFileName(name))
        return Refuse(kInvalidName);
    // Only the list's names: another would load the default profile under a new name.
    if (!isStored(name))
        return Refuse(kNotStored);
    if (usedByOtherSlot(name))
        return Refuse(kAlreadyUsed);
    takeName(name);
    loadIntoCurrent(name, false);
    return Done();
}

ProfileManager::Outcome ProfileManager::addProfile()
{
    if (!productUsable())
        return Fail(kCannotWrite);
    if (m_list.size() >= kMaxStoredProfiles)
        return Refuse(kListFull);
    QString name;
    // Never a name another slot holds: two slots on one file overwrite each other.
    for (int n = 1;; ++n) {
        name = QStringLiteral("Profile %1").arg(n);
        if (!QFileInfo::exists(storedPath(name)) && !isStored(name) && !heldBySlot(name))
            break;
    }
    // Without the template a new profile would load as zeros: give it the default profile.
    const QString templatePath = storedPath(kTemplateName);
    if (!QFileInfo::exists(templatePath)) {
        ProfileRecord defaults;
        MakeDefaultProfile(defaults);
        if (!SaveProfileFile(defaults, templatePath))
            return Fail(kCannotWrite);
    }
    if (!CopyFile(templatePath, storedPath(name)))
        return Fail(kCannotWrite);
    m_list.append(name);
    takeName(name);
    loadIntoCurrent(name, true);
    return saveList();
}

ProfileManager::Outcome ProfileManager::copyCurrent()
{
    const QString current = currentName();
    if (!IsSafeFileName(current))
        return Refuse(kInvalidName);
    if (!productUsable())
        return Fail(kCannotWrite);
    if (m_list.size() >= kMaxStoredProfiles)
        return Refuse(kListFull);
    QString name = current + QStringLiteral(" copy");
    for (int n = 2; QFileInfo::exists(storedPath(name)) || isStored(name) || heldBySlot(name); ++n)
        name = current + QStringLiteral(" copy %1").arg(n);
    if (!ensureCurrentStoredFile() || !CopyFile(storedPath(current), storedPath(name)))
        return Fail(kCannotWrite);
    m_list.append(name);
    takeName(name);
    return saveList();
}

ProfileManager::Outcome ProfileManager::renameCurrent(const QString& newName)
{
    const QString old = currentName();
    if (isDefaultName(old))
        return Refuse(kDefaultProtected);
    if (!IsSafeFileName(newName) || !IsSafeFileName(old))
        return Refuse(kInvalidName);
    if (!productUsable())
        return Fail(kCannotWrite);
    if (QFileInfo::exists(storedPath(newName)) || isStored(newName) || usedByOtherSlot(newName))
        return Refuse(kProfileExists);
    if (QFileInfo::exists(storedPath(old)) && !QFile::rename(storedPath(old), storedPath(newName)))
        return Fail(kCannotWrite);
    // The slot's applied edits live in the slot folder; they follow the name or the next start loses them.
    if (QFileInfo::exists(ProfileFilePath(old))) {
        QFile::remove(ProfileFilePath(newName));
        QFile::rename(ProfileFilePath(old), ProfileFilePath(newName));
    }
    const int at = m_list.indexOf(old);
    if (at >= 0)
        m_list[at] = newName;
    takeName(newName);
    return saveList();
}

ProfileManager::Outcome ProfileManager::checkDelete() const
{
    if (m_list.size() <= 1)
        return Refuse(kRetainOne);
    const QString name = currentName();
    if (isDefaultName(name))
        return Refuse(kDefaultProtected);
    if (!IsSafeFileName(name))
        return Refuse(kInvalidName);
    if (!productUsable())
        return Fail(kCannotWrite);
    return Done();
}

ProfileManager::Outcome ProfileManager::deleteCurrent()
{
    const Outcome allowed = checkDelete();
    if (!allowed.ok())
        return allowed;
    const QString name = currentName();
    QStringList rest = m_list;
    const int at = rest.indexOf(name);
    if (at >= 0)
        rest.removeAt(at);
    if (rest.isEmpty())
        return Refuse(kRetainOne);

    // The entry after the deleted one, or the one before when it was last; step back over other slots' names.
    const int first = at < 0 ? 0 : qMin(at, rest.size() - 1);
    int chosen = first;
    while (chosen > 0 && usedByOtherSlot(rest.at(chosen)))
        --chosen;
    if (usedByOtherSlot(rest.at(chosen))) {
        chosen = -1;
        for (int i = 0; i < rest.size() && chosen < 0; ++i) {
            if (!usedByOtherSlot(rest.at(i)))
                chosen = i;
        }
    }
    // Two slots on one profile would overwrite each other's file.
    if (chosen < 0)
        return Refuse(kAllHeld);
    const QString replacement = rest.at(chosen);

    if (QFileInfo::exists(storedPath(name)) && !QFile::remove(storedPath(name)))
        return Fail(kCannotWrite);
    m_list = rest;
    takeName(replacement);
    loadIntoCurrent(replacement, true);
    return saveList();
}

ProfileManager::Outcome ProfileManager::exportProfile(const QString& path, bool overwrite,
                                                      const ProfileRecord& applied)
{
    if (path.isEmpty())
        return Ignore();
    const QString current = currentName();
    if (!IsSafeFileName(current))
        return Refuse(kInvalidName);
    if (!productUsable())
        return Fail(kCannotWrite);
    if (QFileInfo::exists(path) && !overwrite)
        return {Result::TargetExists, QString()};
    // The slot as last applied, not an older copy in the product folder.
    QTemporaryDir scratch;
    const QString source = scratch.filePath(QStringLiteral("export.prof"));
    ProfileRecord record = applied;
    record.ProfileName = current;
    if (!scratch.isValid() || !SaveProfileFile(record, source) || !WriteMouseName(source, m_product))
        return Fail(kCannotWrite);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Fail(kCannotWrite);
    const QByteArray bytes = in.readAll();
    // Written beside the target and renamed over it, so a failed export leaves the old file whole.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return Fail(kCannotWrite);
    return Done();
}

ProfileManager::Outcome ProfileManager::importProfile(const QString& path)
{
    if (path.isEmpty())
        return Ignore();
    if (!productUsable() || ReadMouseName(path) != m_product)
        return Refuse(kOtherMouse);
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QStringLiteral(".prof"), Qt::CaseInsensitive))
        name.chop(5);
    if (!IsSafeFileName(name))
        return Refuse(kInvalidName);
    const QString target = storedPath(name);
    if (QFileInfo::exists(target) || isStored(name) || usedByOtherSlot(name))
        return Refuse(kProfileExists);
    if (m_list.size() >= kMaxStoredProfiles)
        return Refuse(kListFull);
    if (!CopyFile(path, target))
        return Fail(kCannotWrite);
    m_list.append(name);
    takeName(name);
    loadIntoCurrent(name, true);
    return saveList();
}

ProfileManager::Outcome ProfileManager::saveConfiguration(const QString& path) const
{
    if (path.isEmpty())
        return Ignore();
    if (!ExportConfiguration(path, m_record, m_product))
        return Fail(kCannotWrite);
    return Done();
}

ProfileManager::Outcome ProfileManager::loadConfiguration(const QString& path)
{
    if (path.isEmpty() || !productUsable() || ReadMouseName(path) != m_product)
        return Ignore();
    const std::array<QString, kProfileCount> names = m_record.names;
    ImportConfiguration(path, m_record);
    // Exported configurations carry no slot names: the slots keep theirs rather than turn nameless.
    for (int i = 0; i < kProfileCount; ++i) {
        if (!IsSafeFileName(m_record.names[i]))
            m_record.names[i] = names[i];
    }
    saveSlotNames();
    m_list = LoadProfileList(m_product);
    return Done();
}

void ProfileManager::reloadCurrentSlot()
{
    const QString name = currentName();
    if (IsSafeFileName(name))
        loadIntoCurrent(name, false);
}

void ProfileManager::listSlotProfiles()
{
    if (!productUsable())
        return;
    bool added = false;
    for (int i = 0; i < kProfileCount; ++i) {
        const QString& name = m_record.names[i];
        if (!IsSafeFileName(name) || isStored(name) || m_list.size() >= kMaxStoredProfiles)
            continue;
        if (!QFileInfo::exists(storedPath(name)) && !SaveProfileFile(m_record.profiles[i], storedPath(name)))
            continue;
        m_list.append(name);
        added = true;
    }
    if (added)
        saveList();
}

bool ProfileManager::heldBySlot(const QString& name, int except) const
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (i != except && m_record.names[i] == name)
            return true;
    }
    return false;
}

QString ProfileManager::storedPath(const QString& name) const { return ProductProfileFilePath(m_product, name); }

QStringList ProfileManager::storedFiles() const
{
    QStringList files;
    for (const QString& name : m_list) {
        if (!IsProfileFileNameSafe(name))
            continue;
        QStringList paths{ProfileFilePath(name)};
        if (productUsable())
            paths << storedPath(name);
        for (const QString& path : paths)
            if (QFileInfo::exists(path) && !files.contains(path))
                files << path;
    }
    return files;
}

bool ProfileManager::productUsable() const { return IsSafeFileName(m_product); }

bool ProfileManager::isStored(const QString& name) const { return m_list.contains(name); }

bool ProfileManager::usedByOtherSlot(const QString& name) const { return heldBySlot(name, currentSlot()); }

void ProfileManager::loadIntoCurrent(const QString& name, bool fromStoredFolder)
{
    const QString slotFile = ProfileFilePath(name);
    const QString storedFile = productUsable() ? storedPath(name) : QString();
    const QString first = fromStoredFolder ? storedFile : slotFile;
    const QString second = fromStoredFolder ? slotFile : storedFile;
    ProfileRecord& profile = m_record.active();
    if (!first.isEmpty() && QFileInfo::exists(first))
        LoadProfileFile(profile, first);
    else if (!second.isEmpty() && QFileInfo::exists(second))
        LoadProfileFile(profile, second);
    else
        MakeDefaultProfile(profile);  // a zero profile written to the mouse would disable every button
    SanitizeProfile(profile);
    profile.ProfileName = name;
}

bool ProfileManager::ensureCurrentStoredFile() const
{
    const QString name = currentName();
    const QString stored = storedPath(name);
    if (QFileInfo::exists(stored))
        return true;
    // A slot named before it was stored: its own file, or else what it holds now, becomes the stored one.
    if (QFileInfo::exists(ProfileFilePath(name)))
        return CopyFile(ProfileFilePath(name), stored);
    return SaveProfileFile(m_record.active(), stored);
}

void ProfileManager::takeName(const QString& name)
{
    m_record.names[currentSlot()] = name;
    m_record.active().ProfileName = name;
    saveSlotNames();
}

void ProfileManager::saveSlotNames() const
{
    SetConfigProfileID(currentSlot());
    SetConfigCount(m_record.Count);
    for (int i = 0; i < kProfileCount; ++i)
        SetConfigProfileName(i, m_record.names[i]);
}

ProfileManager::Outcome ProfileManager::saveList() const
{
    return SaveProfileList(m_product, m_list) ? Done() : Fail(kCannotWrite);
}
