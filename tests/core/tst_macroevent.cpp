#include "MacroEvent.h"

#include <QtTest>

#include <climits>

Q_DECLARE_METATYPE(MoveDirection)

class tst_MacroEvent : public QObject
{
    Q_OBJECT

private slots:
    void keyEventBytes_data();
    void keyEventBytes();
    void buttonMenu_data();
    void buttonMenu();
    void buttonEventRefusesInvalidCode_data();
    void buttonEventRefusesInvalidCode();
    void buttonMenuPosition_data();
    void buttonMenuPosition();
    void buttonMenuOutOfRange_data();
    void buttonMenuOutOfRange();

    void directionIndex_data();
    void directionIndex();
    void encodeStep_data();
    void encodeStep();
    void decodeStep_data();
    void decodeStep();
    void encodeNeverFlipsOrWraps();
    void decodeThenEncodeKeepsEveryExpressibleStep();

    void delayFromMs_data();
    void delayFromMs();
    void delayMsSaturates();
    void emptyEvent();
};

void tst_MacroEvent::keyEventBytes_data()
{
    QTest::addColumn<int>("usage");
    QTest::addColumn<bool>("press");
    QTest::addColumn<int>("map");
    QTest::newRow("press of usage 4 is 84 00 04") << 4 << true << 0x84;
    QTest::newRow("release of usage 4 is 04 00 04") << 4 << false << 0x04;
    QTest::newRow("press of right ctrl 0xE4") << 0xE4 << true << 0x84;
}

void tst_MacroEvent::keyEventBytes()
{
    QFETCH(int, usage);
    QFETCH(bool, press);
    QFETCH(int, map);
    const MacroEvent e = MacroEvent::keyEvent(quint8(usage), press);
    QCOMPARE(int(e.Map), map);
    QCOMPARE(int(e.DataH), 0);
    QCOMPARE(int(e.DataL), usage);
    QCOMPARE(int(e.kind()), 4);
    QCOMPARE(e.isPress(), press);
}

void tst_MacroEvent::buttonMenu_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0 LEFT CLICK 1") << 0 << 1 << "LEFT CLICK";
    QTest::newRow("1 MIDDLE CLICK 4") << 1 << 4 << "MIDDLE CLICK";
    QTest::newRow("2 RIGHT CLICK 2") << 2 << 2 << "RIGHT CLICK";
    QTest::newRow("3 FORWARD 8") << 3 << 8 << "FORWARD";
    QTest::newRow("4 BACKWARD 16") << 4 << 16 << "BACKWARD";
}

void tst_MacroEvent::buttonMenu()
{
    QFETCH(int, position);
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(int(MouseButtonCodeAt(position)), code);
    QCOMPARE(QString::fromLatin1(MouseButtonMenuText(position)), text);
    QCOMPARE(QString::fromLatin1(MouseButtonText(code)), text);
    QCOMPARE(MouseButtonMenuPosition(code), position);
    QVERIFY(IsMouseButtonCode(code));

    const MacroEvent press = MacroEvent::buttonEvent(code, true);
    QCOMPARE(press, (MacroEvent{0x81, 0, quint8(code)}));
    const MacroEvent release = MacroEvent::buttonEvent(code, false);
    QCOMPARE(release, (MacroEvent{0x01, 0, quint8(code)}));
}

void tst_MacroEvent::buttonEventRefusesInvalidCode_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0;
    QTest::newRow("3, two buttons") << 3;
    QTest::newRow("32") << 32;
    QTest::newRow("257 wraps to 1 in a byte") << 257;
    QTest::newRow("negative") << -1;
}

void tst_MacroEvent::buttonEventRefusesInvalidCode()
{
    QFETCH(int, code);
    QVERIFY(!IsMouseButtonCode(code));
    QVERIFY(MacroEvent::buttonEvent(code, true).isEmpty());
    QVERIFY(MacroEvent::buttonEvent(code, false).isEmpty());
    QCOMPARE(QString::fromLatin1(MouseButtonText(code)), QString());
}

void tst_MacroEvent::buttonMenuPosition_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("position");
    QTest::newRow("1 left") << 1 << 0;
    QTest::newRow("2 right") << 2 << 2;
    QTest::newRow("4 middle") << 4 << 1;
    QTest::newRow("8 forward") << 8 << 3;
    QTest::newRow("16 backward") << 16 << 4;
    QTest::newRow("0 falls back to left") << 0 << 0;
    QTest::newRow("3 falls back to left") << 3 << 0;
    QTest::newRow("32 falls back to left") << 32 << 0;
    QTest::newRow("258 falls back to left") << 258 << 0;
    QTest::newRow("-2 falls back to left") << -2 << 0;
}

void tst_MacroEvent::buttonMenuPosition()
{
    QFETCH(int, code);
    QFETCH(int, position);
    QCOMPARE(MouseButtonMenuPosition(code), position);
}

void tst_MacroEvent::buttonMenuOutOfRange_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("-1") << -1;
    QTest::newRow("5") << 5;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void tst_MacroEvent::buttonMenuOutOfRange()
{
    QFETCH(int, position);
    QCOMPARE(int(MouseButtonCodeAt(position)), 0);
    QCOMPARE(QString::fromLatin1(MouseButtonMenuText(position)), QString());
}

void tst_MacroEvent::directionIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("text");
    QTest::newRow("0 MOVE LEFT") << 0 << true << "MOVE LEFT";
    QTest::newRow("1 MOVE RIGHT") << 1 << true << "MOVE RIGHT";
    QTest::newRow("2 MOVE UP") << 2 << true << "MOVE UP";
    QTest::newRow("3 MOVE DOWN") << 3 << true << "MOVE DOWN";
    QTest::newRow("-1 refused") << -1 << false << "";
    QTest::newRow("4 refused") << 4 << false << "";
}

void tst_MacroEvent::directionIndex()
{
    QFETCH(int, index);
    QFETCH(bool, valid);
    QFETCH(QString, text);
    MoveDirection direction = MoveDirection::Down;
    QCOMPARE(MoveDirectionFromIndex(index, direction), valid);
    if (valid) {
        QCOMPARE(int(direction), index);
        QCOMPARE(QString::fromLatin1(MoveDirectionText(direction)), text);
    } else {
        QCOMPARE(direction, MoveDirection::Down);
    }
}

void tst_MacroEvent::encodeStep_data()
{
    QTest::addColumn<MoveDirection>("direction");
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("dataH");
    QTest::addColumn<int>("dataL");
    QTest::newRow("left 1 is 256-1 in DataL") << MoveDirection::Left << 1 << 0 << 255;
    QTest::newRow("left 56") << MoveDirection::Left << 56 << 0 << 200;
    QTest::newRow("left 120") << MoveDirection::Left << 120 << 0 << 136;
    QTest::newRow("right 1") << MoveDirection::Right << 1 << 0 << 1;
    QTest::newRow("right 120") << MoveDirection::Right << 120 << 0 << 120;
    QTest::newRow("up 1 is 256-1 in DataH") << MoveDirection::Up << 1 << 255 << 0;
    QTest::newRow("up 120") << MoveDirection::Up << 120 << 136 << 0;
    QTest::newRow("down 1") << MoveDirection::Down << 1 << 1 << 0;
    QTest::newRow("down 120") << MoveDirection::Down << 120 << 120 << 0;
    // An empty distance field gives 0; 256 - 0 must not wrap into a byte.
    QTest::newRow("left 0 is no movement") << MoveDirection::Left << 0 << 0 << 0;
    QTest::newRow("up 0 is no movement") << MoveDirection::Up << 0 << 0 << 0;
    QTest::newRow("right 0 is no movement") << MoveDirection::Right << 0 << 0 << 0;
    QTest::newRow("down 0 is no movement") << MoveDirection::Down << 0 << 0 << 0;
    QTest::newRow("right 121 would read back as left: clamped") << MoveDirection::Right << 121 << 0 << 120;
    QTest::newRow("down 200 clamped") << MoveDirection::Down << 200 << 120 << 0;
    QTest::newRow("left 135, the longest negative byte") << MoveDirection::Left << 135 << 0 << 121;
    QTest::newRow("left 136 would read back as right: clamped") << MoveDirection::Left << 136 << 0 << 121;
    QTest::newRow("up 256 clamped") << MoveDirection::Up << 256 << 121 << 0;
    QTest::newRow("right -5 is no movement") << MoveDirection::Right << -5 << 0 << 0;
    QTest::newRow("left -5 is no movement") << MoveDirection::Left << -5 << 0 << 0;
    QTest::newRow("left INT_MIN") << MoveDirection::Left << INT_MIN << 0 << 0;
    QTest::newRow("down INT_MAX") << MoveDirection::Down << INT_MAX << 120 << 0;
}

void tst_MacroEvent::encodeStep()
{
    QFETCH(MoveDirection, direction);
    QFETCH(int, distance);
    QFETCH(int, dataH);
    QFETCH(int, dataL);
    const StepBytes step = EncodeStep(direction, distance);
    QCOMPARE(int(step.DataH), dataH);
    QCOMPARE(int(step.DataL), dataL);
    QCOMPARE(MacroEvent::moveEvent(direction, distance), (MacroEvent{0x02, quint8(dataH), quint8(dataL)}));
}

void tst_MacroEvent::decodeStep_data()
{
    QTest::addColumn<int>("dataH");
    QTest::addColumn<int>("dataL");
    QTest::addColumn<MoveDirection>("direction");
    QTest::addColumn<int>("distance");
    QTest::newRow("0/200 is MOVE LEFT 56") << 0 << 200 << MoveDirection::Left << 56;
    QTest::newRow("10/10 diagonal is MOVE LEFT 0") << 10 << 10 << MoveDirection::Left << 0;
    QTest::newRow("255/255 diagonal is MOVE LEFT 0") << 255 << 255 << MoveDirection::Left << 0;
    QTest::newRow("0/0 is MOVE RIGHT 0") << 0 << 0 << MoveDirection::Right << 0;
    QTest::newRow("0/120 is MOVE RIGHT 120") << 0 << 120 << MoveDirection::Right << 120;
    QTest::newRow("0/121 is MOVE LEFT 135") << 0 << 121 << MoveDirection::Left << 135;
    QTest::newRow("0/255 is MOVE LEFT 1") << 0 << 255 << MoveDirection::Left << 1;
    QTest::newRow("120/0 is MOVE DOWN 120") << 120 << 0 << MoveDirection::Down << 120;
    QTest::newRow("121/0 is MOVE UP 135") << 121 << 0 << MoveDirection::Up << 135;
    QTest::newRow("255/0 is MOVE UP 1") << 255 << 0 << MoveDirection::Up << 1;
}

void tst_MacroEvent::decodeStep()
{
    QFETCH(int, dataH);
    QFETCH(int, dataL);
    QFETCH(MoveDirection, direction);
    QFETCH(int, distance);
    const MoveStep step = DecodeStep(quint8(dataH), quint8(dataL));
    QCOMPARE(step.direction, direction);
    QCOMPARE(step.distance, distance);
}

void tst_MacroEvent::encodeNeverFlipsOrWraps()
{
    for (int index = 0; index < kMoveDirectionCount; ++index) {
        const MoveDirection direction = MoveDirection(index);
        for (int distance = -300; distance <= 300; ++distance) {
            const StepBytes bytes = EncodeStep(direction, distance);
            QVERIFY(bytes.DataH == 0 || bytes.DataL == 0);
            const MoveStep back = DecodeStep(bytes.DataH, bytes.DataL);
            if (distance <= 0) {
                QCOMPARE(back.distance, 0);
                continue;
            }
            const QByteArray what = QByteArray::number(index) + " " + QByteArray::number(distance);
            QVERIFY2(back.direction == direction, what.constData());
            QVERIFY2(back.distance >= 1 && back.distance <= distance, what.constData());
            if (distance <= kMaxStepDistance)
                QVERIFY2(back.distance == distance, what.constData());
        }
    }
}

void tst_MacroEvent::decodeThenEncodeKeepsEveryExpressibleStep()
{
    for (int h = 0; h < 256; ++h) {
        for (int l = 0; l < 256; ++l) {
            const MoveStep step = DecodeStep(quint8(h), quint8(l));
            const StepBytes bytes = EncodeStep(step.direction, step.distance);
            if (h != 0 && l != 0) {
                QCOMPARE(int(bytes.DataH), 0);
                QCOMPARE(int(bytes.DataL), 0);
            } else {
                QCOMPARE(int(bytes.DataH), h);
                QCOMPARE(int(bytes.DataL), l);
            }
        }
    }
}

void tst_MacroEvent::delayFromMs_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("dataH");
    QTest::addColumn<int>("dataL");
    QTest::addColumn<int>("shownMs");
    QTest::newRow("15 ms at unit 10 is count 1, shown 10") << 15 << 10 << 1 << 0 << 1 << 10;
    QTest::newRow("10 ms at unit 10") << 10 << 10 << 1 << 0 << 1 << 10;
    QTest::newRow("9 ms at unit 10 is count 0") << 9 << 10 << 0 << 0 << 0 << 0;
    QTest::newRow("300 ms at unit 1 splits into bytes 1/44") << 300 << 1 << 300 << 1 << 44 << 300;
    QTest::newRow("65535 ms at unit 10") << 65535 << 10 << 6553 << 0x19 << 0x99 << 65530;
    QTest::newRow("65535 ms at unit 1 is the largest count") << 65535 << 1 << 65535 << 255 << 255 << 65535;
    QTest::newRow("65536 ms at unit 1 clamped") << 65536 << 1 << 65535 << 255 << 255 << 65535;
    QTest::newRow("negative ms is count 0") << -50 << 10 << 0 << 0 << 0 << 0;
    QTest::newRow("unit 0 counts as 1") << 20 << 0 << 20 << 0 << 20 << 20;
    QTest::newRow("negative unit counts as 1") << 20 << -10 << 20 << 0 << 20 << 20;
    QTest::newRow("INT_MAX ms clamped") << INT_MAX << 10 << 65535 << 255 << 255 << 655350;
}

void tst_MacroEvent::delayFromMs()
{
    QFETCH(int, ms);
    QFETCH(int, unit);
    QFETCH(int, count);
    QFETCH(int, dataH);
    QFETCH(int, dataL);
    QFETCH(int, shownMs);
    QCOMPARE(DelayCountFromMs(ms, unit), count);
    const MacroEvent e = DelayEventFromMs(ms, unit);
    QCOMPARE(e, (MacroEvent{0x06, quint8(dataH), quint8(dataL)}));
    QCOMPARE(DelayCount(e), count);
    QCOMPARE(DelayMs(e, unit), shownMs);
}

void tst_MacroEvent::delayMsSaturates()
{
    const MacroEvent e{0x06, 0xFF, 0xFF};
    QCOMPARE(DelayMs(e, INT_MAX), INT_MAX);
    QCOMPARE(DelayMs(e, 100000), INT_MAX);
    QCOMPARE(MacroEvent::delayEvent(70000), (MacroEvent{0x06, 0xFF, 0xFF}));
    QCOMPARE(MacroEvent::delayEvent(-1), (MacroEvent{0x06, 0, 0}));
}

void tst_MacroEvent::emptyEvent()
{
    QVERIFY(MacroEvent{}.isEmpty());
    QVERIFY(!(MacroEvent{0x06, 0, 0}).isEmpty());
    QVERIFY(!(MacroEvent{0, 0, 1}).isEmpty());
}

QTEST_GUILESS_MAIN(tst_MacroEvent)
#include "tst_macroevent.moc"
