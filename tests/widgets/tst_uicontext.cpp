#include "TestAppDir.h"
#include "UiContext.h"

#include <QApplication>
#include <QtTest>
#include <cmath>
#include <limits>

class TestUiContext : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scaleForDpi_data();
    void scaleForDpi();
    void setUiScaleSnapsToTable_data();
    void setUiScaleSnapsToTable();
    void scaledTruncates();

    void accentColour_data();
    void accentColour();

    void interfaceFont_data();
    void interfaceFont();

    void skinPaths();
    void connectedMouseCount();

    void colourRoundTrip_data();
    void colourRoundTrip();
    void storedColourFromFileReachesQColor();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void TestUiContext::init()
{
    m_app = std::make_unique<TestAppDir>();
    SetUiScale(1.0);
}

void TestUiContext::cleanup()
{
    m_app.reset();
    SetUiScale(1.0);
    SetConnectedMouseCount(0);
}

void TestUiContext::scaleForDpi_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("index");

    QTest::newRow("96 plain screen") << 96.0 << 1.0 << 0;
    QTest::newRow("105 just below 1.1") << 105.0 << 1.0 << 0;
    QTest::newRow("106 just above 1.1") << 106.0 << 1.25 << 1;
    QTest::newRow("120 is 1.25") << 120.0 << 1.25 << 1;
    QTest::newRow("134 r 1.396 still 1.25") << 134.0 << 1.25 << 1;
    QTest::newRow("135 r 1.406 gives 1.5") << 135.0 << 1.5 << 2;
    QTest::newRow("144 is 1.5") << 144.0 << 1.5 << 2;
    QTest::newRow("172 r 1.79 is 1.75") << 172.0 << 1.75 << 3;
    QTest::newRow("192 r 2.0 is 2.0") << 192.0 << 2.0 << 4;
    QTest::newRow("220 r 2.292 is 2.25") << 220.0 << 2.25 << 5;
    QTest::newRow("221 r 2.302 is 2.5") << 221.0 << 2.5 << 6;
    QTest::newRow("288 r 3.0 is 3.0") << 288.0 << 3.0 << 8;
    QTest::newRow("394 r 4.104 is 4.25") << 394.0 << 4.25 << 13;
    QTest::newRow("460 r 4.79 is 4.75") << 460.0 << 4.75 << 15;
    QTest::newRow("461 r 4.802 is 5.0") << 461.0 << 5.0 << 16;
    QTest::newRow("480 r 5.0 is 5.0") << 480.0 << 5.0 << 16;
    QTest::newRow("10000 caps at 5.0") << 10000.0 << 5.0 << 16;
    QTest::newRow("0 is 1.0") << 0.0 << 1.0 << 0;
    QTest::newRow("negative is 1.0") << -50.0 << 1.0 << 0;
    QTest::newRow("NaN is 1.0") << std::numeric_limits<double>::quiet_NaN() << 1.0 << 0;
    QTest::newRow("infinity is 5.0") << std::numeric_limits<double>::infinity() << 5.0 << 16;
}

void TestUiContext::scaleForDpi()
{
    QFETCH(double, dpi);
    QFETCH(double, factor);
    QFETCH(int, index);
    int gotIndex = -1;
    QCOMPARE(ScaleFactorForDpi(dpi, &gotIndex), factor);
    QCOMPARE(gotIndex, index);
}

void TestUiContext::setUiScaleSnapsToTable_data()
{
    QTest::addColumn<double>("requested");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("index");
    QTest::newRow("1.25 kept") << 1.25 << 1.25 << 1;
    QTest::newRow("5.0 kept") << 5.0 << 5.0 << 16;
    QTest::newRow("1.3 to 1.25") << 1.3 << 1.25 << 1;
    QTest::newRow("0.5 to 1.0") << 0.5 << 1.0 << 0;
    QTest::newRow("9 to 5.0") << 9.0 << 5.0 << 16;
    QTest::newRow("NaN to 1.0") << std::numeric_limits<double>::quiet_NaN() << 1.0 << 0;
}

void TestUiContext::setUiScaleSnapsToTable()
{
    QFETCH(double, requested);
    QFETCH(double, scale);
    QFETCH(int, index);
    SetUiScale(3.0);
    SetUiScale(requested);
    QCOMPARE(UiScale(), scale);
    QCOMPARE(UiScaleIndex(), index);
}

void TestUiContext::scaledTruncates()
{
    SetUiScale(1.25);
    QCOMPARE(Scaled(999), 1248);      // 1248.75
    QCOMPARE(Scaled(3), 3);           // 3.75
    QCOMPARE(ScaledRect(670, 33, 100, 20), QRect(837, 41, 125, 25));
    SetUiScale(1.75);
    QCOMPARE(Scaled(478), 836);       // 836.5
}

void TestUiContext::accentColour_data()
{
    QTest::addColumn<QByteArray>("configText");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("css");
    QTest::newRow("missing key is red") << QByteArray() << QColor(255, 0, 0) << "rgb(255,0,0)";
    QTest::newRow("3 is beige") << QByteArray("[Config]\nGColorID=3\n") << QColor(219, 200, 182)
                                << "rgb(219,200,182)";
    QTest::newRow("6 is orange") << QByteArray("[Config]\nGColorID=6\n") << QColor(255, 125, 0) << "rgb(255,125,0)";
    QTest::newRow("7 out of range is red") << QByteArray("[Config]\nGColorID=7\n") << QColor(255, 0, 0)
                                           << "rgb(255,0,0)";
    QTest::newRow("-1 out of range is red") << QByteArray("[Config]\nGColorID=-1\n") << QColor(255, 0, 0)
                                            << "rgb(255,0,0)";
    QTest::newRow("text is red") << QByteArray("[Config]\nGColorID=blue\n") << QColor(255, 0, 0) << "rgb(255,0,0)";
}

void TestUiContext::accentColour()
{
    QFETCH(QByteArray, configText);
    QFETCH(QColor, colour);
    QFETCH(QString, css);
    if (!configText.isEmpty())
        m_app->write(QStringLiteral("Configs/Config.ini"), configText);
    QCOMPARE(AccentQColor(), colour);
    QCOMPARE(AccentCss(), css);
}

void TestUiContext::interfaceFont_data()
{
    QTest::addColumn<QByteArray>("configText");
    QTest::addColumn<QByteArray>("langText");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("family");      // empty: the application font's family
    QTest::addColumn<int>("pixelSize");

    const QByteArray twoLanguages("[FONT_LIST]\nLANGNUM=2\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n"
                                  "FONT_1=DejaVu Serif\nFONT_SIZE_1=15\n");
    QTest::newRow("language 0 at 1.0") << twoLanguages << QByteArray() << 1.0 << "DejaVu Sans" << 12;
    QTest::newRow("language 1 at 1.0") << twoLanguages << QByteArray("[Config]\nLangID=1\n") << 1.0
                                       << "DejaVu Serif" << 15;
    QTest::newRow("language 1 at 1.75 truncated") << twoLanguages << QByteArray("[Config]\nLangID=1\n") << 1.75
                                                  << "DejaVu Serif" << 26;
    QTest::newRow("no Config.ini falls back") << QByteArray() << QByteArray() << 1.0 << QString() << 12;
    QTest::newRow("LangID 99 falls back") << twoLanguages << QByteArray("[Config]\nLangID=99\n") << 2.0
                                          << QString() << 24;
    QTest::newRow("size 0 falls back") << QByteArray("[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=0\n")
                                       << QByteArray() << 1.0 << "DejaVu Sans" << 12;
    QTest::newRow("absurd size falls back") << QByteArray("[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=99999\n")
                                            << QByteArray() << 1.0 << "DejaVu Sans" << 12;
}

void TestUiContext::interfaceFont()
{
    QFETCH(QByteArray, configText);
    QFETCH(QByteArray, langText);
    QFETCH(double, scale);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    if (!configText.isEmpty())
        m_app->write(QStringLiteral("Configs/Config.ini"), configText);
    if (!langText.isEmpty())
        m_app->write(QStringLiteral("Configs/LangConfig.ini"), langText);
    SetUiScale(scale);
    const QFont font = InterfaceFont();
    QCOMPARE(font.family(), family.isEmpty() ? QApplication::font().family() : family);
    QCOMPARE(font.pixelSize(), pixelSize);
}

void TestUiContext::skinPaths()
{
    QCOMPARE(SkinPath(QStringLiteral("dlg.png")), m_app->path() + QStringLiteral("/skin/dlg.png"));
    QVERIFY(SkinPixmap(QStringLiteral("dlg.png")).isNull());
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(Qt::green);
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    QVERIFY(image.save(m_app->file(QStringLiteral("skin/dlg.png"))));
    QCOMPARE(SkinPixmap(QStringLiteral("dlg.png")).size(), QSize(7, 5));
}

void TestUiContext::connectedMouseCount()
{
    QCOMPARE(ConnectedMouseCount(), 0);
    SetConnectedMouseCount(2);
    QCOMPARE(ConnectedMouseCount(), 2);
    SetConnectedMouseCount(-3);
    QCOMPARE(ConnectedMouseCount(), 0);
}

void TestUiContext::colourRoundTrip_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::newRow("rgb orange") << QColor(255, 125, 0);
    QTest::newRow("rgb with alpha") << QColor(10, 20, 30, 40);
    QTest::newRow("rgb 16-bit components") << QColor::fromRgba64(0x1234, 0xFEDC, 0x0001, 0x8000);
    QTest::newRow("hsv") << QColor::fromHsv(200, 100, 50);
    QTest::newRow("hsv achromatic hue -1") << QColor::fromHsv(-1, 0, 128);
    QTest::newRow("hsl") << QColor::fromHsl(300, 80, 90, 200);
    QTest::newRow("cmyk") << QColor::fromCmyk(10, 20, 30, 40);
    QTest::newRow("invalid") << QColor();
}

void TestUiContext::colourRoundTrip()
{
    QFETCH(QColor, colour);
    const StoredColor stored = FromQColor(colour);
    QCOMPARE(stored.isValid(), colour.isValid());
    if (colour.isValid()) {
        QCOMPARE(int(stored.spec()), int(colour.spec()));
        QCOMPARE(stored.red(), colour.red());
        QCOMPARE(stored.green(), colour.green());
        QCOMPARE(stored.blue(), colour.blue());
        QCOMPARE(stored.alpha(), colour.alpha());
    }
    const QColor back = ToQColor(stored);
    QCOMPARE(back, colour);
    QCOMPARE(back.spec(), colour.spec());
    QCOMPARE(back.rgba64(), colour.rgba64());
    QCOMPARE(FromQColor(back), stored);
}

void TestUiContext::storedColourFromFileReachesQColor()
{
    // The same colour read from text and converted: a swatch shows what the file holds.
    const StoredColor stored = StoredColor::fromString(QStringLiteral("#3a7fc0"));
    QCOMPARE(ToQColor(stored), QColor(QStringLiteral("#3a7fc0")));
    QVERIFY(!ToQColor(StoredColor()).isValid());
}

QTEST_MAIN(TestUiContext)
#include "tst_uicontext.moc"
