#include "AppRules.h"
#include "AppRulesDialog.h"
#include "FrontWindowSource.h"
#include "TestAppDir.h"

#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

namespace {
class FakeSource : public FrontWindowSource
{
public:
    bool available() const override { return true; }
    QStringList runningClasses() const override { return {QStringLiteral("Steam"), QStringLiteral("XTerm")}; }
    FrontWindow frontWindow() const override { return {}; }
};
} // namespace

// The program-profile dialog stores each gesture at once and says when nothing can switch.
class TestAppRulesDialog : public QObject
{
    Q_OBJECT

private slots:
    void gesturesAreStored();
    void unavailableSaysSo();
};

void TestAppRulesDialog::gesturesAreStored()
{
    TestAppDir dir;
    FakeSource source;
    AppRulesDialog dialog(&source);
    QVERIFY(dialog.unavailableLabel()->isHidden());
    QCOMPARE(dialog.programBox()->count(), 2);
    dialog.programBox()->setCurrentIndex(1);
    dialog.slotBox()->setCurrentIndex(3);
    dialog.onAddClicked();
    dialog.defaultBox()->setCurrentIndex(2);
    QCOMPARE(ReadAppRules(), (QVector<AppRule>{{QStringLiteral("XTerm"), 3}}));
    QCOMPARE(ReadAppRuleDefault(), 1);
    QCOMPARE(dialog.rules()->topLevelItemCount(), 1);
    dialog.rules()->setCurrentItem(dialog.rules()->topLevelItem(0));
    dialog.onRemoveClicked();
    QVERIFY(ReadAppRules().isEmpty());
    QCOMPARE(dialog.rules()->topLevelItemCount(), 0);
}

void TestAppRulesDialog::unavailableSaysSo()
{
    TestAppDir dir;
    AppRulesDialog dialog(nullptr);
    QVERIFY(!dialog.unavailableLabel()->isHidden());
}

QTEST_MAIN(TestAppRulesDialog)
#include "tst_apprulesdialog.moc"
