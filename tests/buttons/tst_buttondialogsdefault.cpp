#include "ButtonEncoding.h"
#include "SettingsRecord.h"
#include "TarnBtnWindow.h"
#include "TarnComboKeyWindow.h"
#include "TarnFireKeyWindow.h"
#include "TarnKeyCaptureDialog.h"
#include "TarnMacroSelect.h"
#include "TarnMessageBox.h"
#include "TarnPushButton.h"
#include "TarnSingleKeyWindow.h"
#include "TarnSlider.h"
#include "TarnSniperWindow.h"
#include "TestAppDir.h"

#include <QCheckBox>
#include <QtTest>

#include <memory>

// The button page with the program's own dialogs, each answered through its test hook.
class TestButtonDialogsDefault : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void singleKeyFromTheDialog();
    void comboKeyFromTheDialog();
    void fireKeyFromTheDialog_data();
    void fireKeyFromTheDialog();
    void sniperFromTheDialog();
    void macroFromTheDialog_data();
    void macroFromTheDialog();
    void cancelledDialogsKeepTheButton();

private:
    ButtonRecord& record(int r) { return CurrentSettings().active().BUTTON_INFO[r]; }

    std::unique_ptr<TestAppDir> m_app;
    std::unique_ptr<TarnBtnWindow> m_page;
};

void TestButtonDialogsDefault::init()
{
    m_app = std::make_unique<TestAppDir>();
    m_app->write(QStringLiteral("DefaultProfile.bin"), "[PROFILE]\nButtonCount=8\nMouseDpi=0\n");
    m_app->write(QStringLiteral("Configs/Config.ini"), "[MACRO_LIST]\n0=a\n1=ak47\n[MouseSenSor]\n1=3389\n");
    CurrentSettings() = SettingsRecord{};
    for (ButtonRecord& button : CurrentSettings().active().BUTTON_INFO)
        button.Fun = 2;
    record(0).Fun = 1;
    TarnMessageBox::SetAnswerHook([](TarnMessageBox&) { return 1; });
    m_page = std::make_unique<TarnBtnWindow>();
    m_page->SelBtnControl(3, 0);
}

void TestButtonDialogsDefault::cleanup()
{
    m_page.reset();
    TarnKeyCaptureDialog::SetExecHook(nullptr);
    TarnFireKeyWindow::SetExecHook(nullptr);
    TarnSniperWindow::SetExecHook(nullptr);
    TarnMacroSelect::SetExecHook(nullptr);
    TarnMessageBox::SetAnswerHook(nullptr);
    CurrentSettings() = SettingsRecord{};
    m_app.reset();
}

void TestButtonDialogsDefault::singleKeyFromTheDialog()
{
    TarnKeyCaptureDialog::SetExecHook([](TarnKeyCaptureDialog& dialog) {
        dialog.OnHookKey(46, 0);
        dialog.OnHookKey(46, 128);
        return 1;
    });
    m_page->chooseFunction(6);
    QCOMPARE(record(3).Fun, 6);
    QCOMPARE(int(record(3).Res1), 46);
    QCOMPARE(m_page->rowButton(3)->text(), QStringLiteral("C"));

    // Opened again, the dialog starts from the stored key.
    int shown = 0;
    TarnKeyCaptureDialog::SetExecHook([&shown](TarnKeyCaptureDialog& dialog) {
        shown = static_cast<TarnSingleKeyWindow&>(dialog).selectedKey();
        return 1;
    });
    m_page->chooseFunction(6);
    QCOMPARE(shown, 46);
    QCOMPARE(int(record(3).Res1), 46);
}

void TestButtonDialogsDefault::comboKeyFromTheDialog()
{
    // Right Ctrl pressed and released, then C: stored with the left Ctrl, as the mouse knows it.
    TarnKeyCaptureDialog::SetExecHook([](TarnKeyCaptureDialog& dialog) {
        dialog.OnHookKey(238, 1);
        dialog.OnHookKey(46, 0);
        dialog.OnHookKey(46, 128);
        dialog.OnHookKey(238, 129);
        return 1;
    });
    m_page->chooseFunction(7);
    QCOMPARE(record(3).Fun, 7);
    const QByteArray expected = QByteArray::fromHex("e00580 060580 060500 e00500 000000");
    QByteArray stored;
    for (int i = 0; i < 5; ++i)
        stored += char(record(3).KeyInfo[i].map) + QByteArray(1, char(record(3).KeyInfo[i].key))
            + char(record(3).KeyInfo[i].H);
    QCOMPARE(stored, expected);
    const ButtonSlotBytes bytes = EncodeComboKey(record(3));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()), 4), QByteArray::fromHex("8f010600"));
}

void TestButtonDialogsDefault::fireKeyFromTheDialog_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("res1");
    QTest::newRow("left by default") << -1 << 0x81;
    QTest::newRow("middle") << 2 << 0x84;
}

void TestButtonDialogsDefault::fireKeyFromTheDialog()
{
    QFETCH(int, kind);
    QFETCH(int, res1);
    TarnFireKeyWindow::SetExecHook([kind](TarnFireKeyWindow& dialog) {
        if (kind >= 0)
            dialog.onKindClicked(kind);
        dialog.OnYesClick();
    });
    m_page->chooseFunction(12);
    QCOMPARE(record(3).Fun, 12);
    QCOMPARE(int(record(3).Res1), res1);
    QCOMPARE(record(3).LoopNumber, 3);
    QCOMPARE(record(3).KeyNumber, 100);

    // Reopened, the dialog shows what is stored.
    int shownKind = -1;
    TarnFireKeyWindow::SetExecHook([&shownKind](TarnFireKeyWindow& dialog) { shownKind = dialog.shotKind(); });
    m_page->chooseFunction(12);
    QCOMPARE(shownKind, kind < 0 ? 0 : kind);
}

void TestButtonDialogsDefault::sniperFromTheDialog()
{
    TarnSniperWindow::SetExecHook([](TarnSniperWindow& dialog) {
        dialog.slider()->setValue(7);
        dialog.OnYesClick();
    });
    m_page->chooseFunction(55);
    QCOMPARE(record(3).Fun, 55);
    QCOMPARE(int(record(3).Res1), 7);
    int shown = -1;
    TarnSniperWindow::SetExecHook([&shown](TarnSniperWindow& dialog) { shown = dialog.step(); });
    m_page->chooseFunction(55);
    QCOMPARE(shown, 7);
}

void TestButtonDialogsDefault::macroFromTheDialog_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("title");
    QTest::newRow("macro") << kMacroFunction << "MACRO SELECT";
    QTest::newRow("gun file") << kGunFileFunction << "GUNFILE SELECT";
}

void TestButtonDialogsDefault::macroFromTheDialog()
{
    QFETCH(int, code);
    QFETCH(QString, title);
    QString shownTitle;
    TarnMacroSelect::SetExecHook([&shownTitle](TarnMacroSelect& dialog) {
        shownTitle = dialog.title();
        dialog.SelectMacro(QStringLiteral("ak47"));
        dialog.modeOption(TarnMacroSelect::RepeatUntilPressed)->click();
        dialog.OnYesClick();
    });
    m_page->chooseFunction(code);
    QCOMPARE(shownTitle, title);
    QCOMPARE(record(3).Fun, code);
    QCOMPARE(record(3).macroname, QStringLiteral("ak47"));
    QCOMPARE(int(record(3).Res1), 2);
    QCOMPARE(m_page->rowButton(3)->text(), QStringLiteral("ak47"));

    // Reopened, it starts from the stored name and mode.
    QString shownName;
    int shownMode = -1;
    TarnMacroSelect::SetExecHook([&](TarnMacroSelect& dialog) {
        shownName = dialog.selectedName();
        shownMode = dialog.mode();
    });
    m_page->chooseFunction(code);
    QCOMPARE(shownName, QStringLiteral("ak47"));
    QCOMPARE(shownMode, 2);
}

void TestButtonDialogsDefault::cancelledDialogsKeepTheButton()
{
    TarnKeyCaptureDialog::SetExecHook([](TarnKeyCaptureDialog& dialog) {
        dialog.OnHookKey(46, 0);
        return 0;
    });
    TarnFireKeyWindow::SetExecHook([](TarnFireKeyWindow& dialog) { dialog.OnNoClick(); });
    TarnSniperWindow::SetExecHook([](TarnSniperWindow& dialog) { dialog.OnNoClick(); });
    TarnMacroSelect::SetExecHook([](TarnMacroSelect& dialog) {
        dialog.SelectMacro(QStringLiteral("a"));
        dialog.OnNoClick();
    });
    for (int code : {6, 7, 12, 55, kMacroFunction, kGunFileFunction}) {
        m_page->chooseFunction(code);
        QCOMPARE(record(3).Fun, 2);
        QCOMPARE(m_page->rowButton(3)->text(), QStringLiteral("Right"));
    }
}

QTEST_MAIN(TestButtonDialogsDefault)
#include "tst_buttondialogsdefault.moc"
