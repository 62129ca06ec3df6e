#include "TarnAction.h"
#include "TarnLabel.h"
#include "TarnLineEdit.h"
#include "TarnMenu.h"
#include "TarnProcessbar.h"
#include "TarnSlider.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QVBoxLayout>
#include <QtTest>

class TestTarnWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sliderReportsMouseChangesWithNewValue();
    void sliderKeyboardIsNoMouseChange();
    void labelReportsLeftClick();
    void lineEditReportsLostFocus();
    void actionCarriesId();
    void processbarStyles_data();
    void processbarStyles();
    void menuStyleUsesAccent();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void TestTarnWidgets::init()
{
    m_app = std::make_unique<TestAppDir>();
    SetUiScale(1.0);
}

void TestTarnWidgets::cleanup()
{
    SetUiScale(1.0);
    m_app.reset();
}

void TestTarnWidgets::sliderReportsMouseChangesWithNewValue()
{
    TarnSlider slider(Qt::Horizontal);
    slider.setRange(1, 9);
    slider.setValue(1);
    slider.resize(200, 24);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QList<int> seen;
    connect(&slider, &TarnSlider::SliderMouseChangeSignal, this, [&] { seen << slider.value(); });

    // At the minimum the handle sits at the left end; grab it there and drag it right.
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(4, 12));
    QMouseEvent move(QEvent::MouseMove, QPointF(190, 12), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &move);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(190, 12));
    QCOMPARE(seen.size(), 3);
    // The slot reads the value the drag produced, not the one before it.
    QVERIFY2(seen.at(1) > 1, qPrintable(QString::number(seen.at(1))));
    QCOMPARE(seen.at(2), slider.value());
}

void TestTarnWidgets::sliderKeyboardIsNoMouseChange()
{
    TarnSlider slider;
    slider.setRange(0, 10);
    QSignalSpy mouse(&slider, &TarnSlider::SliderMouseChangeSignal);
    QSignalSpy value(&slider, &QSlider::valueChanged);
    QTest::keyClick(&slider, Qt::Key_Right);
    QCOMPARE(value.count(), 1);
    QCOMPARE(mouse.count(), 0);
}

void TestTarnWidgets::labelReportsLeftClick()
{
    TarnLabel label(QStringLiteral("X:800"));
    label.resize(60, 20);
    QSignalSpy entered(&label, &TarnLabel::EnterSignal);
    QTest::mouseClick(&label, Qt::RightButton);
    QCOMPARE(entered.count(), 0);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.first().first().value<TarnLabel*>(), &label);
}

void TestTarnWidgets::lineEditReportsLostFocus()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new TarnLineEdit(QStringLiteral("PROFILE 1"));
    auto* other = new QLineEdit;
    layout->addWidget(edit);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy lost(edit, &TarnLineEdit::tarnLostFocus);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(lost.count(), 0);
    other->setFocus();
    QTRY_COMPARE(lost.count(), 1);
}

void TestTarnWidgets::actionCarriesId()
{
    TarnAction action(QStringLiteral("PROFILE 3"), 2);
    QCOMPARE(action.id(), 2);
    QSignalSpy triggered(&action, &TarnAction::TriggeredSignal);
    action.trigger();
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.first().first().toInt(), 2);
    action.setId(4);
    action.trigger();
    QCOMPARE(triggered.last().first().toInt(), 4);
    QCOMPARE(TarnAction().id(), -1);
}

void TestTarnWidgets::processbarStyles_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("fontSize");
    QTest::newRow("16 px at 1.0") << 1.0 << "font-size:16px";
    QTest::newRow("20 px at 1.25") << 1.25 << "font-size:20px";
    QTest::newRow("28 px at 1.75") << 1.75 << "font-size:28px";
}

void TestTarnWidgets::processbarStyles()
{
    QFETCH(double, scale);
    QFETCH(QString, fontSize);
    m_app->write(QStringLiteral("Configs/Config.ini"), "[Config]\nGColorID=5\n");
    SetUiScale(scale);
    TarnProcessbar bar;
    QVERIFY(bar.styleSheet().contains(QStringLiteral("QProgressBar::chunk{background-color:rgb(0,255,255)")));
    QVERIFY(bar.styleSheet().contains(QStringLiteral("background-color:white")));
    QVERIFY(bar.styleSheet().contains(fontSize));
    bar.setOffStyle();
    QVERIFY(!bar.styleSheet().contains(QStringLiteral("rgb(0,255,255)")));
    QCOMPARE(bar.styleSheet().count(QStringLiteral("rgb(100,100,100)")), 2);
    QVERIFY(bar.styleSheet().contains(fontSize));
    bar.setNormalStyle();
    QVERIFY(bar.styleSheet().contains(QStringLiteral("rgb(0,255,255)")));

    // The chunk really is drawn in the accent colour.
    bar.setRange(0, 100);
    bar.setValue(100);
    bar.setTextVisible(false);
    bar.resize(100, 20);
    const QImage image = bar.grab().toImage();
    QCOMPARE(QColor(image.pixel(50, 10)), QColor(0, 255, 255));
}

void TestTarnWidgets::menuStyleUsesAccent()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), "[Config]\nGColorID=6\n");
    TarnMenu menu;
    QVERIFY(menu.styleSheet().contains(QStringLiteral("QMenu::item:selected{border:1px solid rgb(255,125,0);}")));
    QVERIFY(menu.styleSheet().contains(QStringLiteral("QMenu::item:pressed{background-color:rgb(255,125,0);}")));
    menu.addAction(new TarnAction(QStringLiteral("PROFILE 1"), 0, &menu));
    menu.addAction(new TarnAction(QStringLiteral("PROFILE 2"), 1, &menu));
    menu.setActiveAction(menu.actions().at(1));
    const QPixmap picture = menu.grab();
    QVERIFY(!picture.isNull());
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    if (!dir.isEmpty())
        picture.save(dir + QStringLiteral("/menu.png"));
}

QTEST_MAIN(TestTarnWidgets)
#include "tst_tarnwidgets.moc"
