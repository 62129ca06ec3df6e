#include "ButtonEncoding.h"
#include "MacroFile.h"
#include "MacroUpload.h"
#include "SettingsRecord.h"
#include "SkinDialogGrab.h"
#include "TarnMacroSelect.h"
#include "TarnMenu.h"
#include "TarnMessageBox.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(ButtonRecord)
Q_DECLARE_METATYPE(ButtonSlotBytes)

namespace {

ButtonRecord MacroButton(int fun, const QString& name, int loops, int mode)
{
    ButtonRecord b;
    b.Fun = fun;
    b.macroname = name;
    b.LoopNumber = loops;
    b.Res1 = quint8(mode);
    return b;
}

int OnCount(const TarnMacroSelect& dialog)
{
    int n = 0;
    for (int i = 0; i < TarnMacroSelect::kModeCount; ++i)
        n += dialog.modeOption(i)->isChecked() ? 1 : 0;
    return n;
}

void ClickOption(QCheckBox* option)
{
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(Scaled(10), option->height() / 2));
}

QStringList MenuTexts(const TarnMacroSelect& dialog)
{
    QStringList texts;
    for (QAction* action : dialog.macroMenu()->actions())
        texts << action->text();
    return texts;
}

void Choose(TarnMacroSelect& dialog, const QString& name)
{
    for (QAction* action : dialog.macroMenu()->actions()) {
        if (action->text() == name)
            action->trigger();
    }
}

} // namespace

class TestTarnMacroSelect : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titleFromCaller_data();
    void titleFromCaller();
    void menuListsMacroNames();
    void preset_data();
    void preset();
    void modesAreExclusive_data();
    void modesAreExclusive();
    void choosingAnEntry();
    void loopField_data();
    void loopField();
    void acceptance_data();
    void acceptance();
    void modeReachesDeviceBytes_data();
    void modeReachesDeviceBytes();
    void cancelReturnsZero();
    void grabForLooking();

private:
    std::unique_ptr<TestAppDir> m_app;
    QStringList m_boxes;
};

void TestTarnMacroSelect::init()
{
    m_app = std::make_unique<TestAppDir>();
    const QString built = QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin/");
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    for (const char* name : {"dlg.png", "checkbox2-1.png", "checkbox2-2.png", "profilesel.png"})
        QFile::copy(built + QLatin1String(name), m_app->file(QStringLiteral("skin/") + QLatin1String(name)));
    // Gaps and a trailing key: the menu keeps key order and skips empty keys.
    m_app->write(QStringLiteral("Configs/Config.ini"),
                 "[MACRO_LIST]\n0=a\n1=\n2=Reload\n5=Sweep 2\n49=last\n");
    // "last" holds more actions than the mouse's macro slot.
    MacroData tooLong;
    for (int k = 0; k < 64; ++k)
        tooLong.events << MacroEvent::keyEvent(quint8(4 + k % 20), k % 2 == 0);
    QVERIFY(SaveMacroFile(QStringLiteral("last"), tooLong));
    SetUiScale(1.0);
    m_boxes.clear();
    TarnMessageBox::SetAnswerHook([this](TarnMessageBox& box) {
        m_boxes << box.windowTitle() + QLatin1Char('|') + box.text1();
        return 1;
    });
}

void TestTarnMacroSelect::cleanup()
{
    TarnMessageBox::SetAnswerHook(nullptr);
    TarnMacroSelect::SetExecHook(nullptr);
    m_app.reset();
}

void TestTarnMacroSelect::titleFromCaller_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("macro") << QStringLiteral("MACRO SELECT");
    QTest::newRow("gun file") << QStringLiteral("GUNFILE SELECT");
}

void TestTarnMacroSelect::titleFromCaller()
{
    QFETCH(QString, title);
    TarnMacroSelect dialog(title, QString(), 1, 0);
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.title(), title);
    QCOMPARE(dialog.yesButton()->objectName(), QStringLiteral("msgBoxYesBtn"));
    QCOMPARE(dialog.noButton()->objectName(), QStringLiteral("msgBoxNoBtn"));
    QCOMPARE(dialog.size(), QSize(478, 309));
}

void TestTarnMacroSelect::menuListsMacroNames()
{
    TarnMacroSelect dialog(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
    QCOMPARE(MenuTexts(dialog), (QStringList{"a", "Reload", "Sweep 2", "last"}));
}

void TestTarnMacroSelect::preset_data()
{
    QTest::addColumn<ButtonRecord>("button");
    QTest::addColumn<int>("function");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("loops");
    QTest::addColumn<int>("mode");

    QTest::newRow("macro a, 5 loops, mode 1") << MacroButton(200, "a", 5, 1) << 200 << "a" << "5" << 1;
    QTest::newRow("macro mode 2") << MacroButton(200, "Reload", 1, 2) << 200 << "Reload" << "1" << 2;
    QTest::newRow("gun file preset") << MacroButton(510, "Sweep 2", 9, 0) << 510 << "Sweep 2" << "9" << 0;
    QTest::newRow("button without macro") << MacroButton(3, QString(), 0, 0) << 200 << "" << "1" << 0;
    // A macro binding is no preset for the gun file entry, and the other way round.
    QTest::newRow("macro button opened as gun file") << MacroButton(200, "a", 5, 1) << 510 << "" << "1" << 0;
    QTest::newRow("gun button opened as macro") << MacroButton(510, "a", 5, 2) << 200 << "" << "1" << 0;
    QTest::newRow("mode 7 from a file is mode 0") << MacroButton(200, "a", 5, 7) << 200 << "a" << "5" << 0;
    QTest::newRow("loops 0 from a file is 1") << MacroButton(200, "a", 0, 0) << 200 << "a" << "1" << 0;
    QTest::newRow("loops 300 from a file is 1") << MacroButton(200, "a", 300, 0) << 200 << "a" << "1" << 0;
    // A name no longer in the list is still shown, as the button holds it.
    QTest::newRow("deleted macro still shown") << MacroButton(200, "gone", 4, 0) << 200 << "gone" << "4" << 0;
}

void TestTarnMacroSelect::preset()
{
    QFETCH(ButtonRecord, button);
    QFETCH(int, function);
    QFETCH(QString, name);
    QFETCH(QString, loops);
    QFETCH(int, mode);

    TarnMacroSelect dialog(QStringLiteral("MACRO SELECT"), button, function);
    QCOMPARE(dialog.selectedName(), name);
    QCOMPARE(dialog.chooser()->text(), name);
    QCOMPARE(dialog.loopField()->text(), loops);
    QCOMPARE(dialog.mode(), mode);
    QVERIFY(dialog.modeOption(mode)->isChecked());
    QCOMPARE(OnCount(dialog), 1);
}

void TestTarnMacroSelect::modesAreExclusive_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("mode");
    QTest::newRow("second") << QList<int>{1} << 1;
    QTest::newRow("third then first") << QList<int>{2, 0} << 0;
    QTest::newRow("first twice stays on") << QList<int>{0, 0} << 0;
    QTest::newRow("all in turn") << QList<int>{0, 1, 2} << 2;
}

void TestTarnMacroSelect::modesAreExclusive()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, mode);
    TarnMacroSelect dialog(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
    QCOMPARE(dialog.modeOption(0)->text(), QStringLiteral("LOOPS TIME(1-255)"));
    QCOMPARE(dialog.modeOption(1)->text(), QStringLiteral("REPEAT RUN WHEN KEY DOWN"));
    QCOMPARE(dialog.modeOption(2)->text(), QStringLiteral("REPEAT RUN UNTILL THE KEY DOWN"));
    for (int c : clicks) {
        ClickOption(dialog.modeOption(c));
        QCOMPARE(OnCount(dialog), 1);
    }
    QCOMPARE(dialog.mode(), mode);
}

void TestTarnMacroSelect::choosingAnEntry()
{
    TarnMacroSelect dialog(QStringLiteral("MACRO SELECT"), QStringLiteral("a"), 1, 0);
    Choose(dialog, QStringLiteral("Sweep 2"));
    QCOMPARE(dialog.selectedName(), QStringLiteral("Sweep 2"));
    QCOMPARE(dialog.chooser()->text(), QStringLiteral("Sweep 2"));
}

void TestTarnMacroSelect::loopField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("loops");
    QTest::newRow("12") << "12" << "12" << 12;
    QTest::newRow("255 is the top") << "255" << "255" << 255;
    // Three digits above 255 pass the field; OK refuses them.
    QTest::newRow("256 stays for OK to refuse") << "256" << "256" << 256;
    QTest::newRow("four digits keep three") << "1000" << "100" << 100;
    QTest::newRow("letters refused") << "x7" << "7" << 7;
    QTest::newRow("empty reads 0") << "" << "" << 0;
}

void TestTarnMacroSelect::loopField()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, loops);
    TarnMacroSelect dialog(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
    dialog.loopField()->clear();
    QTest::keyClicks(dialog.loopField(), typed);
    QCOMPARE(dialog.loopField()->text(), shown);
    QCOMPARE(dialog.loopCount(), loops);
}

void TestTarnMacroSelect::acceptance_data()
{
    QTest::addColumn<QString>("name");      // chosen from the menu; empty: none chosen
    QTest::addColumn<QString>("preset");    // the name the dialog opens with
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("loops");
    QTest::addColumn<QString>("refusal");   // empty: accepted

    const QString noName = QStringLiteral("Warning|Choose a macro first.");
    const QString noCount = QStringLiteral("Warning|Enter a loop count.");
    QTest::newRow("name and count accepted") << "Reload" << "" << 0 << "4" << QString();
    QTest::newRow("no name refused") << "" << "" << 0 << "4" << noName;
    QTest::newRow("no name refused in mode 2") << "" << "" << 2 << "4" << noName;
    QTest::newRow("deleted macro refused") << "" << "gone" << 0 << "4" << noName;
    QTest::newRow("preset name still listed accepted") << "" << "a" << 1 << "4" << QString();
    QTest::newRow("empty count refused") << "a" << "" << 0 << "" << noCount;
    QTest::newRow("count 0 refused") << "a" << "" << 0 << "0" << noCount;
    QTest::newRow("count 256 refused") << "a" << "" << 0 << "256" << noCount;
    // The count only matters for the first mode; the others repeat while or until.
    QTest::newRow("empty count in mode 1 accepted") << "a" << "" << 1 << "" << QString();
    QTest::newRow("empty count in mode 2 accepted") << "a" << "" << 2 << "" << QString();
    QTest::newRow("a macro longer than the mouse holds refused")
        << "last" << "" << 0 << "4"
        << QStringLiteral("Warning|The macro \"last\" is too long for the mouse: a macro holds at most 63 actions, "
                          "or 51 without recorded delays.");
}

void TestTarnMacroSelect::acceptance()
{
    QFETCH(QString, name);
    QFETCH(QString, preset);
    QFETCH(int, mode);
    QFETCH(QString, loops);
    QFETCH(QString, refusal);

    TarnMacroSelect dialog(QStringLiteral("MACRO SELECT"), preset, 1, 0);
    TarnMacroSelect::SetExecHook([&](TarnMacroSelect& d) {
        if (!name.isEmpty())
            Choose(d, name);
        ClickOption(d.modeOption(mode));
        d.loopField()->setText(loops);
        QTest::mouseClick(d.yesButton(), Qt::LeftButton);
    });
    const int result = dialog.exec();
    if (!refusal.isEmpty()) {
        QCOMPARE(result, 0);
        QCOMPARE(m_boxes, QStringList{refusal});
        return;
    }
    QCOMPARE(result, 1);
    QVERIFY(m_boxes.isEmpty());
    ButtonRecord button = MacroButton(1, QString(), 0, 0);
    dialog.StoreInto(button, 200);
    QCOMPARE(button.Fun, 200);
    QCOMPARE(button.macroname, name.isEmpty() ? preset : name);
    QCOMPARE(button.LoopNumber, loops.toInt());
    QCOMPARE(int(button.Res1), mode);
}

void TestTarnMacroSelect::modeReachesDeviceBytes_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("mode");
    QTest::addColumn<ButtonSlotBytes>("bytes");
    QTest::newRow("macro 7 loops") << 200 << 0 << ButtonSlotBytes{0x91, 0x00, 0x07, 0x00};
    QTest::newRow("macro while held") << 200 << 1 << ButtonSlotBytes{0x91, 0x80, 0xFF, 0xFF};
    QTest::newRow("macro until pressed again") << 200 << 2 << ButtonSlotBytes{0x91, 0x40, 0xFF, 0xFF};
    QTest::newRow("gun file until pressed again") << 510 << 2 << ButtonSlotBytes{0x9D, 0x40, 0xFF, 0xFF};
}

void TestTarnMacroSelect::modeReachesDeviceBytes()
{
    QFETCH(int, function);
    QFETCH(int, mode);
    QFETCH(ButtonSlotBytes, bytes);

    ButtonRecord button;
    TarnMacroSelect dialog(function == 200 ? QStringLiteral("MACRO SELECT") : QStringLiteral("GUNFILE SELECT"),
                           button, function);
    TarnMacroSelect::SetExecHook([mode](TarnMacroSelect& d) {
        Choose(d, QStringLiteral("Reload"));
        ClickOption(d.modeOption(mode));
        d.loopField()->setText(QStringLiteral("7"));
        QTest::mouseClick(d.yesButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), 1);
    dialog.StoreInto(button, function);
    QCOMPARE(button.Fun, function);
    QCOMPARE(int(button.Res1), mode);
    MacroSlotMap map;
    QCOMPARE(EncodeMacroButton(button, map), bytes);
    QCOMPARE(map.nameAt(0), QStringLiteral("Reload"));
}

void TestTarnMacroSelect::cancelReturnsZero()
{
    TarnMacroSelect dialog(QStringLiteral("MACRO SELECT"), QStringLiteral("a"), 5, 1);
    TarnMacroSelect::SetExecHook([](TarnMacroSelect& d) {
        Choose(d, QStringLiteral("Reload"));
        QTest::mouseClick(d.noButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(m_boxes.isEmpty());
}

void TestTarnMacroSelect::grabForLooking()
{
    // Set MOUSECFG_GRAB_DIR to keep the pictures for a look.
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    TarnMacroSelect dialog(QStringLiteral("GUNFILE SELECT"), QStringLiteral("Sweep 2"), 12, 0);
    dialog.show();
    const QPixmap picture = dialog.grab();
    const QString problem = SkinDialogGrabProblem(picture.toImage(), QImage(m_app->file(QStringLiteral("skin/dlg.png"))),
                                                  AccentQColor());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    if (!dir.isEmpty()) {
        picture.save(dir + QStringLiteral("/macroselect.png"));
        dialog.macroMenu()->popup(dialog.chooser()->mapToGlobal(QPoint(0, dialog.chooser()->height())));
        dialog.macroMenu()->grab().save(dir + QStringLiteral("/macroselect_menu.png"));
        dialog.macroMenu()->hide();
    }
}

QTEST_MAIN(TestTarnMacroSelect)
#include "tst_tarnmacroselect.moc"
