// The rendered skin: every picture the program loads is there at its size, the busy
// animation plays from the compiled-in resource, and the icon reads back.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QtTest>

class TestSkin : public QObject
{
    Q_OBJECT

private slots:
    void pictureSizes_data();
    void pictureSizes();
    void windowIsShaped();
    void mouseHighlightsDiffer();
    void spinnerFromResource();
    void spinnerFromSkinFolder();
    void iconReadsBack();

private:
    static QString skin(const QString& relative)
    {
        return QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin/") + relative;
    }
};

void TestSkin::pictureSizes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");

    const struct { const char* file; int w; int h; } rows[] = {
        {"cfgMainback.png", 999, 640},
        {"bat1.png", 86, 47},
        {"bat2.png", 86, 47},
        {"lightning.png", 26, 40},
        {"tabbutton-1.png", 100, 28},
        {"tabbutton-2.png", 100, 28},
        {"tabbutton-3.png", 100, 28},
        {"close-1.png", 19, 19},
        {"close-2.png", 19, 19},
        {"close-3.png", 19, 19},
        {"min-1.png", 19, 19},
        {"min-2.png", 19, 19},
        {"min-3.png", 19, 19},
        {"profile_import1.png", 24, 22},
        {"profile_import2.png", 24, 22},
        {"profile_export1.png", 24, 22},
        {"profile_apply1.png", 24, 22},
        {"profilesel.png", 152, 24},
        {"lang.png", 105, 20},
        {"btn_up1.png", 30, 20},
        {"btn_up2.png", 30, 20},
        {"btn_up3.png", 30, 20},
        {"btn_up4.png", 30, 20},
        {"btn_down1.png", 30, 20},
        {"btn_down2.png", 30, 20},
        {"btn_down3.png", 30, 20},
        {"btn_down4.png", 30, 20},
        {"dlg.png", 478, 309},
        {"warn.png", 45, 45},
        {"dongle2.png", 45, 45},
        {"process.png", 128, 128},
        {"icon.png", 256, 256},
        {"checkbox1-1.png", 20, 20},
        {"checkbox1-2.png", 20, 20},
        {"mouse/X8 Wireless/Mouse.png", 300, 400},
        {"mouse/X8 Wireless_Side.png", 300, 400},
    };
    for (const auto& row : rows)
        QTest::newRow(row.file) << QString::fromLatin1(row.file) << QSize(row.w, row.h);
    for (int i = 1; i <= 20; ++i) {
        const QString file = QStringLiteral("mouse/X8 Wireless/mouse_%1.png").arg(i);
        QTest::newRow(qPrintable(file)) << file << QSize(300, 400);
    }
}

void TestSkin::pictureSizes()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QImage image(skin(file));
    QVERIFY2(!image.isNull(), qPrintable(skin(file)));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
}

void TestSkin::windowIsShaped()
{
    // The window mask comes from the background's alpha: cut corners, solid inside.
    const QImage back(skin(QStringLiteral("cfgMainback.png")));
    QVERIFY(!back.isNull());
    QCOMPARE(qAlpha(back.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(back.pixel(998, 639)), 0);
    QCOMPARE(qAlpha(back.pixel(500, 320)), 255);
    QCOMPARE(qAlpha(back.pixel(140, 600)), 255);
}

void TestSkin::mouseHighlightsDiffer()
{
    const QImage plain(skin(QStringLiteral("mouse/X8 Wireless/Mouse.png")));
    QVERIFY(!plain.isNull());
    // Buttons 1..8 light up; the unused numbers show the plain picture.
    for (int i = 1; i <= 20; ++i) {
        const QImage lit(skin(QStringLiteral("mouse/X8 Wireless/mouse_%1.png").arg(i)));
        QCOMPARE(lit != plain, i <= 8);
    }
}

void TestSkin::spinnerFromResource()
{
    QMovie movie(QStringLiteral(":/skin/loading.gif"));
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 12);
    QVERIFY(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    QCOMPARE(first.size(), QSize(64, 64));
    // Transparent corners, something drawn on the ring.
    QCOMPARE(qAlpha(first.pixel(0, 0)), 0);
    // GIF frames only play forward, one at a time.
    for (int i = 0; i < 3; ++i)
        QVERIFY(movie.jumpToNextFrame());
    QCOMPARE(movie.currentFrameNumber(), 3);
    QVERIFY(movie.currentImage() != first);
}

void TestSkin::spinnerFromSkinFolder()
{
    QImageReader reader(skin(QStringLiteral("loading.gif")));
    QCOMPARE(reader.imageCount(), 12);
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.loopCount(), -1);
}

void TestSkin::iconReadsBack()
{
    const QImage ico(skin(QStringLiteral("icon.ico")));
    QVERIFY(!ico.isNull());
    QCOMPARE(ico.size(), QSize(256, 256));
    QImageReader reader(skin(QStringLiteral("icon.ico")));
    QCOMPARE(reader.imageCount(), 4);
    // The small entries are plain DIBs; check the smallest reads back with its alpha.
    QVERIFY(reader.jumpToImage(3));
    const QImage small = reader.read();
    QCOMPARE(small.size(), QSize(16, 16));
    QCOMPARE(qAlpha(small.pixel(0, 0)), 0);
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
