#include "AppPaths.h"
#include "MacroFile.h"
#include "MacroNameList.h"
#include "TarnGunsetDialog.h"
#include "TarnLineEdit.h"
#include "TarnMenu.h"
#include "TarnMessageBox.h"
#include "TarnPushButton.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QAction>
#include <QBitmap>
#include <QDirIterator>
#include <QMap>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

struct Box
{
    int style = 0;
    QString title;
    QString text;
};

QString EventsText(const QVector<MacroEvent>& events)
{
    QStringList parts;
    for (const MacroEvent& e : events)
        parts << QStringLiteral("%1/%2/%3").arg(e.Map).arg(e.DataH).arg(e.DataL);
    return parts.join(QLatin1Char(' '));
}

QMap<QString, QByteArray> Snapshot(const TestAppDir& app)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(app.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(app.path()).relativeFilePath(path), file.readAll());
    }
    return files;
}

void TypeInto(QSpinBox* box, int value)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::number(value));
}

void TypeName(TarnGunsetDialog& dialog, const QString& name)
{
    dialog.nameField()->setFocus();
    dialog.nameField()->selectAll();
    QTest::keyClicks(dialog.nameField(), name);
}

void ChooseBullets(TarnGunsetDialog& dialog, int count)
{
    dialog.bulletAction(count - 1)->trigger();
}

// One shot as typed into its three boxes.
struct ShotInput
{
    int delay;
    int vertical;
    int horizontal;
};

} // namespace

Q_DECLARE_METATYPE(QVector<ShotInput>)

class TestTarnGunsetDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void defaults();
    void shapedByItsPicture();
    void bulletMenu_data();
    void bulletMenu();
    void bulletsDrawnPerShot_data();
    void bulletsDrawnPerShot();
    void acceptance_data();
    void acceptance();
    void spinBoxesKeepTheirRanges_data();
    void spinBoxesKeepTheirRanges();
    void emptyNameWarns_data();
    void emptyNameWarns();
    void nameLeavingTheFolderWarns_data();
    void nameLeavingTheFolderWarns();
    void cancelRejects();
    void writesItsEvents();
    void runCreatesNamedMacro();
    void runCancelledChangesNothing();
    void runAtFiftyMacrosRefuses();
    void runReportsUnwritableFolder();
    void grabForLooking_data();
    void grabForLooking();

private:
    std::unique_ptr<TestAppDir> m_app;
    QVector<Box> m_boxes;
};

void TestTarnGunsetDialog::init()
{
    m_app = std::make_unique<TestAppDir>();
    m_app->installShippedDescriptor();
    const QString built = QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin/");
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    for (const char* name : {"dlg_gun.png", "gunset_bullet.png", "bulletsel.png", "checkbox2-1.png"})
        QFile::copy(built + QLatin1String(name), m_app->file(QStringLiteral("skin/") + QLatin1String(name)));
    SetUiScale(1.0);
    m_boxes.clear();
    TarnMessageBox::SetAnswerHook([this](TarnMessageBox& box) {
        m_boxes.append(Box{box.style(), box.windowTitle(), box.text1()});
        return 1;
    });
}

void TestTarnGunsetDialog::cleanup()
{
    TarnMessageBox::SetAnswerHook(nullptr);
    TarnGunsetDialog::SetExecHook(nullptr);
    m_app.reset();
}

void TestTarnGunsetDialog::defaults()
{
    TarnGunsetDialog dialog;
    QCOMPARE(dialog.size(), QSize(619, 400));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Gun Set"));
    QCOMPARE(dialog.yesButton()->objectName(), QStringLiteral("msgBoxYesBtn"));
    QCOMPARE(dialog.noButton()->objectName(), QStringLiteral("msgBoxNoBtn"));
    QCOMPARE(dialog.bulletCount(), 5);
    QCOMPARE(dialog.bulletButton()->text(), QStringLiteral("5 BULLETS"));
    QCOMPARE(dialog.nameField()->text(), QString());
    QCOMPARE(dialog.nameField()->maxLength(), 100);
    QCOMPARE(dialog.bulletMenu()->actions().size(), 5);
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(dialog.delayBox(k)->value(), 100);
        QCOMPARE(dialog.delayBox(k)->minimum(), 1);
        QCOMPARE(dialog.delayBox(k)->maximum(), 999);
        QCOMPARE(dialog.verticalBox(k)->value(), 0);
        QCOMPARE(dialog.verticalBox(k)->minimum(), -100);
        QCOMPARE(dialog.horizontalBox(k)->maximum(), 100);
        QVERIFY(dialog.delayBox(k)->isVisibleTo(&dialog));
    }
    QVERIFY(dialog.delayBox(5) == nullptr);
    QVERIFY(dialog.bulletAction(-1) == nullptr);
    QCOMPARE(dialog.gunFileName(), QString());
}

void TestTarnGunsetDialog::shapedByItsPicture()
{
    TarnGunsetDialog dialog;
    const QRegion mask = dialog.mask();
    QVERIFY2(!mask.isEmpty(), "the dialog takes its picture's outline");
    QVERIFY(mask.contains(QPoint(309, 200)));
    QVERIFY2(!mask.contains(QPoint(1, 1)), "the cut corner is not part of the dialog");
    QVERIFY(!mask.contains(QPoint(617, 398)));
}

void TestTarnGunsetDialog::bulletMenu_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::newRow("entry 0 is one shot") << 0 << QStringLiteral("1 BULLET");
    QTest::newRow("entry 1 is two shots") << 1 << QStringLiteral("2 BULLETS");
    QTest::newRow("entry 2 is three shots") << 2 << QStringLiteral("3 BULLETS");
    QTest::newRow("entry 3 is four shots") << 3 << QStringLiteral("4 BULLETS");
    QTest::newRow("entry 4 is five shots") << 4 << QStringLiteral("5 BULLETS");
}

void TestTarnGunsetDialog::bulletMenu()
{
    QFETCH(int, entry);
    QFETCH(QString, text);
    TarnGunsetDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ChooseBullets(dialog, 1);   // from the fewest, so every row must appear
    dialog.bulletMenu()->actions().at(entry)->trigger();
    QCOMPARE(dialog.bulletCount(), entry + 1);
    QCOMPARE(dialog.bulletButton()->text(), text);
    QCOMPARE(dialog.bulletMenu()->actions().at(entry)->text(), text);
    for (int k = 0; k < 5; ++k) {
        const bool shown = k <= entry;
        QCOMPARE(dialog.delayBox(k)->isVisible(), shown);
        QCOMPARE(dialog.verticalBox(k)->isVisible(), shown);
        QCOMPARE(dialog.horizontalBox(k)->isVisible(), shown);
    }
    QCOMPARE(dialog.shots().size(), entry + 1);
}

void TestTarnGunsetDialog::bulletsDrawnPerShot_data()
{
    QTest::addColumn<int>("count");
    for (int c = 1; c <= 5; ++c)
        QTest::newRow(qPrintable(QStringLiteral("%1 bullets drawn").arg(c))) << c;
}

void TestTarnGunsetDialog::bulletsDrawnPerShot()
{
    QFETCH(int, count);
    TarnGunsetDialog dialog;
    const QImage full = dialog.grab().toImage();
    ChooseBullets(dialog, count);
    const QImage image = dialog.grab().toImage();
    for (int k = 0; k < 5; ++k) {
        // The middle of bullet k's casing: 66 px apart from x = 163, 9 x 39 from y = 141.
        const QPoint p(163 + 66 * k + 4, 141 + 28);
        const bool drawn = image.pixel(p) == full.pixel(p);
        QVERIFY2(drawn == (k < count), qPrintable(QStringLiteral("bullet %1").arg(k)));
    }
    // The bullet is the picture, not the panel behind it.
    const QColor casing = full.pixelColor(163 + 4, 141 + 28);
    QVERIFY2(casing.red() > casing.blue() + 40, "brass, not the dark panel");
}

void TestTarnGunsetDialog::acceptance_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QVector<ShotInput>>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one shot delay 100 down 5")
        << "Recoil" << 1 << QVector<ShotInput>{{100, 5, 0}} << "1/0/1 129/0/1 2/5/0 6/0/10 1/0/1";
    QTest::newRow("vertical -3 is a step up of 3")
        << "Up" << 1 << QVector<ShotInput>{{100, -3, 0}} << "1/0/1 129/0/1 2/253/0 6/0/10 1/0/1";
    QTest::newRow("horizontal -3 is a step left of 3")
        << "Left" << 1 << QVector<ShotInput>{{100, 0, -3}} << "1/0/1 129/0/1 2/0/253 6/0/10 1/0/1";
    QTest::newRow("delay 5 ms gives count 0")
        << "Short" << 1 << QVector<ShotInput>{{5, 0, 0}} << "1/0/1 129/0/1 6/0/0 1/0/1";
    QTest::newRow("two bullets ignore the hidden shots 2-4")
        << "Pair" << 2 << QVector<ShotInput>{{100, 1, 0}, {20, 0, 2}, {300, 9, 9}, {400, 8, 8}, {500, 7, 7}}
        << "1/0/1 129/0/1 2/1/0 6/0/10 1/0/1 129/0/1 2/0/2 6/0/2 1/0/1";
    QTest::newRow("five bullets with defaults")
        << "Five" << 5 << QVector<ShotInput>{}
        << "1/0/1 129/0/1 6/0/10 1/0/1 129/0/1 6/0/10 1/0/1 129/0/1 6/0/10 1/0/1 129/0/1 6/0/10 "
           "1/0/1 129/0/1 6/0/10 1/0/1";
    QTest::newRow("blanks around the name dropped")
        << "  Spaced  " << 1 << QVector<ShotInput>{{999, 100, -100}} << "1/0/1 129/0/1 2/100/0 2/0/156 6/0/99 1/0/1";
}

void TestTarnGunsetDialog::acceptance()
{
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QVector<ShotInput>, typed);
    QFETCH(QString, expected);

    TarnGunsetDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TypeName(dialog, name);
    // Values go in with all five rows shown; the bullet count is chosen afterwards.
    for (int k = 0; k < typed.size(); ++k) {
        TypeInto(dialog.delayBox(k), typed[k].delay);
        TypeInto(dialog.verticalBox(k), typed[k].vertical);
        TypeInto(dialog.horizontalBox(k), typed[k].horizontal);
        QCOMPARE(dialog.verticalBox(k)->value(), typed[k].vertical);
    }
    ChooseBullets(dialog, count);
    QTest::mouseClick(dialog.yesButton(), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(dialog.gunFileName(), name.trimmed());
    QCOMPARE(EventsText(dialog.events()), expected);
}

void TestTarnGunsetDialog::spinBoxesKeepTheirRanges_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("delay");
    QTest::newRow("1000 ms cannot be typed") << "1000" << 100;
    QTest::newRow("0 ms cannot be typed") << "0" << 100;
    QTest::newRow("999 ms can") << "999" << 999;
}

void TestTarnGunsetDialog::spinBoxesKeepTheirRanges()
{
    QFETCH(QString, typed);
    QFETCH(int, delay);
    TarnGunsetDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSpinBox* box = dialog.delayBox(0);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(box->value() >= 1 && box->value() <= 999);
    if (typed == QLatin1String("999"))
        QCOMPARE(box->value(), delay);
    TypeInto(dialog.verticalBox(0), 250);
    QVERIFY(dialog.verticalBox(0)->value() <= 100);
}

void TestTarnGunsetDialog::emptyNameWarns_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("nothing typed") << QString();
    QTest::newRow("blanks only") << QStringLiteral("   ");
}

void TestTarnGunsetDialog::emptyNameWarns()
{
    QFETCH(QString, name);
    TarnGunsetDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TypeName(dialog, name);
    QTest::mouseClick(dialog.yesButton(), Qt::LeftButton);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].style, 2);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Warning"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("Please input file name."));
    QVERIFY2(dialog.isVisible(), "the dialog stays open");
    QCOMPARE(dialog.result(), 0);
    QVERIFY(dialog.events().isEmpty());

    // Once named, the same dialog accepts.
    TypeName(dialog, QStringLiteral("Named"));
    QTest::mouseClick(dialog.yesButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_boxes.size(), 1);
}

void TestTarnGunsetDialog::nameLeavingTheFolderWarns_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << QStringLiteral("../escape");
    QTest::newRow("slash") << QStringLiteral("a/b");
    QTest::newRow("backslash") << QStringLiteral("a\\b");
    QTest::newRow("dot dot") << QStringLiteral("..");
}

void TestTarnGunsetDialog::nameLeavingTheFolderWarns()
{
    QFETCH(QString, name);
    TarnGunsetDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TypeName(dialog, name);
    QTest::mouseClick(dialog.yesButton(), Qt::LeftButton);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].style, 2);
    QCOMPARE(m_boxes[0].text, QStringLiteral("This name cannot be used as a file name."));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.gunFileName(), QString());
}

void TestTarnGunsetDialog::cancelRejects()
{
    TarnGunsetDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TypeName(dialog, QStringLiteral("Never"));
    QTest::mouseClick(dialog.noButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(dialog.gunFileName(), QString());
}

void TestTarnGunsetDialog::writesItsEvents()
{
    TarnGunsetDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TypeName(dialog, QStringLiteral("Written"));
    TypeInto(dialog.verticalBox(0), 5);
    ChooseBullets(dialog, 1);
    QTest::mouseClick(dialog.yesButton(), Qt::LeftButton);
    QVERIFY(dialog.WriteGunMacroFile(QStringLiteral("Written")));
    QCOMPARE(EventsText(ReadMacroEventsRaw(QStringLiteral("Written"), 63)), EventsText(dialog.events()));
}

void TestTarnGunsetDialog::runCreatesNamedMacro()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), "[MACRO_LIST]\n0=a\n");
    TarnGunsetDialog::SetExecHook([](TarnGunsetDialog& dialog) {
        TypeName(dialog, QStringLiteral("Recoil"));
        TypeInto(dialog.verticalBox(0), 5);
        ChooseBullets(dialog, 1);
        QTest::mouseClick(dialog.yesButton(), Qt::LeftButton);
    });
    QString saved;
    QVERIFY(TarnGunsetDialog::Run(nullptr, saved));
    QCOMPARE(saved, QStringLiteral("Recoil"));
    QString again;
    QVERIFY(TarnGunsetDialog::Run(nullptr, again));
    QCOMPARE(again, QStringLiteral("Recoil_2"));
    QCOMPARE(MacroNames(), (QStringList{"a", "Recoil", "Recoil_2"}));
    QCOMPARE(EventsText(ReadMacroEventsRaw(QStringLiteral("Recoil_2"), 63)),
             QStringLiteral("1/0/1 129/0/1 2/5/0 6/0/10 1/0/1"));
    QVERIFY(m_boxes.isEmpty());
}

void TestTarnGunsetDialog::runCancelledChangesNothing()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), "[MACRO_LIST]\n0=a\n");
    const auto before = Snapshot(*m_app);
    TarnGunsetDialog::SetExecHook([](TarnGunsetDialog& dialog) {
        TypeName(dialog, QStringLiteral("Recoil"));
        QTest::mouseClick(dialog.noButton(), Qt::LeftButton);
    });
    QString saved = QStringLiteral("untouched");
    QVERIFY(!TarnGunsetDialog::Run(nullptr, saved));
    QCOMPARE(saved, QStringLiteral("untouched"));
    QCOMPARE(Snapshot(*m_app), before);
}

void TestTarnGunsetDialog::runAtFiftyMacrosRefuses()
{
    QByteArray list = "[MACRO_LIST]\n";
    for (int i = 0; i < 50; ++i)
        list += QByteArray::number(i) + "=m" + QByteArray::number(i) + '\n';
    m_app->write(QStringLiteral("Configs/Config.ini"), list);
    const auto before = Snapshot(*m_app);
    bool opened = false;
    TarnGunsetDialog::SetExecHook([&opened](TarnGunsetDialog&) { opened = true; });
    QString saved;
    QVERIFY(!TarnGunsetDialog::Run(nullptr, saved));
    QVERIFY2(!opened, "the dialog does not open at 50 macros");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].style, 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("WARNING"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
    QCOMPARE(Snapshot(*m_app), before);
}

void TestTarnGunsetDialog::runReportsUnwritableFolder()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), "[MACRO_LIST]\n0=a\n");
    m_app->write(QStringLiteral("Configs/MacroDB"), "not a folder");
    const auto before = Snapshot(*m_app);
    TarnGunsetDialog::SetExecHook([](TarnGunsetDialog& dialog) {
        TypeName(dialog, QStringLiteral("Recoil"));
        QTest::mouseClick(dialog.yesButton(), Qt::LeftButton);
    });
    QString saved;
    QVERIFY(!TarnGunsetDialog::Run(nullptr, saved));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("The macro file could not be written."));
    QCOMPARE(Snapshot(*m_app), before);
}

void TestTarnGunsetDialog::grabForLooking_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1.0") << 1.0;
    QTest::newRow("scale 1.5") << 1.5;
}

void TestTarnGunsetDialog::grabForLooking()
{
    QFETCH(double, scale);
    SetUiScale(scale);
    TarnGunsetDialog dialog;
    QCOMPARE(dialog.size(), QSize(int(619 * scale), int(400 * scale)));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TypeName(dialog, QStringLiteral("AK Spray"));
    const ShotInput shots[4] = {{90, 6, 0}, {90, 8, -1}, {110, 10, -2}, {120, 12, 3}};
    for (int k = 0; k < 4; ++k) {
        TypeInto(dialog.delayBox(k), shots[k].delay);
        TypeInto(dialog.verticalBox(k), shots[k].vertical);
        TypeInto(dialog.horizontalBox(k), shots[k].horizontal);
    }
    ChooseBullets(dialog, 4);
    const QString out = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    if (!out.isEmpty())
        QVERIFY(dialog.grab().save(out + QStringLiteral("/gunset_dialog_%1.png").arg(scale)));
    // The bullets are drawn where the scaled layout puts them: the four chosen, not the fifth.
    const QImage image = dialog.grab().toImage();
    for (int k = 0; k < 5; ++k) {
        const QColor casing = image.pixelColor(int((163 + 66 * k + 4) * scale), int((141 + 28) * scale));
        QVERIFY2((casing.red() > casing.blue() + 40) == (k < 4), qPrintable(QStringLiteral("bullet %1").arg(k)));
    }
}

QTEST_MAIN(TestTarnGunsetDialog)
#include "tst_tarngunsetdialog.moc"
