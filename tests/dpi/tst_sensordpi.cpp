#include "SensorDpi.h"

#include <QtTest>

#include <functional>
#include <vector>

// The DPI of every step of every sensor, checked against the formulas written out
// again here as pieces of straight lines, so a slip in either shows up.

namespace {

struct Piece
{
    int firstStep;
    int lastStep;
    int factor;
    int offset;
};

using Exceptions = std::vector<std::pair<int, int>>;   // step -> DPI shown instead

int ByPieces(const std::vector<Piece>& pieces, const Exceptions& exceptions, int step)
{
    for (const auto& e : exceptions)
        if (e.first == step)
            return e.second;
    for (const Piece& p : pieces)
        if (step >= p.firstStep && step <= p.lastStep)
            return p.factor * step + p.offset;
    return -1;
}

int TruncTen(int value) { return value - value % 10; }

// 3212: three pieces, each product cut down to tens, and five values shown rounded.
int Expected3212(int s)
{
    if (s >= 95) {
        const int dpi = TruncTen((s - 63) * 152);
        return dpi == 7290 ? 7200 : dpi;
    }
    if (s <= 63) {
        const int dpi = TruncTen(s * 38);
        const Exceptions rounded = {{790, 800}, {1210, 1200}, {1630, 1600}, {2390, 2400}};
        for (const auto& e : rounded)
            if (e.first == dpi)
                return e.second;
        return dpi;
    }
    return TruncTen((s - 32) * 76);
}

struct SensorCase
{
    int sensor;
    int minStep;
    int maxStep;
    std::function<int(int)> expected;
};

std::vector<SensorCase> Cases()
{
    const auto pieces = [](std::vector<Piece> p, Exceptions e = {}) {
        return [p, e](int s) { return ByPieces(p, e, s); };
    };
    const auto s3104 = pieces({{0, 106, 40, 0}, {107, 1000, 80, -4240}}, {{14, 500}});
    const auto s3311 = pieces({{0, 120, 100, 0}, {121, 1000, 200, -12000}});
    const auto s3325 = pieces({{0, 50, 100, 0}, {51, 75, 200, -5000}, {76, 1000, 400, -20000}});
    const auto s3335 = pieces({{0, 160, 100, 0}, {161, 1000, 200, -16000}});
    const auto s3395 = pieces({{0, 519, 50, 50}, {520, 1000, 100, -25900}});
    return {
        {3104, 14, 105, s3104},
        {31042, 14, 158, s3104},
        {3212, 16, 111, Expected3212},
        {3311, 1, 120, s3311},
        {33112, 1, 180, s3311},
        {3360, 1, 180, s3311},
        {3325, 1, 90, s3325},
        {33252, 1, 90, s3325},
        {3327, 1, 106, pieces({{0, 61, 100, 100}, {62, 92, 200, -6000}, {93, 1000, 300, -15300}}, {{106, 16400}})},
        {3333, 2, 120, pieces({{0, 80, 100, 0}, {81, 1000, 200, -8000}})},
        {3335, 1, 160, s3335},
        {33352, 1, 240, s3335},
        {3370, 1, 290, pieces({{0, 200, 50, 0}, {201, 1000, 100, -10000}})},
        {3389, 2, 480, pieces({{0, 320, 50, 0}, {321, 1000, 100, -16000}})},
        {3395, 0, 519, s3395},
        {33952, 0, 779, s3395},
        {3399, 0, 599, pieces({{0, 399, 50, 50}, {400, 1000, 100, -19900}})},
    };
}

} // namespace

class TestSensorDpi : public QObject
{
    Q_OBJECT

private slots:
    void everyStepOfEverySensor_data();
    void everyStepOfEverySensor();
    void edgeCases_data();
    void edgeCases();
    void ranges_data();
    void ranges();
    void rangeEndsMatchTheirDpi_data();
    void rangeEndsMatchTheirDpi();
    void unknownSensor();
};

void TestSensorDpi::everyStepOfEverySensor_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("minStep");
    QTest::addColumn<int>("maxStep");
    QTest::addColumn<int>("caseIndex");
    const auto cases = Cases();
    for (int i = 0; i < int(cases.size()); ++i) {
        const SensorCase& c = cases[size_t(i)];
        QTest::addRow("%d steps %d..%d", c.sensor, c.minStep, c.maxStep) << c.sensor << c.minStep << c.maxStep << i;
    }
}

void TestSensorDpi::everyStepOfEverySensor()
{
    QFETCH(int, sensor);
    QFETCH(int, minStep);
    QFETCH(int, maxStep);
    QFETCH(int, caseIndex);
    const auto expected = Cases()[size_t(caseIndex)].expected;
    for (int s = minStep; s <= maxStep; ++s) {
        if (StepToDpi(sensor, s) != expected(s))
            QFAIL(qPrintable(QStringLiteral("sensor %1 step %2: %3, expected %4")
                                 .arg(sensor).arg(s).arg(StepToDpi(sensor, s)).arg(expected(s))));
    }
}

void TestSensorDpi::edgeCases_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("dpi");
    QTest::newRow("3325 step 50 is 5000") << 3325 << 50 << 5000;
    QTest::newRow("3325 extended step 76 is 10400") << 3325 << 76 << 10400;
    QTest::newRow("3325 extended step 90 is 16000") << 3325 << 90 << 16000;
    QTest::newRow("33252 step 75 is 10000") << 33252 << 75 << 10000;
    QTest::newRow("3104 step 14 is 500 not 560") << 3104 << 14 << 500;
    QTest::newRow("3104 step 105 is 4200") << 3104 << 105 << 4200;
    QTest::newRow("31042 step 158 is 8400") << 31042 << 158 << 8400;
    QTest::newRow("3212 step 16 is 600") << 3212 << 16 << 600;
    QTest::newRow("3212 step 21 is 800 not 790") << 3212 << 21 << 800;
    QTest::newRow("3212 step 32 is 1200 not 1210") << 3212 << 32 << 1200;
    QTest::newRow("3212 step 43 is 1600 not 1630") << 3212 << 43 << 1600;
    QTest::newRow("3212 step 63 is 2400 not 2390") << 3212 << 63 << 2400;
    QTest::newRow("3212 step 64 is 2430") << 3212 << 64 << 2430;
    QTest::newRow("3212 step 111 is 7200 not 7290") << 3212 << 111 << 7200;
    QTest::newRow("3327 step 1 is 200") << 3327 << 1 << 200;
    QTest::newRow("3327 step 92 is 12400") << 3327 << 92 << 12400;
    QTest::newRow("3327 step 106 is 16400") << 3327 << 106 << 16400;
    QTest::newRow("3327 step 105 is 16200") << 3327 << 105 << 16200;
    QTest::newRow("3333 step 2 is 200") << 3333 << 2 << 200;
    QTest::newRow("3389 step 320 is 16000") << 3389 << 320 << 16000;
    QTest::newRow("3389 step 321 is 16100") << 3389 << 321 << 16100;
    QTest::newRow("3389 step 480 is 32000") << 3389 << 480 << 32000;
    QTest::newRow("3395 step 0 is 50") << 3395 << 0 << 50;
    QTest::newRow("33952 step 779 is 52000") << 33952 << 779 << 52000;
    QTest::newRow("3399 step 599 is 40000") << 3399 << 599 << 40000;
}

void TestSensorDpi::edgeCases()
{
    QFETCH(int, sensor);
    QFETCH(int, step);
    QFETCH(int, dpi);
    QCOMPARE(StepToDpi(sensor, step), dpi);
}

void TestSensorDpi::ranges_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("minStep");
    QTest::addColumn<int>("maxStep");
    QTest::addColumn<int>("minDpi");
    QTest::addColumn<int>("maxDpi");
    QTest::addColumn<bool>("linkXY");
    const QString other = QStringLiteral("X8 Wireless");
    QTest::newRow("3104") << 3104 << false << other << 14 << 105 << 500 << 4200 << true;
    QTest::newRow("31042") << 31042 << false << other << 14 << 158 << 500 << 8400 << true;
    QTest::newRow("3212") << 3212 << false << other << 16 << 111 << 600 << 7200 << false;
    QTest::newRow("3311") << 3311 << false << other << 1 << 120 << 100 << 12000 << false;
    QTest::newRow("33112") << 33112 << false << other << 1 << 180 << 100 << 24000 << false;
    QTest::newRow("3325") << 3325 << false << other << 1 << 50 << 100 << 5000 << false;
    QTest::newRow("3325 with 33254") << 3325 << true << other << 1 << 90 << 100 << 16000 << false;
    QTest::newRow("33252") << 33252 << false << other << 1 << 75 << 100 << 10000 << false;
    QTest::newRow("33252 with 33254") << 33252 << true << other << 1 << 90 << 100 << 16000 << false;
    QTest::newRow("3327") << 3327 << false << other << 1 << 106 << 200 << 16400 << false;
    QTest::newRow("3327 lower-case cascade is not listed")
        << 3327 << false << QStringLiteral("cascade") << 1 << 106 << 200 << 16400 << false;
    for (const char* product :
         {"K308-RGB", "CASCADE", "7354", "BASALT3", "LANTERN", "K430-RGB", "HARBOR2", "THIMBLE2", "CANOPY"})
        QTest::addRow("3327 on %s stops at 12400", product)
            << 3327 << false << QString::fromLatin1(product) << 1 << 92 << 200 << 12400 << false;
    QTest::newRow("3333") << 3333 << false << other << 2 << 120 << 200 << 16000 << false;
    QTest::newRow("3335") << 3335 << false << other << 1 << 160 << 100 << 16000 << false;
    QTest::newRow("33352") << 33352 << false << other << 1 << 240 << 100 << 32000 << false;
    QTest::newRow("3360") << 3360 << false << other << 1 << 180 << 100 << 24000 << true;
    QTest::newRow("3370") << 3370 << false << other << 1 << 290 << 50 << 19000 << false;
    QTest::newRow("3389") << 3389 << false << other << 2 << 480 << 100 << 32000 << true;
    QTest::newRow("3395") << 3395 << false << other << 0 << 519 << 50 << 26000 << false;
    QTest::newRow("33952") << 33952 << false << other << 0 << 779 << 50 << 52000 << false;
    QTest::newRow("3399") << 3399 << false << other << 0 << 599 << 50 << 40000 << true;
}

void TestSensorDpi::ranges()
{
    QFETCH(int, sensor);
    QFETCH(bool, extended);
    QFETCH(QString, product);
    QFETCH(int, minStep);
    QFETCH(int, maxStep);
    QFETCH(int, minDpi);
    QFETCH(int, maxDpi);
    QFETCH(bool, linkXY);
    const SensorRange r = SensorStepRange(sensor, extended, product);
    QVERIFY(r.known);
    QCOMPARE(r.minStep, minStep);
    QCOMPARE(r.maxStep, maxStep);
    QCOMPARE(r.minDpi, minDpi);
    QCOMPARE(r.maxDpi, maxDpi);
    QCOMPARE(r.linkXY, linkXY);
}

void TestSensorDpi::rangeEndsMatchTheirDpi_data()
{
    ranges_data();
}

void TestSensorDpi::rangeEndsMatchTheirDpi()
{
    // The end labels and the DPI texts of the sliders' ends must agree.
    QFETCH(int, sensor);
    QFETCH(bool, extended);
    QFETCH(QString, product);
    const SensorRange r = SensorStepRange(sensor, extended, product);
    QCOMPARE(StepToDpi(sensor, r.minStep), r.minDpi);
    QCOMPARE(StepToDpi(sensor, r.maxStep), r.maxDpi);
}

void TestSensorDpi::unknownSensor()
{
    QVERIFY(!SensorStepRange(3326, false, QString()).known);
    QCOMPARE(StepToDpi(3326, 50), 0);
    QCOMPARE(StepToDpi(0, 1), 0);
}

QTEST_GUILESS_MAIN(TestSensorDpi)
#include "tst_sensordpi.moc"
