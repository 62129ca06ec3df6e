#include "TarnProcessDialog.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

namespace {

// Stands in for the profile writer: works a while, then reports completion.
class FakeWriteThread : public QThread
{
    Q_OBJECT

public:
    explicit FakeWriteThread(int workMs)
        : m_workMs(workMs)
    {
    }

signals:
    void DoProcessDlg();

protected:
    void run() override
    {
        msleep(m_workMs);
        emit DoProcessDlg();
    }

private:
    const int m_workMs;
};

void Watchdog(QDialog& dialog, int ms = 5000)
{
    QTimer::singleShot(ms, &dialog, [&dialog] { dialog.done(42); });
}

// The smallest GIF: one transparent pixel.
const QByteArray kTinyGif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000"
                                                "010001000002024401003b");

} // namespace

class TestTarnProcessDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void workerSignalClosesModalDialog();
    void completionBeforeExecIsNotLost();
    void escapeDoesNotClose();
    void scaledFixedSize_data();
    void scaledFixedSize();
    void centredOverParent();
    void animationFromSkinFolder();
    void brokenAnimationFallsBack();
    void grabForLooking();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void TestTarnProcessDialog::init()
{
    m_app = std::make_unique<TestAppDir>();
    SetUiScale(1.0);
}

void TestTarnProcessDialog::cleanup()
{
    SetUiScale(1.0);
    m_app.reset();
}

void TestTarnProcessDialog::workerSignalClosesModalDialog()
{
    TarnProcessDialog dialog;
    FakeWriteThread worker(50);
    bool visibleWhenDone = false;
    connect(&worker, &FakeWriteThread::DoProcessDlg, &dialog, &TarnProcessDialog::slotProcessDlg,
            Qt::QueuedConnection);
    connect(&worker, &FakeWriteThread::DoProcessDlg, &dialog,
            [&] { visibleWhenDone = dialog.isVisible() && dialog.isModal(); }, Qt::QueuedConnection);
    QElapsedTimer timer;
    timer.start();
    worker.start();
    Watchdog(dialog);
    QCOMPARE(dialog.exec(), 1);
    QVERIFY(timer.elapsed() >= 50);
    QVERIFY(visibleWhenDone);
    QVERIFY(!dialog.isVisible());
    QVERIFY(worker.wait(2000));
}

void TestTarnProcessDialog::completionBeforeExecIsNotLost()
{
    TarnProcessDialog dialog;
    FakeWriteThread worker(0);
    connect(&worker, &FakeWriteThread::DoProcessDlg, &dialog, &TarnProcessDialog::slotProcessDlg,
            Qt::QueuedConnection);
    worker.start();
    QVERIFY(worker.wait(2000));
    // Something spins the event loop between the start of the write and exec().
    QTRY_VERIFY(dialog.result() == QDialog::Accepted);
    Watchdog(dialog, 1000);
    QCOMPARE(dialog.exec(), 1);
}

void TestTarnProcessDialog::escapeDoesNotClose()
{
    TarnProcessDialog dialog;
    bool stillOpen = false;
    QTimer::singleShot(50, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QTimer::singleShot(60, &dialog, [&dialog] { dialog.close(); });
    QTimer::singleShot(100, &dialog, [&] {
        stillOpen = dialog.isVisible();
        dialog.slotProcessDlg();
    });
    Watchdog(dialog);
    QCOMPARE(dialog.exec(), 1);
    QVERIFY(stillOpen);
}

void TestTarnProcessDialog::scaledFixedSize_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("side");
    QTest::newRow("1.0 is 128") << 1.0 << 128;
    QTest::newRow("1.25 is 160") << 1.25 << 160;
    QTest::newRow("2.75 is 352") << 2.75 << 352;
}

void TestTarnProcessDialog::scaledFixedSize()
{
    QFETCH(double, scale);
    QFETCH(int, side);
    SetUiScale(scale);
    TarnProcessDialog dialog;
    QCOMPARE(dialog.size(), QSize(side, side));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
}

void TestTarnProcessDialog::centredOverParent()
{
    QWidget parent;
    parent.setGeometry(200, 150, 600, 400);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    TarnProcessDialog dialog(&parent);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint parentCentre = parent.mapToGlobal(parent.rect().center());
    const QPoint dialogCentre = dialog.mapToGlobal(dialog.rect().center());
    QVERIFY2((parentCentre - dialogCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2 vs %3,%4")
                            .arg(parentCentre.x()).arg(parentCentre.y()).arg(dialogCentre.x()).arg(dialogCentre.y())));
    dialog.updateProgress();
}

void TestTarnProcessDialog::animationFromSkinFolder()
{
    if (QFile::exists(QStringLiteral(":/skin/loading.gif")))
        QSKIP("the animation is compiled in; the skin folder is only the fallback");
    QVERIFY(TarnProcessDialog::LoadingAnimationPath().isEmpty());
    {
        TarnProcessDialog dialog;
        QVERIFY(!dialog.hasAnimation());
    }
    m_app->write(QStringLiteral("skin/loading.gif"), kTinyGif);
    QCOMPARE(TarnProcessDialog::LoadingAnimationPath(), m_app->file(QStringLiteral("skin/loading.gif")));
    TarnProcessDialog dialog;
    QVERIFY(dialog.hasAnimation());
}

void TestTarnProcessDialog::brokenAnimationFallsBack()
{
    if (QFile::exists(QStringLiteral(":/skin/loading.gif")))
        QSKIP("the animation is compiled in; the skin folder is only the fallback");
    m_app->write(QStringLiteral("skin/loading.gif"), QByteArray("GIF89a this is not a picture"));
    TarnProcessDialog dialog;
    QVERIFY(!dialog.hasAnimation());
    QVERIFY(!dialog.grab().isNull());
}

void TestTarnProcessDialog::grabForLooking()
{
    TarnProcessDialog dialog;
    const QPixmap picture = dialog.grab();
    QCOMPARE(picture.size(), dialog.size());
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    if (!dir.isEmpty())
        picture.save(dir + QStringLiteral("/processdialog.png"));
}

QTEST_MAIN(TestTarnProcessDialog)
#include "tst_tarnprocessdialog.moc"
