#include "AppPaths.h"
#include "GunMacro.h"
#include "MacroFile.h"
#include "MacroNameList.h"
#include "TestAppDir.h"

#include <QDirIterator>
#include <QMap>
#include <QSettings>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(GunShot)
Q_DECLARE_METATYPE(GunMacroResult)

namespace {

// Events as "Map/DataH/DataL" separated by blanks, the way the rows below read.
QString EventsText(const QVector<MacroEvent>& events)
{
    QStringList parts;
    for (const MacroEvent& e : events)
        parts << QStringLiteral("%1/%2/%3").arg(e.Map).arg(e.DataH).arg(e.DataL);
    return parts.join(QLatin1Char(' '));
}

// Every file below the app dir with its bytes, to prove a refusal touched nothing.
QMap<QString, QByteArray> Snapshot(const TestAppDir& app)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(app.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(app.path()).relativeFilePath(path), file.readAll());
    }
    return files;
}

QByteArray ListIni(const QStringList& names)
{
    QByteArray text = "[MACRO_LIST]\n";
    for (int i = 0; i < names.size(); ++i)
        text += QByteArray::number(i) + '=' + names[i].toUtf8() + '\n';
    return text;
}

QStringList ManyNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("m%1").arg(i);
    return names;
}

} // namespace

class TestGunMacro : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void events_data();
    void events();
    void buttonHeldThroughEachShotAndReleasedAtTheEnd();
    void fileKeys();
    void fileReadsBackUnchanged();
    void buttonThatNamesTheMacroSendsItAgain();
    void unsafeNamesWriteNothing_data();
    void unsafeNamesWriteNothing();
    void naming_data();
    void naming();
    void takesFirstFreeListKey();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void fiftiethIsTheLast();
    void unwritableFolderAddsNoName();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void TestGunMacro::init()
{
    m_app = std::make_unique<TestAppDir>();
    m_app->installShippedDescriptor();
}

void TestGunMacro::cleanup()
{
    m_app.reset();
}

void TestGunMacro::events_data()
{
    QTest::addColumn<QVector<GunShot>>("shots");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one shot delay 100 down 5: four rows, then the release")
        << QVector<GunShot>{{100, 5, 0}} << "1/0/1 129/0/1 2/5/0 6/0/10 1/0/1";
    QTest::newRow("vertical -3 steps up as 253")
        << QVector<GunShot>{{100, -3, 0}} << "1/0/1 129/0/1 2/253/0 6/0/10 1/0/1";
    QTest::newRow("horizontal -3 steps left as 253")
        << QVector<GunShot>{{100, 0, -3}} << "1/0/1 129/0/1 2/0/253 6/0/10 1/0/1";
    QTest::newRow("horizontal 7 steps right")
        << QVector<GunShot>{{100, 0, 7}} << "1/0/1 129/0/1 2/0/7 6/0/10 1/0/1";
    QTest::newRow("vertical before horizontal")
        << QVector<GunShot>{{20, 4, -2}} << "1/0/1 129/0/1 2/4/0 2/0/254 6/0/2 1/0/1";
    QTest::newRow("delay 5 ms keeps a pause of count 0")
        << QVector<GunShot>{{5, 0, 0}} << "1/0/1 129/0/1 6/0/0 1/0/1";
    QTest::newRow("delay counts 10 ms whatever the descriptor says")
        << QVector<GunShot>{{999, 0, 0}} << "1/0/1 129/0/1 6/0/99 1/0/1";
    QTest::newRow("delay 0 adds no pause") << QVector<GunShot>{{0, 0, 0}} << "1/0/1 129/0/1 1/0/1";
    QTest::newRow("pulls of 100 both ways")
        << QVector<GunShot>{{10, 100, -100}} << "1/0/1 129/0/1 2/100/0 2/0/156 6/0/1 1/0/1";
    QTest::newRow("pull of 500 is held to 100")
        << QVector<GunShot>{{10, 500, -500}} << "1/0/1 129/0/1 2/100/0 2/0/156 6/0/1 1/0/1";
    QTest::newRow("delay of 100000 is held to 999")
        << QVector<GunShot>{{100000, 0, 0}} << "1/0/1 129/0/1 6/0/99 1/0/1";
    QTest::newRow("negative delay adds no pause") << QVector<GunShot>{{-50, 0, 0}} << "1/0/1 129/0/1 1/0/1";
    QTest::newRow("two shots, each a fresh click")
        << QVector<GunShot>{{100, 5, 0}, {50, -1, 2}}
        << "1/0/1 129/0/1 2/5/0 6/0/10 1/0/1 129/0/1 2/255/0 2/0/2 6/0/5 1/0/1";
    QTest::newRow("six shots take five")
        << QVector<GunShot>(6, GunShot{10, 0, 0})
        << "1/0/1 129/0/1 6/0/1 1/0/1 129/0/1 6/0/1 1/0/1 129/0/1 6/0/1 1/0/1 129/0/1 6/0/1 "
           "1/0/1 129/0/1 6/0/1 1/0/1";
    QTest::newRow("no shots, no events") << QVector<GunShot>{} << "";
}

void TestGunMacro::events()
{
    QFETCH(QVector<GunShot>, shots);
    QFETCH(QString, expected);
    QCOMPARE(EventsText(GunMacroEvents(shots)), expected);
}

void TestGunMacro::buttonHeldThroughEachShotAndReleasedAtTheEnd()
{
    const QVector<GunShot> shots{{100, 5, 1}, {30, 0, -4}, {7, -9, 0}, {999, 100, 100}, {1, 0, 0}};
    const QVector<MacroEvent> events = GunMacroEvents(shots);
    bool down = false;
    int clicks = 0;
    for (const MacroEvent& e : events) {
        if (e.kind() == kMacroButtonKind) {
            QCOMPARE(int(e.DataL), int(LeftClickCode));
            if (e.isPress())
                ++clicks;
            down = e.isPress();
        } else {
            QVERIFY2(down, "pulls and pauses happen with the button held");
        }
    }
    QCOMPARE(clicks, shots.size());
    QVERIFY2(!down, "the burst ends with the left button released");
    QVERIFY(events.size() <= 63);
}

void TestGunMacro::fileKeys()
{
    const QVector<MacroEvent> events = GunMacroEvents({{100, 5, 0}});
    QVERIFY(WriteGunMacroFile(QStringLiteral("Recoil"), events));
    const QString path = m_app->file(QStringLiteral("Configs/MacroDB/Recoil.MSMACRO"));
    QVERIFY(QFileInfo::exists(path));
    QSettings ini(path, QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Setting/MacroFilePath")).toString(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(ini.value(QStringLiteral("Setting/DefaultDelay")).toInt(), 10);
    QCOMPARE(ini.value(QStringLiteral("Setting/DelayType")).toInt(), 1);
    QCOMPARE(ini.value(QStringLiteral("Setting/LoopType")).toInt(), 0);
    QCOMPARE(ini.value(QStringLiteral("Setting/LoopTime")).toInt(), 1);
    QCOMPARE(ini.value(QStringLiteral("Setting/Count")).toInt(), 5);
    const int expected[5][3] = {{1, 0, 1}, {129, 0, 1}, {2, 5, 0}, {6, 0, 10}, {1, 0, 1}};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(ini.value(QStringLiteral("Setting/Map_%1").arg(i)).toInt(), expected[i][0]);
        QCOMPARE(ini.value(QStringLiteral("Setting/DataH_%1").arg(i)).toInt(), expected[i][1]);
        QCOMPARE(ini.value(QStringLiteral("Setting/DataL_%1").arg(i)).toInt(), expected[i][2]);
    }
    QVERIFY(!ini.contains(QStringLiteral("Setting/Map_5")));
}

void TestGunMacro::fileReadsBackUnchanged()
{
    const QVector<MacroEvent> events = GunMacroEvents({{100, 5, 0}, {40, -100, 100}, {3, 0, -1}});
    QVERIFY(WriteGunMacroFile(QStringLiteral("g"), events));
    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("g"), loaded));
    QCOMPARE(EventsText(loaded.events), EventsText(events));
    QCOMPARE(int(loaded.settings.DelayType), 1);
    QCOMPARE(EventsText(ReadMacroEventsRaw(QStringLiteral("g"), 63)), EventsText(events));
}

void TestGunMacro::buttonThatNamesTheMacroSendsItAgain()
{
    // A gun macro made under the name of a deleted one must reach the mouse again.
    QVERIFY(WriteGunMacroFile(QStringLiteral("g"), GunMacroEvents({{100, 1, 0}})));
    QVERIFY(TakeWriteSign(QStringLiteral("g")));
    QVERIFY(DeleteMacroFile(QStringLiteral("g")));
    QVERIFY(WriteGunMacroFile(QStringLiteral("g"), GunMacroEvents({{100, 9, 0}})));
    QCOMPARE(ReadWriteSign(QStringLiteral("g")), 1);
}

void TestGunMacro::unsafeNamesWriteNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << QStringLiteral("../escape");
    QTest::newRow("absolute path") << QStringLiteral("/tmp/escape");
    QTest::newRow("slash") << QStringLiteral("a/b");
    QTest::newRow("backslash") << QStringLiteral("a\\b");
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("control character") << QStringLiteral("a\x01z");
    QTest::newRow("empty") << QString();
}

void TestGunMacro::unsafeNamesWriteNothing()
{
    QFETCH(QString, name);
    m_app->write(QStringLiteral("Configs/Config.ini"), ListIni({QStringLiteral("a")}));
    const auto before = Snapshot(*m_app);
    QVERIFY(!WriteGunMacroFile(name, GunMacroEvents({{100, 5, 0}})));
    QString created;
    QVERIFY(CreateGunMacro(name, GunMacroEvents({{100, 5, 0}}), &created) != GunMacroResult::Created);
    QVERIFY(created.isEmpty());
    QCOMPARE(Snapshot(*m_app), before);
    QVERIFY(FreeMacroName(name).isEmpty());
}

void TestGunMacro::naming_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("expected");

    QTest::newRow("free name kept") << QStringList{"a"} << QStringList{} << "gun" << "gun";
    QTest::newRow("listed name gets _2") << QStringList{"gun"} << QStringList{"gun"} << "gun" << "gun_2";
    QTest::newRow("_2 taken gives _3") << QStringList{"gun", "gun_2"} << QStringList{"gun", "gun_2"} << "gun"
                                       << "gun_3";
    QTest::newRow("file without a list entry counts as taken") << QStringList{} << QStringList{"gun"} << "gun"
                                                               << "gun_2";
    QTest::newRow("list entry without a file counts as taken") << QStringList{"gun"} << QStringList{} << "gun"
                                                               << "gun_2";
    QTest::newRow("blanks around the name dropped") << QStringList{} << QStringList{} << "  gun " << "gun";
    QTest::newRow("100 characters allowed") << QStringList{} << QStringList{} << QString(100, QLatin1Char('x'))
                                            << QString(100, QLatin1Char('x'));
}

void TestGunMacro::naming()
{
    QFETCH(QStringList, listed);
    QFETCH(QStringList, files);
    QFETCH(QString, requested);
    QFETCH(QString, expected);
    m_app->write(QStringLiteral("Configs/Config.ini"), ListIni(listed));
    for (const QString& f : files)
        m_app->write(QStringLiteral("Configs/MacroDB/") + f + QStringLiteral(".MSMACRO"), "[Setting]\nCount=0\n");
    const auto before = Snapshot(*m_app);

    QString name;
    QCOMPARE(CreateGunMacro(requested, GunMacroEvents({{100, 5, 0}}), &name), GunMacroResult::Created);
    QCOMPARE(name, expected);
    QCOMPARE(MacroNames(), listed + QStringList{expected});
    QVERIFY(MacroFileExists(expected));
    // The macros that were there keep their files byte for byte.
    const auto after = Snapshot(*m_app);
    for (const QString& f : files) {
        const QString rel = QStringLiteral("Configs/MacroDB/") + f + QStringLiteral(".MSMACRO");
        QCOMPARE(after.value(rel), before.value(rel));
    }
}

void TestGunMacro::takesFirstFreeListKey()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), "[MACRO_LIST]\n0=a\n1=\n2=b\n");
    QString name;
    QCOMPARE(CreateGunMacro(QStringLiteral("g"), GunMacroEvents({{100, 0, 0}}), &name), GunMacroResult::Created);
    QSettings ini(m_app->file(QStringLiteral("Configs/Config.ini")), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("MACRO_LIST/1")).toString(), QStringLiteral("g"));
    QCOMPARE(MacroNames(), (QStringList{"a", "g", "b"}));
}

void TestGunMacro::refusalsChangeNothing_data()
{
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<GunMacroResult>("result");

    QTest::newRow("empty name") << 3 << QString() << GunMacroResult::EmptyName;
    QTest::newRow("blanks only") << 3 << QStringLiteral("   ") << GunMacroResult::EmptyName;
    QTest::newRow("101 characters") << 3 << QString(101, QLatin1Char('x')) << GunMacroResult::NameTooLong;
    QTest::newRow("leaves the macro folder") << 3 << QStringLiteral("../../evil") << GunMacroResult::UnsafeName;
    QTest::newRow("50 macros") << 50 << QStringLiteral("gun") << GunMacroResult::TooManyMacros;
}

void TestGunMacro::refusalsChangeNothing()
{
    QFETCH(int, listed);
    QFETCH(QString, name);
    QFETCH(GunMacroResult, result);
    m_app->write(QStringLiteral("Configs/Config.ini"), ListIni(ManyNames(listed)));
    m_app->write(QStringLiteral("Configs/MacroDB/m0.MSMACRO"), "[Setting]\nCount=0\n");
    const auto before = Snapshot(*m_app);
    QString created = QStringLiteral("unchanged");
    QCOMPARE(CreateGunMacro(name, GunMacroEvents({{100, 5, 0}}), &created), result);
    QCOMPARE(created, QStringLiteral("unchanged"));
    QCOMPARE(Snapshot(*m_app), before);
}

void TestGunMacro::fiftiethIsTheLast()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), ListIni(ManyNames(49)));
    QString name;
    QCOMPARE(CreateGunMacro(QStringLiteral("g"), GunMacroEvents({{100, 0, 0}}), &name), GunMacroResult::Created);
    QCOMPARE(CountMacroNames(), 50);
    QCOMPARE(CreateGunMacro(QStringLiteral("h"), GunMacroEvents({{100, 0, 0}}), &name),
             GunMacroResult::TooManyMacros);
    QVERIFY(!MacroFileExists(QStringLiteral("h")));
}

void TestGunMacro::unwritableFolderAddsNoName()
{
    // A file where the macro folder should be: the macro cannot be written.
    m_app->write(QStringLiteral("Configs/Config.ini"), ListIni({QStringLiteral("a")}));
    m_app->write(QStringLiteral("Configs/MacroDB"), "not a folder");
    const auto before = Snapshot(*m_app);
    QString name;
    QCOMPARE(CreateGunMacro(QStringLiteral("g"), GunMacroEvents({{100, 0, 0}}), &name), GunMacroResult::WriteFailed);
    QCOMPARE(Snapshot(*m_app), before);
}

QTEST_GUILESS_MAIN(TestGunMacro)
#include "tst_gunmacro.moc"
