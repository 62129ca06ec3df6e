#include "DpiEncoding.h"

#include <QtTest>
#include <limits>

namespace {

QByteArray Bytes(const std::array<quint8, 4>& a)
{
    return QByteArray(reinterpret_cast<const char*>(a.data()), int(a.size()));
}

} // namespace

class TestDpiEncoding : public QObject
{
    Q_OBJECT

private slots:
    void encodeLevel_data();
    void encodeLevel();
    void tableValues_data();
    void tableValues();
    void tableEndsHoldOutsideSteps();
    void everyStepStaysInsideTables();
    void sniper_data();
    void sniper();
};

void TestDpiEncoding::encodeLevel_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<quint32>("x");
    QTest::addColumn<quint32>("y");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<QByteArray>("bytes");

    auto row = [](const char* name, int sensor, quint32 x, quint32 y, int firmware, const char* hex) {
        QTest::newRow(name) << sensor << x << y << firmware << QByteArray::fromHex(hex);
    };
    row("3389 step 321", 3389, 321, 321, 0, "a180a180");
    row("3389 step 320", 3389, 320, 320, 0, "40014001");
    row("3389 step 480", 3389, 480, 2, 0, "40810200");
    row("33952 X 520 Y 520", 33952, 520, 520, 0, "04810802");
    row("33952 X 519 Y 519", 33952, 519, 519, 0, "07020702");
    row("33952 X 521 Y 521", 33952, 521, 521, 0, "05810581");
    row("33952 step 779", 33952, 779, 779, 0, "07820782");
    row("3104 X100 Y110 sends Y first", 3104, 100, 110, 0, "39016400");
    row("31042 step 106 and 107", 31042, 107, 106, 0, "6a003601");
    row("31042 step 158", 31042, 158, 158, 0, "69016901");
    row("3212 step 63 and 64", 3212, 63, 64, 0, "3f002001");
    row("3212 step 94 and 95", 3212, 94, 95, 0, "3e012002");
    row("3311 step 1 and 120", 3311, 1, 120, 0, "00008f00");
    row("33112 step 121 and 180", 33112, 121, 180, 0, "48018f01");
    row("3325 step 50 and 51", 3325, 50, 51, 0, "73003b01");
    row("33252 step 75 and 76", 33252, 75, 76, 0, "73013b02");
    row("3325 step 90", 3325, 90, 10, 0, "5c021600");
    row("3327 step 61 and 62", 3327, 61, 62, 0, "8c004801");
    row("3327 step 92 and 93", 3327, 92, 93, 0, "8c015f04");
    row("3327 step 106", 3327, 106, 1, 0, "7c040400");
    row("3333 step 2 and 79", 3333, 2, 79, 0, "0400b900");
    row("3333 step 80 and 120", 3333, 80, 120, 0, "5d01bb01");
    row("3335 sends X for both", 3335, 160, 5, 0, "bc00bc00");
    row("33352 step 161", 33352, 161, 1, 0, "90019001");
    row("33352 step 200", 33352, 200, 1, 0, "bc01bc01");
    row("33352 step 201 held at table end", 33352, 201, 1, 0, "bc01bc01");
    row("33352 step 240 held at table end", 33352, 240, 1, 0, "bc01bc01");
    row("3360 step 1 and 120", 3360, 1, 120, 0, "00007700");
    row("3360 step 121 and 180", 3360, 121, 180, 0, "3c017701");
    row("3370 step 200 and 201", 3370, 200, 201, 0, "c7006401");
    row("3370 step 290", 3370, 290, 1, 0, "bd010000");
    row("3395 step 519", 3395, 519, 0, 0, "07020000");
    row("3395 firmware 8 limits to 399", 3395, 519, 400, 8, "8f018f01");
    row("3395 firmware 8 keeps 399", 3395, 399, 100, 8, "8f016400");
    row("3395 firmware 7 no limit", 3395, 519, 400, 7, "07029001");
    row("unknown sensor 3399 zeros", 3399, 100, 100, 0, "00000000");
    row("no sensor zeros", 0, 100, 100, 0, "00000000");
    // Steps no page produces, from a damaged profile file.
    row("3311 step 0 clamped to 1", 3311, 0, 0, 0, "00000000");
    row("3311 huge step clamped to 180", 3311, std::numeric_limits<quint32>::max(), 180, 0, "8f018f01");
    row("3360 step 0 does not wrap", 3360, 0, 0, 0, "00000000");
    row("3389 huge step clamped to 480", 3389, 100000, 0, 0, "40810200");
    row("3325 step 255 clamped to 90", 3325, 255, 255, 0, "5c025c02");
    row("3333 step 1 clamped to 2", 3333, 1, 0, 0, "04000400");
    row("3104 step 500 clamped to 158", 3104, 500, 500, 0, "69016901");
}

void TestDpiEncoding::encodeLevel()
{
    QFETCH(int, sensor);
    QFETCH(quint32, x);
    QFETCH(quint32, y);
    QFETCH(int, firmware);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Bytes(EncodeDpiLevel(sensor, x, y, quint8(firmware))).toHex(' '), bytes.toHex(' '));
}

void TestDpiEncoding::tableValues_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");

    auto row = [](const char* name, DpiTable table, int step, int value) {
        QTest::newRow(name) << int(table) << step << value;
    };
    row("T3311 step 1", DpiTable::T3311, 1, 0);
    row("T3311 step 61", DpiTable::T3311, 61, 72);
    row("T3311 step 120", DpiTable::T3311, 120, 143);
    row("T3335 step 60 as T3311", DpiTable::T3335, 60, 71);
    row("T3335 step 121", DpiTable::T3335, 121, 144);
    row("T3335 step 160", DpiTable::T3335, 160, 188);
    row("T3325 step 1", DpiTable::T3325, 1, 2);
    row("T3325 step 50", DpiTable::T3325, 50, 115);
    row("T3327 step 1", DpiTable::T3327, 1, 4);
    row("T3327 step 61", DpiTable::T3327, 61, 140);
    row("T3333 step 2", DpiTable::T3333, 2, 4);
    row("T3333 step 40", DpiTable::T3333, 40, 93);
    row("T3333 step 80", DpiTable::T3333, 80, 187);
}

void TestDpiEncoding::tableValues()
{
    QFETCH(int, table);
    QFETCH(int, step);
    QFETCH(int, value);
    QCOMPARE(int(DpiTableValue(DpiTable(table), step)), value);
}

void TestDpiEncoding::tableEndsHoldOutsideSteps()
{
    QCOMPARE(DpiTableFirstStep(DpiTable::T3311), 1);
    QCOMPARE(DpiTableLastStep(DpiTable::T3311), 120);
    QCOMPARE(DpiTableLastStep(DpiTable::T3335), 160);
    QCOMPARE(DpiTableLastStep(DpiTable::T3325), 50);
    QCOMPARE(DpiTableLastStep(DpiTable::T3327), 61);
    QCOMPARE(DpiTableFirstStep(DpiTable::T3333), 2);
    QCOMPARE(DpiTableLastStep(DpiTable::T3333), 80);

    QCOMPARE(int(DpiTableValue(DpiTable::T3335, 200)), 188);
    QCOMPARE(int(DpiTableValue(DpiTable::T3325, -5)), 2);
    QCOMPARE(int(DpiTableValue(DpiTable::T3333, 0)), 4);
}

void TestDpiEncoding::everyStepStaysInsideTables()
{
    // Run under the address sanitizer, this shows no step reaches past a table.
    const int sensors[] = {3104, 31042, 3212, 3311, 33112, 3325, 33252, 3327, 3333,
                           3335, 33352, 3360, 3370, 3389, 3395, 33952};
    for (int sensor : sensors) {
        int first = -1;
        int last = -1;
        QVERIFY2(DpiStepRange(sensor, first, last), qPrintable(QString::number(sensor)));
        QVERIFY(first >= 0 && first < last);
        for (quint32 s = 0; s <= 1100; ++s) {
            const auto bytes = EncodeDpiLevel(sensor, s, 1100 - s, 8);
            Q_UNUSED(bytes);
        }
        for (int s = -300; s <= 300; ++s)
            Q_UNUSED(EncodeSniperStep(sensor, s));
    }
}

void TestDpiEncoding::sniper_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");

    QTest::newRow("3104 sends the step") << 3104 << 20 << 20;
    QTest::newRow("3212 sends the step") << 3212 << 32 << 32;
    QTest::newRow("3389 sends the step") << 3389 << 2 << 2;
    QTest::newRow("3325 step 10 by T3325") << 3325 << 10 << 22;
    QTest::newRow("3327 step 10 by T3327") << 3327 << 10 << 24;
    QTest::newRow("3335 step 10 by T3335") << 3335 << 10 << 11;
    QTest::newRow("3360 step 10 minus one") << 3360 << 10 << 9;
    QTest::newRow("3333 has no own sniper byte") << 3333 << 5 << 4;
    QTest::newRow("33352 has no own sniper byte") << 33352 << 5 << 4;
    QTest::newRow("unknown sensor") << 0 << 5 << 4;
    QTest::newRow("3325 step 255 held at table end") << 3325 << 255 << 115;
    QTest::newRow("3325 step 0 held at table start") << 3325 << 0 << 2;
    QTest::newRow("3360 step 0 does not wrap") << 3360 << 0 << 0;
}

void TestDpiEncoding::sniper()
{
    QFETCH(int, sensor);
    QFETCH(int, step);
    QFETCH(int, value);
    QCOMPARE(int(EncodeSniperStep(sensor, step)), value);
}

QTEST_GUILESS_MAIN(TestDpiEncoding)
#include "tst_dpiencoding.moc"
