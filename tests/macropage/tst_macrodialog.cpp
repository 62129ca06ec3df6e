#include "AppPaths.h"
#include "KeyCapture.h"
#include "KeyTables.h"
#include "MacroDialog.h"
#include "MacroEventTable.h"
#include "MacroFile.h"
#include "MacroNameList.h"
#include "MouseSession.h"
#include "TarnMessageBox.h"
#include "TarnMoveItem.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

constexpr int kScanA = 0x1E;
constexpr int kScanB = 0x30;
constexpr int kScanC = 0x2E;
constexpr quint32 kUp = 0x80;

HookKeyEvent Key(int scanCode, quint32 flags = 0, quint32 virtualKey = 0)
{
    HookKeyEvent event;
    event.scanCode = scanCode;
    event.flags = flags;
    event.virtualKey = virtualKey;
    return event;
}

// "Map/DataH/DataL" per row, space separated.
QString Rows(const QVector<MacroEvent>& events)
{
    QStringList rows;
    for (const MacroEvent& e : events)
        rows << QStringLiteral("%1/%2/%3").arg(e.Map).arg(e.DataH).arg(e.DataL);
    return rows.join(' ');
}

QVector<MacroEvent> ParseRows(const QString& text)
{
    QVector<MacroEvent> events;
    for (const QString& row : text.split(' ', Qt::SkipEmptyParts)) {
        const QStringList bytes = row.split('/');
        events.append(MacroEvent{quint8(bytes[0].toInt()), quint8(bytes[1].toInt()), quint8(bytes[2].toInt())});
    }
    return events;
}

} // namespace

class TestMacroDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructionLoadsFirstMacro();
    void loadedSettingsShowInControls_data();
    void loadedSettingsShowInControls();
    void noteWhenRecordingIsNotSystemWide();

    void recordedDelays_data();
    void recordedDelays();
    void autoRepeatGivesOnePress();
    void tableLimits_data();
    void tableLimits();
    void keyTranslation_data();
    void keyTranslation();
    void unreleasedKeysWarn_data();
    void unreleasedKeysWarn();
    void recordingWithoutMacroRecordsNothing();
    void keysOutsideRecordingAreIgnored();
    void typedKeysReachTheRecorderOnce();
    void enablingWhileRecording();

    void editorKeyRow();
    void editorButtonRow();
    void editorStepRow_data();
    void editorStepRow();
    void editorDelayRow();
    void editorCancelDiscards();
    void editorFollowsTheCurrentRow();

    void mouseActionPanel_data();
    void mouseActionPanel();
    void stepItems_data();
    void stepItems();
    void mouseActionToggleSwapsPanels();
    void insertDelay();
    void rowCommands_data();
    void rowCommands();
    void copyCutPaste();
    void pasteStopsAtMacroCapacity();

    void newMacro();
    void newRefusedAtFiftyMacros();
    void changeName_data();
    void changeName();
    void unsafeNamesRefused_data();
    void unsafeNamesRefused();
    void deleteMacro();
    void unsavedEditsAskBeforeSwitching_data();
    void unsavedEditsAskBeforeSwitching();
    void keyboardSelectionLoads();
    void loopOptionsExclusive();
    void delayBoxesExclusive();

    void importSingle();
    void importExisting();
    void importUnsafeName();
    void exportSingle();
    void exportAddsSuffixAndReportsFailure();
    void insertionsStopAtTheMouseLimit_data();
    void insertionsStopAtTheMouseLimit();
    void boundMacroRenameAndDelete();
    void batchImportExport();
    void batchDisablesEditing();
    void gunSetLoadsTheWrittenMacro();

private:
    std::unique_ptr<MacroDialog> makePage();
    void saveMacro(const QString& name, const QString& rows, quint8 delayType = 0, int defaultDelay = 10,
                   int loopType = 0, int loopTime = 1);
    template <typename T> static T* child(MacroDialog& page, const char* name)
    {
        T* found = page.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    static void click(QWidget* widget);
    static void clickBox(QCheckBox* box);
    static void clickListRow(MacroDialog& page, const QString& name);
    static void clickTableRow(MacroDialog& page, int row);
    static void setField(QLineEdit* field, const QString& text);
    static void press(MacroDialog& page, int scan, quint32 flags = 0, quint32 vk = 0)
    {
        page.keyCapture()->inject(Key(scan, flags, vk));
    }
    static void release(MacroDialog& page, int scan, quint32 flags = 0, quint32 vk = 0)
    {
        page.keyCapture()->inject(Key(scan, flags | kUp, vk));
    }
    static QString tableRows(MacroDialog& page) { return Rows(page.eventTable()->events()); }
    static QString fileRows(const QString& name)
    {
        MacroData data;
        LoadMacroFile(name, data);
        return Rows(data.events);
    }

    std::unique_ptr<TestAppDir> m_app;
    QStringList m_messages;
    int m_answer = 1;
    QStringList m_fileAnswer;
    QList<MacroDialog::FileDialogKind> m_fileAsks;
    qint64 m_now = 1000;
};

void TestMacroDialog::init()
{
    m_app = std::make_unique<TestAppDir>();
    SetUiScale(1.0);
    m_messages.clear();
    m_answer = 1;
    m_fileAnswer.clear();
    m_fileAsks.clear();
    m_now = 1000;
    TarnMessageBox::SetAnswerHook([this](TarnMessageBox& box) {
        m_messages << box.text1();
        return m_answer;
    });
    MacroDialog::SetFileDialogHook([this](MacroDialog::FileDialogKind kind, const QString&, const QString&,
                                          const QString&) {
        m_fileAsks << kind;
        return m_fileAnswer;
    });
}

void TestMacroDialog::cleanup()
{
    TarnMessageBox::SetAnswerHook(nullptr);
    MacroDialog::SetFileDialogHook(nullptr);
    m_app.reset();
}

std::unique_ptr<MacroDialog> TestMacroDialog::makePage()
{
    auto page = std::make_unique<MacroDialog>();
    page->setGeometry(ScaledRect(0, 0, 665, 467));
    page->setClock([this]() { return m_now; });
    page->show();
    if (!QTest::qWaitForWindowExposed(page.get()))
        qWarning("page not exposed");
    return page;
}

void TestMacroDialog::saveMacro(const QString& name, const QString& rows, quint8 delayType, int defaultDelay,
                                int loopType, int loopTime)
{
    MacroData data;
    data.settings = MacroSettings{defaultDelay, delayType, loopType, loopTime};
    data.events = ParseRows(rows);
    QVERIFY(SaveMacroFile(name, data));
    if (!ContainsMacroName(name))
        QVERIFY(AddMacroName(name) >= 0);
}

void TestMacroDialog::click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(widget->width() / 2, widget->height() / 2));
}

void TestMacroDialog::clickBox(QCheckBox* box)
{
    // The indicator sits at the left edge.
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
}

void TestMacroDialog::clickListRow(MacroDialog& page, const QString& name)
{
    auto* list = child<QListWidget>(page, "macroList");
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(items.first()).center());
}

void TestMacroDialog::clickTableRow(MacroDialog& page, int row)
{
    QTableView* view = page.tableView();
    const QModelIndex index = page.eventTable()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

void TestMacroDialog::setField(QLineEdit* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
}

// ---- Loading --------------------------------------------------------------------------

void TestMacroDialog::constructionLoadsFirstMacro()
{
    saveMacro("first", "132/0/4 4/0/4");
    saveMacro("second", "6/0/3");
    auto page = makePage();
    QCOMPARE(page->currentName(), QStringLiteral("first"));
    QCOMPARE(child<QLineEdit>(*page, "nameEdit")->text(), QStringLiteral("first"));
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/4 4/0/4"));
    QCOMPARE(page->tableView()->currentIndex().row(), 1);
    QVERIFY(!page->isRecording());
    QVERIFY(!page->hasUnsavedEdits());
    QCOMPARE(child<QListWidget>(*page, "macroList")->count(), 2);
    QCOMPARE(page->tableView()->columnWidth(0), 160);
}

void TestMacroDialog::loadedSettingsShowInControls_data()
{
    QTest::addColumn<int>("delayType");
    QTest::addColumn<int>("loopType");
    QTest::addColumn<bool>("recordDelays");
    QTest::addColumn<bool>("defaultDelay");
    QTest::addColumn<int>("loopOn");   // 0 none, else the option
    QTest::newRow("delay type 1 and loop 1") << 1 << 1 << true << false << 1;
    QTest::newRow("delay type 2 and loop 3") << 2 << 3 << false << true << 3;
    QTest::newRow("delay type 0 and no loop") << 0 << 0 << false << false << 0;
}

void TestMacroDialog::loadedSettingsShowInControls()
{
    QFETCH(int, delayType);
    QFETCH(int, loopType);
    QFETCH(bool, recordDelays);
    QFETCH(bool, defaultDelay);
    QFETCH(int, loopOn);
    saveMacro("m", "6/0/1", quint8(delayType), 250, loopType, 7);
    auto page = makePage();
    QCOMPARE(page->delayType(), delayType);
    QCOMPARE(child<QCheckBox>(*page, "recordDelayBox")->isChecked(), recordDelays);
    QCOMPARE(child<QCheckBox>(*page, "defaultDelayBox")->isChecked(), defaultDelay);
    QCOMPARE(child<QLineEdit>(*page, "defaultDelayEdit")->text(), QStringLiteral("250"));
    QCOMPARE(child<QLineEdit>(*page, "loopTimeEdit")->text(), QStringLiteral("7"));
    for (int option = 1; option <= 3; ++option) {
        const QByteArray name = "loopBox" + QByteArray::number(option);
        QCOMPARE(child<QCheckBox>(*page, name.constData())->isChecked(), option == loopOn);
    }
}

void TestMacroDialog::noteWhenRecordingIsNotSystemWide()
{
    const QByteArray session = qgetenv("XDG_SESSION_TYPE");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_SESSION_TYPE", "x11");
    auto page = makePage();
    QCOMPARE(child<QLabel>(*page, "noteLabel")->isVisible(), !page->keyCapture()->isSystemWide());
    QVERIFY(!child<QLabel>(*page, "noteLabel")->text().isEmpty());
    QVERIFY(!child<QLabel>(*page, "noteLabel")->text().contains("Wayland"));
    // Through XWayland the page says which keys it hears, whatever XInput2 offers.
    qputenv("XDG_SESSION_TYPE", "wayland");
    page.reset();
    auto waylandPage = makePage();
    QVERIFY(child<QLabel>(*waylandPage, "noteLabel")->isVisible());
    QVERIFY(child<QLabel>(*waylandPage, "noteLabel")->text().contains("X11"));
    qputenv("XDG_SESSION_TYPE", session);
    if (!wayland.isEmpty())
        qputenv("WAYLAND_DISPLAY", wayland);
}

// ---- Recording --------------------------------------------------------------------------

void TestMacroDialog::recordedDelays_data()
{
    QTest::addColumn<int>("delayType");
    QTest::addColumn<QString>("defaultDelay");
    QTest::addColumn<int>("gap");
    QTest::addColumn<QString>("rows");
    QTest::newRow("123 ms apart give count 12") << 1 << "10" << 123 << "132/0/4 6/0/12 4/0/4";
    QTest::newRow("same clock tick gives count 1") << 1 << "10" << 0 << "132/0/4 6/0/1 4/0/4";
    QTest::newRow("5 ms is raised to one unit") << 1 << "10" << 5 << "132/0/4 6/0/1 4/0/4";
    QTest::newRow("70 s gives a two-byte count 7000") << 1 << "10" << 70000 << "132/0/4 6/27/88 4/0/4";
    QTest::newRow("default delay 250 gives count 25") << 2 << "250" << 123 << "132/0/4 6/0/25 4/0/4";
    QTest::newRow("default delay 5 gives count 0") << 2 << "5" << 123 << "132/0/4 6/0/0 4/0/4";
    QTest::newRow("no delay rows without a delay type") << 0 << "10" << 123 << "132/0/4 4/0/4";
}

void TestMacroDialog::recordedDelays()
{
    QFETCH(int, delayType);
    QFETCH(QString, defaultDelay);
    QFETCH(int, gap);
    QFETCH(QString, rows);
    saveMacro("m", "6/0/9");
    auto page = makePage();
    if (delayType == 1)
        clickBox(child<QCheckBox>(*page, "recordDelayBox"));
    if (delayType == 2)
        clickBox(child<QCheckBox>(*page, "defaultDelayBox"));
    setField(child<QLineEdit>(*page, "defaultDelayEdit"), defaultDelay);
    QCOMPARE(page->delayType(), delayType);

    click(child<QWidget>(*page, "startButton"));
    QVERIFY(page->isRecording());
    QCOMPARE(page->eventTable()->rowCount(), 0);   // START clears the table
    // The first event has no delay before it, however long after START it comes.
    m_now += 5000;
    press(*page, kScanA);
    m_now += gap;
    release(*page, kScanA);
    click(child<QWidget>(*page, "stopButton"));
    QVERIFY(!page->isRecording());
    QCOMPARE(tableRows(*page), rows);
    QCOMPARE(fileRows("m"), rows);   // saved at STOP
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(page->tableView()->currentIndex().row(), page->eventTable()->rowCount() - 1);
}

void TestMacroDialog::autoRepeatGivesOnePress()
{
    saveMacro("m", "");
    auto page = makePage();
    click(child<QWidget>(*page, "startButton"));
    press(*page, kScanA);
    press(*page, kScanA);
    press(*page, kScanA);
    release(*page, kScanA);
    press(*page, kScanA);   // pressed again after its release: a new press
    release(*page, kScanA);
    click(child<QWidget>(*page, "stopButton"));
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/4 4/0/4 132/0/4 4/0/4"));
}

void TestMacroDialog::tableLimits_data()
{
    QTest::addColumn<int>("delayType");
    QTest::addColumn<int>("rows");
    QTest::newRow("no delays: the 41st row is not added") << 0 << 40;
    QTest::newRow("recorded delays: stops past 61 rows at 63") << 1 << 63;
    QTest::newRow("default delays: stops past 61 rows at 63") << 2 << 63;
}

void TestMacroDialog::tableLimits()
{
    QFETCH(int, delayType);
    QFETCH(int, rows);
    saveMacro("m", "", quint8(delayType));
    auto page = makePage();
    click(child<QWidget>(*page, "startButton"));
    for (int i = 0; i < 60; ++i) {
        press(*page, kScanA);
        m_now += 20;
        release(*page, kScanA);
        m_now += 20;
    }
    click(child<QWidget>(*page, "stopButton"));
    QCOMPARE(page->eventTable()->rowCount(), rows);
    QCOMPARE(fileRows("m").split(' ').size(), rows);
}

void TestMacroDialog::keyTranslation_data()
{
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("usage");
    QTest::newRow("numpad 7 (0x47 plain) records 235") << 0x47 << 0 << 0 << 235 << 0x5F;
    QTest::newRow("Home (0x47 extended) records 0x47") << 0x47 << 0x01 << 0 << 0x47 << 0x4A;
    QTest::newRow("right Alt (0x38, vk 0xA5) records 239") << 0x38 << 0x21 << 0xA5 << 239 << 0xE6;
    QTest::newRow("left Alt records 0x38") << 0x38 << 0x20 << 0xA4 << 0x38 << 0xE2;
    QTest::newRow("right Ctrl (0x1D extended) records 238") << 0x1D << 0x01 << 0 << 238 << 0xE4;
    QTest::newRow("keypad Enter (0x1C extended) records 229") << 0x1C << 0x01 << 0 << 229 << 0x58;
    QTest::newRow("keypad dot (0x53 plain) records 224") << 0x53 << 0 << 0 << 224 << 0x63;
    QTest::newRow("Delete (0x53 extended) records 0x53") << 0x53 << 0x01 << 0 << 0x53 << 0x4C;
}

void TestMacroDialog::keyTranslation()
{
    QFETCH(int, scan);
    QFETCH(int, flags);
    QFETCH(int, virtualKey);
    QFETCH(int, code);
    QFETCH(int, usage);
    quint8 tableUsage = 0;
    QVERIFY(UsageFromCode(code, tableUsage));
    QCOMPARE(int(tableUsage), usage);
    saveMacro("m", "");
    auto page = makePage();
    click(child<QWidget>(*page, "startButton"));
    press(*page, scan, quint32(flags), quint32(virtualKey));
    release(*page, scan, quint32(flags) & 0x01, quint32(virtualKey));
    click(child<QWidget>(*page, "stopButton"));
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/%1 4/0/%1").arg(usage));
    QVERIFY(m_messages.isEmpty());
}

void TestMacroDialog::unreleasedKeysWarn_data()
{
    QTest::addColumn<QString>("sequence");   // +A press, -A release
    QTest::addColumn<bool>("warned");
    QTest::newRow("A down, B down, A up: B still held") << "+A +B -A" << true;
    QTest::newRow("A down, A up") << "+A -A" << false;
    QTest::newRow("A down, B down, B up, A up") << "+A +B -B -A" << false;
    QTest::newRow("only a release") << "-C" << false;
}

void TestMacroDialog::unreleasedKeysWarn()
{
    QFETCH(QString, sequence);
    QFETCH(bool, warned);
    saveMacro("m", "");
    auto page = makePage();
    click(child<QWidget>(*page, "startButton"));
    for (const QString& step : sequence.split(' ')) {
        const int scan = step[1] == 'A' ? kScanA : step[1] == 'B' ? kScanB : kScanC;
        if (step[0] == '+')
            press(*page, scan);
        else
            release(*page, scan);
    }
    click(child<QWidget>(*page, "stopButton"));
    QCOMPARE(m_messages.contains(QStringLiteral("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")), warned);
    // The rows are kept and saved either way.
    QCOMPARE(page->eventTable()->rowCount(), sequence.split(' ').size());
    QCOMPARE(fileRows("m"), tableRows(*page));
    QVERIFY(!page->CheckAllReleased() == warned);
}

void TestMacroDialog::recordingWithoutMacroRecordsNothing()
{
    auto page = makePage();
    QSignalSpy enable(page.get(), &MacroDialog::EnableButtonsSignal);
    click(child<QWidget>(*page, "startButton"));
    QVERIFY(page->isRecording());
    QVERIFY(!page->keyCapture()->isActive());
    press(*page, kScanA);
    QCOMPARE(page->eventTable()->rowCount(), 0);
    click(child<QWidget>(*page, "stopButton"));
    QVERIFY(!QFileInfo::exists(MacroFilePath(QString())));
    QVERIFY(QDir(MacroFolder()).entryList(QDir::Files).isEmpty());
}

void TestMacroDialog::keysOutsideRecordingAreIgnored()
{
    saveMacro("m", "6/0/1");
    auto page = makePage();
    press(*page, kScanA);
    release(*page, kScanA);
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/1"));
    click(child<QWidget>(*page, "startButton"));
    click(child<QWidget>(*page, "stopButton"));
    press(*page, kScanA);   // the hook is gone after STOP
    QCOMPARE(page->eventTable()->rowCount(), 0);
}

void TestMacroDialog::typedKeysReachTheRecorderOnce()
{
    saveMacro("m", "");
    auto page = makePage();
    page->activateWindow();
    if (!QTest::qWaitForWindowActive(page.get()))
        QSKIP("the offscreen window did not become active");
    if (page->keyCapture()->isSystemWide())
        QSKIP("simulated Qt key events do not reach the X server the recorder listens to");
    click(child<QWidget>(*page, "startButton"));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), QStringLiteral("focusLabel"));
    QTest::keyPress(focus, Qt::Key_B);
    QTest::keyRelease(focus, Qt::Key_B);
    click(child<QWidget>(*page, "stopButton"));
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/5 4/0/5"));
}

void TestMacroDialog::enablingWhileRecording()
{
    saveMacro("m", "6/0/1");
    auto page = makePage();
    QSignalSpy enable(page.get(), &MacroDialog::EnableButtonsSignal);
    click(child<QWidget>(*page, "startButton"));
    QCOMPARE(enable.count(), 1);
    QCOMPARE(enable.last().at(0).toBool(), false);
    for (const char* name : {"newButton", "deleteButton", "renameButton", "mouseActionButton", "recordAfterButton",
                             "rowDelete", "rowEdit", "rowTop", "rowCopy", "rowPaste", "nameEdit",
                             "defaultDelayEdit", "loopTimeEdit", "loopBox1", "macroList", "importButton",
                             "exportButton", "insertDelayButton", "saveButton", "cancelButton"}) {
        QVERIFY2(!child<QWidget>(*page, name)->isEnabled(), name);
    }
    QVERIFY(child<QWidget>(*page, "stopButton")->isVisible());
    QVERIFY(child<QWidget>(*page, "stopButton")->isEnabled());
    QVERIFY(!child<QWidget>(*page, "startButton")->isVisible());
    click(child<QWidget>(*page, "stopButton"));
    QCOMPARE(enable.count(), 2);
    QCOMPARE(enable.last().at(0).toBool(), true);
    for (const char* name : {"newButton", "rowEdit", "macroList", "saveButton", "cancelButton", "startButton"})
        QVERIFY2(child<QWidget>(*page, name)->isEnabled(), name);
}

// ---- Row editor ---------------------------------------------------------------------------

void TestMacroDialog::editorKeyRow()
{
    saveMacro("m", "132/0/4 4/0/4");
    auto page = makePage();
    QSignalSpy enable(page.get(), &MacroDialog::EnableButtonsSignal);
    clickTableRow(*page, 0);
    click(child<QWidget>(*page, "rowEdit"));
    QVERIFY(page->isEditing());
    QCOMPARE(enable.count(), 1);
    QVERIFY(!child<QWidget>(*page, "startButton")->isEnabled());
    QVERIFY(child<QWidget>(*page, "saveButton")->isEnabled());
    QVERIFY(child<QWidget>(*page, "keyField")->isVisible());
    QVERIFY(!child<QWidget>(*page, "importButton")->isVisible());
    QVERIFY(!child<QWidget>(*page, "defaultDelayEdit")->isVisible());
    QVERIFY(!child<QWidget>(*page, "recordDelayBox")->isVisible());
    QVERIFY(page->keyCapture()->isActive());
    int codeA = 0;
    QVERIFY(CodeFromUsage(4, codeA));
    QCOMPARE(child<QLineEdit>(*page, "keyField")->text(), KeyName(codeA));

    press(*page, kScanB);
    press(*page, kScanC, 0);
    release(*page, kScanC);
    release(*page, kScanB);   // releases in any order leave the last pressed key
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/6 4/0/4"));
    QCOMPARE(child<QLineEdit>(*page, "keyField")->text(), KeyName(kScanC));

    // The next key row waits for a key of its own, even the same one.
    clickTableRow(*page, 1);
    press(*page, kScanC);
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/6 4/0/6"));

    click(child<QWidget>(*page, "saveButton"));
    QVERIFY(!page->isEditing());
    QVERIFY(!page->keyCapture()->isActive());
    QCOMPARE(enable.last().at(0).toBool(), true);
    QVERIFY(child<QWidget>(*page, "importButton")->isVisible());
    QVERIFY(!child<QWidget>(*page, "keyField")->isVisible());
    QCOMPARE(fileRows("m"), QStringLiteral("132/0/6 4/0/6"));
    press(*page, kScanA);
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/6 4/0/6"));
}

void TestMacroDialog::editorButtonRow()
{
    saveMacro("m", "129/0/1 1/0/1");
    auto page = makePage();
    clickTableRow(*page, 1);
    click(child<QWidget>(*page, "rowEdit"));
    auto* field = child<QPushButton>(*page, "buttonField");
    QVERIFY(field->isVisible());
    QCOMPARE(field->text(), QStringLiteral("LEFT CLICK"));
    QVERIFY(!page->keyCapture()->isActive());
    const QList<QAction*> actions = field->menu()->actions();
    QCOMPARE(actions.size(), 5);
    actions.at(2)->trigger();   // RIGHT CLICK
    QCOMPARE(field->text(), QStringLiteral("RIGHT CLICK"));
    QCOMPARE(tableRows(*page), QStringLiteral("129/0/1 1/0/2"));
    actions.at(4)->trigger();   // BACKWARD
    QCOMPARE(tableRows(*page), QStringLiteral("129/0/1 1/0/16"));
}

void TestMacroDialog::editorStepRow_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("shownDirection");
    QTest::addColumn<QString>("shownDistance");
    QTest::addColumn<int>("action");   // -1 none
    QTest::addColumn<QString>("typed");   // "-" leaves the field
    QTest::addColumn<QString>("result");
    QTest::newRow("MOVE LEFT chosen with distance 30") << "2/0/30" << "MOVE RIGHT" << "30" << 0 << "-" << "2/0/226";
    QTest::newRow("MOVE UP chosen with distance 5") << "2/5/0" << "MOVE DOWN" << "5" << 2 << "-" << "2/251/0";
    QTest::newRow("typing 7 for MOVE DOWN") << "2/20/0" << "MOVE DOWN" << "20" << -1 << "7" << "2/7/0";
    QTest::newRow("typing 12 for MOVE LEFT") << "2/0/200" << "MOVE LEFT" << "56" << -1 << "12" << "2/0/244";
    QTest::newRow("empty field for MOVE LEFT is a step of 0") << "2/0/200" << "MOVE LEFT" << "56" << -1 << ""
                                                               << "2/0/0";
    QTest::newRow("empty field then MOVE UP is a step of 0") << "2/0/10" << "MOVE RIGHT" << "10" << 2 << ""
                                                              << "2/0/0";
}

void TestMacroDialog::editorStepRow()
{
    QFETCH(QString, row);
    QFETCH(QString, shownDirection);
    QFETCH(QString, shownDistance);
    QFETCH(int, action);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    saveMacro("m", row);
    auto page = makePage();
    clickTableRow(*page, 0);
    click(child<QWidget>(*page, "rowEdit"));
    auto* movement = child<QPushButton>(*page, "movementField");
    auto* distance = child<QLineEdit>(*page, "distanceField");
    QVERIFY(movement->isVisible());
    QVERIFY(distance->isVisible());
    QVERIFY(child<QWidget>(*page, "distanceCaption")->isVisible());
    QCOMPARE(movement->text(), shownDirection);
    QCOMPARE(distance->text(), shownDistance);
    if (typed != QLatin1String("-"))
        setField(distance, typed);
    if (action >= 0)
        movement->menu()->actions().at(action)->trigger();
    QCOMPARE(tableRows(*page), result);
}

void TestMacroDialog::editorDelayRow()
{
    saveMacro("m", "6/0/5");
    auto page = makePage();
    clickTableRow(*page, 0);
    click(child<QWidget>(*page, "rowEdit"));
    auto* field = child<QLineEdit>(*page, "delayField");
    QVERIFY(field->isVisible());
    QCOMPARE(field->text(), QStringLiteral("50"));
    QVERIFY(!child<QWidget>(*page, "keyField")->isVisible());
    setField(field, "1500");
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/150"));
    setField(field, "65535");
    QCOMPARE(tableRows(*page), QStringLiteral("6/25/153"));   // 6553 counts
    setField(field, "15");
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/1"));
}

void TestMacroDialog::editorCancelDiscards()
{
    saveMacro("m", "6/0/5");
    auto page = makePage();
    clickTableRow(*page, 0);
    click(child<QWidget>(*page, "rowEdit"));
    setField(child<QLineEdit>(*page, "delayField"), "900");
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/90"));
    click(child<QWidget>(*page, "cancelButton"));
    QVERIFY(!page->isEditing());
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/5"));
    QCOMPARE(fileRows("m"), QStringLiteral("6/0/5"));
    QVERIFY(!child<QWidget>(*page, "delayField")->isVisible());
}

void TestMacroDialog::editorFollowsTheCurrentRow()
{
    saveMacro("m", "132/0/4 6/0/5 2/0/30 129/0/2");
    auto page = makePage();
    clickTableRow(*page, 0);
    click(child<QWidget>(*page, "rowEdit"));
    QVERIFY(child<QWidget>(*page, "keyField")->isVisible());
    QVERIFY(page->keyCapture()->isActive());
    clickTableRow(*page, 1);
    QVERIFY(child<QWidget>(*page, "delayField")->isVisible());
    QVERIFY(!child<QWidget>(*page, "keyField")->isVisible());
    QVERIFY(!page->keyCapture()->isActive());   // only key rows listen to the keyboard
    clickTableRow(*page, 2);
    QVERIFY(child<QWidget>(*page, "movementField")->isVisible());
    QVERIFY(!child<QWidget>(*page, "delayField")->isVisible());
    clickTableRow(*page, 3);
    QVERIFY(child<QWidget>(*page, "buttonField")->isVisible());
    QVERIFY(!child<QWidget>(*page, "distanceField")->isVisible());
    QCOMPARE(child<QLabel>(*page, "keyCaption")->text(), QStringLiteral("KEY"));
}

// ---- Mouse-action panel and row commands ---------------------------------------------------

void TestMacroDialog::mouseActionPanel_data()
{
    QTest::addColumn<int>("delayType");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("childRow");   // -1: the button item itself
    QTest::addColumn<bool>("openFirst");
    QTest::addColumn<QString>("rows");
    QTest::newRow("PRESS DOWN under LEFT CLICK with recorded delays") << 1 << 0 << 0 << true << "129/0/1 6/0/1";
    QTest::newRow("BOUNCE UP under FORWARD without delays") << 0 << 3 << 1 << true << "1/0/8";
    QTest::newRow("second press on open RIGHT CLICK is a whole click") << 0 << 2 << -1 << true << "129/0/2 1/0/2";
    QTest::newRow("whole MIDDLE CLICK with default delay 50") << 2 << 1 << -1 << true
                                                              << "129/0/4 6/0/5 1/0/4 6/0/5";
    QTest::newRow("first press only opens the item") << 0 << 4 << -1 << false << "";
}

void TestMacroDialog::mouseActionPanel()
{
    QFETCH(int, delayType);
    QFETCH(int, button);
    QFETCH(int, childRow);
    QFETCH(bool, openFirst);
    QFETCH(QString, rows);
    saveMacro("m", "", quint8(delayType), 50);
    auto page = makePage();
    click(child<QWidget>(*page, "mouseActionButton"));
    auto* tree = child<QTreeWidget>(*page, "mouseTree");
    QVERIFY(tree->isVisible());
    QTreeWidgetItem* item = tree->topLevelItem(button);
    const auto pressItem = [tree](QTreeWidgetItem* target) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(target).center());
    };
    if (openFirst) {
        tree->topLevelItem((button + 1) % 5)->setExpanded(true);
        pressItem(item);
        QVERIFY(item->isExpanded());
        QVERIFY(!tree->topLevelItem((button + 1) % 5)->isExpanded());
        QCOMPARE(page->eventTable()->rowCount(), 0);
    }
    pressItem(childRow >= 0 ? item->child(childRow) : item);
    QCOMPARE(tableRows(*page), rows);
    if (!openFirst)
        QVERIFY(item->isExpanded());
}

void TestMacroDialog::stepItems_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("rows");
    QTest::newRow("MOVE LEFT 30") << 0 << "30" << "2/0/226";
    QTest::newRow("MOVE RIGHT 120") << 1 << "120" << "2/0/120";
    QTest::newRow("MOVE UP 5") << 2 << "5" << "2/251/0";
    QTest::newRow("MOVE DOWN 1") << 3 << "1" << "2/1/0";
    QTest::newRow("empty MOVE LEFT field is a step of 0") << 0 << "" << "2/0/0";
}

void TestMacroDialog::stepItems()
{
    QFETCH(int, direction);
    QFETCH(QString, distance);
    QFETCH(QString, rows);
    saveMacro("m", "6/0/3");
    auto page = makePage();
    click(child<QWidget>(*page, "mouseActionButton"));
    auto* item = child<TarnMoveItem>(*page, QByteArray("moveItem" + QByteArray::number(direction)).constData());
    setField(item->distanceField(), distance);
    QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, QPoint(4, item->height() / 2));
    // Inserted after the current row (the last one after loading).
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/3 ") + rows);
}

void TestMacroDialog::mouseActionToggleSwapsPanels()
{
    saveMacro("m", "");
    auto page = makePage();
    auto* list = child<QWidget>(*page, "macroList");
    auto* tree = child<QWidget>(*page, "mouseTree");
    QVERIFY(list->isVisible() && !tree->isVisible());
    click(child<QWidget>(*page, "mouseActionButton"));
    QVERIFY(!list->isVisible() && tree->isVisible());
    QVERIFY(child<QWidget>(*page, "mouseCaption")->isVisible());
    QVERIFY(!child<QWidget>(*page, "nameCaption")->isVisible());
    click(child<QWidget>(*page, "mouseActionButton"));
    QVERIFY(list->isVisible() && !tree->isVisible());
}

void TestMacroDialog::insertDelay()
{
    saveMacro("m", "132/0/4 4/0/4");
    auto page = makePage();
    clickTableRow(*page, 0);
    click(child<QWidget>(*page, "insertDelayButton"));
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/4 6/0/1 4/0/4"));
    QCOMPARE(page->tableView()->currentIndex().row(), 1);
    QVERIFY(page->hasUnsavedEdits());
}

void TestMacroDialog::rowCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("current");
    // Rows are delays 1, 2, 3.
    QTest::newRow("TOP moves row 2 to 0") << "rowTop" << 2 << "6/0/3 6/0/1 6/0/2" << 0;
    QTest::newRow("BOTTOM moves row 0 to the end") << "rowBottom" << 0 << "6/0/2 6/0/3 6/0/1" << 2;
    QTest::newRow("MOVE UP") << "rowUp" << 1 << "6/0/2 6/0/1 6/0/3" << 0;
    QTest::newRow("MOVE DOWN") << "rowDown" << 1 << "6/0/1 6/0/3 6/0/2" << 2;
    QTest::newRow("MOVE UP on row 0 changes nothing") << "rowUp" << 0 << "6/0/1 6/0/2 6/0/3" << 0;
    QTest::newRow("MOVE DOWN on the last row changes nothing") << "rowDown" << 2 << "6/0/1 6/0/2 6/0/3" << 2;
    QTest::newRow("DELETE of the last row selects the new last") << "rowDelete" << 2 << "6/0/1 6/0/2" << 1;
    QTest::newRow("DELETE of a middle row selects its follower") << "rowDelete" << 1 << "6/0/1 6/0/3" << 1;
    QTest::newRow("CLEAR empties the table") << "rowClear" << 1 << "" << -1;
}

void TestMacroDialog::rowCommands()
{
    QFETCH(QString, command);
    QFETCH(int, row);
    QFETCH(QString, rows);
    QFETCH(int, current);
    saveMacro("m", "6/0/1 6/0/2 6/0/3");
    auto page = makePage();
    clickTableRow(*page, row);
    click(child<QWidget>(*page, command.toLatin1().constData()));
    QCOMPARE(tableRows(*page), rows);
    QCOMPARE(page->tableView()->currentIndex().row(), current);
    if (current >= 0)
        QVERIFY(page->tableView()->selectionModel()->isRowSelected(current, QModelIndex()));
    // Row commands edit the table only; the file changes on SAVE.
    QCOMPARE(fileRows("m"), QStringLiteral("6/0/1 6/0/2 6/0/3"));
    click(child<QWidget>(*page, "saveButton"));
    QCOMPARE(fileRows("m"), rows);
}

void TestMacroDialog::copyCutPaste()
{
    saveMacro("a", "6/0/1 6/0/2 6/0/3");
    saveMacro("b", "132/0/4 4/0/4");
    auto page = makePage();
    // Rows 0..1 selected: copy, then paste after row 2.
    clickTableRow(*page, 0);
    QTest::mouseClick(page->tableView()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      page->tableView()->visualRect(page->eventTable()->index(1, 0)).center());
    click(child<QWidget>(*page, "rowCopy"));
    QCOMPARE(page->clipboardSize(), 2);
    clickTableRow(*page, 2);
    click(child<QWidget>(*page, "rowPaste"));
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/1 6/0/2 6/0/3 6/0/1 6/0/2"));
    QCOMPARE(page->tableView()->currentIndex().row(), 4);
    // CUT row 2, then paste it into the other macro.
    clickTableRow(*page, 2);
    click(child<QWidget>(*page, "rowCut"));
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/1 6/0/2 6/0/1 6/0/2"));
    QCOMPARE(page->tableView()->currentIndex().row(), 2);
    click(child<QWidget>(*page, "saveButton"));
    clickListRow(*page, "b");
    QCOMPARE(page->currentName(), QStringLiteral("b"));
    clickTableRow(*page, 0);
    click(child<QWidget>(*page, "rowPaste"));
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/4 6/0/3 4/0/4"));
    click(child<QWidget>(*page, "saveButton"));
    QCOMPARE(fileRows("b"), QStringLiteral("132/0/4 6/0/3 4/0/4"));
    QCOMPARE(fileRows("a"), QStringLiteral("6/0/1 6/0/2 6/0/1 6/0/2"));
    QVERIFY(m_messages.isEmpty());
}

void TestMacroDialog::pasteStopsAtMacroCapacity()
{
    QStringList rows;
    for (int i = 0; i < 62; ++i)
        rows << "6/0/1";
    saveMacro("m", rows.join(' '));
    auto page = makePage();
    clickTableRow(*page, 0);
    click(child<QWidget>(*page, "rowCopy"));
    click(child<QWidget>(*page, "rowPaste"));
    QCOMPARE(page->eventTable()->rowCount(), 63);
    QVERIFY(m_messages.isEmpty());
    click(child<QWidget>(*page, "rowPaste"));
    QCOMPARE(page->eventTable()->rowCount(), 63);
    QCOMPARE(m_messages.size(), 1);
}

// ---- Macro commands --------------------------------------------------------------------------

void TestMacroDialog::newMacro()
{
    saveMacro("name_1", "6/0/1", 1, 40, 2, 9);
    saveMacro("name_2", "");
    auto page = makePage();
    click(child<QWidget>(*page, "newButton"));
    QCOMPARE(page->currentName(), QStringLiteral("name_3"));
    QCOMPARE(child<QLineEdit>(*page, "nameEdit")->text(), QStringLiteral("name_3"));
    QVERIFY(MacroFileExists("name_3"));
    QCOMPARE(MacroNames(), (QStringList{"name_1", "name_2", "name_3"}));
    QCOMPARE(child<QListWidget>(*page, "macroList")->currentItem()->text(), QStringLiteral("name_3"));
    QCOMPARE(page->eventTable()->rowCount(), 0);
    QCOMPARE(page->delayType(), 0);
    QVERIFY(!child<QCheckBox>(*page, "recordDelayBox")->isChecked());
    QVERIFY(!child<QCheckBox>(*page, "loopBox2")->isChecked());
    QCOMPARE(child<QLineEdit>(*page, "defaultDelayEdit")->text(), QStringLiteral("10"));
    QCOMPARE(child<QLineEdit>(*page, "loopTimeEdit")->text(), QStringLiteral("1"));
    MacroData data;
    QVERIFY(LoadMacroFile("name_3", data));
    QCOMPARE(data.settings.DefaultDelay, 10);
    QCOMPARE(data.settings.LoopTime, 1);

    // No file can be written: said, and no macro without a file is listed.
    QVERIFY(QDir(m_app->file("Configs/MacroDB")).removeRecursively());
    m_app->write("Configs/MacroDB", "a file where the folder was");
    m_messages.clear();
    click(child<QWidget>(*page, "newButton"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith(QLatin1String("THE MACRO COULD NOT BE SAVED AS ")), qPrintable(m_messages[0]));
    QCOMPARE(MacroNames(), (QStringList{"name_1", "name_2", "name_3"}));
    QCOMPARE(page->currentName(), QStringLiteral("name_3"));
}

void TestMacroDialog::newRefusedAtFiftyMacros()
{
    for (int i = 0; i < 50; ++i)
        QVERIFY(AddMacroName(QStringLiteral("m%1").arg(i)) >= 0);
    auto page = makePage();
    click(child<QWidget>(*page, "newButton"));
    QCOMPARE(m_messages, QStringList{"TOO MANY MACROS TO BE CREATE!"});
    QCOMPARE(CountMacroNames(), 50);
    QVERIFY(!MacroFileExists("name_1"));
}

void TestMacroDialog::changeName_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("result");
    QTest::newRow("free name is taken as typed") << QStringList{} << "fresh" << "fresh";
    QTest::newRow("existing a gives a_2") << QStringList{"a"} << "a" << "a_2";
    QTest::newRow("a and a_2 exist gives a_3") << QStringList{"a", "a_2"} << "a" << "a_3";
}

void TestMacroDialog::changeName()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, wanted);
    QFETCH(QString, result);
    saveMacro("old", "6/0/7");
    for (const QString& name : existing)
        saveMacro(name, "");
    auto page = makePage();
    QCOMPARE(page->currentName(), QStringLiteral("old"));
    setField(child<QLineEdit>(*page, "nameEdit"), wanted);
    click(child<QWidget>(*page, "renameButton"));
    QCOMPARE(page->currentName(), result);
    QCOMPARE(child<QLineEdit>(*page, "nameEdit")->text(), result);
    QVERIFY(!MacroFileExists("old"));
    QCOMPARE(fileRows(result), QStringLiteral("6/0/7"));
    QVERIFY(!ContainsMacroName("old"));
    QCOMPARE(MacroNames().first(), result);   // the same key, renamed
    QCOMPARE(child<QListWidget>(*page, "macroList")->item(0)->text(), result);
}

void TestMacroDialog::unsafeNamesRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << "..";
    QTest::newRow("path into the parent") << "../evil";
    QTest::newRow("slash") << "a/b";
    QTest::newRow("empty") << "";
}

void TestMacroDialog::unsafeNamesRefused()
{
    QFETCH(QString, name);
    saveMacro("old", "6/0/7");
    auto page = makePage();
    setField(child<QLineEdit>(*page, "nameEdit"), name);
    click(child<QWidget>(*page, "renameButton"));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(page->currentName(), QStringLiteral("old"));
    QVERIFY(MacroFileExists("old"));
    QCOMPARE(MacroNames(), QStringList{"old"});
    QCOMPARE(QDir(m_app->path() + "/Configs").entryList(QDir::Files | QDir::NoDotAndDotDot).filter("MSMACRO"),
             QStringList());
}

void TestMacroDialog::deleteMacro()
{
    saveMacro("a", "6/0/1");
    saveMacro("b", "6/0/2");
    saveMacro("c", "6/0/3");
    auto page = makePage();
    clickListRow(*page, "b");
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/2"));
    click(child<QWidget>(*page, "deleteButton"));
    QVERIFY(m_messages.isEmpty());   // no confirmation
    QVERIFY(!MacroFileExists("b"));
    QCOMPARE(MacroNames(), (QStringList{"a", "c"}));
    QCOMPARE(page->currentName(), QStringLiteral("c"));
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/3"));
    click(child<QWidget>(*page, "deleteButton"));
    click(child<QWidget>(*page, "deleteButton"));
    QCOMPARE(MacroNames(), QStringList());
    QCOMPARE(page->eventTable()->rowCount(), 0);
    QVERIFY(child<QLineEdit>(*page, "nameEdit")->text().isEmpty());
    click(child<QWidget>(*page, "deleteButton"));   // nothing left: nothing happens
}

void TestMacroDialog::unsavedEditsAskBeforeSwitching_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("No keeps the edited macro") << 0 << "a";
    QTest::newRow("Yes drops the edits and loads the other") << 1 << "b";
}

void TestMacroDialog::unsavedEditsAskBeforeSwitching()
{
    QFETCH(int, answer);
    QFETCH(QString, shown);
    saveMacro("a", "6/0/1");
    saveMacro("b", "6/0/2");
    auto page = makePage();
    // Unedited: switching asks nothing.
    clickListRow(*page, "b");
    clickListRow(*page, "a");
    QVERIFY(m_messages.isEmpty());
    click(child<QWidget>(*page, "insertDelayButton"));
    QVERIFY(page->hasUnsavedEdits());
    m_answer = answer;
    clickListRow(*page, "b");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(page->currentName(), shown);
    QCOMPARE(child<QListWidget>(*page, "macroList")->currentItem()->text(), shown);
    QCOMPARE(tableRows(*page), shown == "a" ? QStringLiteral("6/0/1 6/0/1") : QStringLiteral("6/0/2"));
    QCOMPARE(fileRows("a"), QStringLiteral("6/0/1"));
    if (shown == "a") {
        // SAVE still writes the shown macro under its own name.
        click(child<QWidget>(*page, "saveButton"));
        QCOMPARE(fileRows("a"), QStringLiteral("6/0/1 6/0/1"));
        QCOMPARE(fileRows("b"), QStringLiteral("6/0/2"));
    }
}

void TestMacroDialog::keyboardSelectionLoads()
{
    saveMacro("a", "6/0/1");
    saveMacro("b", "6/0/2");
    auto page = makePage();
    auto* list = child<QListWidget>(*page, "macroList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(page->currentName(), QStringLiteral("b"));
    QCOMPARE(tableRows(*page), QStringLiteral("6/0/2"));
}

void TestMacroDialog::loopOptionsExclusive()
{
    saveMacro("m", "");
    auto page = makePage();
    auto* one = child<QCheckBox>(*page, "loopBox1");
    auto* two = child<QCheckBox>(*page, "loopBox2");
    auto* three = child<QCheckBox>(*page, "loopBox3");
    clickBox(one);
    clickBox(three);
    QVERIFY(!one->isChecked() && !two->isChecked() && three->isChecked());
    setField(child<QLineEdit>(*page, "loopTimeEdit"), "12");
    click(child<QWidget>(*page, "saveButton"));
    MacroData data;
    QVERIFY(LoadMacroFile("m", data));
    QCOMPARE(data.settings.LoopType, 3);
    QCOMPARE(data.settings.LoopTime, 12);
    clickBox(three);
    click(child<QWidget>(*page, "saveButton"));
    QVERIFY(LoadMacroFile("m", data));
    QCOMPARE(data.settings.LoopType, 0);
}

void TestMacroDialog::delayBoxesExclusive()
{
    saveMacro("m", "");
    auto page = makePage();
    auto* record = child<QCheckBox>(*page, "recordDelayBox");
    auto* fixed = child<QCheckBox>(*page, "defaultDelayBox");
    clickBox(record);
    QCOMPARE(page->delayType(), 1);
    clickBox(fixed);
    QCOMPARE(page->delayType(), 2);
    QVERIFY(!record->isChecked());
    clickBox(fixed);
    QCOMPARE(page->delayType(), 0);
    QVERIFY(!record->isChecked() && !fixed->isChecked());
}

// ---- Import, export, batch, gun set ----------------------------------------------------------

void TestMacroDialog::importSingle()
{
    saveMacro("here", "6/0/1");
    m_app->write("outside/shot.MSMACRO", "[Setting]\nDelayType=1\nCount=2\nMap_0=132\nDataH_0=7\nDataL_0=4\n"
                                         "Map_1=4\nDataH_1=0\nDataL_1=4\n");
    auto page = makePage();
    m_fileAnswer = QStringList{m_app->file("outside/shot.MSMACRO")};
    click(child<QWidget>(*page, "importButton"));
    QCOMPARE(m_fileAsks, QList<MacroDialog::FileDialogKind>{MacroDialog::FileDialogKind::OpenFile});
    QVERIFY(MacroFileExists("shot"));
    QCOMPARE(MacroNames(), (QStringList{"here", "shot"}));
    QCOMPARE(page->currentName(), QStringLiteral("shot"));
    QCOMPARE(tableRows(*page), QStringLiteral("132/0/4 4/0/4"));
    QCOMPARE(page->delayType(), 1);
}

void TestMacroDialog::importExisting()
{
    saveMacro("shot", "6/0/1");
    m_app->write("outside/shot.MSMACRO", "[Setting]\nCount=1\nMap_0=6\nDataH_0=0\nDataL_0=99\n");
    auto page = makePage();
    m_fileAnswer = QStringList{m_app->file("outside/shot.MSMACRO")};
    click(child<QWidget>(*page, "importButton"));
    QCOMPARE(m_messages, QStringList{"Macro Exist!"});
    QCOMPARE(fileRows("shot"), QStringLiteral("6/0/1"));
    QCOMPARE(MacroNames(), QStringList{"shot"});
}

void TestMacroDialog::importUnsafeName()
{
    m_app->write("outside/...MSMACRO", "[Setting]\nCount=0\n");
    auto page = makePage();
    m_fileAnswer = QStringList{m_app->file("outside/...MSMACRO")};
    click(child<QWidget>(*page, "importButton"));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(MacroNames(), QStringList());
    QVERIFY(!QFileInfo::exists(m_app->file("Configs/...MSMACRO")));
}

void TestMacroDialog::exportSingle()
{
    saveMacro("m", "6/0/4");
    auto page = makePage();
    const QString target = m_app->file("out/copy.MSMACRO");
    QDir().mkpath(m_app->file("out"));
    m_app->write("out/copy.MSMACRO", "old");
    m_fileAnswer = QStringList{target};
    click(child<QWidget>(*page, "exportButton"));
    QCOMPARE(m_fileAsks, QList<MacroDialog::FileDialogKind>{MacroDialog::FileDialogKind::SaveFile});
    QCOMPARE(m_app->read("out/copy.MSMACRO"), m_app->read("Configs/MacroDB/m.MSMACRO"));
}

void TestMacroDialog::exportAddsSuffixAndReportsFailure()
{
    saveMacro("m", "6/0/4");
    auto page = makePage();
    m_fileAnswer = QStringList{m_app->file("bare")};
    click(child<QWidget>(*page, "exportButton"));
    QCOMPARE(m_app->read("bare.MSMACRO"), m_app->read("Configs/MacroDB/m.MSMACRO"));
    QVERIFY(!QFileInfo::exists(m_app->file("bare")));
    QVERIFY(m_messages.isEmpty());
    m_fileAnswer = QStringList{m_app->file("no/such/folder/m.MSMACRO")};
    click(child<QWidget>(*page, "exportButton"));
    QCOMPARE(m_messages.size(), 1);
}

void TestMacroDialog::insertionsStopAtTheMouseLimit_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("delayType");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("rows");
    QTest::newRow("INSERT DELAY reaches 63") << "6/0/1" << 62 << 0 << "delay" << 63;
    QTest::newRow("INSERT DELAY past 63") << "6/0/1" << 63 << 0 << "delay" << 63;
    QTest::newRow("press without delays stops at 51") << "129/0/1" << 51 << 0 << "press" << 51;
    QTest::newRow("press with its delay may pass 51") << "129/0/1" << 51 << 1 << "press" << 53;
    QTest::newRow("press and its delay past 63 both refused") << "6/0/1" << 62 << 1 << "press" << 62;
    QTest::newRow("step without delays stops at 51") << "129/0/1" << 51 << 0 << "step" << 51;
    QTest::newRow("PASTE without delays stops at 51") << "129/0/1" << 51 << 0 << "paste" << 51;
    QTest::newRow("PASTE with delays reaches 63") << "6/0/1" << 62 << 0 << "paste" << 63;
}

void TestMacroDialog::insertionsStopAtTheMouseLimit()
{
    QFETCH(QString, row);
    QFETCH(int, count);
    QFETCH(int, delayType);
    QFETCH(QString, action);
    QFETCH(int, rows);
    saveMacro("m", QVector<QString>(count, row).toList().join(' '), quint8(delayType));
    auto page = makePage();
    if (action == "delay") {
        click(child<QWidget>(*page, "insertDelayButton"));
    } else if (action == "press") {
        page->TreeitemClick(child<QTreeWidget>(*page, "mouseTree")->topLevelItem(0)->child(0), 0);
    } else if (action == "step") {
        click(child<QWidget>(*page, "mouseActionButton"));
        auto* step = child<TarnMoveItem>(*page, "moveItem1");
        QTest::mouseClick(step, Qt::LeftButton, Qt::NoModifier, QPoint(4, step->height() / 2));
    } else {
        clickTableRow(*page, 0);
        click(child<QWidget>(*page, "rowCopy"));
        click(child<QWidget>(*page, "rowPaste"));
    }
    QCOMPARE(page->eventTable()->rowCount(), rows);
    QCOMPARE(m_messages.size(), rows == count ? 1 : 0);
}

void TestMacroDialog::boundMacroRenameAndDelete()
{
    m_app->installShippedDescriptor();
    saveMacro("m", "6/0/4");
    saveMacro("other", "6/0/5");
    SettingsRecord& settings = MouseSession::instance().current();
    const SettingsRecord saved = settings;
    for (int slot : {1, 3}) {
        settings.profiles[slot].BUTTON_INFO[2].Fun = kMacroFunction;
        settings.profiles[slot].BUTTON_INFO[2].macroname = QStringLiteral("m");
    }
    auto page = makePage();
    QSignalSpy changed(page.get(), &MacroDialog::BindingsChangedSignal);
    setField(child<QLineEdit>(*page, "nameEdit"), "renamed");
    click(child<QWidget>(*page, "renameButton"));
    QCOMPARE(settings.profiles[3].BUTTON_INFO[2].macroname, QStringLiteral("renamed"));
    QCOMPARE(changed.count(), 1);

    // Asked first, naming the buttons; "No" keeps everything.
    m_answer = 0;
    click(child<QWidget>(*page, "deleteButton"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains("PROFILE 2 BUTTON 3, PROFILE 4 BUTTON 3"), qPrintable(m_messages[0]));
    QVERIFY(ContainsMacroName("renamed"));
    m_answer = 1;
    click(child<QWidget>(*page, "deleteButton"));
    QVERIFY(!ContainsMacroName("renamed"));
    QVERIFY(MouseSession::instance().macroBindings("renamed").isEmpty());
    QVERIFY(settings.profiles[1].BUTTON_INFO[2].Fun != kMacroFunction);
    QCOMPARE(changed.count(), 2);
    settings = saved;
}

void TestMacroDialog::batchImportExport()
{
    saveMacro("kept", "6/0/1");
    m_app->write("in/kept.MSMACRO", "[Setting]\nCount=1\nMap_0=6\nDataH_0=0\nDataL_0=77\n");
    m_app->write("in/fresh.MSMACRO", "[Setting]\nCount=1\nMap_0=6\nDataH_0=0\nDataL_0=2\n");
    m_app->write("in/...MSMACRO", "[Setting]\nCount=0\n");
    auto page = makePage();
    clickBox(child<QCheckBox>(*page, "batchBox"));
    QVERIFY(page->batchMode());
    auto* list = child<QListWidget>(*page, "macroList");
    QVERIFY(list->item(0)->flags() & Qt::ItemIsUserCheckable);
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);

    m_fileAnswer = QStringList{m_app->file("in/kept.MSMACRO"), m_app->file("in/fresh.MSMACRO"),
                               m_app->file("in/...MSMACRO")};
    click(child<QWidget>(*page, "importButton"));
    QCOMPARE(m_fileAsks.last(), MacroDialog::FileDialogKind::OpenFiles);
    QCOMPARE(MacroNames(), (QStringList{"kept", "fresh"}));   // no second "kept"
    QCOMPARE(fileRows("kept"), QStringLiteral("6/0/1"));       // not overwritten
    QCOMPARE(fileRows("fresh"), QStringLiteral("6/0/2"));
    QCOMPARE(m_messages.size(), 1);                            // the unusable name
    QCOMPARE(list->count(), 2);
    QCOMPARE(page->currentName(), QStringLiteral("kept"));     // the shown macro stays selected
    QCOMPARE(list->currentItem()->text(), QStringLiteral("kept"));

    list->item(1)->setCheckState(Qt::Checked);
    QDir().mkpath(m_app->file("exported"));
    m_fileAnswer = QStringList{m_app->file("exported")};
    click(child<QWidget>(*page, "exportButton"));
    QCOMPARE(m_fileAsks.last(), MacroDialog::FileDialogKind::Directory);
    QCOMPARE(QDir(m_app->file("exported")).entryList(QDir::Files), QStringList{"fresh.MSMACRO"});
    QCOMPARE(m_app->read("exported/fresh.MSMACRO"), m_app->read("Configs/MacroDB/fresh.MSMACRO"));
    // Again into the same folder: asked once for what is there; no means nothing changes.
    list->item(0)->setCheckState(Qt::Checked);
    m_app->write("exported/fresh.MSMACRO", "old");
    m_messages.clear();
    m_answer = 0;
    click(child<QWidget>(*page, "exportButton"));
    QCOMPARE(m_messages, QStringList{"fresh.MSMACRO already exists. Replace it?"});
    QCOMPARE(m_app->read("exported/fresh.MSMACRO"), QByteArray("old"));
    QCOMPARE(QDir(m_app->file("exported")).entryList(QDir::Files), QStringList{"fresh.MSMACRO"});
    m_answer = 1;
    click(child<QWidget>(*page, "exportButton"));
    QCOMPARE(m_app->read("exported/fresh.MSMACRO"), m_app->read("Configs/MacroDB/fresh.MSMACRO"));
    QCOMPARE(QDir(m_app->file("exported")).entryList(QDir::Files), (QStringList{"fresh.MSMACRO", "kept.MSMACRO"}));
    list->item(0)->setCheckState(Qt::Unchecked);

    clickBox(child<QCheckBox>(*page, "batchBox"));
    QVERIFY(!page->batchMode());
    QVERIFY(!(list->item(0)->flags() & Qt::ItemIsUserCheckable));
    QVERIFY(!list->item(0)->data(Qt::CheckStateRole).isValid());
}

void TestMacroDialog::batchDisablesEditing()
{
    saveMacro("m", "6/0/1");
    auto page = makePage();
    clickBox(child<QCheckBox>(*page, "batchBox"));
    for (const char* name : {"newButton", "deleteButton", "loopBox1", "loopTimeEdit", "nameEdit",
                             "recordAfterButton", "rowDelete", "rowPaste", "mouseActionButton", "saveButton",
                             "cancelButton", "rowEdit", "renameButton", "startButton"}) {
        QVERIFY2(!child<QWidget>(*page, name)->isEnabled(), name);
    }
    for (const char* name : {"importButton", "exportButton", "insertDelayButton", "gunSetButton", "macroList"})
        QVERIFY2(child<QWidget>(*page, name)->isEnabled(), name);
    clickBox(child<QCheckBox>(*page, "batchBox"));
    for (const char* name : {"newButton", "saveButton", "startButton", "rowEdit"})
        QVERIFY2(child<QWidget>(*page, name)->isEnabled(), name);
}

void TestMacroDialog::gunSetLoadsTheWrittenMacro()
{
    saveMacro("m", "6/0/1");
    auto page = makePage();
    int runs = 0;
    page->setGunSetHook([&runs](QString& saved) {
        ++runs;
        MacroData data;
        data.settings = MacroSettings{10, 1, 0, 1};
        data.events = ParseRows("129/0/1 6/0/3 2/4/0 1/0/1");
        SaveMacroFile("gun", data);
        AddMacroName("gun");
        saved = QStringLiteral("gun");
        return true;
    });
    click(child<QWidget>(*page, "gunSetButton"));
    QCOMPARE(runs, 1);
    QCOMPARE(page->currentName(), QStringLiteral("gun"));
    QCOMPARE(MacroNames(), (QStringList{"m", "gun"}));
    QCOMPARE(tableRows(*page), QStringLiteral("129/0/1 6/0/3 2/4/0 1/0/1"));
    QCOMPARE(page->delayType(), 1);
    page->setGunSetHook([](QString&) { return false; });
    click(child<QWidget>(*page, "gunSetButton"));
    QCOMPARE(page->currentName(), QStringLiteral("gun"));
}

QTEST_MAIN(TestMacroDialog)
#include "tst_macrodialog.moc"
