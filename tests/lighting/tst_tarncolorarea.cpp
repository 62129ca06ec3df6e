#include "DefaultColorArea.h"
#include "HColorArea.h"
#include "PreviewColorArea.h"
#include "SVColorArea.h"
#include "TarnColorArea.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

class TestTarnColorArea : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hexTyping_data();
    void hexTyping();
    void hexTypingKeepsTheTypedText();
    void presets_data();
    void presets();
    void hsvBoxesDriveRgb_data();
    void hsvBoxesDriveRgb();
    void rgbBoxesDriveHsv_data();
    void rgbBoxesDriveHsv();
    void setColorKeepsItsOwnHsv_data();
    void setColorKeepsItsOwnHsv();
    void hueStripPress_data();
    void hueStripPress();
    void hueStripDragBeyondTheEnds();
    void svSquarePress_data();
    void svSquarePress();
    void okAndCancelEndTheDialog();

private:
    struct Boxes
    {
        QSpinBox *h, *s, *v, *r, *g, *b;
        QLineEdit* edit;
    };
    static Boxes boxes(TarnColorArea& dialog);
    std::unique_ptr<TestAppDir> m_app;
};

TestTarnColorArea::Boxes TestTarnColorArea::boxes(TarnColorArea& d)
{
    return {d.findChild<QSpinBox*>("hBox"), d.findChild<QSpinBox*>("sBox"), d.findChild<QSpinBox*>("vBox"),
            d.findChild<QSpinBox*>("rBox"), d.findChild<QSpinBox*>("gBox"), d.findChild<QSpinBox*>("bBox"),
            d.findChild<QLineEdit*>("hexEdit")};
}

void TestTarnColorArea::init()
{
    m_app = std::make_unique<TestAppDir>();
    SetUiScale(1.0);
}

void TestTarnColorArea::cleanup()
{
    TarnColorArea::SetExecHook(nullptr);
    m_app.reset();
}

void TestTarnColorArea::hexTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("finished");

    QTest::newRow("one digit is blue") << "f" << 0 << 0 << 15 << "00000f";
    QTest::newRow("two digits are blue") << "7f" << 0 << 0 << 127 << "00007f";
    QTest::newRow("three digits double each") << "f0a" << 255 << 0 << 170 << "ff00aa";
    QTest::newRow("four digits are green and blue") << "1234" << 0 << 0x12 << 0x34 << "001234";
    QTest::newRow("five digits: one red digit") << "12345" << 0x01 << 0x23 << 0x45 << "012345";
    QTest::newRow("six digits") << "a1b2c3" << 0xa1 << 0xb2 << 0xc3 << "a1b2c3";
    QTest::newRow("upper case ends lower case") << "ABCDEF" << 0xab << 0xcd << 0xef << "abcdef";
    QTest::newRow("letters that are no digits are refused") << "zq9" << 0 << 0 << 9 << "000009";
    QTest::newRow("a seventh digit is refused") << "1234567" << 0x12 << 0x34 << 0x56 << "123456";
    // Nothing typed: the colour stays (10,20,30) until editing finishes, then it is black.
    QTest::newRow("empty becomes 000000") << "" << 10 << 20 << 30 << "000000";
}

void TestTarnColorArea::hexTyping()
{
    QFETCH(QString, typed);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, finished);

    TarnColorArea dialog;
    dialog.SetColor(QColor(10, 20, 30));
    const Boxes b = boxes(dialog);
    QCOMPARE(b.edit->text(), QStringLiteral("0a141e"));
    b.edit->clear();
    QTest::keyClicks(b.edit, typed);
    QCOMPARE(b.r->value(), red);
    QCOMPARE(b.g->value(), green);
    QCOMPARE(b.b->value(), blue);
    QCOMPARE(dialog.findChild<PreviewColorArea*>("preview")->color(), QColor(red, green, blue));

    QTest::keyClick(b.edit, Qt::Key_Return);
    QCOMPARE(b.edit->text(), finished);
    const QColor expected(QLatin1Char('#') + finished);
    QCOMPARE(dialog.color(), expected);
    QCOMPARE(b.r->value(), expected.red());
    QCOMPARE(b.g->value(), expected.green());
    QCOMPARE(b.b->value(), expected.blue());
}

void TestTarnColorArea::hexTypingKeepsTheTypedText()
{
    TarnColorArea dialog;
    const Boxes b = boxes(dialog);
    b.edit->clear();
    QTest::keyClicks(b.edit, QStringLiteral("f0a"));
    // Rewriting the text while the user types would move the cursor under their fingers.
    QCOMPARE(b.edit->text(), QStringLiteral("f0a"));
    QCOMPARE(b.h->value(), QColor(255, 0, 170).hsvHue());
}

void TestTarnColorArea::presets_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("hex");
    QTest::newRow("red") << 0 << QColor(255, 0, 0) << "ff0000";
    QTest::newRow("green") << 1 << QColor(0, 255, 0) << "00ff00";
    QTest::newRow("blue") << 2 << QColor(0, 0, 255) << "0000ff";
    QTest::newRow("cyan") << 3 << QColor(0, 255, 255) << "00ffff";
    QTest::newRow("yellow") << 4 << QColor(255, 255, 0) << "ffff00";
    QTest::newRow("magenta") << 5 << QColor(255, 0, 255) << "ff00ff";
    QTest::newRow("white") << 6 << QColor(255, 255, 255) << "ffffff";
}

void TestTarnColorArea::presets()
{
    QFETCH(int, index);
    QFETCH(QColor, color);
    QFETCH(QString, hex);

    TarnColorArea dialog;
    dialog.SetColor(QColor(12, 34, 56));
    auto* preset = dialog.findChild<DefaultColorArea*>(QStringLiteral("preset%1").arg(index));
    QVERIFY(preset);
    QCOMPARE(preset->color(), color);
    QTest::mouseClick(preset, Qt::LeftButton);

    const Boxes b = boxes(dialog);
    QCOMPARE(dialog.color(), color);
    QCOMPARE(b.edit->text(), hex);
    QCOMPARE(b.s->value(), color.hsvSaturation());
    QCOMPARE(b.v->value(), color.value());
    if (color.hsvHue() >= 0)
        QCOMPARE(b.h->value(), color.hsvHue());
    if (index == 6) {
        QCOMPARE(b.s->value(), 0);
        QCOMPARE(b.v->value(), 255);
    }
    QCOMPARE(dialog.findChild<PreviewColorArea*>("preview")->color(), color);
}

void TestTarnColorArea::hsvBoxesDriveRgb_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("v");
    QTest::addColumn<QColor>("rgb");
    QTest::newRow("hue 120 full is green") << 120 << 255 << 255 << QColor(0, 255, 0);
    QTest::newRow("hue 360 is red again") << 360 << 255 << 255 << QColor(255, 0, 0);
    QTest::newRow("no saturation is grey whatever the hue") << 200 << 0 << 128 << QColor(128, 128, 128);
    QTest::newRow("value 0 is black") << 45 << 255 << 0 << QColor(0, 0, 0);
    QTest::newRow("mid orange") << 30 << 200 << 180 << QColor::fromHsv(30, 200, 180).toRgb();
}

void TestTarnColorArea::hsvBoxesDriveRgb()
{
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, v);
    QFETCH(QColor, rgb);

    TarnColorArea dialog;
    dialog.SetColor(QColor(90, 10, 10));
    const Boxes b = boxes(dialog);
    b.h->setValue(h);
    b.s->setValue(s);
    b.v->setValue(v);
    // The boxes keep what was entered, the rest follows.
    QCOMPARE(b.h->value(), h);
    QCOMPARE(b.s->value(), s);
    QCOMPARE(b.v->value(), v);
    QCOMPARE(dialog.color().rgb(), rgb.rgb());
    QCOMPARE(b.edit->text(), rgb.name().mid(1));
    QCOMPARE(dialog.findChild<HColorArea*>("hueStrip")->hue(), h);
    auto* square = dialog.findChild<SVColorArea*>("svSquare");
    QCOMPARE(square->hue(), h);
    QCOMPARE(square->markerPoint(), QPoint(square->toPixels(s), square->side() - square->toPixels(v)));
}

void TestTarnColorArea::rgbBoxesDriveHsv_data()
{
    QTest::addColumn<QColor>("rgb");
    QTest::newRow("pure blue") << QColor(0, 0, 255);
    QTest::newRow("dark teal") << QColor(10, 90, 80);
    QTest::newRow("pale pink") << QColor(250, 200, 210);
    QTest::newRow("grey keeps the hue") << QColor(77, 77, 77);
}

void TestTarnColorArea::rgbBoxesDriveHsv()
{
    QFETCH(QColor, rgb);

    TarnColorArea dialog;
    dialog.SetColor(QColor::fromHsv(300, 255, 255));
    const Boxes b = boxes(dialog);
    b.r->setValue(rgb.red());
    b.g->setValue(rgb.green());
    b.b->setValue(rgb.blue());

    QCOMPARE(dialog.color(), rgb);
    QCOMPARE(b.edit->text(), rgb.name().mid(1));
    QCOMPARE(b.s->value(), rgb.hsvSaturation());
    QCOMPARE(b.v->value(), rgb.value());
    // A grey has no hue of its own: the one of the colour before the last box change stays.
    const int keptHue = QColor(rgb.red(), rgb.green(), 255).hsvHue();
    QCOMPARE(b.h->value(), rgb.hsvHue() >= 0 ? rgb.hsvHue() : keptHue);
    QCOMPARE(dialog.hue(), b.h->value());
    QCOMPARE(dialog.saturation(), b.s->value());
    QCOMPARE(dialog.value(), b.v->value());
    // The H/S/V shown describe the RGB shown, to QColor's rounding.
    const QColor back = QColor::fromHsv(b.h->value() % 360, b.s->value(), b.v->value()).toRgb();
    QVERIFY(qAbs(back.red() - rgb.red()) <= 2 && qAbs(back.green() - rgb.green()) <= 2
            && qAbs(back.blue() - rgb.blue()) <= 2);
}

void TestTarnColorArea::setColorKeepsItsOwnHsv_data()
{
    QTest::addColumn<QColor>("color");
    QTest::newRow("an hsv colour") << QColor::fromHsv(200, 100, 50);
    QTest::newRow("an rgb colour") << QColor(1, 2, 3);
    QTest::newRow("an invalid colour is black") << QColor();
}

void TestTarnColorArea::setColorKeepsItsOwnHsv()
{
    QFETCH(QColor, color);
    TarnColorArea dialog;
    dialog.SetColor(color);
    const QColor c = color.isValid() ? color : QColor(Qt::black);
    const Boxes b = boxes(dialog);
    QCOMPARE(b.s->value(), c.hsvSaturation());
    QCOMPARE(b.v->value(), c.value());
    if (c.hsvHue() >= 0)
        QCOMPARE(b.h->value(), c.hsvHue());
    QCOMPARE(dialog.color().rgb(), c.rgb());
}

void TestTarnColorArea::hueStripPress_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("hue");
    // Strip 128 px high below a 7 px margin at scale 1.
    QTest::newRow("above the top margin is 360") << 0 << 360;
    QTest::newRow("top of the strip is 360") << 7 << 360;
    QTest::newRow("middle is 180") << 7 + 64 << 180;
    QTest::newRow("bottom of the strip is 0") << 7 + 128 << 0;
    QTest::newRow("below the bottom is 0") << 7 + 128 + 7 << 0;
}

void TestTarnColorArea::hueStripPress()
{
    QFETCH(int, y);
    QFETCH(int, hue);

    TarnColorArea dialog;
    dialog.SetColor(QColor(0, 128, 0));
    auto* strip = dialog.findChild<HColorArea*>("hueStrip");
    QCOMPARE(strip->margin(), 7);
    QCOMPARE(strip->stripHeight(), 128);
    QSignalSpy changed(strip, &HColorArea::hueChangedSignal);
    QSignalSpy released(strip, &HColorArea::mouseReleaseSignal);
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(10, y));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), hue);
    QCOMPARE(released.count(), 1);
    QCOMPARE(boxes(dialog).h->value(), hue);
    QCOMPARE(dialog.color().rgb(), QColor::fromHsv(hue % 360, 255, 128).rgb());
}

void TestTarnColorArea::hueStripDragBeyondTheEnds()
{
    TarnColorArea dialog;
    auto* strip = dialog.findChild<HColorArea*>("hueStrip");
    QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, QPoint(10, 70));
    QMouseEvent up(QEvent::MouseMove, QPointF(10, -40), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &up);
    QCOMPARE(boxes(dialog).h->value(), 360);
    QMouseEvent down(QEvent::MouseMove, QPointF(10, 400), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &down);
    QCOMPARE(boxes(dialog).h->value(), 0);
    QTest::mouseRelease(strip, Qt::LeftButton, Qt::NoModifier, QPoint(10, 400));
}

void TestTarnColorArea::svSquarePress_data()
{
    QTest::addColumn<QPoint>("pos");     // relative to the square's top-left corner
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("v");
    QTest::newRow("top right is full") << QPoint(128, 0) << 255 << 255;
    QTest::newRow("bottom left is none") << QPoint(0, 128) << 0 << 0;
    QTest::newRow("beyond the square clamps") << QPoint(500, -50) << 255 << 255;
    QTest::newRow("middle is half") << QPoint(64, 64) << 128 << 128;
}

void TestTarnColorArea::svSquarePress()
{
    QFETCH(QPoint, pos);
    QFETCH(int, s);
    QFETCH(int, v);

    TarnColorArea dialog;
    dialog.SetColor(QColor::fromHsv(240, 10, 10));
    auto* square = dialog.findChild<SVColorArea*>("svSquare");
    QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, pos + QPoint(square->offset(), square->offset()));
    const Boxes b = boxes(dialog);
    QCOMPARE(b.h->value(), 240);
    QCOMPARE(b.s->value(), s);
    QCOMPARE(b.v->value(), v);
    QCOMPARE(dialog.color().rgb(), QColor::fromHsv(240, s, v).rgb());
}

void TestTarnColorArea::okAndCancelEndTheDialog()
{
    TarnColorArea dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Color Edit"));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestTarnColorArea)
#include "tst_tarncolorarea.moc"
