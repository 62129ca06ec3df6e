#include "TarnPushButton.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QPainter>
#include <QtTest>

namespace {

const QColor kNormal(200, 0, 0);
const QColor kHover(0, 200, 0);
const QColor kPressed(0, 0, 200);

QPixmap Solid(const QColor& colour, const QSize& size = QSize(40, 20))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

QList<QPixmap> Pictures(int count)
{
    const QList<QPixmap> all{Solid(kNormal), Solid(kHover), Solid(kPressed)};
    return all.mid(0, count);
}

void Enter(QWidget& widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&widget, &event);
}

void Leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &event);
}

QColor Shown(QWidget& widget)
{
    return QColor(widget.grab().toImage().pixel(widget.width() / 2, widget.height() / 2));
}

} // namespace

class TestTarnPushButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void singlePixmapNeverChangesPicture();
    void threePixmapsFollowHoverAndPress();
    void twoPixmapsHaveNoPressedPicture();
    void pressThenLeaveDoesNotReportEndOfHover();
    void signalOrder();
    void checkableLatch_data();
    void checkableLatch();
    void checkableClickTogglesOnce();
    void programmaticCheckShowsHoverAtRest();
    void enabling_data();
    void enabling();
    void rightButtonIsIgnored();
    void sizeHintFollowsState();
    void skinFileConstructors();
    void colorModeLook();
    void captionFitsTheButton_data();
    void captionFitsTheButton();
    void grabForLooking();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void TestTarnPushButton::captionFitsTheButton_data()
{
    QTest::addColumn<double>("room");   // button width over the caption's full width
    QTest::addColumn<bool>("smaller");
    QTest::addColumn<bool>("elided");
    QTest::newRow("fits: as it is") << 1.2 << false << false;
    QTest::newRow("a tenth too long: smaller font") << 0.9 << true << false;
    QTest::newRow("far too long: cut") << 0.4 << true << true;
}

void TestTarnPushButton::captionFitsTheButton()
{
    QFETCH(double, room);
    QFETCH(bool, smaller);
    QFETCH(bool, elided);
    const QString text = QStringLiteral("PERSONNALISER");
    const QFont full = InterfaceFont();
    TarnPushButton button;
    button.setText(text);
    button.resize(int(QFontMetrics(full).horizontalAdvance(text) * room) + 6, 24);
    const TarnPushButton::Caption caption = button.fittedCaption();
    QCOMPARE(caption.text != text, elided);
    QCOMPARE(caption.font.pixelSize() < full.pixelSize(), smaller);
    QVERIFY(QFontMetrics(caption.font).horizontalAdvance(caption.text) <= button.width() - 6);
}

void TestTarnPushButton::init()
{
    m_app = std::make_unique<TestAppDir>();
    SetUiScale(1.0);
    SetColorMode(0);
}

void TestTarnPushButton::cleanup()
{
    SetColorMode(0);
    m_app.reset();
}

void TestTarnPushButton::singlePixmapNeverChangesPicture()
{
    TarnPushButton button(Pictures(1));
    button.resize(40, 20);
    QSignalSpy entered(&button, &TarnPushButton::EnterSignal);
    QSignalSpy over(&button, &TarnPushButton::OverSignal);

    QCOMPARE(Shown(button), kNormal);
    Enter(button);
    QCOMPARE(Shown(button), kNormal);
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(Shown(button), kNormal);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(Shown(button), kNormal);
    Leave(button);
    Enter(button);
    Leave(button);
    QCOMPARE(Shown(button), kNormal);

    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.first().first().value<TarnPushButton*>(), &button);
    // enter, (leave after press not reported), enter, leave
    QCOMPARE(over.count(), 3);
    QCOMPARE(over.at(0).at(1).toBool(), true);
    QCOMPARE(over.at(1).at(1).toBool(), true);
    QCOMPARE(over.at(2).at(1).toBool(), false);
}

void TestTarnPushButton::threePixmapsFollowHoverAndPress()
{
    TarnPushButton button(Pictures(3));
    button.resize(40, 20);
    QCOMPARE(Shown(button), kNormal);
    Enter(button);
    QCOMPARE(button.state(), int(TarnPushButton::Hover));
    QCOMPARE(Shown(button), kHover);
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(button.state(), int(TarnPushButton::Pressed));
    QCOMPARE(Shown(button), kPressed);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(Shown(button), kHover);
    Leave(button);
    QCOMPARE(Shown(button), kNormal);
}

void TestTarnPushButton::twoPixmapsHaveNoPressedPicture()
{
    TarnPushButton button(Pictures(2));
    button.resize(40, 20);
    Enter(button);
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(Shown(button), kHover);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(Shown(button), kHover);
    Leave(button);
    QCOMPARE(Shown(button), kNormal);
}

void TestTarnPushButton::pressThenLeaveDoesNotReportEndOfHover()
{
    TarnPushButton button(Pictures(3));
    button.resize(40, 20);
    QSignalSpy over(&button, &TarnPushButton::OverSignal);
    QVERIFY(button.hoverPending());
    Enter(button);
    QTest::mousePress(&button, Qt::LeftButton);
    QVERIFY(!button.hoverPending());
    QTest::mouseRelease(&button, Qt::LeftButton);
    Leave(button);
    QCOMPARE(over.count(), 1);
    QCOMPARE(over.at(0).at(1).toBool(), true);
    QCOMPARE(button.state(), int(TarnPushButton::Normal));

    // A plain hover afterwards reports both ends again.
    Enter(button);
    Leave(button);
    QCOMPARE(over.count(), 3);
    QCOMPARE(over.at(2).at(1).toBool(), false);
}

void TestTarnPushButton::signalOrder()
{
    TarnPushButton button(Pictures(3));
    button.resize(40, 20);
    QStringList order;
    connect(&button, &TarnPushButton::OverSignal, this,
            [&order](TarnPushButton*, bool bType) { order << (bType ? "over in" : "over out"); });
    connect(&button, &TarnPushButton::EnterSignal, this, [&order] { order << "enter"; });
    connect(&button, &QPushButton::pressed, this, [&order] { order << "pressed"; });
    connect(&button, &QPushButton::clicked, this, [&order] { order << "clicked"; });
    Enter(button);
    QTest::mouseClick(&button, Qt::LeftButton);
    Leave(button);
    Enter(button);
    Leave(button);
    QCOMPARE(order, QStringList({"over in", "enter", "pressed", "clicked", "over in", "over out"}));
}

void TestTarnPushButton::checkableLatch_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QList<int>>("states");   // after: press, release, leave; then again
    QTest::addColumn<QList<bool>>("checked"); // after each full click

    QTest::newRow("three pictures latch") << 3 << QList<int>{2, 1, 1, 0, 1, 0} << QList<bool>{true, false};
    QTest::newRow("two pictures latch") << 2 << QList<int>{1, 1, 1, 1, 1, 0} << QList<bool>{true, false};
    QTest::newRow("one picture latch") << 1 << QList<int>{0, 0, 1, 1, 1, 0} << QList<bool>{true, false};
}

void TestTarnPushButton::checkableLatch()
{
    QFETCH(int, pictures);
    QFETCH(QList<int>, states);
    QFETCH(QList<bool>, checked);
    TarnPushButton button(Pictures(pictures));
    button.resize(40, 20);
    button.setCheckable(true);
    QList<int> seen;
    QList<bool> seenChecked;
    for (int round = 0; round < 2; ++round) {
        Enter(button);
        QTest::mousePress(&button, Qt::LeftButton);
        seen << button.state();
        QTest::mouseRelease(&button, Qt::LeftButton);
        seen << button.state();
        Leave(button);
        seen << button.state();
        seenChecked << button.isChecked();
    }
    QCOMPARE(seen, states);
    QCOMPARE(seenChecked, checked);
}

void TestTarnPushButton::checkableClickTogglesOnce()
{
    TarnPushButton button(Pictures(3));
    button.resize(40, 20);
    button.setCheckable(true);
    QSignalSpy toggled(&button, &QAbstractButton::toggled);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toBool(), true);

    // A press released outside the button is no click, but the latch stays.
    QTest::mousePress(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    QVERIFY(!button.isChecked());
    QCOMPARE(clicked.count(), 1);

    // A programmatic click still toggles, exactly once.
    button.click();
    QVERIFY(button.isChecked());
    QCOMPARE(toggled.count(), 3);
}

void TestTarnPushButton::programmaticCheckShowsHoverAtRest()
{
    TarnPushButton button(Pictures(3));
    button.resize(40, 20);
    button.setCheckable(true);
    button.setChecked(true);
    QCOMPARE(Shown(button), kHover);
    button.setChecked(false);
    QCOMPARE(Shown(button), kNormal);
}

void TestTarnPushButton::enabling_data()
{
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("stateAfterEnable");
    QTest::newRow("plain returns to normal") << false << false << 0;
    QTest::newRow("checkable unchecked returns to normal") << true << false << 0;
    QTest::newRow("checkable checked returns to hover") << true << true << 1;
}

void TestTarnPushButton::enabling()
{
    QFETCH(bool, checkable);
    QFETCH(bool, checked);
    QFETCH(int, stateAfterEnable);
    TarnPushButton button(Pictures(3));
    button.resize(40, 20);
    button.setCheckable(checkable);
    button.setChecked(checked);
    button.setEnabled(false);
    QCOMPARE(button.state(), int(TarnPushButton::Disabled));
    QCOMPARE(Shown(button), kNormal);
    Enter(button);      // hovering a disabled button keeps it disabled
    QCOMPARE(button.state(), int(TarnPushButton::Disabled));
    Leave(button);
    QCOMPARE(button.state(), int(TarnPushButton::Disabled));
    button.setEnabled(true);
    QCOMPARE(button.state(), stateAfterEnable);
}

void TestTarnPushButton::rightButtonIsIgnored()
{
    TarnPushButton button(Pictures(3));
    button.resize(40, 20);
    button.setCheckable(true);
    QSignalSpy entered(&button, &TarnPushButton::EnterSignal);
    QTest::mouseClick(&button, Qt::RightButton);
    QCOMPARE(entered.count(), 0);
    QVERIFY(!button.isChecked());
    QVERIFY(button.hoverPending());
}

void TestTarnPushButton::sizeHintFollowsState()
{
    TarnPushButton button({Solid(kNormal, QSize(40, 20)), Solid(kHover, QSize(50, 25)), Solid(kPressed, QSize(60, 30))});
    QCOMPARE(button.sizeHint(), QSize(40, 20));
    Enter(button);
    QCOMPARE(button.sizeHint(), QSize(50, 25));
    TarnPushButton single({Solid(kNormal, QSize(33, 11))});
    Enter(single);
    QCOMPARE(single.sizeHint(), QSize(33, 11));

    // Missing skin pictures must not collapse the button.
    TarnPushButton missing(QStringLiteral("nothere-1.png"), QStringLiteral("nothere-2.png"));
    missing.setText(QStringLiteral("PROFILE"));
    QVERIFY(missing.sizeHint().width() > 20);
    QVERIFY(missing.sizeHint().height() > 5);
}

void TestTarnPushButton::skinFileConstructors()
{
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    QVERIFY(Solid(kNormal, QSize(100, 20)).save(m_app->file(QStringLiteral("skin/tabbutton-1.png"))));
    QVERIFY(Solid(kHover, QSize(100, 20)).save(m_app->file(QStringLiteral("skin/tabbutton-3.png"))));
    QVERIFY(Solid(kPressed, QSize(100, 20)).save(m_app->file(QStringLiteral("skin/tabbutton-2.png"))));
    TarnPushButton button(QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
                          QStringLiteral("tabbutton-2.png"));
    QCOMPARE(button.pixmaps().size(), 3);
    QCOMPARE(button.sizeHint(), QSize(100, 20));
    button.resize(100, 20);
    Enter(button);
    QCOMPARE(Shown(button), kHover);
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(Shown(button), kPressed);

    TarnPushButton four;
    four.setPixmaps({Solid(kNormal), Solid(kHover), Solid(kPressed), Solid(Qt::yellow)});
    QCOMPARE(four.pixmaps().size(), 3);
}

void TestTarnPushButton::colorModeLook()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), "[Config]\nGColorID=1\n");
    SetColorMode(1);
    TarnPushButton button(Pictures(3));
    button.resize(80, 30);
    const QImage rest = button.grab().toImage();
    QCOMPARE(QColor(rest.pixel(0, 15)).green(), 255);          // accent border
    QVERIFY(QColor(rest.pixel(40, 15)).lightness() < 60);      // dark face, not the picture
    Enter(button);
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(Shown(button), QColor(0, 255, 0));               // pressed: filled with the accent
}

void TestTarnPushButton::grabForLooking()
{
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    QPixmap base(100, 20);
    {
        QLinearGradient gradient(0, 0, 0, 20);
        gradient.setColorAt(0, QColor(70, 70, 75));
        gradient.setColorAt(1, QColor(30, 30, 32));
        base.fill(Qt::transparent);
        QPainter painter(&base);
        painter.fillRect(base.rect(), gradient);
    }
    QPixmap hover = base;
    {
        QPainter painter(&hover);
        painter.fillRect(hover.rect(), QColor(255, 0, 0, 70));
    }
    QImage strip(100 * 4 + 30, 20, QImage::Format_ARGB32);
    strip.fill(Qt::black);
    QPainter painter(&strip);
    for (int look = 0; look < 4; ++look) {
        SetColorMode(look >= 2 ? 1 : 0);
        TarnPushButton button({base, hover});
        button.setText(QStringLiteral("PROFILE"));
        button.resize(100, 20);
        if (look % 2)
            Enter(button);
        painter.drawPixmap(look * 110, 0, button.grab());
    }
    painter.end();
    QVERIFY(!strip.isNull());
    if (!dir.isEmpty())
        strip.save(dir + QStringLiteral("/pushbuttons.png"));
}

QTEST_MAIN(TestTarnPushButton)
#include "tst_tarnpushbutton.moc"
