#include "SensorTestUtil.h"
#include "TarnMenu.h"
#include "TarnPushButton.h"
#include "TarnReportRate.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

// Marks every QObject text so a retranslation can be seen.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return QStringLiteral("~") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

SettingsRecord RecordWith(quint8 pollrate, quint8 lift, quint8 profile = 0)
{
    SettingsRecord settings;
    settings.ProfileID = profile;
    settings.active().pollrate = pollrate;
    settings.LiftHigh = lift;
    return settings;
}

// The window refreshes its pages from the record being edited; the page edits it.
void Show(TarnReportRate& page, const SettingsRecord& settings)
{
    CurrentSettings() = settings;
    page.refreshFrom(CurrentSettings());
}

} // namespace

class TestTarnReportRate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuChoiceStoresCode_data();
    void menuChoiceStoresCode();
    void storedCodeShowsText_data();
    void storedCodeShowsText();
    void unknownCodeKeepsShownText_data();
    void unknownCodeKeepsShownText();
    void mouseReportedRateShowsOnRefresh();
    void liftOnRefresh_data();
    void liftOnRefresh();
    void liftRadioEmitsRefreshLift_data();
    void liftRadioEmitsRefreshLift();
    void liftGroupIsNotShown();
    void collectWritesActiveProfileOnly();
    void retranslateKeepsShownRate();
    void grab();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void TestTarnReportRate::init()
{
    m_app = std::make_unique<TestAppDir>();
    CopySkin(*m_app);
    SetUiScale(1.0);
}

void TestTarnReportRate::cleanup()
{
    m_app.reset();
}

void TestTarnReportRate::menuChoiceStoresCode_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("125 HZ stores 8") << 0 << "125 HZ" << 8;
    QTest::newRow("250 HZ stores 4") << 1 << "250 HZ" << 4;
    QTest::newRow("500 HZ stores 2") << 2 << "500 HZ" << 2;
    QTest::newRow("1000 HZ stores 1") << 3 << "1000 HZ" << 1;
}

void TestTarnReportRate::menuChoiceStoresCode()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, code);

    TarnReportRate page;
    page.resize(180, 200);
    // Start from a different rate so the choice is seen to change it.
    Show(page, RecordWith(index == 3 ? 8 : 1, 2));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QTest::mouseClick(page.rateButton(), Qt::LeftButton);
    TarnMenu* menu = page.rateMenu();
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 4);
    QCOMPARE(menu->width(), 150);
    QAction* action = menu->actions().at(index);
    QCOMPARE(action->text(), text);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
    QTRY_VERIFY(!menu->isVisible());

    QCOMPARE(int(page.pollrate()), code);
    QCOMPARE(page.rateButton()->text(), text);
    SettingsRecord settings = RecordWith(0, 2);
    settings = CurrentSettings();
    QCOMPARE(int(settings.active().pollrate), code);
}

void TestTarnReportRate::storedCodeShowsText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("8 is 125 HZ") << 8 << "125 HZ";
    QTest::newRow("4 is 250 HZ") << 4 << "250 HZ";
    QTest::newRow("2 is 500 HZ") << 2 << "500 HZ";
    QTest::newRow("1 is 1000 HZ") << 1 << "1000 HZ";
}

void TestTarnReportRate::storedCodeShowsText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    TarnReportRate page;
    Show(page, RecordWith(quint8(code), 2));
    QCOMPARE(page.rateButton()->text(), text);
    QCOMPARE(TarnReportRate::RateText(code), text);
}

void TestTarnReportRate::unknownCodeKeepsShownText_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0;
    QTest::newRow("3, between two rates") << 3;
    QTest::newRow("16") << 16;
    QTest::newRow("255") << 255;
}

void TestTarnReportRate::unknownCodeKeepsShownText()
{
    QFETCH(int, code);
    TarnReportRate page;
    Show(page, RecordWith(4, 2));
    Show(page, RecordWith(quint8(code), 2));
    QCOMPARE(page.rateButton()->text(), QStringLiteral("250 HZ"));
    QVERIFY(TarnReportRate::RateText(code).isEmpty());
    // The stored code is kept as it is; only a choice in the menu replaces it.
    QCOMPARE(int(page.pollrate()), code);
    SettingsRecord settings = RecordWith(4, 2);
    settings = CurrentSettings();
    QCOMPARE(int(settings.active().pollrate), code);
}

void TestTarnReportRate::mouseReportedRateShowsOnRefresh()
{
    // The window stores the mouse's code in the current record and refreshes the page.
    TarnReportRate page;
    SettingsRecord settings = RecordWith(8, 2, 2);
    Show(page, settings);
    QCOMPARE(page.rateButton()->text(), QStringLiteral("125 HZ"));
    settings.active().pollrate = 2;
    Show(page, settings);
    QCOMPARE(page.rateButton()->text(), QStringLiteral("500 HZ"));
    QCOMPARE(int(page.pollrate()), 2);
}

void TestTarnReportRate::liftOnRefresh_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("lift");
    QTest::newRow("0 is shown as 2") << 0 << 2;
    QTest::newRow("1 stays") << 1 << 1;
    QTest::newRow("2 stays") << 2 << 2;
    QTest::newRow("3 is shown as 2") << 3 << 2;
    QTest::newRow("255 is shown as 2") << 255 << 2;
}

void TestTarnReportRate::liftOnRefresh()
{
    QFETCH(int, stored);
    QFETCH(int, lift);
    TarnReportRate page;
    // Start from the other radio so the refresh is seen to move it.
    Show(page, RecordWith(1, lift == 1 ? 2 : 1));
    QSignalSpy spy(&page, &TarnReportRate::RefreshLift);
    Show(page, RecordWith(1, quint8(stored)));
    QCOMPARE(int(page.lift()), lift);
    QCOMPARE(page.liftGroup()->checkedId(), lift - 1);
    QCOMPARE(page.liftGroup()->checkedButton()->text(), lift == 1 ? QStringLiteral("1 mm") : QStringLiteral("2 mm"));
    // A refresh only shows; the window stores a lift only when the user picks one.
    QCOMPARE(spy.count(), 0);
}

void TestTarnReportRate::liftRadioEmitsRefreshLift_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("lift");
    QTest::newRow("1 mm from 2") << 2 << 0 << 1;
    QTest::newRow("2 mm from 1") << 1 << 1 << 2;
    QTest::newRow("2 mm from stored 0") << 0 << 1 << 2;
}

void TestTarnReportRate::liftRadioEmitsRefreshLift()
{
    QFETCH(int, from);
    QFETCH(int, id);
    QFETCH(int, lift);
    TarnReportRate page;
    Show(page, RecordWith(1, quint8(from)));
    QSignalSpy spy(&page, &TarnReportRate::RefreshLift);
    // The group is never on screen, so no mouse can reach it: press the radio itself.
    page.liftGroup()->button(id)->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<quint8>(), quint8(lift));
    QCOMPARE(int(page.lift()), lift);
}

void TestTarnReportRate::liftGroupIsNotShown()
{
    TarnReportRate page;
    page.resize(180, 200);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(page.liftBox()->geometry().isEmpty());
    QVERIFY(!page.liftBox()->isVisible());
    QCOMPARE(page.liftBox()->title(), QStringLiteral("Lift off Distance"));
    QVERIFY(page.rateButton()->isVisible());
}

void TestTarnReportRate::collectWritesActiveProfileOnly()
{
    TarnReportRate page;
    SettingsRecord settings = RecordWith(8, 1, 3);
    for (int i = 0; i < kProfileCount; ++i)
        settings.profiles[size_t(i)].pollrate = 8;
    Show(page, settings);
    page.onRateChosen(2);
    for (int i = 0; i < kProfileCount; ++i)
        QCOMPARE(int(CurrentSettings().profiles[size_t(i)].pollrate), i == 3 ? 2 : 8);
    QCOMPARE(int(CurrentSettings().LiftHigh), 1);
}

void TestTarnReportRate::retranslateKeepsShownRate()
{
    TarnReportRate page;
    Show(page, RecordWith(4, 2));
    Show(page, RecordWith(99, 2));
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    page.retranslate();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(page.rateButton()->text(), QStringLiteral("~250 HZ"));
    QCOMPARE(page.rateMenu()->actions().at(3)->text(), QStringLiteral("~1000 HZ"));
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("rateTitle"))->text(), QStringLiteral("~REPORT RATE"));
    QCOMPARE(int(page.pollrate()), 99);
}

void TestTarnReportRate::grab()
{
    TarnReportRate page;
    page.resize(180, 200);
    Show(page, RecordWith(1, 2));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    SaveGrab(&page, QStringLiteral("reportrate"));
    QTest::mouseClick(page.rateButton(), Qt::LeftButton);
    QTRY_VERIFY(page.rateMenu()->isVisible());
    SaveGrab(page.rateMenu(), QStringLiteral("reportrate-menu"));
    page.rateMenu()->hide();
}

QTEST_MAIN(TestTarnReportRate)
#include "tst_tarnreportrate.moc"
