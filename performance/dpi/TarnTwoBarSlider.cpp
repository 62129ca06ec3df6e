#include "TarnTwoBarSlider.h"

#include "TarnSlider.h"
#include "UiContext.h"

#include <QSignalBlocker>

namespace {

TarnSlider* MakeSlider(const char* name, QWidget* parent)
{
    auto* slider = new TarnSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setSingleStep(1);
    slider->setPageStep(1);
    return slider;
}

QString GrooveStyleSheet()
{
    const QColor accent = AccentQColor();
    const QColor dark = accent.darker(300);
    const int groove = qMax(2, Scaled(4));
    const int handle = qMax(8, Scaled(14));
    const int overhang = (handle - groove) / 2;
    return QStringLiteral("QSlider::groove:horizontal{height:%1px;background:rgb(150,150,150);border-radius:%2px;}"
                          "QSlider::sub-page:horizontal{border-radius:%2px;background:qlineargradient("
                          "x1:0,y1:0,x2:1,y2:0,stop:0 rgb(%3,%4,%5),stop:1 rgb(%6,%7,%8));}"
                          "QSlider::add-page:horizontal{background:rgb(150,150,150);border-radius:%2px;}"
                          "QSlider::handle:horizontal{background:rgb(%6,%7,%8);width:%9px;margin:-%10px 0;"
                          "border-radius:%11px;}")
        .arg(groove)
        .arg(groove / 2)
        .arg(dark.red())
        .arg(dark.green())
        .arg(dark.blue())
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(handle)
        .arg(overhang)
        .arg(handle / 2);
}

} // namespace

TarnTwoBarSlider::TarnTwoBarSlider(QWidget* parent)
    : QWidget(parent)
    , m_xSlider(MakeSlider("xSlider", this))
    , m_ySlider(MakeSlider("ySlider", this))
    , m_linkedSlider(MakeSlider("linkedSlider", this))
{
    // A plain QWidget paints a style-sheet background only with this attribute.
    setAttribute(Qt::WA_StyledBackground);
    connect(m_xSlider, &QSlider::valueChanged, this, &TarnTwoBarSlider::onXChanged);
    connect(m_ySlider, &QSlider::valueChanged, this, &TarnTwoBarSlider::onYChanged);
    connect(m_linkedSlider, &QSlider::valueChanged, this, &TarnTwoBarSlider::onLinkedChanged);
    applyStyle();
    setLinked(false);
}

TarnTwoBarSlider::~TarnTwoBarSlider() = default;

void TarnTwoBarSlider::setStepRange(int minStep, int maxStep)
{
    const QSignalBlocker bx(m_xSlider);
    const QSignalBlocker by(m_ySlider);
    const QSignalBlocker bl(m_linkedSlider);
    for (TarnSlider* slider : {m_xSlider, m_ySlider, m_linkedSlider})
        slider->setRange(minStep, maxStep);
}

int TarnTwoBarSlider::minStep() const { return m_xSlider->minimum(); }
int TarnTwoBarSlider::maxStep() const { return m_xSlider->maximum(); }

void TarnTwoBarSlider::setSteps(int x, int y)
{
    const QSignalBlocker bx(m_xSlider);
    const QSignalBlocker by(m_ySlider);
    const QSignalBlocker bl(m_linkedSlider);
    m_xSlider->setValue(x);
    m_ySlider->setValue(y);
    m_linkedSlider->setValue(x);
}

int TarnTwoBarSlider::xValue() const { return m_xSlider->value(); }
int TarnTwoBarSlider::yValue() const { return m_ySlider->value(); }
int TarnTwoBarSlider::linkedValue() const { return m_linkedSlider->value(); }

void TarnTwoBarSlider::setLinked(bool linked)
{
    m_linked = linked;
    m_linkedSlider->setVisible(linked);
    m_xSlider->setVisible(!linked);
    m_ySlider->setVisible(!linked);
    placeSliders();
}

void TarnTwoBarSlider::applyStyle()
{
    setStyleSheet(QStringLiteral("TarnTwoBarSlider{background-color:rgba(33,35,35,0.5);}"));
    const QString sheet = GrooveStyleSheet();
    for (TarnSlider* slider : {m_xSlider, m_ySlider, m_linkedSlider})
        slider->setStyleSheet(sheet);
    placeSliders();
}

void TarnTwoBarSlider::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeSliders();
}

void TarnTwoBarSlider::placeSliders()
{
    const int margin = Scaled(4);
    const int w = qMax(0, width() - 2 * margin);
    const int half = height() / 2;
    m_xSlider->setGeometry(margin, 0, w, half);
    m_ySlider->setGeometry(margin, half, w, height() - half);
    m_linkedSlider->setGeometry(margin, 0, w, height());
}

void TarnTwoBarSlider::onXChanged(int iValue)
{
    // The linked slider follows X so that linking again starts from the X step.
    const QSignalBlocker bl(m_linkedSlider);
    m_linkedSlider->setValue(iValue);
    emit SliderChangedSignal(iValue, m_ySlider->value());
}

void TarnTwoBarSlider::onYChanged(int iValue)
{
    emit SliderChangedSignal(m_xSlider->value(), iValue);
}

void TarnTwoBarSlider::onLinkedChanged(int iValue)
{
    // X and Y follow, so unlinking shows both at the linked value.
    {
        const QSignalBlocker bx(m_xSlider);
        const QSignalBlocker by(m_ySlider);
        m_xSlider->setValue(iValue);
        m_ySlider->setValue(iValue);
    }
    emit SliderChangedSignal(iValue, iValue);
}
