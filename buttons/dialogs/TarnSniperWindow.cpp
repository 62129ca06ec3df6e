#include "TarnSniperWindow.h"

#include "GlobalConfig.h"
#include "SensorDpi.h"
#include "SettingsRecord.h"
#include "TarnSlider.h"
#include "UiContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 258;
constexpr int kSniperFunction = 55;
// Sensors without a listed sniper range offer their steps up to this resolution.
constexpr int kSniperMaxDpi = 1000;
// The record keeps the step in one byte.
constexpr int kMaxStoredStep = 255;

std::function<void(TarnSniperWindow&)>& ExecHook()
{
    static std::function<void(TarnSniperWindow&)> hook;
    return hook;
}

} // namespace

TarnSniperWindow::StepRange TarnSniperWindow::SniperStepRange(int sensor)
{
    switch (sensor) {
    case 3104:
    case 31042:
        return {true, 14, 26};
    case 3212: return {true, 16, 32};
    case 3325:
    case 33252:
    case 3327:
    case 3335:
    case 33352:
    case 3360:
        return {true, 1, 10};
    case 3333: return {true, 2, 10};
    case 3389: return {true, 2, 20};
    default: break;
    }
    const SensorRange range = SensorStepRange(sensor, false, ConfigCurrentProductName());
    if (!range.known)
        return {};
    int top = range.minStep;
    while (top < range.maxStep && top < kMaxStoredStep && StepToDpi(sensor, top + 1) <= kSniperMaxDpi)
        ++top;
    return {true, range.minStep, top};
}

TarnSniperWindow::TarnSniperWindow(const ButtonRecord& button, QWidget* parent)
    : TarnSniperWindow(ConfigMouseSensor(), button, parent)
{
}

TarnSniperWindow::TarnSniperWindow(int sensor, const ButtonRecord& button, QWidget* parent)
    : TarnSkinDialog(QObject::tr("Sniper Setting"), kWidth, kHeight, parent)
    , m_sensor(sensor)
{
    m_slider = new TarnSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sniperSlider"));
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    const StepRange range = SniperStepRange(sensor);
    if (range.known)
        m_slider->setRange(range.minStep, range.maxStep);

    m_dpiLabel = new QLabel(this);
    m_dpiLabel->setObjectName(QStringLiteral("sniperDpiLabel"));
    m_dpiLabel->setFont(InterfaceFont());
    m_dpiLabel->setStyleSheet(QStringLiteral("color:white;"));
    m_dpiLabel->setMinimumWidth(Scaled(56));
    m_dpiLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* caption = new QLabel(QObject::tr("DPI"), this);
    caption->setFont(InterfaceFont());
    caption->setStyleSheet(TextStyleSheet());

    auto* row = new QHBoxLayout;
    row->addWidget(m_slider, 1);
    row->addSpacing(Scaled(12));
    row->addWidget(m_dpiLabel);
    row->addSpacing(Scaled(4));
    row->addWidget(caption);

    contentLayout()->addStretch(1);
    contentLayout()->addLayout(row);
    contentLayout()->addStretch(1);

    connect(m_slider, &QSlider::valueChanged, this, &TarnSniperWindow::onSliderChanged);
    // The slider clamps a stored step that does not fit this sensor.
    m_slider->setValue(button.Fun == kSniperFunction ? button.Res1 : m_slider->minimum());
    onSliderChanged(m_slider->value());
}

TarnSniperWindow::~TarnSniperWindow() = default;

int TarnSniperWindow::step() const
{
    return m_slider->value();
}

int TarnSniperWindow::dpi() const
{
    return StepToDpi(m_sensor, step());
}

void TarnSniperWindow::onSliderChanged(int step)
{
    Q_UNUSED(step)
    // Without a table there is no resolution to show, rather than a false 0.
    const int value = dpi();
    m_dpiLabel->setText(value > 0 ? QString::number(value) : QString());
}

void TarnSniperWindow::StoreInto(ButtonRecord& button) const
{
    button.Fun = kSniperFunction;
    button.Res1 = quint8(qBound(0, step(), kMaxStoredStep));
}

int TarnSniperWindow::exec()
{
    const std::function<void(TarnSniperWindow&)> hook = ExecHook();
    return runExec(hook ? std::function<void()>([this, hook] { hook(*this); }) : std::function<void()>());
}

void TarnSniperWindow::SetExecHook(std::function<void(TarnSniperWindow&)> hook)
{
    ExecHook() = std::move(hook);
}
