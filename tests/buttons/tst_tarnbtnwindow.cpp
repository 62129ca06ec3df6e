#include "ButtonDialogs.h"
#include "ButtonEncoding.h"
#include "Descriptor.h"
#include "SettingsRecord.h"
#include "TarnAction.h"
#include "TarnBtnWindow.h"
#include "MouseSession.h"
#include "TarnMenu.h"
#include "TarnMessageBox.h"
#include "TarnPushButton.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QLabel>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Dialogs that answer at once and remember how they were opened.
struct FakeDialogs : ButtonDialogs
{
    bool accept = true;
    int calls = 0;
    QString opened;

    int singlePreset = -2;
    int singleResult = 0;

    ButtonRecord comboPreset;
    QVector<int> comboResult;

    ButtonRecord firePreset;
    int fireKind = 0, fireKeyCode = 0, fireTimes = 3, fireDelay = 100;

    int sniperPreset = -2;
    int sniperResult = 0;

    bool macroGun = false;
    QString presetName;
    int presetLoops = -1, presetMode = -1;
    QString macroName;
    int macroLoops = 1, macroMode = 0;

    bool singleKey(int preset, int& code) override
    {
        note("single");
        singlePreset = preset;
        code = singleResult;
        return accept;
    }
    bool comboKey(const ButtonRecord& preset, QVector<int>& codes) override
    {
        note("combo");
        comboPreset = preset;
        codes = comboResult;
        return accept;
    }
    bool fireKey(const ButtonRecord& preset, int& kind, int& keyCode, int& times, int& delay) override
    {
        note("fire");
        firePreset = preset;
        kind = fireKind;
        keyCode = fireKeyCode;
        times = fireTimes;
        delay = fireDelay;
        return accept;
    }
    bool sniper(int preset, int& step) override
    {
        note("sniper");
        sniperPreset = preset;
        step = sniperResult;
        return accept;
    }
    bool macroSelect(bool gun, QString& name, int& loops, int& mode) override
    {
        note("macro");
        macroGun = gun;
        presetName = name;
        presetLoops = loops;
        presetMode = mode;
        name = macroName;
        loops = macroLoops;
        mode = macroMode;
        return accept;
    }
    void note(const char* which)
    {
        ++calls;
        opened = QString::fromLatin1(which);
    }
};

struct Box
{
    QString title;
    QString text;
};

QByteArray Descriptor(int buttonCount, const QList<int>& hidden, int disableMacro = 0, int ledDisable = 0)
{
    QByteArray text = "[PROFILE]\nProductName=Test Mouse\nMouseDpi=5\n";
    text += "ButtonCount=" + QByteArray::number(buttonCount ^ 5) + "\n";
    text += "DisableMacro=" + QByteArray::number(disableMacro) + "\n";
    text += "ledDisable=" + QByteArray::number(ledDisable) + "\n";
    for (int i = 0; i < kDescriptorButtons; ++i) {
        text += "BUTTON_INFO_" + QByteArray::number(i) + "_Matrix=" + QByteArray::number(i) + "\n";
        text += "BUTTON_INFO_" + QByteArray::number(i)
            + "_Matrix2=" + QByteArray::number(hidden.contains(i) ? 255 : i) + "\n";
    }
    return text;
}

QByteArray KeyInfoBytes(const ButtonRecord& button, int entries)
{
    QByteArray bytes;
    for (int i = 0; i < entries; ++i)
        bytes += char(button.KeyInfo[i].map) + QByteArray(1, char(button.KeyInfo[i].key)) + char(button.KeyInfo[i].H);
    return bytes;
}

QByteArray SlotBytes(const ButtonSlotBytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

} // namespace

class TestTarnBtnWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsFollowTheDescriptor_data();
    void rowsFollowTheDescriptor();
    void descriptorChangeRebuildsRows();
    void menuGroupsAndEntries();
    void descriptorSwitchesRemoveEntries_data();
    void descriptorSwitchesRemoveEntries();
    void labels_data();
    void labels();
    void clickOpensMenuAndAssigns();
    void clickGuard_data();
    void clickGuard();
    void gunOnLeftButton_data();
    void gunOnLeftButton();
    void noMacrosGoesToMacroTab_data();
    void noMacrosGoesToMacroTab();
    void macroSelection_data();
    void macroSelection();
    void singleKey_data();
    void singleKey();
    void comboKey_data();
    void comboKey();
    void fireKey_data();
    void fireKey();
    void sniper_data();
    void sniper();
    void cancelledDialogKeepsRecord_data();
    void cancelledDialogKeepsRecord();
    void selectionFromWindow_data();
    void selectionFromWindow();
    void selectionFromPage_data();
    void selectionFromPage();
    void hoverReportsFrontButtons();
    void editsTheActiveProfileOnly();
    void nothingSelectedChangesNothing();
    void scrollAreaIsTransparent();
    void grabWithMenuOpen();

private:
    TarnBtnWindow& page();
    FakeDialogs& dialogs()
    {
        page();   // the fake comes with the page
        return *m_dialogs;
    }
    ButtonRecord& record(int r) { return CurrentSettings().active().BUTTON_INFO[r]; }
    static QAction* findAction(TarnMenu* menu, const QString& text);
    void select(int r);
    void setMacros(const QStringList& names);

    std::unique_ptr<TestAppDir> m_app;
    std::unique_ptr<TarnBtnWindow> m_page;
    FakeDialogs* m_dialogs = nullptr;
    QVector<Box> m_boxes;
};

void TestTarnBtnWindow::init()
{
    m_app = std::make_unique<TestAppDir>();
    m_app->write(QStringLiteral("DefaultProfile.bin"), Descriptor(8, {}));
    // Skin pictures of this build, so the page looks as it will.
    const QDir skin(QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin"));
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    for (const QString& name : skin.entryList({QStringLiteral("*.png")}, QDir::Files))
        QFile::copy(skin.filePath(name), m_app->file(QStringLiteral("skin/") + name));
    setMacros({});

    SettingsRecord& settings = CurrentSettings();
    settings = SettingsRecord{};
    for (ProfileRecord& profile : settings.profiles) {
        for (ButtonRecord& button : profile.BUTTON_INFO)
            button.Fun = 2;
        profile.BUTTON_INFO[0].Fun = 1;
        profile.BUTTON_INFO[40].Fun = 52;
        profile.BUTTON_INFO[41].Fun = 53;
    }
    m_boxes.clear();
    TarnMessageBox::SetAnswerHook([this](TarnMessageBox& box) {
        m_boxes.append({box.windowTitle(), box.text1()});
        return 1;
    });
}

void TestTarnBtnWindow::cleanup()
{
    m_page.reset();
    m_dialogs = nullptr;
    TarnMessageBox::SetAnswerHook(nullptr);
    CurrentSettings() = SettingsRecord{};
    m_app.reset();
}

TarnBtnWindow& TestTarnBtnWindow::page()
{
    if (!m_page) {
        m_page = std::make_unique<TarnBtnWindow>();
        auto fake = std::make_unique<FakeDialogs>();
        m_dialogs = fake.get();
        m_page->setDialogs(std::move(fake));
        m_page->resize(ScaledRect(0, 0, 664, 199).size());
    }
    return *m_page;
}

QAction* TestTarnBtnWindow::findAction(TarnMenu* menu, const QString& text)
{
    for (QAction* group : menu->actions()) {
        if (!group->menu())
            continue;
        for (QAction* action : group->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

void TestTarnBtnWindow::select(int r)
{
    page().SelBtnControl(r % TarnBtnWindow::kGroupSize, r / TarnBtnWindow::kGroupSize);
    QCOMPARE(page().selectedRecord(), r);
}

void TestTarnBtnWindow::setMacros(const QStringList& names)
{
    QByteArray ini = "[MACRO_LIST]\n";
    for (int i = 0; i < names.size(); ++i)
        ini += QByteArray::number(i) + "=" + names[i].toUtf8() + "\n";
    m_app->write(QStringLiteral("Configs/Config.ini"), ini);
}

void TestTarnBtnWindow::rowsFollowTheDescriptor_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QList<int>>("records");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("eight buttons and the wheel") << 8 << QList<int>{} << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 40, 41}
                                                  << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "", ""};
    QTest::newRow("255 at position 3 hides it and renumbers the rest")
        << 6 << QList<int>{3} << QList<int>{0, 1, 2, 4, 5, 40, 41} << QStringList{"1", "2", "3", "4", "5", "", ""};
    QTest::newRow("hidden first position")
        << 3 << QList<int>{0} << QList<int>{1, 2, 40, 41} << QStringList{"1", "2", "", ""};
    QTest::newRow("255 beyond the count changes nothing")
        << 2 << QList<int>{5} << QList<int>{0, 1, 40, 41} << QStringList{"1", "2", "", ""};
    QTest::newRow("no buttons lists only the wheel") << 0 << QList<int>{} << QList<int>{40, 41} << QStringList{"", ""};
    QTest::newRow("a count above 16 stops at the table's end")
        << 30 << QList<int>{} << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 40, 41}
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "", ""};
}

void TestTarnBtnWindow::rowsFollowTheDescriptor()
{
    QFETCH(int, count);
    QFETCH(QList<int>, hidden);
    QFETCH(QList<int>, records);
    QFETCH(QStringList, numbers);
    m_app->write(QStringLiteral("DefaultProfile.bin"), Descriptor(count, hidden));
    QCOMPARE(page().listedRecords().toList(), records);
    QStringList shown;
    for (int r : records) {
        shown << page().rowNumber(r);
        QVERIFY(page().rowButton(r));
    }
    QCOMPARE(shown, numbers);
    for (int h : hidden)
        QVERIFY(!page().rowButton(h));
    QCOMPARE(page().findChildren<TarnPushButton*>().size(), records.size());
}

void TestTarnBtnWindow::descriptorChangeRebuildsRows()
{
    QCOMPARE(page().listedRecords().size(), 10);
    m_app->write(QStringLiteral("DefaultProfile.bin"), Descriptor(4, {1}));
    page().refreshFrom(CurrentSettings());
    QCOMPARE(page().listedRecords().toList(), (QList<int>{0, 2, 3, 40, 41}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(page().findChildren<TarnPushButton*>().size(), 5);
    // The new rows work: a click selects and opens the menu.
    QSignalSpy spy(&page(), &TarnBtnWindow::SelBtnSignal);
    page().rowButton(3)->click();
    page().catalogueMenu()->hide();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(page().selectedRecord(), 3);
    QCOMPARE(page().rowNumber(2), QStringLiteral("2"));
}

void TestTarnBtnWindow::menuGroupsAndEntries()
{
    // Typed from the catalogue as the users know it.
    const QVector<QPair<QString, QVector<QPair<QString, int>>>> expected = {
        {"Basic",
         {{"Left", 1}, {"Right", 2}, {"Middle", 3}, {"Forward", 4}, {"Back", 5}, {"Button Off", 16},
          {"Macro Manager", 200}, {"GunFile Manager", 510}, {"Led Switch", 54}, {"Scroll Up", 52},
          {"Scroll Down", 53}}},
        {"Windows",
         {{"Cut", 17}, {"Copy", 18}, {"Paste", 19}, {"All", 20}, {"Find", 21}, {"New", 22}, {"Print", 23},
          {"Save", 24}, {"Switch Window", 25}, {"Close Window", 26}, {"My Computer", 27}, {"Run", 28},
          {"Show Desktop", 29}, {"Lock PC", 30}, {"Browser Home", 31}, {"Browser Backward", 32},
          {"Browser Forward", 33}, {"Browser Stop", 34}, {"Browser Refresh", 35}, {"Browser Search", 36},
          {"Browser Favorite", 37}, {"Mail", 38}, {"Boss Key", 62}}},
        {"Advance", {{"SINGLE KEY", 6}, {"COMBO KEY", 7}, {"FIRE KEY", 12}, {"SNIPER", 55}}},
        {"Media",
         {{"Play/Pause", 39}, {"Stop", 40}, {"Previous Track", 41}, {"Next Track", 42}, {"Volume Up", 43},
          {"Volume Down", 44}, {"Mute", 45}, {"Media Player", 46}}},
        {"DPI", {{"DPI Switch", 47}, {"DPI +", 48}, {"DPI -", 49}}},
        {"Profile Menu", {{"Profile Switch", 59}, {"Profile +", 57}, {"Profile -", 58}}},
        {"Polling Rate", {{"Rate Switch", 63}, {"Rate +", 50}, {"Rate -", 51}}},
    };
    const QList<QAction*> groups = page().catalogueMenu()->actions();
    QCOMPARE(groups.size(), expected.size());
    for (int g = 0; g < groups.size(); ++g) {
        QVERIFY(groups[g]->menu());
        QCOMPARE(groups[g]->text(), expected[g].first);
        const QList<QAction*> actions = groups[g]->menu()->actions();
        QCOMPARE(actions.size(), expected[g].second.size());
        for (int a = 0; a < actions.size(); ++a) {
            auto* action = qobject_cast<TarnAction*>(actions[a]);
            QVERIFY(action);
            QCOMPARE(action->text(), expected[g].second[a].first);
            QCOMPARE(action->id(), expected[g].second[a].second);
        }
    }
}

void TestTarnBtnWindow::descriptorSwitchesRemoveEntries_data()
{
    QTest::addColumn<int>("disableMacro");
    QTest::addColumn<int>("ledDisable");
    QTest::addColumn<bool>("macroOffered");
    QTest::addColumn<bool>("ledOffered");
    QTest::newRow("both offered") << 0 << 0 << true << true;
    QTest::newRow("DisableMacro removes Macro Manager") << 1 << 0 << false << true;
    QTest::newRow("ledDisable removes Led Switch") << 0 << 1 << true << false;
    QTest::newRow("both removed") << 7 << 1 << false << false;
}

void TestTarnBtnWindow::descriptorSwitchesRemoveEntries()
{
    QFETCH(int, disableMacro);
    QFETCH(int, ledDisable);
    QFETCH(bool, macroOffered);
    QFETCH(bool, ledOffered);
    m_app->write(QStringLiteral("DefaultProfile.bin"), Descriptor(8, {}, disableMacro, ledDisable));
    setMacros({QStringLiteral("a")});
    TarnMenu* menu = page().catalogueMenu();
    QCOMPARE(findAction(menu, QStringLiteral("Macro Manager")) != nullptr, macroOffered);
    QCOMPARE(findAction(menu, QStringLiteral("Led Switch")) != nullptr, ledOffered);
    QVERIFY(findAction(menu, QStringLiteral("GunFile Manager")));

    // A removed entry cannot be chosen by other means either.
    dialogs().macroName = QStringLiteral("a");
    select(2);
    page().chooseFunction(kMacroFunction);
    page().chooseFunction(54);
    const int expected = ledOffered ? 54 : (macroOffered ? kMacroFunction : 2);
    QCOMPARE(record(2).Fun, expected);
    QCOMPARE(dialogs().calls, macroOffered ? 1 : 0);
}

void TestTarnBtnWindow::labels_data()
{
    QTest::addColumn<int>("fun");
    QTest::addColumn<int>("res1");
    QTest::addColumn<QString>("macro");
    QTest::addColumn<QString>("label");
    QTest::newRow("Left") << 1 << 0 << QString() << "Left";
    QTest::newRow("Boss Key") << 62 << 0 << QString() << "Boss Key";
    QTest::newRow("single key C") << 6 << 46 << QString() << "C";
    QTest::newRow("macro name") << 200 << 0 << "burst" << "burst";
    QTest::newRow("gun file name") << 510 << 0 << "ak47" << "ak47";
    QTest::newRow("fire key") << 12 << 0x81 << QString() << "FIRE KEY";
    QTest::newRow("unknown code 60") << 60 << 0 << QString() << "60";
}

void TestTarnBtnWindow::labels()
{
    QFETCH(int, fun);
    QFETCH(int, res1);
    QFETCH(QString, macro);
    QFETCH(QString, label);
    for (int r : {3, 41}) {
        record(r).Fun = fun;
        record(r).Res1 = quint8(res1);
        record(r).macroname = macro;
    }
    page().refreshFrom(CurrentSettings());
    QCOMPARE(page().rowButton(3)->text(), label);
    QCOMPARE(page().rowButton(41)->text(), label);
    QCOMPARE(page().rowButton(0)->text(), QStringLiteral("Left"));
    QCOMPARE(page().rowButton(40)->text(), QStringLiteral("Scroll Up"));
}

void TestTarnBtnWindow::clickOpensMenuAndAssigns()
{
    page().show();
    QVERIFY(QTest::qWaitForWindowExposed(&page()));
    TarnPushButton* button = page().rowButton(4);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(page().selectedRecord(), 4);
    QTRY_VERIFY(page().catalogueMenu()->isVisible());
    QAction* copy = findAction(page().catalogueMenu(), QStringLiteral("Copy"));
    QVERIFY(copy);
    copy->trigger();
    page().catalogueMenu()->hide();
    QCOMPARE(record(4).Fun, 18);
    QCOMPARE(button->text(), QStringLiteral("Copy"));
    // The neighbours keep theirs.
    QCOMPARE(record(3).Fun, 2);
    QCOMPARE(page().rowButton(3)->text(), QStringLiteral("Right"));
}

void TestTarnBtnWindow::clickGuard_data()
{
    QTest::addColumn<int>("otherLeft");   // record that also holds Left, -1 none
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("fun");
    QTest::newRow("only Left cannot become Right") << -1 << "Right" << true << 1;
    QTest::newRow("only Left cannot open a dialog") << -1 << "SINGLE KEY" << true << 1;
    QTest::newRow("only Left may be given Left again") << -1 << "Left" << false << 1;
    QTest::newRow("a second Left frees the first") << 5 << "Right" << false << 2;
    QTest::newRow("a Left on the wheel counts") << 41 << "Mute" << false << 45;
    // The mouse never gets a record the product has no button for.
    QTest::newRow("a Left on a record the product lacks does not count") << 33 << "DPI +" << true << 1;
}

void TestTarnBtnWindow::clickGuard()
{
    QFETCH(int, otherLeft);
    QFETCH(QString, entry);
    QFETCH(bool, refused);
    QFETCH(int, fun);
    if (otherLeft >= 0)
        record(otherLeft).Fun = 1;
    select(0);
    dialogs().singleResult = 46;
    QSignalSpy guard(&page(), &TarnBtnWindow::PopOneClickBox);
    QAction* action = findAction(page().catalogueMenu(), entry);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(guard.count(), refused ? 1 : 0);
    QCOMPARE(record(0).Fun, refused ? 1 : (entry == QLatin1String("SINGLE KEY") ? 6 : fun));
    if (refused)
        QCOMPARE(dialogs().calls, 0);
    QCOMPARE(page().rowButton(0)->text(), refused ? QStringLiteral("Left") : ButtonCatalogue::FunctionText(record(0)));
}

void TestTarnBtnWindow::gunOnLeftButton_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<bool>("warned");
    QTest::newRow("record 0 is refused with a warning") << 0 << true;
    QTest::newRow("record 1 opens the selection") << 1 << false;
    QTest::newRow("wheel down opens the selection") << 41 << false;
}

void TestTarnBtnWindow::gunOnLeftButton()
{
    QFETCH(int, r);
    QFETCH(bool, warned);
    setMacros({QStringLiteral("ak47")});
    // Another Left elsewhere, so the click guard does not stand in the way on record 0.
    record(0).Fun = 3;
    record(6).Fun = 1;
    const int before = record(r).Fun;
    select(r);
    dialogs().macroName = QStringLiteral("ak47");
    page().chooseFunction(kGunFileFunction);
    if (warned) {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(m_boxes[0].text, QStringLiteral("Left Button Can not be Gun Function."));
        QCOMPARE(dialogs().calls, 0);
        QCOMPARE(record(r).Fun, before);
    } else {
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(dialogs().opened, QStringLiteral("macro"));
        QVERIFY(dialogs().macroGun);
        QCOMPARE(record(r).Fun, kGunFileFunction);
        QCOMPARE(record(r).macroname, QStringLiteral("ak47"));
        QCOMPARE(page().rowButton(r)->text(), QStringLiteral("ak47"));
    }
}

void TestTarnBtnWindow::noMacrosGoesToMacroTab_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("Macro Manager") << kMacroFunction;
    QTest::newRow("GunFile Manager") << kGunFileFunction;
}

void TestTarnBtnWindow::noMacrosGoesToMacroTab()
{
    QFETCH(int, code);
    // Free keys in the list do not count as macros.
    m_app->write(QStringLiteral("Configs/Config.ini"), "[MACRO_LIST]\n0=\n1=\n");
    select(2);
    QSignalSpy tab(&page(), &TarnBtnWindow::GotoMacroTab);
    page().chooseFunction(code);
    QCOMPARE(tab.count(), 1);
    QCOMPARE(tab.at(0).at(0).value<quint8>(), quint8(3));
    QCOMPARE(dialogs().calls, 0);
    QCOMPARE(record(2).Fun, 2);
    QCOMPARE(page().rowButton(2)->text(), QStringLiteral("Right"));
}

void TestTarnBtnWindow::macroSelection_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("storedFun");
    QTest::addColumn<QString>("presetName");
    QTest::addColumn<int>("presetLoops");
    QTest::addColumn<int>("presetMode");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("storedMode");
    QTest::newRow("new macro starts empty, 1 loop, mode 0") << 200 << 2 << "" << 1 << 0 << 0 << 0;
    QTest::newRow("macro again shows a, 5, mode 1") << 200 << 200 << "a" << 5 << 1 << 2 << 2;
    QTest::newRow("gun file on a macro button starts empty") << 510 << 200 << "" << 1 << 0 << 1 << 1;
    QTest::newRow("gun file again shows its values") << 510 << 510 << "a" << 5 << 1 << 0 << 0;
    QTest::newRow("an unknown mode is stored as 0") << 200 << 2 << "" << 1 << 0 << 9 << 0;
}

void TestTarnBtnWindow::macroSelection()
{
    QFETCH(int, code);
    QFETCH(int, storedFun);
    QFETCH(QString, presetName);
    QFETCH(int, presetLoops);
    QFETCH(int, presetMode);
    QFETCH(int, mode);
    QFETCH(int, storedMode);
    setMacros({QStringLiteral("a"), QStringLiteral("b")});
    record(7).Fun = storedFun;
    record(7).macroname = QStringLiteral("a");
    record(7).LoopNumber = 5;
    record(7).Res1 = 1;
    select(7);
    dialogs().macroName = QStringLiteral("b");
    dialogs().macroLoops = 12;
    dialogs().macroMode = mode;
    page().chooseFunction(code);
    QCOMPARE(dialogs().macroGun, code == kGunFileFunction);
    QCOMPARE(dialogs().presetName, presetName);
    QCOMPARE(dialogs().presetLoops, presetLoops);
    QCOMPARE(dialogs().presetMode, presetMode);
    QCOMPARE(record(7).Fun, code);
    QCOMPARE(record(7).macroname, QStringLiteral("b"));
    QCOMPARE(record(7).LoopNumber, 12);
    QCOMPARE(int(record(7).Res1), storedMode);
    QCOMPARE(page().rowButton(7)->text(), QStringLiteral("b"));
}

void TestTarnBtnWindow::singleKey_data()
{
    QTest::addColumn<int>("storedFun");
    QTest::addColumn<int>("expectedPreset");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("label");
    QTest::newRow("first time no preset, C") << 2 << -1 << 46 << true << "C";
    QTest::newRow("again preset with the stored key") << 6 << 30 << 238 << true << "RCtr";
    QTest::newRow("a code beyond one byte is refused") << 2 << -1 << 300 << false << "Right";
    QTest::newRow("no key is refused") << 2 << -1 << 0 << false << "Right";
}

void TestTarnBtnWindow::singleKey()
{
    QFETCH(int, storedFun);
    QFETCH(int, expectedPreset);
    QFETCH(int, chosen);
    QFETCH(bool, stored);
    QFETCH(QString, label);
    record(3).Fun = storedFun;
    record(3).Res1 = 30;
    select(3);
    dialogs().singleResult = chosen;
    page().chooseFunction(6);
    QCOMPARE(dialogs().singlePreset, expectedPreset);
    QCOMPARE(record(3).Fun, stored ? 6 : storedFun);
    QCOMPARE(int(record(3).Res1), stored ? chosen : 30);
    QCOMPARE(page().rowButton(3)->text(), label);
}

void TestTarnBtnWindow::comboKey_data()
{
    QTest::addColumn<QVector<int>>("codes");
    QTest::addColumn<QByteArray>("keyInfo");
    QTest::addColumn<QByteArray>("device");
    // Dialog slots: Shift, Ctrl, Windows, Alt, key; 0 = empty.
    QTest::newRow("Ctrl+C: Ctrl press, C press, C release, Ctrl release")
        << QVector<int>{0, 29, 0, 0, 46} << QByteArray::fromHex("e00580 060580 060500 e00500")
        << QByteArray::fromHex("8f010600");
    QTest::newRow("Shift+Ctrl+Alt+A nests the pairs")
        << QVector<int>{42, 29, 0, 56, 30} << QByteArray::fromHex("e10580 e00580 e20580 040580 040500 e20500 e00500 e10500")
        << QByteArray::fromHex("8f070400");
    QTest::newRow("Windows+D") << QVector<int>{0, 0, 91, 0, 32} << QByteArray::fromHex("e30580 070580 070500 e30500")
                               << QByteArray::fromHex("8f080700");
    QTest::newRow("a key alone") << QVector<int>{0, 0, 0, 0, 46} << QByteArray::fromHex("060580 060500")
                                 << QByteArray::fromHex("8f000600");
    QTest::newRow("a code without a usage is left out")
        << QVector<int>{0, 29, 0, 0, 199} << QByteArray::fromHex("e00580 e00500") << QByteArray::fromHex("8f010000");
    QTest::newRow("more than five positions use only five")
        << QVector<int>{0, 29, 0, 0, 46, 30} << QByteArray::fromHex("e00580 060580 060500 e00500")
        << QByteArray::fromHex("8f010600");
}

void TestTarnBtnWindow::comboKey()
{
    QFETCH(QVector<int>, codes);
    QFETCH(QByteArray, keyInfo);
    QFETCH(QByteArray, device);
    // Leftovers of an earlier assignment must not survive.
    for (KeyInfo& entry : record(5).KeyInfo)
        entry = KeyInfo{0x1D, 0x77, 0x80};
    select(5);
    dialogs().comboResult = codes;
    page().chooseFunction(7);
    QCOMPARE(dialogs().comboPreset.Fun, 0);   // no combination yet: an empty preset
    QCOMPARE(record(5).Fun, 7);
    QCOMPARE(KeyInfoBytes(record(5), keyInfo.size() / 3), keyInfo);
    QCOMPARE(KeyInfoBytes(record(5), kKeyInfoCount).mid(keyInfo.size()), QByteArray(kKeyInfoCount * 3 - keyInfo.size(), 0));
    QCOMPARE(SlotBytes(EncodeComboKey(record(5))), device);
    QCOMPARE(page().rowButton(5)->text(), QStringLiteral("COMBO KEY"));

    // Opening it again hands the dialog the stored combination.
    dialogs().comboResult = {0, 0, 0, 0, 30};
    page().chooseFunction(7);
    QCOMPARE(dialogs().comboPreset.Fun, 7);
    QCOMPARE(KeyInfoBytes(dialogs().comboPreset, keyInfo.size() / 3), keyInfo);
    QCOMPARE(KeyInfoBytes(record(5), 3), QByteArray::fromHex("040580 040500 000000"));
}

void TestTarnBtnWindow::fireKey_data()
{
    QTest::addColumn<int>("storedFun");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("res1");
    QTest::addColumn<QByteArray>("device");
    QTest::newRow("left, 3 times, 100 ms") << 2 << 0 << 0 << true << 0x81 << QByteArray::fromHex("9981030a");
    QTest::newRow("right") << 2 << 1 << 0 << true << 0x82 << QByteArray::fromHex("9982030a");
    QTest::newRow("middle") << 12 << 2 << 0 << true << 0x84 << QByteArray::fromHex("9984030a");
    QTest::newRow("keyboard key C stores its usage") << 2 << 3 << 46 << true << 0x06 << QByteArray::fromHex("9906030a");
    QTest::newRow("keyboard kind without a key is refused") << 2 << 3 << 0 << false << 0 << QByteArray();
}

void TestTarnBtnWindow::fireKey()
{
    QFETCH(int, storedFun);
    QFETCH(int, kind);
    QFETCH(int, key);
    QFETCH(bool, stored);
    QFETCH(int, res1);
    QFETCH(QByteArray, device);
    record(6).Fun = storedFun;
    record(6).Res1 = 0x84;
    record(6).LoopNumber = 7;
    record(6).KeyNumber = 250;
    select(6);
    dialogs().fireKind = kind;
    dialogs().fireKeyCode = key;
    page().chooseFunction(12);
    QCOMPARE(dialogs().firePreset.Fun, storedFun == 12 ? 12 : 0);
    if (storedFun == 12)
        QCOMPARE(int(dialogs().firePreset.Res1), 0x84);
    if (!stored) {
        QCOMPARE(record(6).Fun, storedFun);
        QCOMPARE(int(record(6).Res1), 0x84);
        QCOMPARE(record(6).KeyNumber, 250);
        return;
    }
    QCOMPARE(record(6).Fun, 12);
    QCOMPARE(int(record(6).Res1), res1);
    QCOMPARE(record(6).LoopNumber, 3);
    QCOMPARE(record(6).KeyNumber, 100);
    QCOMPARE(SlotBytes(EncodeFireKey(record(6))), device);
    QCOMPARE(page().rowButton(6)->text(), QStringLiteral("FIRE KEY"));
}

void TestTarnBtnWindow::sniper_data()
{
    QTest::addColumn<int>("storedFun");
    QTest::addColumn<int>("expectedPreset");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("stored");
    QTest::newRow("first time no preset") << 2 << -1 << 12 << true;
    QTest::newRow("again preset with the stored step") << 55 << 9 << 20 << true;
    QTest::newRow("a step beyond one byte is refused") << 2 << -1 << 100000 << false;
}

void TestTarnBtnWindow::sniper()
{
    QFETCH(int, storedFun);
    QFETCH(int, expectedPreset);
    QFETCH(int, step);
    QFETCH(bool, stored);
    record(1).Fun = storedFun;
    record(1).Res1 = 9;
    select(1);
    dialogs().sniperResult = step;
    page().chooseFunction(55);
    QCOMPARE(dialogs().sniperPreset, expectedPreset);
    QCOMPARE(record(1).Fun, stored ? 55 : storedFun);
    QCOMPARE(int(record(1).Res1), stored ? step : 9);
}

void TestTarnBtnWindow::cancelledDialogKeepsRecord_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("Macro Manager") << 200;
    QTest::newRow("GunFile Manager") << 510;
    QTest::newRow("SINGLE KEY") << 6;
    QTest::newRow("COMBO KEY") << 7;
    QTest::newRow("FIRE KEY") << 12;
    QTest::newRow("SNIPER") << 55;
}

void TestTarnBtnWindow::cancelledDialogKeepsRecord()
{
    QFETCH(int, code);
    setMacros({QStringLiteral("a")});
    ButtonRecord& button = record(2);
    button.Fun = 200;
    button.macroname = QStringLiteral("keep");
    button.LoopNumber = 4;
    button.KeyNumber = 2;
    button.Res1 = 1;
    button.KeyInfo[0] = KeyInfo{0x06, 0x05, 0x80};
    const ButtonRecord before = button;
    select(2);
    dialogs().accept = false;
    dialogs().comboResult = {0, 29, 0, 0, 46};
    dialogs().singleResult = 46;
    dialogs().macroName = QStringLiteral("a");
    page().chooseFunction(code);
    QCOMPARE(dialogs().calls, 1);
    QCOMPARE(button.Fun, before.Fun);
    QCOMPARE(button.macroname, before.macroname);
    QCOMPARE(button.LoopNumber, before.LoopNumber);
    QCOMPARE(button.KeyNumber, before.KeyNumber);
    QCOMPARE(button.Res1, before.Res1);
    QCOMPARE(KeyInfoBytes(button, kKeyInfoCount), KeyInfoBytes(before, kKeyInfoCount));
    QCOMPARE(page().rowButton(2)->text(), QStringLiteral("keep"));
}

void TestTarnBtnWindow::selectionFromWindow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("selected");
    QTest::newRow("front 3 is record 3") << 3 << 0 << 3;
    QTest::newRow("wheel 0 is record 40") << 0 << 2 << 40;
    QTest::newRow("wheel 1 is record 41") << 1 << 2 << 41;
    QTest::newRow("side 2 is record 22, which the product lacks") << 2 << 1 << 22;
    QTest::newRow("wheel 2 does not exist") << 2 << 2 << 5;
    QTest::newRow("index 20 does not exist") << 20 << 0 << 5;
    QTest::newRow("group 3 does not exist") << 0 << 3 << 5;
    QTest::newRow("negative index") << -1 << 0 << 5;
}

void TestTarnBtnWindow::selectionFromWindow()
{
    QFETCH(int, index);
    QFETCH(int, group);
    QFETCH(int, selected);
    page().SelBtnControl(5, 0);
    QSignalSpy back(&page(), &TarnBtnWindow::SelBtnSignal);
    page().SelBtnControl(index, group);
    QCOMPARE(page().selectedRecord(), selected);
    // A selection the window made is not echoed back to it.
    QCOMPARE(back.count(), 0);
    for (int r : page().listedRecords()) {
        auto* caption = page().findChild<QLabel*>(QStringLiteral("caption_%1").arg(r));
        QVERIFY(caption);
        QCOMPARE(caption->styleSheet().contains(AccentCss()), r == selected);
    }
    // The menu now edits the selected record, if the product has that button.
    const int before = record(selected).Fun;
    page().chooseFunction(48);
    QCOMPARE(record(selected).Fun, MouseSession::IsProductRecord(selected) ? 48 : before);
}

void TestTarnBtnWindow::selectionFromPage_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("group");
    QTest::newRow("button 3") << 3 << 3 << 0;
    QTest::newRow("first button") << 0 << 0 << 0;
    QTest::newRow("wheel up") << 40 << 0 << 2;
    QTest::newRow("wheel down") << 41 << 1 << 2;
}

void TestTarnBtnWindow::selectionFromPage()
{
    QFETCH(int, r);
    QFETCH(int, index);
    QFETCH(int, group);
    page().show();
    QVERIFY(QTest::qWaitForWindowExposed(&page()));
    QSignalSpy spy(&page(), &TarnBtnWindow::SelBtnSignal);
    QTest::mouseClick(page().rowButton(r), Qt::LeftButton);
    page().catalogueMenu()->hide();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<quint8>(), quint8(index));
    QCOMPARE(spy.at(0).at(1).value<quint8>(), quint8(group));
    QCOMPARE(page().selectedRecord(), r);
}

void TestTarnBtnWindow::hoverReportsFrontButtons()
{
    QSignalSpy spy(&page(), &TarnBtnWindow::MouseOverSignal);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(page().rowButton(2), &enter);
    QCoreApplication::sendEvent(page().rowButton(2), &leave);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(spy.at(0).at(1).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toInt(), 2);
    QCOMPARE(spy.at(1).at(1).toBool(), false);
    // The wheel has no lit picture of its own.
    QCoreApplication::sendEvent(page().rowButton(40), &enter);
    QCoreApplication::sendEvent(page().rowButton(40), &leave);
    QCOMPARE(spy.count(), 2);
}

void TestTarnBtnWindow::editsTheActiveProfileOnly()
{
    CurrentSettings().ProfileID = 3;
    page().refreshFrom(CurrentSettings());
    select(4);
    page().chooseFunction(45);
    QCOMPARE(CurrentSettings().profiles[3].BUTTON_INFO[4].Fun, 45);
    for (int p : {0, 1, 2, 4})
        QCOMPARE(CurrentSettings().profiles[p].BUTTON_INFO[4].Fun, 2);
    // Switching the slot shows the other profile's functions.
    CurrentSettings().ProfileID = 0;
    page().refreshFrom(CurrentSettings());
    QCOMPARE(page().rowButton(4)->text(), QStringLiteral("Right"));
}

void TestTarnBtnWindow::nothingSelectedChangesNothing()
{
    QCOMPARE(page().selectedRecord(), -1);
    page().chooseFunction(45);
    for (const ButtonRecord& button : CurrentSettings().active().BUTTON_INFO)
        QVERIFY(button.Fun != 45);
    select(1);
    page().chooseFunction(13);   // no catalogue entry
    page().chooseFunction(-1);
    QCOMPARE(record(1).Fun, 2);
}

void TestTarnBtnWindow::scrollAreaIsTransparent()
{
    m_app->write(QStringLiteral("DefaultProfile.bin"), Descriptor(16, {}));
    // Lower than the window gives it, so that the rows certainly scroll.
    page().resize(Scaled(664), Scaled(100));
    page().show();
    QVERIFY(QTest::qWaitForWindowExposed(&page()));
    QScrollArea* area = page().scrollArea();
    QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(area->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QVERIFY(!area->viewport()->autoFillBackground());
    QVERIFY(!area->widget()->autoFillBackground());
    QVERIFY(!page().autoFillBackground());
    // Eighteen rows do not fit: they scroll, and a selection is brought into view.
    QVERIFY(area->widget()->height() > area->viewport()->height());
    page().SelBtnControl(1, 2);
    QTRY_VERIFY(area->verticalScrollBar()->value() > 0);
    // Nothing sticks out sideways.
    QVERIFY(area->widget()->width() <= area->viewport()->width());
}

void TestTarnBtnWindow::grabWithMenuOpen()
{
    record(2).Fun = 200;
    record(2).macroname = QStringLiteral("rapid burst");
    record(3).Fun = 6;
    record(3).Res1 = 46;
    record(5).Fun = 47;
    page().refreshFrom(CurrentSettings());
    // A near-black ground like the window's, painted by the frame alone.
    QWidget frame;
    QPalette ground = frame.palette();
    ground.setColor(QPalette::Window, QColor(18, 18, 20));
    frame.setPalette(ground);
    frame.setAutoFillBackground(true);
    frame.resize(ScaledRect(0, 0, 664, 199).size() + QSize(0, 280));
    page().setParent(&frame);
    // The page belongs to the test, not to the frame.
    const auto giveBack = qScopeGuard([this] { m_page->setParent(nullptr); });
    page().move(0, 0);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QTest::mouseClick(page().rowButton(4), Qt::LeftButton);
    TarnMenu* menu = page().catalogueMenu();
    QTRY_VERIFY(menu->isVisible());
    QMenu* basic = menu->actions().at(0)->menu();
    menu->setActiveAction(menu->actions().at(0));
    basic->popup(menu->geometry().topRight());
    QTRY_VERIFY(basic->isVisible());
    QPixmap shot = frame.grab();
    QVERIFY(!shot.isNull());
    {
        QPainter painter(&shot);
        const QPoint origin = frame.mapToGlobal(QPoint(0, 0));
        painter.drawPixmap(menu->geometry().topLeft() - origin, menu->grab());
        painter.drawPixmap(basic->geometry().topLeft() - origin, basic->grab());
    }
    const QByteArray dir = qgetenv("MOUSECFG_GRAB_DIR");
    if (!dir.isEmpty())
        QVERIFY(shot.save(QString::fromLocal8Bit(dir) + QStringLiteral("/tarnbtnwindow_menu.png")));
    basic->hide();
    menu->hide();
}

QTEST_MAIN(TestTarnBtnWindow)
#include "tst_tarnbtnwindow.moc"
