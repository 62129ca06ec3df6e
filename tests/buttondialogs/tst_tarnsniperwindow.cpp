#include "ButtonEncoding.h"
#include "SettingsRecord.h"
#include "SkinDialogGrab.h"
#include "TarnSlider.h"
#include "TarnSniperWindow.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(ButtonRecord)

namespace {

constexpr int kSniper = 55;

ButtonRecord Button(int fun, int res1 = 0)
{
    ButtonRecord b;
    b.Fun = fun;
    b.Res1 = quint8(res1);
    return b;
}

} // namespace

class TestTarnSniperWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rangePerSensor_data();
    void rangePerSensor();
    void dpiLabel_data();
    void dpiLabel();
    void preset_data();
    void preset();
    void movingTheSliderStores();
    void cancelReturnsZero();
    void grabForLooking();

private:
    void setSensor(int sensor, const QByteArray& product = QByteArray());
    std::unique_ptr<TestAppDir> m_app;
};

void TestTarnSniperWindow::init()
{
    m_app = std::make_unique<TestAppDir>();
    const QString built = QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin/");
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    QFile::copy(built + QStringLiteral("dlg.png"), m_app->file(QStringLiteral("skin/dlg.png")));
    SetUiScale(1.0);
}

void TestTarnSniperWindow::cleanup()
{
    TarnSniperWindow::SetExecHook(nullptr);
    m_app.reset();
}

void TestTarnSniperWindow::setSensor(int sensor, const QByteArray& product)
{
    QByteArray ini = "[MouseSenSor]\n1=" + QByteArray::number(sensor) + "\n";
    if (!product.isEmpty())
        ini += "[Config]\nCurrentProductName=" + product + "\n";
    m_app->write(QStringLiteral("Configs/Config.ini"), ini);
}

void TestTarnSniperWindow::rangePerSensor_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("minStep");
    QTest::addColumn<int>("maxStep");

    QTest::newRow("3104 14-26") << 3104 << 14 << 26;
    QTest::newRow("3212 16-32") << 3212 << 16 << 32;
    QTest::newRow("3325 1-10") << 3325 << 1 << 10;
    QTest::newRow("3327 1-10") << 3327 << 1 << 10;
    QTest::newRow("3333 2-10") << 3333 << 2 << 10;
    QTest::newRow("3335 1-10") << 3335 << 1 << 10;
    QTest::newRow("3360 1-10") << 3360 << 1 << 10;
    QTest::newRow("3389 2-20") << 3389 << 2 << 20;
    // Sensors with a DPI table but no listed sniper range go up to 1000 DPI.
    QTest::newRow("3311 up to 1000 dpi") << 3311 << 1 << 10;
    QTest::newRow("3370 up to 1000 dpi") << 3370 << 1 << 20;
    QTest::newRow("3395 up to 1000 dpi") << 3395 << 0 << 19;
    QTest::newRow("3399 up to 1000 dpi") << 3399 << 0 << 19;
    QTest::newRow("unknown sensor keeps 0-99") << 1234 << 0 << 99;
    QTest::newRow("no sensor configured keeps 0-99") << 0 << 0 << 99;
}

void TestTarnSniperWindow::rangePerSensor()
{
    QFETCH(int, sensor);
    QFETCH(int, minStep);
    QFETCH(int, maxStep);

    setSensor(sensor);
    TarnSniperWindow dialog{ButtonRecord()};
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sniper Setting"));
    QCOMPARE(dialog.sensor(), sensor);
    QCOMPARE(dialog.slider()->minimum(), minStep);
    QCOMPARE(dialog.slider()->maximum(), maxStep);
    // The slider cannot be pushed past either end.
    dialog.slider()->setValue(maxStep + 50);
    QCOMPARE(dialog.step(), maxStep);
    dialog.slider()->setValue(minStep - 50);
    QCOMPARE(dialog.step(), minStep);
}

void TestTarnSniperWindow::dpiLabel_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("label");

    QTest::newRow("3104 step 14 shows 500") << 3104 << 14 << "500";
    QTest::newRow("3104 step 26 shows 1040") << 3104 << 26 << "1040";
    QTest::newRow("3212 step 16 shows 600") << 3212 << 16 << "600";
    QTest::newRow("3212 step 21 shows 800") << 3212 << 21 << "800";
    QTest::newRow("3325 step 4 shows 400") << 3325 << 4 << "400";
    QTest::newRow("3327 step 1 shows 200") << 3327 << 1 << "200";
    QTest::newRow("3389 step 2 shows 100") << 3389 << 2 << "100";
    QTest::newRow("3389 step 20 shows 1000") << 3389 << 20 << "1000";
    QTest::newRow("unknown sensor shows no dpi") << 1234 << 40 << "";
}

void TestTarnSniperWindow::dpiLabel()
{
    QFETCH(int, sensor);
    QFETCH(int, step);
    QFETCH(QString, label);

    setSensor(sensor);
    TarnSniperWindow dialog{ButtonRecord()};
    dialog.slider()->setValue(step);
    QCOMPARE(dialog.dpiLabel()->text(), label);
    QCOMPARE(dialog.dpi(), label.toInt());
}

void TestTarnSniperWindow::preset_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<ButtonRecord>("button");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("label");

    QTest::newRow("stored step 8 on 3389") << 3389 << Button(kSniper, 8) << 8 << "400";
    QTest::newRow("stored step 20 on 3389") << 3389 << Button(kSniper, 20) << 20 << "1000";
    QTest::newRow("fresh button starts at the lowest step") << 3389 << ButtonRecord() << 2 << "100";
    // Res1 of another function is no sniper step.
    QTest::newRow("fire key Res1 ignored") << 3389 << Button(12, 0x84) << 2 << "100";
    // Values from a file are clamped into the sensor's range.
    QTest::newRow("stored step 200 clamps to 20") << 3389 << Button(kSniper, 200) << 20 << "1000";
    QTest::newRow("stored step 0 clamps to 14 on 3104") << 3104 << Button(kSniper, 0) << 14 << "500";
    QTest::newRow("stored step 255 clamps to 32 on 3212") << 3212 << Button(kSniper, 255) << 32 << "1200";
}

void TestTarnSniperWindow::preset()
{
    QFETCH(int, sensor);
    QFETCH(ButtonRecord, button);
    QFETCH(int, step);
    QFETCH(QString, label);

    setSensor(sensor);
    TarnSniperWindow dialog(button);
    QCOMPARE(dialog.step(), step);
    QCOMPARE(dialog.dpiLabel()->text(), label);
}

void TestTarnSniperWindow::movingTheSliderStores()
{
    setSensor(3389);
    ButtonRecord button = Button(1);
    TarnSniperWindow dialog(button);
    TarnSniperWindow::SetExecHook([](TarnSniperWindow& d) {
        d.slider()->setFocus();
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(d.slider(), Qt::Key_Right);
        QCOMPARE(d.dpiLabel()->text(), QStringLiteral("400"));
        QTest::mouseClick(d.yesButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), 1);
    dialog.StoreInto(button);
    QCOMPARE(button.Fun, kSniper);
    QCOMPARE(int(button.Res1), 8);
    QCOMPARE(EncodeSniper(button, 3389), (ButtonSlotBytes{0x9A, 0x01, 0x08, 0x08}));
}

void TestTarnSniperWindow::cancelReturnsZero()
{
    setSensor(3389);
    TarnSniperWindow dialog(Button(kSniper, 5));
    TarnSniperWindow::SetExecHook([](TarnSniperWindow& d) {
        d.slider()->setValue(15);
        QTest::mouseClick(d.noButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), 0);
}

void TestTarnSniperWindow::grabForLooking()
{
    // Set MOUSECFG_GRAB_DIR to keep the pictures for a look.
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    setSensor(3389);
    TarnSniperWindow dialog(Button(kSniper, 8));
    dialog.show();
    const QPixmap picture = dialog.grab();
    const QString problem = SkinDialogGrabProblem(picture.toImage(), QImage(m_app->file(QStringLiteral("skin/dlg.png"))),
                                                  AccentQColor());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    if (!dir.isEmpty())
        picture.save(dir + QStringLiteral("/sniper.png"));
}

QTEST_MAIN(TestTarnSniperWindow)
#include "tst_tarnsniperwindow.moc"
