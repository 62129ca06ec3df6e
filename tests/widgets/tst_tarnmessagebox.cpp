#include "TarnMessageBox.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

// Answers boxes by clicking their real buttons once they run modally.
void ClickLater(TarnMessageBox& box, const QString& buttonName, int delayMs = 50)
{
    QTimer::singleShot(delayMs, &box, [&box, buttonName] {
        QToolButton* button = box.findChild<QToolButton*>(buttonName);
        QVERIFY2(button, qPrintable(buttonName));
        QVERIFY(box.isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

// A box that never gets answered must not hang the test run.
void Watchdog(TarnMessageBox& box, int ms = 5000)
{
    QTimer::singleShot(ms, &box, [&box] { box.done(42); });
}

class ContextTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "TarnMessageBox") == 0)
            return QStringLiteral("<%1>").arg(QLatin1String(sourceText));
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestTarnMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void questionAnswers_data();
    void questionAnswers();
    void noticeHasOneOkButton_data();
    void noticeHasOneOkButton();
    void labelsCarryTexts();
    void buttonTextsTranslatedInOwnContext();
    void plugInClosesSoonAfterMouseArrives();
    void withoutPlugInFlagStaysOpen();
    void hookAnswersWithoutBlocking();
    void showUsesHook();
    void scaledFixedSize();
    void framePaintedInAccentColour();
    void backgroundPictureStretched();
    void grabForLooking();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void TestTarnMessageBox::init()
{
    m_app = std::make_unique<TestAppDir>();
    SetUiScale(1.0);
    SetConnectedMouseCount(0);
    TarnMessageBox::SetAnswerHook(nullptr);
}

void TestTarnMessageBox::cleanup()
{
    TarnMessageBox::SetAnswerHook(nullptr);
    SetConnectedMouseCount(0);
    SetUiScale(1.0);
    m_app.reset();
}

void TestTarnMessageBox::questionAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Yes gives 1") << "msgBoxYesBtn" << 1;
    QTest::newRow("No gives 0") << "msgBoxNoBtn" << 0;
}

void TestTarnMessageBox::questionAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    TarnMessageBox box(1, QStringLiteral("Warning"), QStringLiteral("Delete this profile?"));
    QCOMPARE(box.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn"))->text(), QStringLiteral("Yes"));
    QCOMPARE(box.findChild<QToolButton*>(QStringLiteral("msgBoxNoBtn"))->text(), QStringLiteral("No"));
    ClickLater(box, button);
    Watchdog(box);
    QCOMPARE(box.exec(), result);
    QVERIFY(!box.isVisible());
    QVERIFY(!box.closedByItself());
}

void TestTarnMessageBox::noticeHasOneOkButton_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("style 2") << 2;
    QTest::newRow("style 3") << 3;
    QTest::newRow("style 4") << 4;
}

void TestTarnMessageBox::noticeHasOneOkButton()
{
    QFETCH(int, style);
    TarnMessageBox box(style, QStringLiteral("Warning"), QStringLiteral("Send data failed, please try again."));
    const QList<QToolButton*> buttons = box.findChildren<QToolButton*>();
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.first()->objectName(), QStringLiteral("msgBoxYesBtn"));
    QCOMPARE(buttons.first()->text(), QStringLiteral("Ok"));
    QCOMPARE(buttons.first()->focusPolicy(), Qt::NoFocus);
    ClickLater(box, QStringLiteral("msgBoxYesBtn"));
    Watchdog(box);
    QCOMPARE(box.exec(), 1);
}

void TestTarnMessageBox::labelsCarryTexts()
{
    TarnMessageBox box(2, QStringLiteral("Title"), QStringLiteral("first <b>line</b>"), QStringLiteral("second"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Title"));
    QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(box.testAttribute(Qt::WA_TranslucentBackground));
    auto* label1 = box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel1"));
    auto* label2 = box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel2"));
    QVERIFY(label1 && label2);
    QCOMPARE(label1->text(), QStringLiteral("first <b>line</b>"));
    QCOMPARE(label2->text(), QStringLiteral("second"));
    QVERIFY(label1->wordWrap());
    QVERIFY(label1->font().bold());
    QCOMPARE(label1->font().pixelSize(), 14);
    QCOMPARE(box.text1(), QStringLiteral("first <b>line</b>"));
    QCOMPARE(box.text2(), QStringLiteral("second"));
    QCOMPARE(box.style(), 2);
}

void TestTarnMessageBox::buttonTextsTranslatedInOwnContext()
{
    ContextTranslator translator;
    QCoreApplication::installTranslator(&translator);
    TarnMessageBox question(1, QString(), QStringLiteral("?"));
    TarnMessageBox notice(2, QString(), QStringLiteral("!"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(question.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn"))->text(), QStringLiteral("<Yes>"));
    QCOMPARE(question.findChild<QToolButton*>(QStringLiteral("msgBoxNoBtn"))->text(), QStringLiteral("<No>"));
    QCOMPARE(notice.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn"))->text(), QStringLiteral("<Ok>"));
}

void TestTarnMessageBox::plugInClosesSoonAfterMouseArrives()
{
    TarnMessageBox box(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), QString(), nullptr, true);
    QElapsedTimer sinceConnect;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTimer::singleShot(300, &box, [&] {
        QVERIFY(box.isVisible());   // still waiting while no mouse is there
        SetConnectedMouseCount(1);
        sinceConnect.start();
    });
    Watchdog(box);
    QCOMPARE(box.exec(), 1);
    QVERIFY(sinceConnect.isValid());
    QVERIFY(sinceStart.elapsed() >= 300);
    QVERIFY2(sinceConnect.elapsed() <= 250, qPrintable(QString::number(sinceConnect.elapsed())));
    QVERIFY(box.closedByItself());
}

void TestTarnMessageBox::withoutPlugInFlagStaysOpen()
{
    SetConnectedMouseCount(1);
    TarnMessageBox box(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"));
    QTimer::singleShot(300, &box, [&] {
        QVERIFY(box.isVisible());
        QTest::mouseClick(box.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn")), Qt::LeftButton);
    });
    Watchdog(box);
    QCOMPARE(box.exec(), 1);
    QVERIFY(!box.closedByItself());
}

void TestTarnMessageBox::hookAnswersWithoutBlocking()
{
    QStringList seen;
    TarnMessageBox::SetAnswerHook([&seen](TarnMessageBox& box) {
        seen << QStringLiteral("%1|%2|%3").arg(box.style()).arg(box.text1(), box.text2());
        return box.text1().contains(QStringLiteral("Delete")) ? 1 : 0;
    });
    TarnMessageBox yes(1, QStringLiteral("Warning"), QStringLiteral("Delete macro?"), QStringLiteral("m1"));
    QSignalSpy accepted(&yes, &QDialog::accepted);
    QCOMPARE(yes.exec(), 1);
    QCOMPARE(yes.result(), 1);
    QCOMPARE(accepted.count(), 1);
    TarnMessageBox no(1, QStringLiteral("Warning"), QStringLiteral("Overwrite?"));
    QSignalSpy rejected(&no, &QDialog::rejected);
    QCOMPARE(no.exec(), 0);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(seen, QStringList({QStringLiteral("1|Delete macro?|m1"), QStringLiteral("1|Overwrite?|")}));
}

void TestTarnMessageBox::showUsesHook()
{
    int calls = 0;
    TarnMessageBox::SetAnswerHook([&calls](TarnMessageBox& box) {
        ++calls;
        return box.style() == 2 ? 1 : 0;
    });
    QCOMPARE(TarnMessageBox::Show(2, QStringLiteral("Warning"), QStringLiteral("Mouse is sleeping or not connected.")),
             1);
    QCOMPARE(TarnMessageBox::Show(1, QStringLiteral("Warning"), QStringLiteral("Sure?")), 0);
    QCOMPARE(calls, 2);
}

void TestTarnMessageBox::scaledFixedSize()
{
    SetUiScale(1.75);
    TarnMessageBox box(1, QString(), QStringLiteral("x"));
    QCOMPARE(box.size(), QSize(836, 540));   // 478 x 309, truncated
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel1"))->font().pixelSize(), 24);
}

void TestTarnMessageBox::framePaintedInAccentColour()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), "[Config]\nGColorID=2\n");
    TarnMessageBox box(1, QString(), QStringLiteral("x"));
    const QImage image = box.grab().toImage();
    QCOMPARE(image.size(), box.size());
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(0, 0, 255));
    QCOMPARE(QColor(image.pixel(1, image.height() / 2)), QColor(0, 0, 255));
    QCOMPARE(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(0, 0, 255));
    // No dlg.png: still an opaque dark box, not a see-through one.
    const QColor inside(image.pixel(5, 5));
    QCOMPARE(inside.alpha(), 255);
    QVERIFY(inside.lightness() < 60);
}

void TestTarnMessageBox::backgroundPictureStretched()
{
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(QColor(0, 128, 0));
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    QVERIFY(picture.save(m_app->file(QStringLiteral("skin/dlg.png"))));
    TarnMessageBox box(2, QString(), QStringLiteral("x"));
    const QImage image = box.grab().toImage();
    QCOMPARE(QColor(image.pixel(5, 5)), QColor(0, 128, 0));
    QCOMPARE(QColor(image.pixel(image.width() - 6, image.height() - 6)), QColor(0, 128, 0));
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(255, 0, 0));
}

void TestTarnMessageBox::grabForLooking()
{
    // Set MOUSECFG_GRAB_DIR to keep the pictures for a look.
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    TarnMessageBox question(1, QStringLiteral("Warning"), QStringLiteral("Are you sure to delete the profile?"),
                            QStringLiteral("PROFILE 3"));
    TarnMessageBox dongle(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), QString(), nullptr,
                          true);
    const QPixmap one = question.grab();
    const QPixmap four = dongle.grab();
    QVERIFY(!one.isNull() && !four.isNull());
    if (!dir.isEmpty()) {
        one.save(dir + QStringLiteral("/msgbox_style1.png"));
        four.save(dir + QStringLiteral("/msgbox_style4.png"));
    }
}

QTEST_MAIN(TestTarnMessageBox)
#include "tst_tarnmessagebox.moc"
