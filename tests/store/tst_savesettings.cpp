// SaveSettings writes only the files whose content has to change: a file is "written"
// when its inode changes (every save replaces the file), "untouched" when it keeps it.
#include "AppPaths.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "SettingsRecord.h"
#include "TestAppDir.h"

#include <QDataStream>
#include <QtTest>
#include <sys/stat.h>

namespace {

using Edit = void (*)(SettingsRecord&);
using Touch = void (*)();

const QStringList kFiles = {QStringLiteral("Config.ini"), QStringLiteral("A.prof"), QStringLiteral("B.prof"),
                            QStringLiteral("C.prof"),     QStringLiteral("D.prof"), QStringLiteral("E.prof"),
                            QStringLiteral("F.prof"),     QStringLiteral("G.prof")};

QString PathOf(const QString& file)
{
    return file == QLatin1String("Config.ini") ? ConfigIniPath() : ProfileFilePath(file.chopped(5));
}

// Inode of each file, 0 for a missing one.
QVector<quint64> Inodes()
{
    QVector<quint64> inodes;
    for (const QString& file : kFiles) {
        struct stat st{};
        inodes << (::stat(QFile::encodeName(PathOf(file)).constData(), &st) == 0 ? quint64(st.st_ino) : 0);
    }
    return inodes;
}

QStringList Written(const QVector<quint64>& before, const QVector<quint64>& after)
{
    QStringList written;
    for (int i = 0; i < kFiles.size(); ++i) {
        if (after[i] != before[i])
            written << kFiles[i];
    }
    return written;
}

StoredColor Hsl(quint16 h, quint16 s, quint16 l)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint8(StoredColor::Hsl) << quint16(0xFFFF) << h << s << l << quint16(0);
    return StoredColor::fromStreamBytes(bytes);
}

// Profile management's part of Config.ini: the names of slots 2..5, which the save leaves.
void WriteNames(const SettingsRecord& s)
{
    auto ini = OpenIni(ConfigIniPath());
    for (int i = 0; i < kProfileCount; ++i)
        ini->setValue(QStringLiteral("Config/Profile%1").arg(i + 1), s.names[i]);
}

SettingsRecord Sample()
{
    SettingsRecord s;
    s.names = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E")};
    for (int i = 0; i < kProfileCount; ++i) {
        MakeDefaultProfile(s.profiles[i]);
        s.profiles[i].pollrate = quint8(i + 1);
        s.profiles[i].ProfileName = s.names[i];
    }
    s.profiles[1].LedModes[13].RGB = Hsl(1000, 1000, 1000);
    s.ProfileID = 2;
    s.Jitter = 1;
    return s;
}

// What saving the profile on its own writes.
QByteArray SavedAlone(const ProfileRecord& profile, const QString& scratch)
{
    if (!SaveProfileFile(profile, scratch))
        return {};
    QFile file(scratch);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void EditInPlace()
{
    // Same size, same inode, within the same clock tick as the save just made.
    QFile file(ProfileFilePath(QStringLiteral("B")));
    QVERIFY(file.open(QIODevice::ReadWrite));
    const int at = file.readAll().indexOf("\npollrate=2\n");
    QVERIFY(at > 0);
    file.seek(at + 10);
    file.write("7");
}

void SetKey(const QString& path, const QString& key, int value)
{
    OpenIni(path)->setValue(key, value);
}

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Touch)

class SaveSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void changedRecord_data();
    void changedRecord();
    void changedFiles_data();
    void changedFiles();
};

void SaveSettingsTest::changedRecord_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("written");

    const auto row = [](const char* name, Edit edit, const QStringList& written) {
        QTest::newRow(name) << edit << written;
    };
    row("rate, slot 1", Edit([](SettingsRecord& s) { s.profiles[0].pollrate = 9; }), {"A.prof"});
    row("level 7 y, slot 5", Edit([](SettingsRecord& s) { s.profiles[4].DPI_INFO[7].y += 1; }), {"E.prof"});
    row("last key of the last button, slot 3",
        Edit([](SettingsRecord& s) { s.profiles[2].BUTTON_INFO[41].KeyInfo[62].H ^= 1; }), {"C.prof"});
    row("macro name, slot 2",
        Edit([](SettingsRecord& s) { s.profiles[1].BUTTON_INFO[5].macroname = QStringLiteral("m"); }), {"B.prof"});
    row("profile path, slot 4", Edit([](SettingsRecord& s) { s.profiles[3].ProfilePath = QStringLiteral("x"); }),
        {"D.prof"});
    // Equal under QColor's tolerance, yet the file holds other bytes.
    row("HSL colour, slot 2", Edit([](SettingsRecord& s) { s.profiles[1].LedModes[13].RGB = Hsl(1000, 1010, 1000); }),
        {"B.prof"});
    row("sleep time, slot 5", Edit([](SettingsRecord& s) { s.profiles[4].LedSleepTime = 7; }), {"E.prof"});
    row("two slots", Edit([](SettingsRecord& s) {
            s.profiles[0].LedModes[0].breath += 1;
            s.profiles[4].BUTTON_INFO[0].Fun += 1;
        }),
        {"A.prof", "E.prof"});
    row("sensor option", Edit([](SettingsRecord& s) { s.Jitter = 0; }), {"Config.ini"});
    row("active profile", Edit([](SettingsRecord& s) { s.ProfileID = 0; }), {"Config.ini"});
    row("name of slot 1", Edit([](SettingsRecord& s) { s.names[0] = QStringLiteral("F"); }), {"Config.ini", "F.prof"});
    row("name of slot 3", Edit([](SettingsRecord& s) { s.names[2] = QStringLiteral("G"); }), {"G.prof"});
    row("slot 3 renamed to slot 2's file", Edit([](SettingsRecord& s) {
            s.names[2] = QStringLiteral("B");
            s.profiles[2] = s.profiles[1];
        }),
        {});
}

void SaveSettingsTest::changedRecord()
{
    QFETCH(Edit, edit);
    QFETCH(QStringList, written);
    const TestAppDir dir;
    SettingsRecord s = Sample();
    WriteNames(s);
    QVERIFY(SaveSettings(s));
    const auto before = Inodes();
    edit(s);
    QVERIFY(SaveSettings(s));
    QCOMPARE(Written(before, Inodes()), written);
    auto ini = OpenIni(ConfigIniPath());
    QCOMPARE(ini->value(QStringLiteral("Config/ProfileID")).toInt(), int(s.ProfileID));
    QCOMPARE(ini->value(QStringLiteral("Config/Jitter")).toInt(), int(s.Jitter));
    QCOMPARE(ini->value(QStringLiteral("Config/Profile1")).toString(), s.names[0]);
}

void SaveSettingsTest::changedFiles_data()
{
    QTest::addColumn<Touch>("beforeLoad");
    QTest::addColumn<bool>("load");
    QTest::addColumn<Touch>("touch");
    QTest::addColumn<QStringList>("written");

    const Touch none = nullptr;
    const Touch inPlace = EditInPlace;
    const Touch otherProgram = [] { SetKey(ProfileFilePath(QStringLiteral("B")), QStringLiteral("PROFILE/dpi"), 5); };
    const Touch removed = [] { QVERIFY(QFile::remove(ProfileFilePath(QStringLiteral("B")))); };
    const Touch emptied = [] {
        QFile file(ProfileFilePath(QStringLiteral("B")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    };
    const Touch configKey = [] { SetKey(ConfigIniPath(), QStringLiteral("Config/Jitter"), 9); };
    const Touch otherConfigKey = [] { SetKey(ConfigIniPath(), QStringLiteral("Config/Diff"), 1); };
    const Touch configRemoved = [] { QVERIFY(QFile::remove(ConfigIniPath())); };

    QTest::newRow("saved") << none << false << none << QStringList();
    QTest::newRow("loaded") << none << true << none << QStringList();
    QTest::newRow("another Config.ini key") << none << false << otherConfigKey << QStringList();
    QTest::newRow("edited in place") << none << false << inPlace << QStringList{"B.prof"};
    QTest::newRow("edited in place after a load") << none << true << inPlace << QStringList{"B.prof"};
    QTest::newRow("saved by another program") << none << false << otherProgram << QStringList{"B.prof"};
    QTest::newRow("removed") << none << false << removed << QStringList{"B.prof"};
    QTest::newRow("emptied") << none << false << emptied << QStringList{"B.prof"};
    QTest::newRow("loaded empty, then removed") << emptied << true << removed << QStringList{"B.prof"};
    QTest::newRow("Config.ini key") << none << false << configKey << QStringList{"Config.ini"};
    QTest::newRow("Config.ini removed") << none << false << configRemoved << QStringList{"Config.ini"};
}

void SaveSettingsTest::changedFiles()
{
    QFETCH(Touch, beforeLoad);
    QFETCH(bool, load);
    QFETCH(Touch, touch);
    QFETCH(QStringList, written);
    TestAppDir dir;
    SettingsRecord s = Sample();
    WriteNames(s);
    QVERIFY(SaveSettings(s));
    if (beforeLoad)
        beforeLoad();
    if (load)
        LoadSettings(s);  // what the files hold now is what the next save starts from
    if (touch)
        touch();
    const auto before = Inodes();
    QVERIFY(SaveSettings(s));
    QCOMPARE(Written(before, Inodes()), written);

    // The touched file holds the record again, as a save of it alone writes it.
    QFile file(ProfileFilePath(QStringLiteral("B")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), SavedAlone(s.profiles[1], dir.file(QStringLiteral("scratch.prof"))));
    auto ini = OpenIni(ConfigIniPath());
    QCOMPARE(ini->value(QStringLiteral("Config/Jitter")).toInt(), int(s.Jitter));
    QCOMPARE(ini->value(QStringLiteral("Config/Profile1")).toString(), s.names[0]);
}

QTEST_GUILESS_MAIN(SaveSettingsTest)
#include "tst_savesettings.moc"
