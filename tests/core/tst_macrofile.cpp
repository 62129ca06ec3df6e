#include "AppPaths.h"
#include "Descriptor.h"
#include "IniFile.h"
#include "MacroEvent.h"
#include "MacroFile.h"
#include "MacroNameList.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(MacroEvent)

namespace {

MacroEvent Ev(int map, int dataH, int dataL)
{
    return MacroEvent{quint8(map), quint8(dataH), quint8(dataL)};
}

char* EventText(const MacroEvent& e)
{
    return QTest::toString(QStringLiteral("%1/%2/%3").arg(e.Map).arg(e.DataH).arg(e.DataL));
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QList<QByteArray> Lines(const QString& path)
{
    QList<QByteArray> lines;
    for (const QByteArray& line : ReadFile(path).split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    return lines;
}

// A macro file whose first row is given by the caller, as text.
QByteArray OneRowFile(const QByteArray& map, const QByteArray& dataH, const QByteArray& dataL, int count,
                      const QByteArray& extra = QByteArray())
{
    return "[Setting]\nCount=" + QByteArray::number(count) + "\nMap_0=" + map + "\nDataH_0=" + dataH
        + "\nDataL_0=" + dataL + "\n" + extra;
}

QVector<MacroEvent> Events(std::initializer_list<MacroEvent> list) { return QVector<MacroEvent>(list); }

} // namespace

namespace QTest {
template <>
char* toString(const MacroEvent& e)
{
    return EventText(e);
}
} // namespace QTest

class tst_MacroFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveWritesEveryKey();
    void saveThenLoadKeepsEvents();
    void settingsRoundTrip();
    void shrinkKeepsOldKeysAndLoadsCount();
    void emptyRowsInTheMiddle();
    void loadNormalises_data();
    void loadNormalises();
    void unusableRowsAtTheEndAreDropped();
    void everyLoadedEventIsOneTheEditorMakes();
    void delayTypeOnLoad_data();
    void delayTypeOnLoad();
    void missingFileLoadsEmptyMacro();
    void delayUnitFromDescriptor();
    void writeSign();
    void badInput_data();
    void badInput();
    void countIsCapped();
    void rawReaderTakesBytesAsStored();
    void rawReaderLimits_data();
    void rawReaderLimits();
    void deleteAndRename();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
    void saveRefusesMoreEventsThanCanBeRead();

    void nameListAddRemove();
    void nameListFullAtFifty();
    void nameListKeyOrder();
    void nameListRename();
    void nameListKeepsOtherKeys();
    void uniqueMacroName();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_MacroFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("MOUSECFG_APP_DIR", QFile::encodeName(m_dir->path()));
    WriteFile(m_dir->filePath(QStringLiteral("DefaultProfile.bin")), "[PROFILE]\nMinDelay=10\n");
}

void tst_MacroFile::cleanup()
{
    qunsetenv("MOUSECFG_APP_DIR");
    m_dir.reset();
}

void tst_MacroFile::saveWritesEveryKey()
{
    MacroData data;
    data.settings = MacroSettings{250, 2, 1, 7};
    data.events = Events({Ev(132, 0, 4), MacroEvent{}, Ev(6, 1, 44)});
    QVERIFY(SaveMacroFile(QStringLiteral("m"), data));

    const QString path = m_dir->filePath(QStringLiteral("Configs/MacroDB/m.MSMACRO"));
    QCOMPARE(MacroFilePath(QStringLiteral("m")), path);
    const QList<QByteArray> lines = Lines(path);
    // One [Setting] section holding every key, nothing outside it.
    QCOMPARE(lines.value(0), QByteArray("[Setting]"));
    QCOMPARE(lines.count(QByteArray("[Setting]")), 1);
    const QList<QByteArray> expected = {
        "MacroFilePath=" + path.toUtf8(),
        "DefaultDelay=250",
        "DelayType=2",
        "LoopType=1",
        "LoopTime=7",
        "Count=3",
        "Map_0=132",
        "DataH_0=0",
        "DataL_0=4",
        "Map_1=",
        "DataH_1=",
        "DataL_1=",
        "Map_2=6",
        "DataH_2=1",
        "DataL_2=44",
        "WriteSign=1",
    };
    for (const QByteArray& line : expected)
        QVERIFY2(lines.contains(line), line.constData());
    QCOMPARE(lines.size(), expected.size() + 1);
}

void tst_MacroFile::saveThenLoadKeepsEvents()
{
    MacroData data;
    data.events = Events({Ev(132, 0, 4), Ev(6, 0, 1), Ev(4, 0, 4), Ev(129, 0, 16), Ev(1, 0, 16),
                          Ev(2, 0, 200), Ev(2, 5, 0), Ev(6, 255, 255)});
    QVERIFY(SaveMacroFile(QStringLiteral("all kinds"), data));
    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("all kinds"), loaded));
    QCOMPARE(loaded.events, data.events);
}

void tst_MacroFile::settingsRoundTrip()
{
    MacroData data;
    data.settings = MacroSettings{65535, 1, 3, 255};
    QVERIFY(SaveMacroFile(QStringLiteral("s"), data));
    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("s"), loaded));
    QCOMPARE(loaded.settings.DefaultDelay, 65535);
    QCOMPARE(int(loaded.settings.DelayType), 1);
    QCOMPARE(loaded.settings.LoopType, 3);
    QCOMPARE(loaded.settings.LoopTime, 255);
    QVERIFY(loaded.events.isEmpty());
}

void tst_MacroFile::shrinkKeepsOldKeysAndLoadsCount()
{
    MacroData data;
    for (int i = 0; i < 10; ++i)
        data.events.append(MacroEvent::keyEvent(quint8(4 + i), true));
    QVERIFY(SaveMacroFile(QStringLiteral("shrink"), data));
    data.events.resize(4);
    QVERIFY(SaveMacroFile(QStringLiteral("shrink"), data));

    const QList<QByteArray> lines = Lines(MacroFilePath(QStringLiteral("shrink")));
    QVERIFY(lines.contains("Count=4"));
    for (int i = 4; i < 10; ++i) {
        const QByteArray n = QByteArray::number(i);
        QVERIFY2(lines.contains("Map_" + n + "=132"), n.constData());
        QVERIFY2(lines.contains("DataH_" + n + "=0"), n.constData());
        QVERIFY2(lines.contains("DataL_" + n + "=" + QByteArray::number(4 + i)), n.constData());
    }

    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("shrink"), loaded));
    QCOMPARE(loaded.events, data.events);
    QCOMPARE(ReadMacroEventsRaw(QStringLiteral("shrink"), 63), data.events);
}

void tst_MacroFile::emptyRowsInTheMiddle()
{
    MacroData data;
    data.events = Events({Ev(132, 0, 4), MacroEvent{}, MacroEvent{}, Ev(4, 0, 4)});
    QVERIFY(SaveMacroFile(QStringLiteral("gaps"), data));
    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("gaps"), loaded));
    QCOMPARE(loaded.events, data.events);
    QCOMPARE(ReadMacroEventsRaw(QStringLiteral("gaps"), 63), data.events);
}

void tst_MacroFile::loadNormalises_data()
{
    QTest::addColumn<QByteArray>("map");
    QTest::addColumn<QByteArray>("dataH");
    QTest::addColumn<QByteArray>("dataL");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<MacroEvent>("expected");

    QTest::newRow("key press 132/7/4 loads as code 4 with DataH 0") << QByteArray("132") << QByteArray("7")
                                                                    << QByteArray("4") << true << Ev(132, 0, 4);
    QTest::newRow("key release 4/0/41") << QByteArray("4") << QByteArray("0") << QByteArray("41") << true
                                        << Ev(4, 0, 41);
    QTest::newRow("key with usage 0 kept") << QByteArray("132") << QByteArray("0") << QByteArray("0") << true
                                           << Ev(132, 0, 0);
    QTest::newRow("button press 129/0/1") << QByteArray("129") << QByteArray("0") << QByteArray("1") << true
                                          << Ev(129, 0, 1);
    QTest::newRow("button release 1/9/16 loses DataH") << QByteArray("1") << QByteArray("9") << QByteArray("16")
                                                       << true << Ev(1, 0, 16);
    QTest::newRow("button 129 with DataL 3 not loaded") << QByteArray("129") << QByteArray("0") << QByteArray("3")
                                                        << false << MacroEvent{};
    QTest::newRow("button 1 with DataL 0 not loaded") << QByteArray("1") << QByteArray("0") << QByteArray("0")
                                                      << false << MacroEvent{};
    QTest::newRow("button 129 with DataL 32 not loaded") << QByteArray("129") << QByteArray("0")
                                                         << QByteArray("32") << false << MacroEvent{};
    QTest::newRow("step 0/200 is MOVE LEFT 56") << QByteArray("2") << QByteArray("0") << QByteArray("200")
                                                << true << Ev(2, 0, 200);
    QTest::newRow("diagonal step 10/10 becomes a step of 0") << QByteArray("2") << QByteArray("10")
                                                             << QByteArray("10") << true << Ev(2, 0, 0);
    QTest::newRow("step with press bit 130 becomes Map 2") << QByteArray("130") << QByteArray("0")
                                                           << QByteArray("5") << true << Ev(2, 0, 5);
    QTest::newRow("step 121/0 MOVE UP 135 kept") << QByteArray("2") << QByteArray("121") << QByteArray("0")
                                                 << true << Ev(2, 121, 0);
    QTest::newRow("delay 6/1/44 as read") << QByteArray("6") << QByteArray("1") << QByteArray("44") << true
                                          << Ev(6, 1, 44);
    QTest::newRow("delay with press bit 134 becomes Map 6") << QByteArray("134") << QByteArray("0")
                                                            << QByteArray("1") << true << Ev(6, 0, 1);
    QTest::newRow("delay count 0 kept") << QByteArray("6") << QByteArray("0") << QByteArray("0") << true
                                        << Ev(6, 0, 0);
    QTest::newRow("Map 0 not loaded") << QByteArray("0") << QByteArray("1") << QByteArray("2") << false
                                      << MacroEvent{};
    QTest::newRow("Map 3 not loaded") << QByteArray("3") << QByteArray("0") << QByteArray("4") << false
                                      << MacroEvent{};
    QTest::newRow("Map 128 not loaded") << QByteArray("128") << QByteArray("0") << QByteArray("4") << false
                                        << MacroEvent{};
    QTest::newRow("Map 255 not loaded") << QByteArray("255") << QByteArray("0") << QByteArray("4") << false
                                        << MacroEvent{};
    QTest::newRow("Map 388 past a byte not loaded") << QByteArray("388") << QByteArray("0") << QByteArray("4")
                                                    << false << MacroEvent{};
    QTest::newRow("Map -124 not loaded") << QByteArray("-124") << QByteArray("0") << QByteArray("4") << false
                                         << MacroEvent{};
    QTest::newRow("key with DataL 260 past a byte not loaded") << QByteArray("132") << QByteArray("0")
                                                               << QByteArray("260") << false << MacroEvent{};
    QTest::newRow("delay with DataH -1 not loaded") << QByteArray("6") << QByteArray("-1") << QByteArray("0")
                                                    << false << MacroEvent{};
    QTest::newRow("Map text abc not loaded") << QByteArray("abc") << QByteArray("0") << QByteArray("4") << false
                                             << MacroEvent{};
    QTest::newRow("empty row not loaded") << QByteArray() << QByteArray() << QByteArray() << false
                                          << MacroEvent{};
}

void tst_MacroFile::loadNormalises()
{
    QFETCH(QByteArray, map);
    QFETCH(QByteArray, dataH);
    QFETCH(QByteArray, dataL);
    QFETCH(bool, loaded);
    QFETCH(MacroEvent, expected);

    // Followed by a usable row: an unusable one stays as an empty row.
    WriteFile(MacroFilePath(QStringLiteral("two")),
              OneRowFile(map, dataH, dataL, 2, "Map_1=4\nDataH_1=0\nDataL_1=4\n"));
    MacroData two;
    QVERIFY(LoadMacroFile(QStringLiteral("two"), two));
    QCOMPARE(two.events.size(), 2);
    QCOMPARE(two.events.at(0), loaded ? expected : MacroEvent{});
    QCOMPARE(two.events.at(1), Ev(4, 0, 4));

    // As the last row: an unusable one leaves nothing.
    WriteFile(MacroFilePath(QStringLiteral("one")), OneRowFile(map, dataH, dataL, 1));
    MacroData one;
    QVERIFY(LoadMacroFile(QStringLiteral("one"), one));
    QCOMPARE(one.events, loaded ? Events({expected}) : Events({}));

    MacroEvent direct{9, 9, 9};
    QCOMPARE(NormaliseStoredEvent(map.toInt(), dataH.toInt(), dataL.toInt(), direct), loaded);
    if (loaded)
        QCOMPARE(direct, expected);
}

void tst_MacroFile::unusableRowsAtTheEndAreDropped()
{
    WriteFile(MacroFilePath(QStringLiteral("tail")),
              "[Setting]\nCount=5\n"
              "Map_0=132\nDataH_0=0\nDataL_0=4\n"
              "Map_1=129\nDataH_1=0\nDataL_1=3\n"
              "Map_2=6\nDataH_2=0\nDataL_2=2\n"
              "Map_3=99\nDataH_3=0\nDataL_3=0\n"
              "Map_4=\nDataH_4=\nDataL_4=\n");
    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("tail"), loaded));
    QCOMPARE(loaded.events, Events({Ev(132, 0, 4), MacroEvent{}, Ev(6, 0, 2)}));
}

void tst_MacroFile::everyLoadedEventIsOneTheEditorMakes()
{
    const QVector<int> dataValues = {0, 1, 2, 3, 4, 8, 16, 32, 120, 121, 200, 255};
    for (int map = 0; map < 256; ++map) {
        for (int h : dataValues) {
            for (int l : dataValues) {
                MacroEvent e;
                if (!NormaliseStoredEvent(map, h, l, e))
                    continue;
                const QByteArray what = QByteArray::number(map) + "/" + QByteArray::number(h) + "/"
                    + QByteArray::number(l);
                switch (e.Map) {
                case KeyPress:
                case KeyRelease:
                    QVERIFY2(e.DataH == 0 && e.DataL == l, what.constData());
                    break;
                case ButtonPress:
                case ButtonRelease:
                    QVERIFY2(e.DataH == 0 && IsMouseButtonCode(e.DataL), what.constData());
                    break;
                case PointerMove:
                    QVERIFY2(e.DataH == 0 || e.DataL == 0, what.constData());
                    break;
                case DelayEvent:
                    QVERIFY2(e.DataH == h && e.DataL == l, what.constData());
                    break;
                default:
                    QFAIL(what.constData());
                }
                QVERIFY2(e.isPress() == ((map & 0x80) != 0) || e.kind() == 2 || e.kind() == 6, what.constData());
            }
        }
    }
}

void tst_MacroFile::delayTypeOnLoad_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("delayType");
    QTest::newRow("1 measured delays") << QByteArray("1") << 1;
    QTest::newRow("2 default delay") << QByteArray("2") << 2;
    QTest::newRow("0 none") << QByteArray("0") << 0;
    QTest::newRow("3 is none") << QByteArray("3") << 0;
    QTest::newRow("257 does not wrap to 1") << QByteArray("257") << 0;
    QTest::newRow("-1 is none") << QByteArray("-1") << 0;
}

void tst_MacroFile::delayTypeOnLoad()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, delayType);
    WriteFile(MacroFilePath(QStringLiteral("d")), "[Setting]\nDelayType=" + stored + "\nCount=0\n");
    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("d"), loaded));
    QCOMPARE(int(loaded.settings.DelayType), delayType);
}

void tst_MacroFile::missingFileLoadsEmptyMacro()
{
    MacroData loaded;
    loaded.events = Events({Ev(132, 0, 4)});
    QVERIFY(LoadMacroFile(QStringLiteral("nothing"), loaded));
    QVERIFY(loaded.events.isEmpty());
    QCOMPARE(loaded.settings.DefaultDelay, 0);
    QCOMPARE(int(loaded.settings.DelayType), 0);
    QCOMPARE(loaded.settings.LoopType, 0);
    QCOMPARE(loaded.settings.LoopTime, 0);
    QVERIFY(!QFileInfo::exists(MacroFilePath(QStringLiteral("nothing"))));
    QVERIFY(!MacroFileExists(QStringLiteral("nothing")));
    QVERIFY(ReadMacroEventsRaw(QStringLiteral("nothing"), 63).isEmpty());
    QCOMPARE(ReadWriteSign(QStringLiteral("nothing")), 0);
    QVERIFY(!QFileInfo::exists(MacroFilePath(QStringLiteral("nothing"))));
}

void tst_MacroFile::delayUnitFromDescriptor()
{
    QCOMPARE(DescriptorMinDelay(), 10);
    MacroData data;
    data.events = Events({DelayEventFromMs(15, DescriptorMinDelay())});
    QVERIFY(SaveMacroFile(QStringLiteral("delay"), data));
    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("delay"), loaded));
    QCOMPARE(loaded.events.size(), 1);
    QCOMPARE(DelayCount(loaded.events.at(0)), 1);
    QCOMPARE(DelayMs(loaded.events.at(0), DescriptorMinDelay()), 10);
}

void tst_MacroFile::writeSign()
{
    const QString name = QStringLiteral("sign");
    QCOMPARE(ReadWriteSign(name), 0);
    QVERIFY(!ClearWriteSign(name));
    QVERIFY(!MacroFileExists(name));

    MacroData data;
    data.events = Events({Ev(132, 0, 4)});
    QVERIFY(SaveMacroFile(name, data));
    QCOMPARE(ReadWriteSign(name), 1);
    QVERIFY(ClearWriteSign(name));
    QCOMPARE(ReadWriteSign(name), 0);
    QVERIFY(Lines(MacroFilePath(name)).contains("WriteSign=0"));
    // Clearing the flag leaves the macro as it was.
    MacroData loaded;
    QVERIFY(LoadMacroFile(name, loaded));
    QCOMPARE(loaded.events, data.events);

    QVERIFY(SaveMacroFile(name, data));
    QCOMPARE(ReadWriteSign(name), 1);
    QVERIFY(TakeWriteSign(name));
    QCOMPARE(ReadWriteSign(name), 0);
    QVERIFY(!TakeWriteSign(name));
}

void tst_MacroFile::badInput_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("rawEvents");

    QTest::newRow("Count 100000 with one event") << OneRowFile("132", "0", "4", 100000) << 1 << 63;
    QTest::newRow("Count -5") << OneRowFile("132", "0", "4", -5) << 0 << 0;
    QTest::newRow("Count abc") << QByteArray("[Setting]\nCount=abc\nMap_0=132\nDataH_0=0\nDataL_0=4\n") << 0 << 0;
    QTest::newRow("Count past int") << QByteArray("[Setting]\nCount=99999999999999999999\nMap_0=132\nDataL_0=4\n")
                                    << 0 << 0;
    QTest::newRow("no section") << QByteArray("Count=3\nMap_0=132\nDataL_0=4\n") << 0 << 0;
    QTest::newRow("empty file") << QByteArray() << 0 << 0;
    QTest::newRow("unterminated section") << QByteArray("[Setting\nCount=2\nMap_0=132\n") << -1 << -1;

    QByteArray noise(8192, '\0');
    QRandomGenerator generator(20240611);
    for (char& c : noise)
        c = char(generator.bounded(256));
    QTest::newRow("random bytes") << noise << -1 << -1;
    QTest::newRow("random bytes after a valid header")
        << QByteArray("[Setting]\nCount=100000\n" + noise) << -1 << -1;
}

void tst_MacroFile::badInput()
{
    QFETCH(QByteArray, content);
    QFETCH(int, events);
    QFETCH(int, rawEvents);
    WriteFile(MacroFilePath(QStringLiteral("bad")), content);

    MacroData loaded;
    LoadMacroFile(QStringLiteral("bad"), loaded);
    QVERIFY(loaded.events.size() <= kMaxMacroFileEvents);
    if (events >= 0)
        QCOMPARE(loaded.events.size(), events);
    const QVector<MacroEvent> raw = ReadMacroEventsRaw(QStringLiteral("bad"), 63);
    QVERIFY(raw.size() <= 63);
    if (rawEvents >= 0)
        QCOMPARE(raw.size(), rawEvents);
    ReadWriteSign(QStringLiteral("bad"));
}

void tst_MacroFile::countIsCapped()
{
    QByteArray text = "[Setting]\nCount=100000\n";
    for (int i : {0, kMaxMacroFileEvents - 1, kMaxMacroFileEvents, 5000})
        text += "Map_" + QByteArray::number(i) + "=4\nDataL_" + QByteArray::number(i) + "=30\n";
    WriteFile(MacroFilePath(QStringLiteral("long")), text);

    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("long"), loaded));
    QCOMPARE(loaded.events.size(), kMaxMacroFileEvents);
    QCOMPARE(loaded.events.first(), Ev(4, 0, 30));
    QCOMPARE(loaded.events.last(), Ev(4, 0, 30));
    QCOMPARE(ReadMacroEventsRaw(QStringLiteral("long"), 100000).size(), kMaxMacroFileEvents);
}

void tst_MacroFile::rawReaderTakesBytesAsStored()
{
    WriteFile(MacroFilePath(QStringLiteral("raw")),
              "[Setting]\nCount=5\nDelayType=1\n"
              "Map_0=129\nDataH_0=7\nDataL_0=3\n"  // an invalid button, as stored
              "Map_1=132\nDataH_1=0\nDataL_1=300\n" // low byte only
              "Map_2=2\n"                           // missing bytes read as 0
              "Map_3=abc\nDataH_3=1\nDataL_3=-1\n"
              "Map_5=132\nDataL_5=4\n");            // past Count
    const QVector<MacroEvent> raw = ReadMacroEventsRaw(QStringLiteral("raw"), 63);
    QCOMPARE(raw, Events({Ev(129, 7, 3), Ev(132, 0, 44), Ev(2, 0, 0), Ev(0, 1, 255), MacroEvent{}}));
}

void tst_MacroFile::rawReaderLimits_data()
{
    QTest::addColumn<int>("maxEvents");
    QTest::addColumn<int>("expected");
    QTest::newRow("limit above Count reads Count") << 63 << 10;
    QTest::newRow("limit 4 of 10") << 4 << 4;
    QTest::newRow("limit 0") << 0 << 0;
    QTest::newRow("negative limit") << -3 << 0;
}

void tst_MacroFile::rawReaderLimits()
{
    QFETCH(int, maxEvents);
    QFETCH(int, expected);
    MacroData data;
    for (int i = 0; i < 10; ++i)
        data.events.append(Ev(6, 0, quint8(i + 1)));
    QVERIFY(SaveMacroFile(QStringLiteral("ten"), data));
    const QVector<MacroEvent> raw = ReadMacroEventsRaw(QStringLiteral("ten"), maxEvents);
    QCOMPARE(raw, data.events.mid(0, expected));
}

void tst_MacroFile::deleteAndRename()
{
    MacroData a;
    a.events = Events({Ev(132, 0, 4)});
    MacroData b;
    b.events = Events({Ev(132, 0, 5)});
    QVERIFY(SaveMacroFile(QStringLiteral("a"), a));
    QVERIFY(SaveMacroFile(QStringLiteral("b"), b));

    QVERIFY(!RenameMacroFile(QStringLiteral("a"), QStringLiteral("b")));
    QVERIFY(!RenameMacroFile(QStringLiteral("a"), QStringLiteral("a")));
    QVERIFY(!RenameMacroFile(QStringLiteral("missing"), QStringLiteral("c")));
    MacroData check;
    QVERIFY(LoadMacroFile(QStringLiteral("b"), check));
    QCOMPARE(check.events, b.events);

    QVERIFY(RenameMacroFile(QStringLiteral("a"), QStringLiteral("c")));
    QVERIFY(!MacroFileExists(QStringLiteral("a")));
    QVERIFY(LoadMacroFile(QStringLiteral("c"), check));
    QCOMPARE(check.events, a.events);

    QVERIFY(DeleteMacroFile(QStringLiteral("c")));
    QVERIFY(!QFileInfo::exists(MacroFilePath(QStringLiteral("c"))));
    QVERIFY(!DeleteMacroFile(QStringLiteral("c")));
    QVERIFY(MacroFileExists(QStringLiteral("b")));
}

void tst_MacroFile::unsafeNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("parent folder") << QStringLiteral("../escape");
    QTest::newRow("sub folder") << QStringLiteral("sub/inner");
    QTest::newRow("backslash") << QStringLiteral("sub\\inner");
    QTest::newRow("newline") << QStringLiteral("a\nb");
}

void tst_MacroFile::unsafeNamesAreRefused()
{
    QFETCH(QString, name);
    // A file the unsafe name would reach, to see it left alone.
    const QString outside = m_dir->filePath(QStringLiteral("Configs/escape.MSMACRO"));
    WriteFile(outside, "[Setting]\nCount=1\nMap_0=132\nDataL_0=4\nWriteSign=1\n");
    const QByteArray before = ReadFile(outside);

    MacroData data;
    data.events = Events({Ev(132, 0, 4)});
    QVERIFY(!SaveMacroFile(name, data));
    MacroData loaded;
    loaded.events = Events({Ev(6, 0, 1)});
    QVERIFY(!LoadMacroFile(name, loaded));
    QCOMPARE(loaded.events, Events({Ev(6, 0, 1)}));
    QVERIFY(ReadMacroEventsRaw(name, 63).isEmpty());
    QCOMPARE(ReadWriteSign(name), 0);
    QVERIFY(!ClearWriteSign(name));
    QVERIFY(!TakeWriteSign(name));
    QVERIFY(!MacroFileExists(name));
    QVERIFY(!DeleteMacroFile(name));
    QVERIFY(!RenameMacroFile(name, QStringLiteral("fine")));

    QVERIFY(SaveMacroFile(QStringLiteral("fine"), data));
    QVERIFY(!RenameMacroFile(QStringLiteral("fine"), name));
    QVERIFY(MacroFileExists(QStringLiteral("fine")));

    QCOMPARE(AddMacroName(name), -1);
    QVERIFY(AddMacroName(QStringLiteral("fine")) == 0);
    QVERIFY(!RenameMacroName(QStringLiteral("fine"), name));
    QCOMPARE(MacroNames(), QStringList{QStringLiteral("fine")});

    QCOMPARE(ReadFile(outside), before);
    QCOMPARE(QDir(m_dir->filePath(QStringLiteral("Configs/MacroDB"))).entryList(QDir::Files),
             QStringList{QStringLiteral("fine.MSMACRO")});
}

void tst_MacroFile::saveRefusesMoreEventsThanCanBeRead()
{
    MacroData data;
    data.events.fill(Ev(6, 0, 1), kMaxMacroFileEvents + 1);
    QVERIFY(!SaveMacroFile(QStringLiteral("huge"), data));
    QVERIFY(!MacroFileExists(QStringLiteral("huge")));
    data.events.resize(kMaxMacroFileEvents);
    QVERIFY(SaveMacroFile(QStringLiteral("huge"), data));
    MacroData loaded;
    QVERIFY(LoadMacroFile(QStringLiteral("huge"), loaded));
    QCOMPARE(loaded.events.size(), kMaxMacroFileEvents);
}

void tst_MacroFile::nameListAddRemove()
{
    QCOMPARE(CountMacroNames(), 0);
    QVERIFY(MacroNames().isEmpty());
    QCOMPARE(AddMacroName(QStringLiteral("a")), 0);
    QCOMPARE(AddMacroName(QStringLiteral("b")), 1);
    QCOMPARE(AddMacroName(QStringLiteral("c")), 2);
    QCOMPARE(AddMacroName(QStringLiteral("a")), 3); // duplicates are not checked
    QCOMPARE(MacroNames(), (QStringList{"a", "b", "c", "a"}));

    QVERIFY(RemoveMacroName(QStringLiteral("b")));
    QVERIFY(!RemoveMacroName(QStringLiteral("b")));
    QVERIFY(!RemoveMacroName(QStringLiteral("zz")));
    QVERIFY(!RemoveMacroName(QString()));
    QCOMPARE(CountMacroNames(), 3);
    // The freed key is the first empty one.
    QCOMPARE(AddMacroName(QStringLiteral("d")), 1);
    QCOMPARE(MacroNames(), (QStringList{"a", "d", "c", "a"}));

    // Only the first key holding the name is emptied.
    QVERIFY(RemoveMacroName(QStringLiteral("a")));
    QCOMPARE(MacroNames(), (QStringList{"d", "c", "a"}));
    QVERIFY(ContainsMacroName(QStringLiteral("a")));
    QVERIFY(!ContainsMacroName(QStringLiteral("b")));
    QVERIFY(!ContainsMacroName(QString()));

    const QList<QByteArray> lines = Lines(ConfigIniPath());
    QVERIFY(lines.contains("[MACRO_LIST]"));
    QVERIFY(lines.contains("0="));
    QVERIFY(lines.contains("1=d"));
    QVERIFY(lines.contains("2=c"));
    QVERIFY(lines.contains("3=a"));
}

void tst_MacroFile::nameListFullAtFifty()
{
    for (int i = 0; i < kMaxMacros; ++i)
        QCOMPARE(AddMacroName(QStringLiteral("m%1").arg(i)), i);
    QCOMPARE(CountMacroNames(), 50);
    QCOMPARE(AddMacroName(QStringLiteral("one too many")), -1);
    QVERIFY(!ContainsMacroName(QStringLiteral("one too many")));
    QVERIFY(!Lines(ConfigIniPath()).contains("50=one too many"));

    QVERIFY(RemoveMacroName(QStringLiteral("m17")));
    QCOMPARE(CountMacroNames(), 49);
    QCOMPARE(AddMacroName(QStringLiteral("late")), 17);
    QCOMPARE(MacroNames().at(17), QStringLiteral("late"));
}

void tst_MacroFile::nameListKeyOrder()
{
    // Keys out of order in the file, beyond 49, and a gap: the list follows key numbers 0..49.
    WriteFile(ConfigIniPath(), "[MACRO_LIST]\n7=seven\n0=zero\n3=\n50=fifty\n49=last\n-1=minus\n");
    QCOMPARE(MacroNames(), (QStringList{"zero", "seven", "last"}));
    QCOMPARE(CountMacroNames(), 3);
    QCOMPARE(AddMacroName(QStringLiteral("new")), 1);
    QCOMPARE(MacroNames(), (QStringList{"zero", "new", "seven", "last"}));
}

void tst_MacroFile::nameListRename()
{
    QCOMPARE(AddMacroName(QStringLiteral("a")), 0);
    QCOMPARE(AddMacroName(QStringLiteral("b")), 1);
    QCOMPARE(AddMacroName(QStringLiteral("c")), 2);
    QVERIFY(RenameMacroName(QStringLiteral("b"), QStringLiteral("b2")));
    QCOMPARE(MacroNames(), (QStringList{"a", "b2", "c"}));
    QVERIFY(Lines(ConfigIniPath()).contains("1=b2"));
    QVERIFY(!RenameMacroName(QStringLiteral("missing"), QStringLiteral("x")));
    QVERIFY(!RenameMacroName(QString(), QStringLiteral("x")));
    QCOMPARE(MacroNames(), (QStringList{"a", "b2", "c"}));
}

void tst_MacroFile::nameListKeepsOtherKeys()
{
    WriteFile(ConfigIniPath(), "[Config]\nProfileID=3\nDiff=1\n\n[MACRO_LIST]\n0=kept\n");
    QCOMPARE(AddMacroName(QStringLiteral("added")), 1);
    QVERIFY(RemoveMacroName(QStringLiteral("kept")));
    std::unique_ptr<QSettings> ini = OpenIni(ConfigIniPath());
    QCOMPARE(ini->value(QStringLiteral("Config/ProfileID")).toInt(), 3);
    QCOMPARE(ini->value(QStringLiteral("Config/Diff")).toInt(), 1);
    QCOMPARE(ini->value(QStringLiteral("MACRO_LIST/1")).toString(), QStringLiteral("added"));
}

void tst_MacroFile::uniqueMacroName()
{
    QCOMPARE(UniqueMacroName(QStringLiteral("gun")), QStringLiteral("gun"));
    AddMacroName(QStringLiteral("gun"));
    QCOMPARE(UniqueMacroName(QStringLiteral("gun")), QStringLiteral("gun_2"));
    AddMacroName(QStringLiteral("gun_2"));
    QCOMPARE(UniqueMacroName(QStringLiteral("gun")), QStringLiteral("gun_3"));
    RemoveMacroName(QStringLiteral("gun"));
    QCOMPARE(UniqueMacroName(QStringLiteral("gun")), QStringLiteral("gun"));

    // A full list of base, base_2 .. base_50 still leaves base_51.
    for (int i = 0; i < kMaxMacros; ++i)
        RemoveMacroName(MacroNames().value(0));
    AddMacroName(QStringLiteral("x"));
    for (int n = 2; n <= kMaxMacros; ++n)
        AddMacroName(QStringLiteral("x_%1").arg(n));
    QCOMPARE(CountMacroNames(), 50);
    QCOMPARE(UniqueMacroName(QStringLiteral("x")), QStringLiteral("x_51"));
}

QTEST_GUILESS_MAIN(tst_MacroFile)
#include "tst_macrofile.moc"
