// The write sequence against the virtual mouse: which blocks each change sends and in
// what order, Config/Diff after failures, and the macro memory after a write.
#include "AppPaths.h"
#include "ConfigFiles.h"
#include "GlobalConfig.h"
#include "MacroFile.h"
#include "MouseSession.h"
#include "ProfileWriter.h"
#include "VirtualMouseFixture.h"

#include <QtTest>

using Fault = VirtualMouse::Fault;

class ProfileWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writeOrder_data();
    void writeOrder();
    void nothingChangedSendsNothing();
    void failedWriteSetsDiffAndNextWriteSendsAll();
    void unplugInTheMiddleOfAWrite();
    void asleepMouseGetsNothing();
    void unsavedFilesAreNoSuccess();
    void rerecordedMacroRewritesButtons();
    void macroMemoryAfterWrite();
};

namespace {

SettingsRecord Defaults()
{
    SettingsRecord s;
    for (ProfileRecord& p : s.profiles)
        MakeDefaultProfile(p);
    for (int i = 0; i < kProfileCount; ++i)
        s.names[i] = QStringLiteral("P%1").arg(i + 1);
    return s;
}

// Start from a mouse and a host in step.
void InStep(VirtualMouseFixture& f, const SettingsRecord& s)
{
    CurrentSettings() = s;
    WrittenSettings() = s;
    SetConfigDiff(0);
    MouseAsleep() = false;
    f.mouse->clearLogs();
    f.mouse->resetCounters();
}

using Edit = std::function<void(SettingsRecord&)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

void ProfileWriterTest::init()
{
    HidTransport::instance().setTiming({1, 20, 1});
}

void ProfileWriterTest::writeOrder_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QVector<quint8>>("commits");  // blocks committed, in order

    QTest::newRow("another profile: the mouse gets all of it")
        << Edit([](SettingsRecord& s) { s.ProfileID = 1; }) << QVector<quint8>{0x01, 0x03, 0x02, 0x04};
    QTest::newRow("a DPI level") << Edit([](SettingsRecord& s) { s.profiles[0].DPI_INFO[2].x = 40; })
                                 << QVector<quint8>{0x01, 0x02};
    QTest::newRow("a button") << Edit([](SettingsRecord& s) { s.profiles[0].BUTTON_INFO[2].Fun = 48; })
                              << QVector<quint8>{0x01, 0x03};
    QTest::newRow("the lighting") << Edit([](SettingsRecord& s) { s.profiles[0].LedModes[1].bright = 1; })
                                  << QVector<quint8>{0x01, 0x04};
    QTest::newRow("everything: buttons, DPI, lighting in that order") << Edit([](SettingsRecord& s) {
        s.profiles[0].DPI_INFO[2].x = 40;
        s.profiles[0].BUTTON_INFO[2].Fun = 48;
        s.profiles[0].LedModes[1].bright = 1;
    }) << QVector<quint8>{0x01, 0x03, 0x02, 0x04};
}

void ProfileWriterTest::writeOrder()
{
    QFETCH(Edit, edit);
    VirtualMouseFixture f;
    InStep(f, Defaults());
    edit(CurrentSettings());
    QCOMPARE(int(MouseSession::instance().apply()), 0);
    QTEST(f.mouse->commitLog(), "commits");
    QCOMPARE(f.mouse->sessionLog(), (QVector<quint8>{0, 1}));
    QVector<quint8> sections{0x04, 0x01, 0x02, 0x08, 0x10};
    // Another profile is selected and applied once it is written.
    if (CurrentSettings().ProfileID != 0)
        sections << 0x01;
    QCOMPARE(f.mouse->sectionLog(), sections);
    QCOMPARE(ConfigDiff(), 0);
    QCOMPARE(CompareSettings(CurrentSettings(), WrittenSettings()), 0);
}

void ProfileWriterTest::nothingChangedSendsNothing()
{
    VirtualMouseFixture f;
    InStep(f, Defaults());
    QCOMPARE(int(MouseSession::instance().apply()), 0);
    QCOMPARE(f.mouse->counters().hostWrites, 0);
}

void ProfileWriterTest::failedWriteSetsDiffAndNextWriteSendsAll()
{
    VirtualMouseFixture f;
    InStep(f, Defaults());
    CurrentSettings().profiles[0].DPI_INFO[1].y = 99;
    f.mouse->injectFault(Fault::WrongDataEcho, 1000, Command::DpiBlock);
    QVERIFY(MouseSession::instance().apply() != 0);
    QCOMPARE(ConfigDiff(), 1);
    QVERIFY(f.mouse->sessionLog() == QVector<quint8>{0});  // the sequence stopped before the end

    f.mouse->clearFaults();
    f.mouse->clearLogs();
    QCOMPARE(int(MouseSession::instance().apply()), 0);
    QCOMPARE(f.mouse->commitLog(), (QVector<quint8>{0x01, 0x03, 0x02, 0x04}));
    QCOMPARE(ConfigDiff(), 0);
}

void ProfileWriterTest::unplugInTheMiddleOfAWrite()
{
    VirtualMouseFixture f;
    InStep(f, Defaults());
    f.mouse->unplugAfterWrites(5);
    QCOMPARE(int(MouseSession::instance().apply(true)), int(ExchangeResult::WriteFailed));
    QCOMPARE(ConfigDiff(), 1);
}

void ProfileWriterTest::asleepMouseGetsNothing()
{
    VirtualMouseFixture f;
    InStep(f, Defaults());
    CurrentSettings().ProfileID = 3;
    MouseAsleep() = true;
    QCOMPARE(int(MouseSession::instance().apply()), int(ExchangeResult::MouseAsleep));
    QCOMPARE(f.mouse->counters().hostWrites, 0);
    MouseAsleep() = false;
}

void ProfileWriterTest::unsavedFilesAreNoSuccess()
{
    VirtualMouseFixture f;
    InStep(f, Defaults());
    CurrentSettings().profiles[0].DPI_INFO[1].y = 99;
    // A folder where profile 2's file belongs: no save can write it, not even as root.
    QVERIFY(QDir().mkpath(ProfileFilePath(QStringLiteral("P2"))));
    QCOMPARE(int(MouseSession::instance().apply()), int(WriteResult::NotSaved));
    QCOMPARE(f.mouse->commitLog(), (QVector<quint8>{0x01, 0x02}));   // the mouse got it
    QCOMPARE(ConfigDiff(), 1);
    QVERIFY(!MouseSession::instance().lastWriteError().isEmpty());
}

void ProfileWriterTest::rerecordedMacroRewritesButtons()
{
    VirtualMouseFixture f;
    SettingsRecord s = Defaults();
    s.profiles[0].BUTTON_INFO[3].Fun = kMacroFunction;
    s.profiles[0].BUTTON_INFO[3].macroname = QStringLiteral("Combo");
    MacroData macro;
    macro.events = {MacroEvent::keyEvent(0x04, true), MacroEvent::keyEvent(0x04, false)};
    QVERIFY(SaveMacroFile(QStringLiteral("Combo"), macro));
    InStep(f, s);
    QCOMPARE(int(MouseSession::instance().apply()), 0);
    QCOMPARE(f.mouse->commitLog(), (QVector<quint8>{0x01, 0x03, 0x05}));
    QCOMPARE(ReadWriteSign(QStringLiteral("Combo")), 0);
    f.mouse->clearLogs();
    QCOMPARE(int(MouseSession::instance().apply()), 0);
    QVERIFY(f.mouse->commitLog().isEmpty());
}

void ProfileWriterTest::macroMemoryAfterWrite()
{
    VirtualMouseFixture f;
    SettingsRecord s = Defaults();
    s.profiles[0].BUTTON_INFO[3].Fun = kMacroFunction;
    s.profiles[0].BUTTON_INFO[3].macroname = QStringLiteral("Combo");
    s.profiles[0].BUTTON_INFO[3].LoopNumber = 1;
    MacroData macro;
    macro.events = {MacroEvent::keyEvent(0x04, true), MacroEvent::keyEvent(0x04, false)};
    QVERIFY(SaveMacroFile(QStringLiteral("Combo"), macro));
    InStep(f, s);
    QCOMPARE(int(MouseSession::instance().apply(true)), 0);
    const QByteArray buttons = f.mouse->block(Command::ButtonBlock);
    QCOMPARE(buttons.mid(2 + 4 * 3, 4), QByteArray::fromHex("91000100"));
    // Two key events and the pauses the mouse needs after them: 84 04 00, 04 04 00, 06 01 00.
    const QByteArray slot = f.mouse->block(Command::MacroBlock).left(12);
    QCOMPARE(slot, QByteArray::fromHex("840400040400060100000000"));
}

QTEST_GUILESS_MAIN(ProfileWriterTest)
#include "tst_profilewriter.moc"
