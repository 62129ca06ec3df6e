#include "TarnDPIWindow.h"
#include "TarnSingleDPI.h"
#include "TarnTwoBarSlider.h"

#include "SettingsRecord.h"
#include "TarnLabel.h"
#include "TarnSlider.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

// Descriptor whose level count (DPICount ^ ButtonCount ^ MouseDpi) is `levels`.
QByteArray Descriptor(int levels, int showSleep, int ledDisable, int sleepMin = 1, int sleepMax = 9,
                      int extended = 0)
{
    return QStringLiteral("[PROFILE]\nProductName=Test Mouse\nButtonCount=13\nMouseDpi=5\nDPICount=%1\n"
                          "ShowSleep=%2\nledDisable=%3\nSleepMin=%4\nSleepMax=%5\n33254=%6\n")
        .arg(levels ^ 13 ^ 5)
        .arg(showSleep)
        .arg(ledDisable)
        .arg(sleepMin)
        .arg(sleepMax)
        .arg(extended)
        .toLatin1();
}

QByteArray Config(int sensor, const QString& product = QStringLiteral("Test Mouse"))
{
    return QStringLiteral("[Config]\nCurrentProductName=%1\nGColorID=0\n[MouseSenSor]\n1=%2\n")
        .arg(product)
        .arg(sensor)
        .toLatin1();
}

DpiLevel Level(quint8 used, quint8 link, quint32 x, quint32 y)
{
    DpiLevel level;
    level.used = used;
    level.link = link;
    level.xy = x;
    level.x = x;
    level.y = y;
    return level;
}

// A record whose levels are all different, so a mix-up of rows shows.
SettingsRecord Record(quint8 profile = 0)
{
    SettingsRecord s;
    MakeDefaultSettings(s);
    s.ProfileID = profile;
    ProfileRecord& p = s.profiles[profile];
    for (int i = 0; i < kDpiLevelCount; ++i)
        p.DPI_INFO[size_t(i)] = Level(quint8(i % 2), 0, quint32(10 + i), quint32(20 + i));
    p.dpi = 1;
    p.LedSleepTime = 3;
    p.LedMoveOFF = 0;
    return s;
}

bool HasColour(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40
                && qAbs(c.blue() - colour.blue()) < 40)
                return true;
        }
    return false;
}

} // namespace

class TestTarnDpiWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void levelCountHidesRows_data();
    void levelCountHidesRows();
    void hiddenRowsAreCollectedUnchanged();
    void refreshReadsTheActiveProfile();
    void collectWritesOnlyTheLevelTable();
    void rowTexts_data();
    void rowTexts();
    void endLabelsAndLinkBox_data();
    void endLabelsAndLinkBox();
    void unknownSensorKeepsRanges();
    void extendedRangeSwitch();
    void shortRangeProduct();
    void outOfRangeStepShownClampedAndKept_data();
    void outOfRangeStepShownClampedAndKept();
    void linkedSliderMovesBoth();
    void unlinkingShowsTheLinkedValue();
    void xSliderMovesOnlyX();
    void enableBox();
    void activeLevelByClick_data();
    void activeLevelByClick();
    void activeRowTextInAccent();
    void selectLevelIgnoresOutOfRange();
    void refreshWithBadActiveLevel();
    void sleepControlsShownOnlyWithoutLighting_data();
    void sleepControlsShownOnlyWithoutLighting();
    void sleepSliderStoresIntoActiveProfile();
    void sleepSliderRange();
    void refreshDoesNotStoreSleep();
    void offBoxStoresIntoActiveProfile_data();
    void offBoxStoresIntoActiveProfile();
    void offBoxFromRecord_data();
    void offBoxFromRecord();
    void grabForLooking();

private:
    void setUp(int sensor, const QByteArray& descriptor, const QString& product = QStringLiteral("Test Mouse"));
    std::unique_ptr<TestAppDir> m_app;
    std::unique_ptr<TarnDPIWindow> m_page;
};

void TestTarnDpiWindow::init()
{
    m_app = std::make_unique<TestAppDir>();
    const QString built = QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin/");
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    for (const char* name : {"checkbox1-1.png", "checkbox1-2.png"})
        QFile::copy(built + QLatin1String(name), m_app->file(QStringLiteral("skin/") + QLatin1String(name)));
    SetUiScale(1.0);
}

void TestTarnDpiWindow::cleanup()
{
    m_page.reset();
    m_app.reset();
}

void TestTarnDpiWindow::setUp(int sensor, const QByteArray& descriptor, const QString& product)
{
    m_app->write(QStringLiteral("DefaultProfile.bin"), descriptor);
    m_app->write(QStringLiteral("Configs/Config.ini"), Config(sensor, product));
    m_page = std::make_unique<TarnDPIWindow>();
    m_page->resize(456, 386);
    m_page->setStyleSheet(QStringLiteral("TarnDPIWindow{background:rgb(18,18,20);}"));
    m_page->setAttribute(Qt::WA_StyledBackground);
    m_page->show();
}

void TestTarnDpiWindow::levelCountHidesRows_data()
{
    QTest::addColumn<int>("descriptorCount");
    QTest::addColumn<int>("shown");
    QTest::newRow("5 levels") << 5 << 5;
    QTest::newRow("1 level") << 1 << 1;
    QTest::newRow("7 levels") << 7 << 7;
    QTest::newRow("8 levels") << 8 << 8;
    QTest::newRow("0 reads as 8") << 0 << 8;
    QTest::newRow("9 reads as 8") << 9 << 8;
}

void TestTarnDpiWindow::levelCountHidesRows()
{
    QFETCH(int, descriptorCount);
    QFETCH(int, shown);
    setUp(3389, Descriptor(descriptorCount, 1, 0));
    CurrentSettings() = Record();
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->levelCount(), shown);
    for (int i = 0; i < kDpiLevelCount; ++i) {
        TarnSingleDPI* row = m_page->row(i);
        if (i < shown) {
            QVERIFY2(row->isVisible(), qPrintable(QString::number(i)));
            // Up to five at full pitch; every row stays above the sensor options (page y 338).
            if (shown <= 5)
                QCOMPARE(row->geometry(), QRect(15, 43 + 50 * i, 440, 48));
            QVERIFY(row->geometry().bottom() < 338);
            QVERIFY(row->height() >= 34);
            if (i > 0)
                QVERIFY(row->geometry().top() > m_page->row(i - 1)->geometry().bottom());
        } else {
            QVERIFY2(!row->isVisible(), qPrintable(QString::number(i)));
            QVERIFY(row->geometry().isEmpty());
        }
    }
}

void TestTarnDpiWindow::hiddenRowsAreCollectedUnchanged()
{
    setUp(3389, Descriptor(5, 1, 0));
    SettingsRecord record = Record();
    // Hidden rows keep odd values too: a step past the sensor's range and a stray link.
    record.active().DPI_INFO[5] = Level(1, 1, 100000, 3);
    record.active().DPI_INFO[6] = Level(0, 0, 400, 2);
    record.active().DPI_INFO[7] = Level(7, 9, 0, 0);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QTest::keyClick(m_page->row(0)->slider()->xSlider(), Qt::Key_Right);
    const SettingsRecord& out = CurrentSettings();
    for (int i = 5; i < 8; ++i) {
        const DpiLevel& got = out.active().DPI_INFO[size_t(i)];
        const DpiLevel& want = record.active().DPI_INFO[size_t(i)];
        QCOMPARE(got.used, want.used);
        QCOMPARE(got.link, want.link);
        QCOMPARE(got.xy, want.xy);
        QCOMPARE(got.x, want.x);
        QCOMPARE(got.y, want.y);
    }
}

void TestTarnDpiWindow::refreshReadsTheActiveProfile()
{
    setUp(3389, Descriptor(8, 1, 0));
    SettingsRecord record = Record(0);
    record.ProfileID = 3;
    record.profiles[3].DPI_INFO[2] = Level(1, 0, 400, 100);
    record.profiles[3].dpi = 2;
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->activeLevel(), 2);
    QCOMPARE(m_page->row(2)->xText(), QStringLiteral("X:24000"));
    QCOMPARE(m_page->row(2)->yText(), QStringLiteral("Y:5000"));
    QVERIFY(m_page->row(2)->levelSelector()->isChecked());
}

void TestTarnDpiWindow::collectWritesOnlyTheLevelTable()
{
    setUp(3389, Descriptor(8, 1, 0));
    SettingsRecord record = Record(2);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    m_page->chooseLevel(4);
    QTest::keyClick(m_page->row(3)->slider()->ySlider(), Qt::Key_Right);

    const SettingsRecord& out = CurrentSettings();
    QCOMPARE(int(out.profiles[2].dpi), 4);
    QCOMPARE(out.profiles[2].DPI_INFO[3].y, record.profiles[2].DPI_INFO[3].y + 1);
    QCOMPARE(out.profiles[2].DPI_INFO[3].x, record.profiles[2].DPI_INFO[3].x);
    QCOMPARE(int(out.profiles[2].pollrate), int(record.profiles[2].pollrate));
    QCOMPARE(int(out.profiles[2].LedMode), int(record.profiles[2].LedMode));
    // Other profiles are not the page's.
    QCOMPARE(out.profiles[0].dpi, record.profiles[0].dpi);
    QCOMPARE(out.profiles[0].DPI_INFO[3].y, record.profiles[0].DPI_INFO[3].y);
}

void TestTarnDpiWindow::rowTexts_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<quint32>("x");
    QTest::addColumn<quint32>("y");
    QTest::addColumn<QString>("xText");
    QTest::addColumn<QString>("yText");
    QTest::addColumn<QString>("dpiText");
    QTest::newRow("3389 400/100") << 3389 << 400u << 100u << "X:24000" << "Y:5000" << "DPI : 5000";
    QTest::newRow("3104 14/105") << 3104 << 14u << 105u << "X:500" << "Y:4200" << "DPI : 4200";
    QTest::newRow("3212 21/111") << 3212 << 21u << 111u << "X:800" << "Y:7200" << "DPI : 7200";
    QTest::newRow("3325 50/1") << 3325 << 50u << 1u << "X:5000" << "Y:100" << "DPI : 100";
}

void TestTarnDpiWindow::rowTexts()
{
    QFETCH(int, sensor);
    QFETCH(quint32, x);
    QFETCH(quint32, y);
    QFETCH(QString, xText);
    QFETCH(QString, yText);
    QFETCH(QString, dpiText);
    setUp(sensor, Descriptor(8, 1, 0));
    SettingsRecord record = Record();
    record.active().DPI_INFO[0] = Level(1, 0, x, y);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->row(0)->xText(), xText);
    QCOMPARE(m_page->row(0)->yText(), yText);
    QCOMPARE(m_page->row(0)->dpiText(), dpiText);
}

void TestTarnDpiWindow::endLabelsAndLinkBox_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("minStep");
    QTest::addColumn<int>("maxStep");
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<QString>("highest");
    QTest::addColumn<bool>("linkBox");
    QTest::newRow("3389 offers Link XY") << 3389 << 2 << 480 << "100" << "32000" << true;
    QTest::newRow("3104 offers Link XY") << 3104 << 14 << 105 << "500" << "4200" << true;
    QTest::newRow("3399 offers Link XY") << 3399 << 0 << 599 << "50" << "40000" << true;
    QTest::newRow("3325 hides Link XY") << 3325 << 1 << 50 << "100" << "5000" << false;
    QTest::newRow("3212 hides Link XY") << 3212 << 16 << 111 << "600" << "7200" << false;
    QTest::newRow("33952 hides Link XY") << 33952 << 0 << 779 << "50" << "52000" << false;
}

void TestTarnDpiWindow::endLabelsAndLinkBox()
{
    QFETCH(int, sensor);
    QFETCH(int, minStep);
    QFETCH(int, maxStep);
    QFETCH(QString, lowest);
    QFETCH(QString, highest);
    QFETCH(bool, linkBox);
    setUp(sensor, Descriptor(8, 1, 0));
    CurrentSettings() = Record();
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->sensor(), sensor);
    for (int i = 0; i < kDpiLevelCount; ++i) {
        TarnSingleDPI* row = m_page->row(i);
        for (TarnSlider* s : {row->slider()->xSlider(), row->slider()->ySlider(), row->slider()->linkedSlider()}) {
            QCOMPARE(s->minimum(), minStep);
            QCOMPARE(s->maximum(), maxStep);
            QCOMPARE(s->singleStep(), 1);
            QCOMPARE(s->pageStep(), 1);
        }
        QCOMPARE(row->lowestText(), lowest);
        QCOMPARE(row->highestText(), highest);
        QCOMPARE(row->linkBox()->isVisible(), linkBox);
    }
    // Without the box a row still shows the slider its stored link flag asks for.
    QVERIFY(m_page->row(0)->slider()->xSlider()->isVisible());
    QVERIFY(!m_page->row(0)->slider()->linkedSlider()->isVisible());
}

void TestTarnDpiWindow::unknownSensorKeepsRanges()
{
    setUp(3389, Descriptor(8, 1, 0));
    SettingsRecord record = Record();
    record.active().DPI_INFO[0] = Level(1, 1, 400, 400);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    m_app->write(QStringLiteral("Configs/Config.ini"), Config(1234));
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->sensor(), 1234);
    QCOMPARE(m_page->row(0)->slider()->linkedSlider()->maximum(), 480);
    QCOMPARE(m_page->row(0)->highestText(), QStringLiteral("32000"));
    QCOMPARE(m_page->row(0)->dpiText(), QStringLiteral("DPI : 0"));
}

void TestTarnDpiWindow::extendedRangeSwitch()
{
    setUp(3325, Descriptor(8, 1, 0, 1, 9, 1));
    SettingsRecord record = Record();
    record.active().DPI_INFO[0] = Level(1, 1, 76, 76);
    record.active().DPI_INFO[1] = Level(1, 1, 90, 90);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->row(0)->slider()->linkedSlider()->maximum(), 90);
    QCOMPARE(m_page->row(0)->dpiText(), QStringLiteral("DPI : 10400"));
    QCOMPARE(m_page->row(1)->dpiText(), QStringLiteral("DPI : 16000"));
    QCOMPARE(m_page->row(1)->highestText(), QStringLiteral("16000"));
}

void TestTarnDpiWindow::shortRangeProduct()
{
    setUp(3327, Descriptor(8, 1, 0), QStringLiteral("CANOPY"));
    SettingsRecord record = Record();
    record.active().DPI_INFO[0] = Level(1, 1, 92, 92);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    TarnSlider* linked = m_page->row(0)->slider()->linkedSlider();
    QTest::keyClick(linked, Qt::Key_Right);
    QCOMPARE(linked->value(), 92);
    QCOMPARE(m_page->row(0)->dpiText(), QStringLiteral("DPI : 12400"));
    QCOMPARE(m_page->row(0)->highestText(), QStringLiteral("12400"));

    m_app->write(QStringLiteral("Configs/Config.ini"), Config(3327, QStringLiteral("Test Mouse")));
    record.active().DPI_INFO[0] = Level(1, 1, 105, 105);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QTest::keyClick(linked, Qt::Key_Right);
    QCOMPARE(linked->value(), 106);
    QCOMPARE(m_page->row(0)->dpiText(), QStringLiteral("DPI : 16400"));
}

void TestTarnDpiWindow::outOfRangeStepShownClampedAndKept_data()
{
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("afterMove");
    QTest::newRow("3389 step 100000 shows 480") << 100000u << 480 << 479;
    QTest::newRow("3389 step 4294967295 shows 480") << 4294967295u << 480 << 479;
    QTest::newRow("3389 step 0 shows 2") << 0u << 2 << 3;
}

void TestTarnDpiWindow::outOfRangeStepShownClampedAndKept()
{
    QFETCH(quint32, stored);
    QFETCH(int, shown);
    QFETCH(int, afterMove);
    setUp(3389, Descriptor(8, 1, 0));
    SettingsRecord record = Record();
    record.active().DPI_INFO[0] = Level(1, 1, stored, stored);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    TarnSlider* linked = m_page->row(0)->slider()->linkedSlider();
    QCOMPARE(linked->value(), shown);
    QCOMPARE(m_page->row(0)->dpiText(), QStringLiteral("DPI : %1").arg(StepToDpi(3389, shown)));

    const SettingsRecord& out = CurrentSettings();
    QCOMPARE(out.active().DPI_INFO[0].x, stored);
    QCOMPARE(out.active().DPI_INFO[0].y, stored);

    QTest::keyClick(linked, shown == 480 ? Qt::Key_Left : Qt::Key_Right);
    QCOMPARE(out.active().DPI_INFO[0].x, quint32(afterMove));
    QCOMPARE(out.active().DPI_INFO[0].y, quint32(afterMove));
}

void TestTarnDpiWindow::linkedSliderMovesBoth()
{
    setUp(3389, Descriptor(8, 1, 0));
    SettingsRecord record = Record();
    record.active().DPI_INFO[2] = Level(1, 1, 100, 100);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    TarnSingleDPI* row = m_page->row(2);
    QVERIFY(row->slider()->linkedSlider()->isVisible());
    QVERIFY(!row->slider()->xSlider()->isVisible());
    QVERIFY(!row->slider()->ySlider()->isVisible());
    QVERIFY(row->linkBox()->isChecked());

    QSignalSpy spy(row, &TarnSingleDPI::DPISignal);
    QTest::keyClick(row->slider()->linkedSlider(), Qt::Key_Right);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 101);
    QCOMPARE(spy.at(0).at(1).toInt(), 101);
    QCOMPARE(spy.at(0).at(2).value<quint8>(), quint8(2));
    QCOMPARE(m_page->levels()[2].x, 101u);
    QCOMPARE(m_page->levels()[2].y, 101u);
    QCOMPARE(row->dpiText(), QStringLiteral("DPI : 5050"));
}

void TestTarnDpiWindow::unlinkingShowsTheLinkedValue()
{
    setUp(3389, Descriptor(8, 1, 0));
    SettingsRecord record = Record();
    record.active().DPI_INFO[0] = Level(1, 1, 200, 200);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    TarnSingleDPI* row = m_page->row(0);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(row->slider()->linkedSlider(), Qt::Key_Right);

    QSignalSpy link(row, &TarnSingleDPI::LinkSignal);
    QTest::mouseClick(row->linkBox(), Qt::LeftButton);
    QCOMPARE(link.count(), 1);
    QCOMPARE(link.at(0).at(0).value<quint8>(), quint8(0));
    QCOMPARE(m_page->levels()[0].link, quint8(0));
    QVERIFY(!row->slider()->linkedSlider()->isVisible());
    QVERIFY(row->slider()->xSlider()->isVisible());
    QVERIFY(row->slider()->ySlider()->isVisible());
    QCOMPARE(row->slider()->xValue(), 205);
    QCOMPARE(row->slider()->yValue(), 205);
    QCOMPARE(row->xText(), QStringLiteral("X:10250"));
    QCOMPARE(row->yText(), QStringLiteral("Y:10250"));

    QTest::mouseClick(row->linkBox(), Qt::LeftButton);
    QCOMPARE(m_page->levels()[0].link, quint8(1));
    QVERIFY(row->slider()->linkedSlider()->isVisible());
}

void TestTarnDpiWindow::xSliderMovesOnlyX()
{
    setUp(3389, Descriptor(8, 1, 0));
    SettingsRecord record = Record();
    record.active().DPI_INFO[1] = Level(1, 0, 300, 300);
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    TarnSingleDPI* row = m_page->row(1);
    QTest::keyClick(row->slider()->xSlider(), Qt::Key_Right);
    QCOMPARE(m_page->levels()[1].x, 301u);
    QCOMPARE(m_page->levels()[1].y, 300u);
    QCOMPARE(row->xText(), QStringLiteral("X:15050"));
    QCOMPARE(row->yText(), QStringLiteral("Y:15000"));
    QCOMPARE(row->dpiText(), QStringLiteral("DPI : 15000"));
    QTest::keyClick(row->slider()->ySlider(), Qt::Key_Left);
    QCOMPARE(m_page->levels()[1].x, 301u);
    QCOMPARE(m_page->levels()[1].y, 299u);
    // Linking again starts from the X step.
    QTest::mouseClick(row->linkBox(), Qt::LeftButton);
    QCOMPARE(row->slider()->linkedValue(), 301);
}

void TestTarnDpiWindow::enableBox()
{
    setUp(3325, Descriptor(8, 1, 0));
    CurrentSettings() = Record();   // level 0 disabled, level 1 enabled
    m_page->refreshFrom(CurrentSettings());
    QVERIFY(!m_page->row(0)->enableBox()->isChecked());
    QVERIFY(m_page->row(1)->enableBox()->isChecked());
    QSignalSpy spy(m_page->row(0), &TarnSingleDPI::EnableSignal);
    QTest::mouseClick(m_page->row(0)->enableBox(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<quint8>(), quint8(1));
    QCOMPARE(spy.at(0).at(1).value<quint8>(), quint8(0));
    QTest::mouseClick(m_page->row(1)->enableBox(), Qt::LeftButton);
    // Each click reaches the session at once: a refresh cannot lose it.
    QCOMPARE(CurrentSettings().active().DPI_INFO[0].used, quint8(1));
    QCOMPARE(CurrentSettings().active().DPI_INFO[1].used, quint8(0));
}

void TestTarnDpiWindow::activeLevelByClick_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("level label") << "label";
    QTest::newRow("empty part of the row") << "row";
    QTest::newRow("end label passes the press to the row") << "endlabel";
    QTest::newRow("level selector") << "selector";
}

void TestTarnDpiWindow::activeLevelByClick()
{
    QFETCH(QString, where);
    setUp(3389, Descriptor(5, 1, 0));
    CurrentSettings() = Record();
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->activeLevel(), 1);
    TarnSingleDPI* row = m_page->row(3);
    QSignalSpy spy(row, &TarnSingleDPI::MouseinSignal);
    if (where == QLatin1String("label"))
        QTest::mouseClick(row->levelLabel(), Qt::LeftButton);
    else if (where == QLatin1String("row"))
        QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(5, 3));
    else if (where == QLatin1String("endlabel"))
        QTest::mouseClick(row->childAt(80, 24), Qt::LeftButton);
    else
        QTest::mouseClick(row->levelSelector(), Qt::LeftButton);
    QCOMPARE(m_page->activeLevel(), 3);
    QVERIFY(row->levelSelector()->isChecked());
    QVERIFY(!m_page->row(1)->levelSelector()->isChecked());
    QVERIFY(row->isHighlighted());
    QVERIFY(!m_page->row(1)->isHighlighted());
    if (where != QLatin1String("selector"))
        QCOMPARE(spy.count(), 1);
    QCOMPARE(int(CurrentSettings().active().dpi), 3);
}

void TestTarnDpiWindow::activeRowTextInAccent()
{
    setUp(3389, Descriptor(5, 1, 0));
    CurrentSettings() = Record();
    m_page->refreshFrom(CurrentSettings());
    m_page->selectLevel(2);
    const QColor accent = AccentQColor();
    QVERIFY(HasColour(m_page->row(2)->levelLabel()->grab().toImage(), accent));
    QVERIFY(!HasColour(m_page->row(1)->levelLabel()->grab().toImage(), accent));
    QVERIFY(HasColour(m_page->row(1)->levelLabel()->grab().toImage(), QColor(255, 255, 255)));
}

void TestTarnDpiWindow::selectLevelIgnoresOutOfRange()
{
    setUp(3389, Descriptor(8, 1, 0));
    CurrentSettings() = Record();
    m_page->refreshFrom(CurrentSettings());
    m_page->selectLevel(7);
    QCOMPARE(m_page->activeLevel(), 7);
    m_page->selectLevel(8);
    m_page->selectLevel(200);
    m_page->selectLevel(-1);
    QCOMPARE(m_page->activeLevel(), 7);
    QVERIFY(m_page->row(7)->levelSelector()->isChecked());
}

void TestTarnDpiWindow::refreshWithBadActiveLevel()
{
    setUp(3389, Descriptor(8, 1, 0));
    SettingsRecord record = Record();
    record.active().dpi = 200;
    m_page->refreshFrom(record);
    QCOMPARE(m_page->activeLevel(), 0);
    QVERIFY(m_page->row(0)->levelSelector()->isChecked());
}

void TestTarnDpiWindow::sleepControlsShownOnlyWithoutLighting_data()
{
    QTest::addColumn<int>("showSleep");
    QTest::addColumn<int>("ledDisable");
    QTest::addColumn<bool>("shown");
    QTest::newRow("lighting page carries them") << 1 << 0 << false;
    QTest::newRow("no lighting page: here") << 1 << 1 << true;
    QTest::newRow("no sleep control at all") << 0 << 1 << false;
    QTest::newRow("neither") << 0 << 0 << false;
}

void TestTarnDpiWindow::sleepControlsShownOnlyWithoutLighting()
{
    QFETCH(int, showSleep);
    QFETCH(int, ledDisable);
    QFETCH(bool, shown);
    setUp(3389, Descriptor(5, showSleep, ledDisable));
    CurrentSettings() = Record();
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->sleepControlsShown(), shown);
    QCOMPARE(m_page->sleepSlider()->isVisible(), shown);
    QCOMPARE(m_page->offBox()->isVisible(), shown);
    QCOMPARE(m_page->sleepSlider()->geometry().isEmpty(), !shown);
}

void TestTarnDpiWindow::sleepSliderStoresIntoActiveProfile()
{
    setUp(3389, Descriptor(5, 1, 1));
    SettingsRecord record = Record(3);
    record.profiles[0].LedSleepTime = 3;
    record.profiles[3].LedSleepTime = 3;
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->sleepSlider()->value(), 3);
    QCOMPARE(m_page->minuteText(), QStringLiteral("3 MINUTE"));
    QTest::keyClick(m_page->sleepSlider(), Qt::Key_Right);
    // Stored at once, without Apply, in the active profile only: that is what the mouse holds.
    QCOMPARE(int(CurrentSettings().profiles[0].LedSleepTime), 3);
    QCOMPARE(int(CurrentSettings().profiles[3].LedSleepTime), 4);
    QCOMPARE(int(CurrentSettings().profiles[1].LedSleepTime), int(record.profiles[1].LedSleepTime));
    QCOMPARE(m_page->minuteText(), QStringLiteral("4 MINUTE"));
    // The change check sees it against what was written.
    QVERIFY(CompareSettings(CurrentSettings(), record) & kChangeSettings);
    // A refresh (slot switch back and forth) shows the edit.
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->sleepSlider()->value(), 4);
}

void TestTarnDpiWindow::sleepSliderRange()
{
    setUp(3389, Descriptor(5, 1, 1, 2, 5));
    SettingsRecord record = Record();
    record.active().LedSleepTime = 1;
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->sleepSlider()->minimum(), 2);
    QCOMPARE(m_page->sleepSlider()->maximum(), 5);
    QCOMPARE(m_page->sleepSlider()->value(), 2);
    QTest::keyClick(m_page->sleepSlider(), Qt::Key_Left);
    QCOMPARE(m_page->sleepSlider()->value(), 2);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(m_page->sleepSlider(), Qt::Key_Right);
    QCOMPARE(int(CurrentSettings().profiles[0].LedSleepTime), 5);
}

void TestTarnDpiWindow::refreshDoesNotStoreSleep()
{
    setUp(3389, Descriptor(5, 1, 1, 2, 5));
    SettingsRecord record = Record();
    record.active().LedSleepTime = 9;
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->sleepSlider()->value(), 5);
    QCOMPARE(int(CurrentSettings().profiles[0].LedSleepTime), 9);
}

void TestTarnDpiWindow::offBoxStoresIntoActiveProfile_data()
{
    QTest::addColumn<quint8>("before");
    QTest::addColumn<quint8>("after");
    QTest::newRow("checked to unchecked stores 255") << quint8(0) << quint8(255);
    QTest::newRow("unchecked to checked stores 0") << quint8(255) << quint8(0);
}

void TestTarnDpiWindow::offBoxStoresIntoActiveProfile()
{
    QFETCH(quint8, before);
    QFETCH(quint8, after);
    setUp(3389, Descriptor(5, 1, 1));
    SettingsRecord record = Record(2);
    record.profiles[0].LedMoveOFF = before;
    record.profiles[2].LedMoveOFF = before;
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QTest::mouseClick(m_page->offBox(), Qt::LeftButton, {}, QPoint(10, m_page->offBox()->height() / 2));
    QCOMPARE(CurrentSettings().profiles[0].LedMoveOFF, before);
    QCOMPARE(CurrentSettings().profiles[2].LedMoveOFF, after);
    QCOMPARE(CurrentSettings().profiles[1].LedMoveOFF, record.profiles[1].LedMoveOFF);
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->offBox()->isChecked(), after == 0);
}

void TestTarnDpiWindow::offBoxFromRecord_data()
{
    QTest::addColumn<quint8>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("0 is checked") << quint8(0) << true;
    QTest::newRow("255 is unchecked") << quint8(255) << false;
    QTest::newRow("7 is unchecked") << quint8(7) << false;
}

void TestTarnDpiWindow::offBoxFromRecord()
{
    QFETCH(quint8, stored);
    QFETCH(bool, checked);
    setUp(3389, Descriptor(5, 1, 1));
    SettingsRecord record = Record();
    record.active().LedMoveOFF = stored;
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    QCOMPARE(m_page->offBox()->isChecked(), checked);
    // Showing it stores nothing.
    QCOMPARE(CurrentSettings().active().LedMoveOFF, stored);
}

void TestTarnDpiWindow::grabForLooking()
{
    // Set MOUSECFG_GRAB_DIR to keep the pictures for a look.
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    setUp(3389, Descriptor(6, 1, 1));
    SettingsRecord record = Record();
    ProfileRecord& p = record.active();
    p.DPI_INFO[0] = Level(1, 1, 16, 16);
    p.DPI_INFO[1] = Level(1, 0, 32, 64);
    p.DPI_INFO[2] = Level(1, 1, 64, 64);
    p.DPI_INFO[3] = Level(0, 0, 320, 200);
    p.DPI_INFO[4] = Level(1, 1, 480, 480);
    p.DPI_INFO[5] = Level(1, 0, 2, 480);
    p.dpi = 2;
    p.LedSleepTime = 5;
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    const QPixmap first = m_page->grab();
    QVERIFY(!first.isNull());

    m_page.reset();
    setUp(3325, Descriptor(5, 1, 0));
    for (int i = 0; i < kDpiLevelCount; ++i)
        p.DPI_INFO[size_t(i)] = Level(1, 1, quint32(8 + 9 * i), quint32(8 + 9 * i));
    p.dpi = 0;
    CurrentSettings() = record;
    m_page->refreshFrom(CurrentSettings());
    const QPixmap second = m_page->grab();
    // Another sensor with another level count must look different.
    QVERIFY(!second.isNull());
    QVERIFY(first.toImage() != second.toImage());
    if (!dir.isEmpty()) {
        first.save(dir + QStringLiteral("/dpi_3389.png"));
        second.save(dir + QStringLiteral("/dpi_3325.png"));
    }
}

QTEST_MAIN(TestTarnDpiWindow)
#include "tst_tarndpiwindow.moc"
