// Profile management on real files in a temporary application directory: the stored
// list of the product, its profile folder, the slot folder and Config.ini.
#include "AppPaths.h"
#include "ConfigFiles.h"
#include "GlobalConfig.h"
#include "ProfileList.h"
#include "ProfileManager.h"
#include "SettingsRecord.h"
#include "TestAppDir.h"

#include <QtTest>

#include <memory>

namespace {

const QString kProduct = QStringLiteral("M1");
using Result = ProfileManager::Result;

// A profile told apart from others by its report-rate byte.
ProfileRecord Marked(int mark)
{
    ProfileRecord p;
    MakeDefaultProfile(p);
    p.pollrate = quint8(mark);
    return p;
}

QString Stored(const QString& name) { return ProductProfileFilePath(kProduct, name); }

void WriteStored(const QString& name, int mark) { QVERIFY(SaveProfileFile(Marked(mark), Stored(name))); }

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Slots named "Profile 1".."Profile 5", slot `current` active, each slot's record marked with 100 + slot.
SettingsRecord DefaultSlots(int current = 0)
{
    SettingsRecord r;
    for (int i = 0; i < kProfileCount; ++i) {
        r.names[i] = ProfileManager::defaultName(i);
        r.profiles[i] = Marked(100 + i);
    }
    r.ProfileID = quint8(current);
    return r;
}

QStringList NumberedNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("P%1").arg(i);
    return names;
}

} // namespace

class ProfileManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void switchSlotSavesProfileId_data();
    void switchSlotSavesProfileId();
    void followMouseSendsNothingButSwitches();

    void pickProfileUsedByAnotherSlotRefused();
    void pickLoadsSlotFolderFile();
    void pickFallsBackToStoredFolder();
    void pickOfUnknownNameLoadsDefaultProfile();

    void addWithAllDefaultsExistingGivesSix();
    void addWithoutTemplateWritesDefaultProfile();
    void addIntoUnwritableFolderIsReported();
    void copyTwiceNumbersTheSecond();
    void copyOfUnstoredSlotStoresItFirst();

    void renameRefusals_data();
    void renameRefusals();
    void renameMovesFilesListAndSlotNames();

    void deleteRefusals_data();
    void deleteRefusals();
    void deleteChoosesReplacement_data();
    void deleteChoosesReplacement();

    void listFullRefuses_data();
    void listFullRefuses();

    void exportStampsAndCopies();
    void exportRefusesExistingTargetUnlessOverwrite();
    void exportOntoItsOwnStoredFile();
    void exportFailureIsReported_data();
    void exportFailureIsReported();

    void importRefusals_data();
    void importRefusals();
    void importTakesTheFile();

    void saveConfigurationFailureIsReported();
    void loadConfigurationOfOtherProductDoesNothing();
    void loadConfigurationChangesRecordKeepsSlotNames();

    void cancelReloadsCurrentSlot();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void ProfileManagerTest::init() { m_app.reset(new TestAppDir); }

void ProfileManagerTest::cleanup() { m_app.reset(); }

void ProfileManagerTest::switchSlotSavesProfileId_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("expected");
    QTest::newRow("first slot") << 0 << 0;
    QTest::newRow("last slot") << 4 << 4;
    QTest::newRow("below range") << -1 << -1;
    QTest::newRow("above range") << 5 << -1;
}

void ProfileManagerTest::switchSlotSavesProfileId()
{
    QFETCH(int, slot);
    QFETCH(int, expected);
    SettingsRecord record = DefaultSlots(2);
    SetConfigProfileID(2);
    ProfileManager manager(record, kProduct);
    QCOMPARE(manager.switchSlot(slot), expected);
    const int now = expected < 0 ? 2 : expected;
    QCOMPARE(manager.currentSlot(), now);
    QCOMPARE(int(record.ProfileID), now);
    QCOMPARE(ConfigProfileID(), now);
    QCOMPARE(manager.currentName(), ProfileManager::defaultName(now));
}

void ProfileManagerTest::followMouseSendsNothingButSwitches()
{
    SettingsRecord record = DefaultSlots(0);
    ProfileManager manager(record, kProduct);
    QCOMPARE(manager.followMouse(3), 3);
    QCOMPARE(int(record.ProfileID), 3);
    QCOMPARE(ConfigProfileID(), 3);
}

void ProfileManagerTest::pickProfileUsedByAnotherSlotRefused()
{
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Gaming")}));
    SettingsRecord record = DefaultSlots(2);
    record.names[4] = QStringLiteral("Gaming");
    const SettingsRecord before = record;
    ProfileManager manager(record, kProduct);
    const auto outcome = manager.pickStored(QStringLiteral("Gaming"));
    QCOMPARE(outcome.result, Result::Refused);
    QCOMPARE(outcome.message, QStringLiteral("Profile is Already Used!"));
    QCOMPARE(record.names, before.names);
    QCOMPARE(int(record.profiles[2].pollrate), 102);
}

void ProfileManagerTest::pickLoadsSlotFolderFile()
{
    QVERIFY(SaveProfileFile(Marked(7), ProfileFilePath(QStringLiteral("Gaming"))));
    WriteStored(QStringLiteral("Gaming"), 8);
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Gaming")}));
    SettingsRecord record = DefaultSlots(2);
    ProfileManager manager(record, kProduct);
    QVERIFY(manager.pickStored(QStringLiteral("Gaming")).ok());
    QCOMPARE(record.names[2], QStringLiteral("Gaming"));
    QCOMPARE(int(record.profiles[2].pollrate), 7);
    QCOMPARE(record.profiles[2].ProfileName, QStringLiteral("Gaming"));
    QCOMPARE(int(record.profiles[1].pollrate), 101);
    QCOMPARE(ConfigProfileName(2), QStringLiteral("Gaming"));
}

void ProfileManagerTest::pickFallsBackToStoredFolder()
{
    WriteStored(QStringLiteral("Gaming"), 8);
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Gaming")}));
    SettingsRecord record = DefaultSlots(1);
    ProfileManager manager(record, kProduct);
    QVERIFY(manager.pickStored(QStringLiteral("Gaming")).ok());
    QCOMPARE(int(record.profiles[1].pollrate), 8);
}

void ProfileManagerTest::pickOfUnknownNameLoadsDefaultProfile()
{
    // A name the list does not hold is refused: it would load the default profile under it.
    SettingsRecord record = DefaultSlots(1);
    const SettingsRecord before = record;
    ProfileManager manager(record, kProduct);
    const auto outcome = manager.pickStored(QStringLiteral("Nowhere"));
    QCOMPARE(outcome.result, Result::Refused);
    QCOMPARE(record.names, before.names);
    QCOMPARE(int(record.profiles[1].pollrate), int(before.profiles[1].pollrate));
}

void ProfileManagerTest::addWithAllDefaultsExistingGivesSix()
{
    QStringList list;
    for (int i = 0; i < kProfileCount; ++i) {
        WriteStored(ProfileManager::defaultName(i), i + 1);
        list << ProfileManager::defaultName(i);
    }
    WriteStored(QStringLiteral("DefaultProfile"), 42);
    QVERIFY(SaveProfileList(kProduct, list));
    SettingsRecord record = DefaultSlots(1);
    ProfileManager manager(record, kProduct);

    const auto outcome = manager.addProfile();
    QVERIFY(outcome.ok());
    QCOMPARE(manager.currentName(), QStringLiteral("Profile 6"));
    QVERIFY(QFileInfo::exists(Stored(QStringLiteral("Profile 6"))));
    QCOMPARE(manager.storedList(), list + QStringList{QStringLiteral("Profile 6")});
    QCOMPARE(LoadProfileList(kProduct), manager.storedList());
    QCOMPARE(int(record.profiles[1].pollrate), 42);
    QCOMPARE(ConfigProfileName(1), QStringLiteral("Profile 6"));
}

void ProfileManagerTest::addWithoutTemplateWritesDefaultProfile()
{
    SettingsRecord record = DefaultSlots(0);
    ProfileManager manager(record, kProduct);
    QVERIFY(manager.addProfile().ok());
    // "Profile 1" to "Profile 5" are the slots' own names: a new profile takes none of them.
    QCOMPARE(manager.currentName(), QStringLiteral("Profile 6"));
    QVERIFY(QFileInfo::exists(Stored(QStringLiteral("DefaultProfile"))));
    ProfileRecord defaults;
    MakeDefaultProfile(defaults);
    QCOMPARE(int(record.profiles[0].pollrate), int(defaults.pollrate));
    QVERIFY(record.profiles[0].DPI_INFO[0].x != 0);
    QCOMPARE(record.profiles[0].DPI_INFO[0].x, defaults.DPI_INFO[0].x);
}

void ProfileManagerTest::addIntoUnwritableFolderIsReported()
{
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Gaming")}));
    m_app->write(QStringLiteral("Configs/M1/Profile"), "a file where the folder belongs\n");
    SettingsRecord record = DefaultSlots(0);
    ProfileManager manager(record, kProduct);
    const auto outcome = manager.addProfile();
    QCOMPARE(outcome.result, Result::Failed);
    QCOMPARE(outcome.message, QStringLiteral("Cannot write the file."));
    QCOMPARE(manager.storedList(), QStringList{QStringLiteral("Gaming")});
    QCOMPARE(LoadProfileList(kProduct), manager.storedList());
    QCOMPARE(manager.currentName(), QStringLiteral("Profile 1"));
    QCOMPARE(int(record.profiles[0].pollrate), 100);
}

void ProfileManagerTest::copyTwiceNumbersTheSecond()
{
    WriteStored(QStringLiteral("Gaming"), 9);
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Gaming")}));
    SettingsRecord record = DefaultSlots(0);
    record.names[0] = QStringLiteral("Gaming");
    ProfileManager manager(record, kProduct);

    QVERIFY(manager.copyCurrent().ok());
    QCOMPARE(manager.currentName(), QStringLiteral("Gaming copy"));
    QCOMPARE(ReadBytes(Stored(QStringLiteral("Gaming copy"))), ReadBytes(Stored(QStringLiteral("Gaming"))));

    QVERIFY(manager.pickStored(QStringLiteral("Gaming")).ok());
    QVERIFY(manager.copyCurrent().ok());
    QCOMPARE(manager.currentName(), QStringLiteral("Gaming copy 2"));
    QCOMPARE(manager.storedList(),
             (QStringList{QStringLiteral("Gaming"), QStringLiteral("Gaming copy"), QStringLiteral("Gaming copy 2")}));
    QCOMPARE(LoadProfileList(kProduct), manager.storedList());
}

void ProfileManagerTest::copyOfUnstoredSlotStoresItFirst()
{
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Other")}));
    SettingsRecord record = DefaultSlots(0);
    ProfileManager manager(record, kProduct);
    QVERIFY(manager.copyCurrent().ok());
    QCOMPARE(manager.currentName(), QStringLiteral("Profile 1 copy"));
    ProfileRecord copied;
    LoadProfileFile(copied, Stored(QStringLiteral("Profile 1 copy")));
    QCOMPARE(int(copied.pollrate), 100);
}

void ProfileManagerTest::renameRefusals_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("message");
    const QString invalid = QStringLiteral("Invalid profile name.");
    QTest::newRow("default-name slot")
        << "Profile 2" << "Mine" << "The default Profile cannot be deleted or renamed.";
    QTest::newRow("onto existing file") << "Gaming" << "Office" << "Profile Exist!";
    QTest::newRow("onto name of another slot") << "Gaming" << "Slot4Name" << "Profile Exist!";
    QTest::newRow("parent path") << "Gaming" << "../x" << invalid;
    QTest::newRow("separator") << "Gaming" << "a/b" << invalid;
    QTest::newRow("backslash") << "Gaming" << "a\\b" << invalid;
    QTest::newRow("empty") << "Gaming" << "" << invalid;
    QTest::newRow("dot dot") << "Gaming" << ".." << invalid;
    QTest::newRow("control character") << "Gaming" << "a\tb" << invalid;
}

void ProfileManagerTest::renameRefusals()
{
    QFETCH(QString, current);
    QFETCH(QString, newName);
    QFETCH(QString, message);
    WriteStored(QStringLiteral("Gaming"), 1);
    WriteStored(QStringLiteral("Office"), 2);
    const QStringList list{QStringLiteral("Gaming"), QStringLiteral("Office")};
    QVERIFY(SaveProfileList(kProduct, list));
    SettingsRecord record = DefaultSlots(1);
    record.names[1] = current;
    record.names[3] = QStringLiteral("Slot4Name");
    ProfileManager manager(record, kProduct);

    const auto outcome = manager.renameCurrent(newName);
    QCOMPARE(outcome.result, Result::Refused);
    QCOMPARE(outcome.message, message);
    QCOMPARE(manager.currentName(), current);
    QCOMPARE(manager.storedList(), list);
    QVERIFY(QFileInfo::exists(Stored(QStringLiteral("Gaming"))));
}

void ProfileManagerTest::renameMovesFilesListAndSlotNames()
{
    WriteStored(QStringLiteral("Gaming"), 1);
    WriteStored(QStringLiteral("Office"), 2);
    QVERIFY(SaveProfileFile(Marked(3), ProfileFilePath(QStringLiteral("Gaming"))));
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Gaming"), QStringLiteral("Office")}));
    SettingsRecord record = DefaultSlots(2);
    record.names[2] = QStringLiteral("Gaming");
    ProfileManager manager(record, kProduct);

    QVERIFY(manager.renameCurrent(QStringLiteral("Shooter")).ok());
    QCOMPARE(manager.storedList(), (QStringList{QStringLiteral("Shooter"), QStringLiteral("Office")}));
    QCOMPARE(LoadProfileList(kProduct), manager.storedList());
    QCOMPARE(record.names[2], QStringLiteral("Shooter"));
    QCOMPARE(record.profiles[2].ProfileName, QStringLiteral("Shooter"));
    QVERIFY(!QFileInfo::exists(Stored(QStringLiteral("Gaming"))));
    QVERIFY(QFileInfo::exists(Stored(QStringLiteral("Shooter"))));
    QVERIFY(!QFileInfo::exists(ProfileFilePath(QStringLiteral("Gaming"))));
    QVERIFY(QFileInfo::exists(ProfileFilePath(QStringLiteral("Shooter"))));
    QCOMPARE(ConfigProfileName(2), QStringLiteral("Shooter"));
    QCOMPARE(ConfigProfileName(0), QStringLiteral("Profile 1"));
    QCOMPARE(ConfigProfileID(), 2);

    // The next start finds the slot's applied record under its new name.
    SettingsRecord reloaded;
    LoadSettings(reloaded);
    QCOMPARE(reloaded.names[2], QStringLiteral("Shooter"));
    QCOMPARE(int(reloaded.profiles[2].pollrate), 3);
}

void ProfileManagerTest::deleteRefusals_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("message");
    QTest::newRow("only one stored")
        << QStringList{"Gaming"} << "Gaming" << "AT LEAST ONE PROFILE TO BE RETAINED.";
    QTest::newRow("none stored") << QStringList{} << "Gaming" << "AT LEAST ONE PROFILE TO BE RETAINED.";
    QTest::newRow("default name")
        << QStringList{"Profile 3", "Gaming"} << "Profile 3" << "The default Profile cannot be deleted or renamed.";
    QTest::newRow("name leaving its folder")
        << QStringList{"Gaming", "Office"} << "../Gaming" << "Invalid profile name.";
}

void ProfileManagerTest::deleteRefusals()
{
    QFETCH(QStringList, list);
    QFETCH(QString, current);
    QFETCH(QString, message);
    for (const QString& name : list)
        WriteStored(name, 1);
    QVERIFY(SaveProfileList(kProduct, list));
    SettingsRecord record = DefaultSlots(2);
    record.names[2] = current;
    ProfileManager manager(record, kProduct);

    QCOMPARE(manager.checkDelete().message, message);
    const auto outcome = manager.deleteCurrent();
    QCOMPARE(outcome.result, Result::Refused);
    QCOMPARE(outcome.message, message);
    QCOMPARE(manager.storedList(), list);
    QCOMPARE(manager.currentName(), current);
}

void ProfileManagerTest::deleteChoosesReplacement_data()
{
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QString>("otherSlotName");
    QTest::addColumn<QString>("replacement");
    QTest::newRow("middle entry takes the next") << "B" << "" << "C";
    QTest::newRow("last entry takes the one before") << "D" << "" << "C";
    QTest::newRow("first entry takes the next") << "A" << "" << "B";
    QTest::newRow("next used by another slot steps back") << "B" << "C" << "A";
    QTest::newRow("before used by another slot steps back") << "D" << "C" << "B";
    QTest::newRow("nothing before free looks ahead") << "A" << "B" << "C";
}

void ProfileManagerTest::deleteChoosesReplacement()
{
    QFETCH(QString, deleted);
    QFETCH(QString, otherSlotName);
    QFETCH(QString, replacement);
    const QStringList list{"A", "B", "C", "D"};
    for (int i = 0; i < list.size(); ++i)
        WriteStored(list.at(i), i + 1);
    QVERIFY(SaveProfileList(kProduct, list));
    SettingsRecord record = DefaultSlots(1);
    record.names[1] = deleted;
    if (!otherSlotName.isEmpty())
        record.names[3] = otherSlotName;
    ProfileManager manager(record, kProduct);

    QVERIFY(manager.checkDelete().ok());
    QVERIFY(manager.deleteCurrent().ok());
    QStringList rest = list;
    rest.removeAll(deleted);
    QCOMPARE(manager.storedList(), rest);
    QCOMPARE(LoadProfileList(kProduct), rest);
    QVERIFY(!QFileInfo::exists(Stored(deleted)));
    QCOMPARE(manager.currentName(), replacement);
    QCOMPARE(int(record.profiles[1].pollrate), list.indexOf(replacement) + 1);
    QCOMPARE(ConfigProfileName(1), replacement);
}

void ProfileManagerTest::listFullRefuses_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("add") << "add";
    QTest::newRow("copy") << "copy";
    QTest::newRow("import") << "import";
}

void ProfileManagerTest::listFullRefuses()
{
    QFETCH(QString, operation);
    const QStringList full = NumberedNames(kMaxStoredProfiles);
    QVERIFY(SaveProfileList(kProduct, full));
    WriteStored(QStringLiteral("P0"), 1);
    SettingsRecord record = DefaultSlots(0);
    record.names[0] = QStringLiteral("P0");
    ProfileManager manager(record, kProduct);

    const QString outside = m_app->file(QStringLiteral("New.prof"));
    QVERIFY(SaveProfileFile(Marked(5), outside));
    QVERIFY(WriteMouseName(outside, kProduct));

    ProfileManager::Outcome outcome;
    if (operation == QLatin1String("add"))
        outcome = manager.addProfile();
    else if (operation == QLatin1String("copy"))
        outcome = manager.copyCurrent();
    else
        outcome = manager.importProfile(outside);
    QCOMPARE(outcome.result, Result::Refused);
    QCOMPARE(outcome.message, QStringLiteral("The profile list is full."));
    QCOMPARE(manager.storedList(), full);
    QCOMPARE(LoadProfileList(kProduct), full);
    QCOMPARE(manager.currentName(), QStringLiteral("P0"));
    QCOMPARE(QDir(QFileInfo(Stored(QStringLiteral("P0"))).absolutePath()).entryList(QDir::Files),
             QStringList{QStringLiteral("P0.prof")});
}

void ProfileManagerTest::exportStampsAndCopies()
{
    WriteStored(QStringLiteral("Gaming"), 11);
    SettingsRecord record = DefaultSlots(0);
    record.names[0] = QStringLiteral("Gaming");
    ProfileManager manager(record, kProduct);
    const QString target = m_app->file(QStringLiteral("out/Gaming.prof"));
    QDir().mkpath(QFileInfo(target).absolutePath());

    // The slot as applied goes out, not the older copy in the product folder.
    ProfileRecord applied = record.profiles[0];
    applied.pollrate = 22;
    QVERIFY(manager.exportProfile(target, false, applied).ok());
    QCOMPARE(ReadMouseName(target), kProduct);
    ProfileRecord exported;
    LoadProfileFile(exported, target);
    QCOMPARE(int(exported.pollrate), 22);
}

void ProfileManagerTest::exportRefusesExistingTargetUnlessOverwrite()
{
    WriteStored(QStringLiteral("Gaming"), 11);
    SettingsRecord record = DefaultSlots(0);
    record.names[0] = QStringLiteral("Gaming");
    ProfileManager manager(record, kProduct);
    m_app->write(QStringLiteral("out.prof"), "old contents\n");
    const QString target = m_app->file(QStringLiteral("out.prof"));

    QCOMPARE(manager.exportProfile(target, false, record.profiles[0]).result, Result::TargetExists);
    QCOMPARE(ReadBytes(target), QByteArray("old contents\n"));

    QVERIFY(manager.exportProfile(target, true, record.profiles[0]).ok());
    QCOMPARE(ReadMouseName(target), kProduct);
    ProfileRecord exported;
    LoadProfileFile(exported, target);
    QCOMPARE(int(exported.pollrate), int(record.profiles[0].pollrate));
}

void ProfileManagerTest::exportOntoItsOwnStoredFile()
{
    WriteStored(QStringLiteral("Gaming"), 11);
    SettingsRecord record = DefaultSlots(0);
    record.names[0] = QStringLiteral("Gaming");
    ProfileManager manager(record, kProduct);
    ProfileRecord applied = record.profiles[0];
    applied.pollrate = 22;
    QVERIFY(manager.exportProfile(Stored(QStringLiteral("Gaming")), true, applied).ok());
    ProfileRecord kept;
    LoadProfileFile(kept, Stored(QStringLiteral("Gaming")));
    QCOMPARE(int(kept.pollrate), 22);
}

void ProfileManagerTest::exportFailureIsReported_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("missing folder") << "missing" << false;
    QTest::newRow("folder is a file") << "plain.txt" << false;
    QTest::newRow("unwritable folder") << "locked" << true;
}

void ProfileManagerTest::exportFailureIsReported()
{
    QFETCH(QString, folderName);
    QFETCH(bool, readOnlyFolder);
    WriteStored(QStringLiteral("Gaming"), 11);
    SettingsRecord record = DefaultSlots(0);
    record.names[0] = QStringLiteral("Gaming");
    ProfileManager manager(record, kProduct);

    m_app->write(QStringLiteral("plain.txt"), "not a folder\n");
    const QString folder = m_app->file(folderName);
    if (readOnlyFolder) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("running with rights that ignore folder permissions");
        }
    }
    const QString target = folder + QStringLiteral("/Gaming.prof");
    const auto outcome = manager.exportProfile(target, false, record.profiles[0]);
    if (readOnlyFolder)
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(outcome.result, Result::Failed);
    QCOMPARE(outcome.message, QStringLiteral("Cannot write the file."));
    QVERIFY(!QFileInfo::exists(target));
}

void ProfileManagerTest::importRefusals_data()
{
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");
    QTest::newRow("other product") << "M2" << "New.prof" << "The file is not match current mouse!";
    QTest::newRow("no stamp") << "" << "New.prof" << "The file is not match current mouse!";
    QTest::newRow("same file name stored") << "M1" << "Gaming.prof" << "Profile Exist!";
    QTest::newRow("name of another slot") << "M1" << "Profile 4.prof" << "Profile Exist!";
    QTest::newRow("nothing but the suffix") << "M1" << ".prof" << "Invalid profile name.";
}

void ProfileManagerTest::importRefusals()
{
    QFETCH(QString, stamp);
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    WriteStored(QStringLiteral("Gaming"), 1);
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Gaming")}));
    const QString source = m_app->file(QStringLiteral("in/") + fileName);
    QVERIFY(SaveProfileFile(Marked(5), source));
    if (!stamp.isEmpty())
        QVERIFY(WriteMouseName(source, stamp));
    SettingsRecord record = DefaultSlots(0);
    ProfileManager manager(record, kProduct);

    const auto outcome = manager.importProfile(source);
    QCOMPARE(outcome.result, Result::Refused);
    QCOMPARE(outcome.message, message);
    QCOMPARE(manager.storedList(), QStringList{QStringLiteral("Gaming")});
    QCOMPARE(int(record.profiles[0].pollrate), 100);
    QCOMPARE(manager.currentName(), QStringLiteral("Profile 1"));
}

void ProfileManagerTest::importTakesTheFile()
{
    WriteStored(QStringLiteral("Gaming"), 1);
    QVERIFY(SaveProfileList(kProduct, {QStringLiteral("Gaming")}));
    const QString source = m_app->file(QStringLiteral("in/Sniper.prof"));
    QVERIFY(SaveProfileFile(Marked(5), source));
    QVERIFY(WriteMouseName(source, kProduct));
    SettingsRecord record = DefaultSlots(3);
    ProfileManager manager(record, kProduct);

    QVERIFY(manager.importProfile(source).ok());
    QCOMPARE(ReadBytes(Stored(QStringLiteral("Sniper"))), ReadBytes(source));
    QCOMPARE(manager.storedList(), (QStringList{QStringLiteral("Gaming"), QStringLiteral("Sniper")}));
    QCOMPARE(LoadProfileList(kProduct), manager.storedList());
    QCOMPARE(record.names[3], QStringLiteral("Sniper"));
    QCOMPARE(int(record.profiles[3].pollrate), 5);
    QCOMPARE(ConfigProfileName(3), QStringLiteral("Sniper"));
}

void ProfileManagerTest::saveConfigurationFailureIsReported()
{
    SettingsRecord record = DefaultSlots(0);
    ProfileManager manager(record, kProduct);
    m_app->write(QStringLiteral("plain.txt"), "not a folder\n");
    const auto outcome = manager.saveConfiguration(m_app->file(QStringLiteral("plain.txt/all.conf")));
    QCOMPARE(outcome.result, Result::Failed);
    QCOMPARE(outcome.message, QStringLiteral("Cannot write the file."));
    QCOMPARE(manager.saveConfiguration(QString()).result, Result::Ignored);
}

void ProfileManagerTest::loadConfigurationOfOtherProductDoesNothing()
{
    SettingsRecord other = DefaultSlots(4);
    for (ProfileRecord& p : other.profiles)
        p.pollrate = 1;
    const QString path = m_app->file(QStringLiteral("other.conf"));
    QVERIFY(ExportConfiguration(path, other, QStringLiteral("M2")));

    SettingsRecord record = DefaultSlots(0);
    ProfileManager manager(record, kProduct);
    const auto outcome = manager.loadConfiguration(path);
    QCOMPARE(outcome.result, Result::Ignored);
    QVERIFY(outcome.message.isEmpty());
    QCOMPARE(int(record.ProfileID), 0);
    for (int i = 0; i < kProfileCount; ++i)
        QCOMPARE(int(record.profiles[i].pollrate), 100 + i);
}

void ProfileManagerTest::loadConfigurationChangesRecordKeepsSlotNames()
{
    SettingsRecord saved = DefaultSlots(3);
    saved.AngleValue = 1;
    saved.Debounce = 6;
    for (int i = 0; i < kProfileCount; ++i)
        saved.profiles[i].pollrate = quint8(10 + i);
    ProfileManager writer(saved, kProduct);
    const QString path = m_app->file(QStringLiteral("all.conf"));
    QVERIFY(writer.saveConfiguration(path).ok());
    QCOMPARE(ReadMouseName(path), kProduct);

    SettingsRecord record = DefaultSlots(0);
    record.names[2] = QStringLiteral("Gaming");
    ProfileManager manager(record, kProduct);
    QVERIFY(manager.loadConfiguration(path).ok());
    QCOMPARE(int(record.ProfileID), 3);
    QCOMPARE(int(record.AngleValue), 1);
    QCOMPARE(int(record.Debounce), 6);
    for (int i = 0; i < kProfileCount; ++i)
        QCOMPARE(int(record.profiles[i].pollrate), 10 + i);
    QCOMPARE(record.names[2], QStringLiteral("Gaming"));
    QCOMPARE(record.names[0], QStringLiteral("Profile 1"));
    QCOMPARE(ConfigProfileName(2), QStringLiteral("Gaming"));
}

void ProfileManagerTest::cancelReloadsCurrentSlot()
{
    QVERIFY(SaveProfileFile(Marked(33), ProfileFilePath(QStringLiteral("Profile 2"))));
    SettingsRecord record = DefaultSlots(1);
    record.profiles[1].pollrate = 77;
    record.profiles[2].pollrate = 78;
    ProfileManager manager(record, kProduct);
    manager.reloadCurrentSlot();
    QCOMPARE(int(record.profiles[1].pollrate), 33);
    QCOMPARE(int(record.profiles[2].pollrate), 78);
}

QTEST_GUILESS_MAIN(ProfileManagerTest)
#include "tst_profilemanager.moc"
