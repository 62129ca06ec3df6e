#include "TarnSingleDPI.h"

#include "TarnLabel.h"
#include "TarnSlider.h"
#include "TarnTwoBarSlider.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// Stored steps are u32 and may come from any file; the sliders take ints inside their range.
int ClampStep(quint32 step, int minStep, int maxStep)
{
    if (maxStep < minStep)
        return minStep;
    if (step < quint32(qMax(0, minStep)))
        return minStep;
    return step > quint32(maxStep) ? maxStep : int(step);
}

QString CheckBoxStyleSheet(const QColor& text)
{
    const int size = Scaled(20);
    return QStringLiteral("QCheckBox{color:rgb(%1,%2,%3);spacing:%4px;}"
                          "QCheckBox::indicator{width:%5px;height:%5px;}"
                          "QCheckBox::indicator:unchecked{border-image:url(\"%6\");}"
                          "QCheckBox::indicator:checked{border-image:url(\"%7\");}")
        .arg(text.red())
        .arg(text.green())
        .arg(text.blue())
        .arg(Scaled(4))
        .arg(size)
        .arg(SkinPath(QStringLiteral("checkbox1-1.png")), SkinPath(QStringLiteral("checkbox1-2.png")));
}

QString LabelStyleSheet(const QColor& text)
{
    return QStringLiteral("QLabel{color:rgb(%1,%2,%3);background:transparent;}")
        .arg(text.red())
        .arg(text.green())
        .arg(text.blue());
}

} // namespace

TarnSingleDPI::TarnSingleDPI(quint8 level, QWidget* parent)
    : QWidget(parent)
    , m_level(level)
    , m_range(SensorStepRange(3325, false, QString()))
    , m_selector(new QRadioButton(this))
    , m_levelLabel(new TarnLabel(QString::number(level + 1), this))
    , m_enableBox(new QCheckBox(this))
    , m_linkBox(new QCheckBox(this))
    , m_slider(new TarnTwoBarSlider(this))
    , m_lowestLabel(new QLabel(this))
    , m_highestLabel(new QLabel(this))
    , m_xLabel(new QLabel(this))
    , m_yLabel(new QLabel(this))
    , m_dpiLabel(new QLabel(this))
{
    m_selector->setObjectName(QStringLiteral("levelSelector"));
    m_selector->setFocusPolicy(Qt::NoFocus);
    m_levelLabel->setObjectName(QStringLiteral("levelLabel"));
    m_levelLabel->setAlignment(Qt::AlignCenter);
    // The label reports its own click; the row must not report it a second time.
    m_levelLabel->setAttribute(Qt::WA_NoMousePropagation);
    m_enableBox->setObjectName(QStringLiteral("enableBox"));
    m_enableBox->setFocusPolicy(Qt::NoFocus);
    m_linkBox->setObjectName(QStringLiteral("linkBox"));
    m_linkBox->setFocusPolicy(Qt::NoFocus);
    m_lowestLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_highestLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel* label : {m_xLabel, m_yLabel, m_dpiLabel})
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(m_enableBox, &QCheckBox::stateChanged, this, &TarnSingleDPI::onStateChanged);
    connect(m_linkBox, &QCheckBox::stateChanged, this, &TarnSingleDPI::onStateChanged);
    connect(m_slider, &TarnTwoBarSlider::SliderChangedSignal, this, &TarnSingleDPI::onSliderChanged);
    connect(m_levelLabel, &TarnLabel::EnterSignal, this, &TarnSingleDPI::slotLabelClick);

    retranslate();
    setSensor(m_sensor, m_range);
    updateLinkView();
    relayout();
}

TarnSingleDPI::~TarnSingleDPI() = default;

void TarnSingleDPI::setSensor(int sensor, const SensorRange& range)
{
    m_sensor = sensor;
    if (range.known) {
        m_range = range;
        m_slider->setStepRange(range.minStep, range.maxStep);
        m_lowestLabel->setText(QString::number(range.minDpi));
        m_highestLabel->setText(QString::number(range.maxDpi));
        m_linkBox->setVisible(range.linkXY);
    }
    showSteps();
}

void TarnSingleDPI::setLevelValues(const DpiLevel& level)
{
    m_enable = level.used;
    m_link = level.link;
    m_x = level.x;
    m_y = level.y;
    {
        const QSignalBlocker be(m_enableBox);
        const QSignalBlocker bl(m_linkBox);
        m_enableBox->setChecked(m_enable != 0);
        m_linkBox->setChecked(m_link != 0);
    }
    updateLinkView();
    showSteps();
}

void TarnSingleDPI::showSteps()
{
    m_slider->setSteps(ClampStep(m_x, m_range.minStep, m_range.maxStep),
                       ClampStep(m_y, m_range.minStep, m_range.maxStep));
    updateDpiTexts();
}

void TarnSingleDPI::updateDpiTexts()
{
    // The texts follow what the sliders show.
    const int xDpi = StepToDpi(m_sensor, m_slider->xValue());
    const int yDpi = StepToDpi(m_sensor, m_slider->yValue());
    m_xLabel->setText(QStringLiteral("X:%1").arg(xDpi));
    m_yLabel->setText(QStringLiteral("Y:%1").arg(yDpi));
    m_dpiLabel->setText(QStringLiteral("DPI : %1").arg(yDpi));
}

void TarnSingleDPI::updateLinkView()
{
    const bool linked = m_link != 0;
    m_slider->setLinked(linked);
    m_dpiLabel->setVisible(linked);
    m_xLabel->setVisible(!linked);
    m_yLabel->setVisible(!linked);
}

void TarnSingleDPI::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    applyColours();
}

void TarnSingleDPI::applyColours()
{
    const QColor text = m_highlighted ? AccentQColor() : QColor(255, 255, 255);
    const QString labelSheet = LabelStyleSheet(text);
    for (QLabel* label : {static_cast<QLabel*>(m_levelLabel), m_lowestLabel, m_highestLabel, m_xLabel, m_yLabel,
                          m_dpiLabel})
        label->setStyleSheet(labelSheet);
    const QString boxSheet = CheckBoxStyleSheet(text);
    m_enableBox->setStyleSheet(boxSheet);
    m_linkBox->setStyleSheet(boxSheet);
    const QColor accent = AccentQColor();
    const int dot = Scaled(12);
    m_selector->setStyleSheet(
        QStringLiteral("QRadioButton{background:transparent;}"
                       "QRadioButton::indicator{width:%1px;height:%1px;border-radius:%2px;"
                       "border:1px solid rgb(150,150,150);background:rgb(33,35,35);}"
                       "QRadioButton::indicator:checked{background:rgb(%3,%4,%5);border-color:rgb(%3,%4,%5);}")
            .arg(dot)
            .arg(dot / 2)
            .arg(accent.red())
            .arg(accent.green())
            .arg(accent.blue()));
    m_slider->applyStyle();
}

void TarnSingleDPI::relayout(int rowHeight)
{
    // Everything but the two-line X/Y labels sits on the row's middle line.
    const int h = qMax(36, rowHeight);
    const int mid = h / 2;
    const QFont font = InterfaceFont();
    for (QWidget* w : std::initializer_list<QWidget*>{m_levelLabel, m_enableBox, m_linkBox, m_lowestLabel,
                                                       m_highestLabel, m_xLabel, m_yLabel, m_dpiLabel})
        w->setFont(font);
    m_selector->setGeometry(ScaledRect(0, mid - 10, 18, 20));
    m_levelLabel->setGeometry(ScaledRect(18, mid - 12, 16, 24));
    m_enableBox->setGeometry(ScaledRect(36, mid - 10, 22, 20));
    m_lowestLabel->setGeometry(ScaledRect(58, mid - 12, 32, 24));
    m_slider->setGeometry(ScaledRect(94, 0, 110, h));
    m_highestLabel->setGeometry(ScaledRect(208, mid - 12, 44, 24));
    m_xLabel->setGeometry(ScaledRect(256, 0, 88, mid));
    m_yLabel->setGeometry(ScaledRect(256, mid, 88, h - mid));
    m_dpiLabel->setGeometry(ScaledRect(256, mid - 12, 88, 24));
    m_linkBox->setGeometry(ScaledRect(346, mid - 12, 94, 24));
    applyColours();
}

void TarnSingleDPI::retranslate()
{
    m_linkBox->setText(QObject::tr("Link XY"));
}

QString TarnSingleDPI::xText() const { return m_xLabel->text(); }
QString TarnSingleDPI::yText() const { return m_yLabel->text(); }
QString TarnSingleDPI::dpiText() const { return m_dpiLabel->text(); }
QString TarnSingleDPI::lowestText() const { return m_lowestLabel->text(); }
QString TarnSingleDPI::highestText() const { return m_highestLabel->text(); }

void TarnSingleDPI::onStateChanged(int state)
{
    const quint8 flag = state == Qt::Checked ? 1 : 0;
    if (sender() == m_linkBox) {
        m_link = flag;
        updateLinkView();
        emit LinkSignal(m_link, m_level);
    } else if (sender() == m_enableBox) {
        m_enable = flag;
        emit EnableSignal(m_enable, m_level);
    }
}

void TarnSingleDPI::onSliderChanged(int iX, int iY)
{
    m_x = quint32(qMax(0, iX));
    m_y = quint32(qMax(0, iY));
    updateDpiTexts();
    emit DPISignal(iX, iY, m_level);
}

void TarnSingleDPI::slotLabelClick(TarnLabel*)
{
    emit MouseinSignal(m_level);
}

void TarnSingleDPI::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit MouseinSignal(m_level);
    }
}
