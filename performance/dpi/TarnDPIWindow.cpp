#include "TarnDPIWindow.h"

#include "Descriptor.h"
#include "GlobalConfig.h"
#include "LedEffects.h"
#include "MouseSession.h"
#include "SensorDpi.h"
#include "TarnLabel.h"
#include "TarnSingleDPI.h"
#include "TarnSlider.h"
#include "UiContext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

TarnDPIWindow::TarnDPIWindow(QWidget* parent)
    : ConfigPage(parent)
    , m_levelGroup(new QButtonGroup(this))
    , m_sleepCaption(new TarnLabel(this))
    , m_sleepSlider(new TarnSlider(Qt::Horizontal, this))
    , m_minuteLabel(new QLabel(this))
    , m_offBox(new QCheckBox(this))
{
    m_levelGroup->setExclusive(true);
    for (int i = 0; i < kDpiLevelCount; ++i) {
        auto* row = new TarnSingleDPI(quint8(i), this);
        m_rows[i] = row;
        m_levelGroup->addButton(row->levelSelector(), i);
        connect(row, &TarnSingleDPI::DPISignal, this, &TarnDPIWindow::onSliderChanged);
        connect(row, &TarnSingleDPI::LinkSignal, this, &TarnDPIWindow::onLinkChanged);
        connect(row, &TarnSingleDPI::EnableSignal, this, &TarnDPIWindow::onEnableChanged);
        connect(row, &TarnSingleDPI::MouseinSignal, this, &TarnDPIWindow::MouseinSignal);
    }
    connect(m_levelGroup, &QButtonGroup::idClicked, this, &TarnDPIWindow::onRadioChanged);

    m_sleepSlider->setObjectName(QStringLiteral("sleepSlider"));
    m_sleepSlider->setSingleStep(1);
    m_sleepSlider->setPageStep(1);
    m_offBox->setObjectName(QStringLiteral("offBox"));
    m_offBox->setFocusPolicy(Qt::NoFocus);
    connect(m_sleepSlider, &QSlider::valueChanged, this, &TarnDPIWindow::slider_clicked);
    connect(m_offBox, &QCheckBox::clicked, this, &TarnDPIWindow::checkbtn_clicked);

    readDescriptor();
    setSensor(m_sensor);
    selectLevel(0);
    retranslate();
    relayout();
}

TarnDPIWindow::~TarnDPIWindow() = default;

TarnSingleDPI* TarnDPIWindow::row(int level) const
{
    return level >= 0 && level < kDpiLevelCount ? m_rows[level] : nullptr;
}

void TarnDPIWindow::readDescriptor()
{
    m_levelCount = EffectiveDpiLevelCount();
    m_sleepShown = DescriptorShowSleep() != 0 && DescriptorLedDisable() != 0;
    // The sleep time is one byte; a descriptor range beyond it or upside down is narrowed.
    const int low = qBound(0, DescriptorSleepMin(), 255);
    const int high = qBound(low, DescriptorSleepMax(), 255);
    const QSignalBlocker block(m_sleepSlider);
    m_sleepSlider->setRange(low, high);
}

void TarnDPIWindow::setSensor(int sensor)
{
    m_sensor = sensor;
    const SensorRange range =
        SensorStepRange(sensor, Descriptor33254() == 1, ConfigCurrentProductName());
    for (TarnSingleDPI* row : m_rows)
        row->setSensor(sensor, range);
}

void TarnDPIWindow::refreshFrom(const SettingsRecord& settings)
{
    readDescriptor();
    m_record = settings.active();
    SanitizeProfile(m_record);
    setSensor(ConfigMouseSensor());
    for (int i = 0; i < kDpiLevelCount; ++i)
        m_rows[i]->setLevelValues(m_record.DPI_INFO[i]);
    selectLevel(m_record.dpi);
    {
        const QSignalBlocker block(m_sleepSlider);
        m_sleepSlider->setValue(m_record.LedSleepTime);
    }
    updateMinuteLabel();
    m_offBox->setChecked(m_record.LedMoveOFF == kMoveOffOn);
    relayout();
}

void TarnDPIWindow::retranslate()
{
    m_sleepCaption->setText(QObject::tr("SLEEP TIME"));
    m_offBox->setText(QObject::tr("MOVE TO LIGHT OFF"));
    updateMinuteLabel();
    for (TarnSingleDPI* row : m_rows)
        row->retranslate();
}

void TarnDPIWindow::updateMinuteLabel()
{
    m_minuteLabel->setText(QString::number(m_sleepSlider->value()) + QObject::tr(" MINUTE"));
}

QString TarnDPIWindow::minuteText() const
{
    return m_minuteLabel->text();
}

void TarnDPIWindow::relayout()
{
    const QFont font = InterfaceFont();
    // The rows share the room above the sensor options, which begin at y 338 of this page:
    // up to five at the full pitch, seven and eight closer together.
    constexpr int kRowsTop = 43, kRowsBottom = 336, kFullPitch = 50;
    const int pitch = qMin(kFullPitch, (kRowsBottom - kRowsTop) / qMax(1, m_levelCount));
    for (int i = 0; i < kDpiLevelCount; ++i) {
        TarnSingleDPI* row = m_rows[i];
        if (i < m_levelCount) {
            row->setGeometry(ScaledRect(15, kRowsTop + pitch * i, 440, pitch - 2));
            row->relayout(pitch - 2);
            row->show();
        } else {
            row->setGeometry(QRect());
            row->hide();
        }
    }

    const QString text = QStringLiteral("color:rgb(255,255,255);background:transparent;");
    m_sleepCaption->setStyleSheet(QStringLiteral("QLabel{%1}").arg(text));
    m_minuteLabel->setStyleSheet(QStringLiteral("QLabel{%1}").arg(text));
    m_sleepSlider->setStyleSheet(TarnSlider::DefaultStyleSheet(Qt::Horizontal));
    m_offBox->setStyleSheet(QStringLiteral("QCheckBox{%1spacing:%2px;}"
                                           "QCheckBox::indicator{width:%3px;height:%3px;}"
                                           "QCheckBox::indicator:unchecked{border-image:url(\"%4\");}"
                                           "QCheckBox::indicator:checked{border-image:url(\"%5\");}")
                                .arg(text)
                                .arg(Scaled(4))
                                .arg(Scaled(20))
                                .arg(SkinPath(QStringLiteral("checkbox1-1.png")),
                                     SkinPath(QStringLiteral("checkbox1-2.png"))));
    for (QWidget* w : std::initializer_list<QWidget*>{m_sleepCaption, m_minuteLabel, m_offBox})
        w->setFont(font);

    const std::initializer_list<QWidget*> sleepControls{m_sleepCaption, m_sleepSlider, m_minuteLabel, m_offBox};
    if (m_sleepShown) {
        m_sleepCaption->setGeometry(ScaledRect(15, 10, 80, 24));
        m_sleepSlider->setGeometry(ScaledRect(97, 10, 120, 24));
        m_minuteLabel->setGeometry(ScaledRect(222, 10, 80, 24));
        m_offBox->setGeometry(ScaledRect(302, 10, 154, 24));
    } else {
        for (QWidget* w : sleepControls)
            w->setGeometry(QRect());
    }
    for (QWidget* w : sleepControls)
        w->setVisible(m_sleepShown);
    highlightActive();
}

void TarnDPIWindow::selectLevel(int level)
{
    if (level < 0 || level >= kDpiLevelCount)
        return;
    m_record.dpi = quint8(level);
    m_rows[level]->levelSelector()->setChecked(true);
    highlightActive();
}

void TarnDPIWindow::highlightActive()
{
    for (int i = 0; i < kDpiLevelCount; ++i)
        m_rows[i]->setHighlighted(i == m_record.dpi);
}

// Every gesture goes to the session at once, so a refresh (the mouse's own DPI button)
// loses nothing; m_record is what the page shows.
void TarnDPIWindow::onSliderChanged(int iX, int iY, quint8 iLevel)
{
    if (iLevel >= kDpiLevelCount)
        return;
    const quint32 x = quint32(qMax(0, iX));
    const quint32 y = quint32(qMax(0, iY));
    if (!MouseSession::instance().setDpiLevel(-1, iLevel, x, y).ok)
        return;
    DpiLevel& level = m_record.DPI_INFO[iLevel];
    level.x = x;
    level.y = y;
    if (x != y)
        level.link = 0;
}

void TarnDPIWindow::onLinkChanged(quint8 bLink, quint8 iLevel)
{
    if (iLevel >= kDpiLevelCount || !MouseSession::instance().setDpiLinked(-1, iLevel, bLink != 0).ok)
        return;
    DpiLevel& level = m_record.DPI_INFO[iLevel];
    level.link = bLink;
    // One slider again: Y takes X's value, as the mouse will.
    if (bLink && level.y != level.x) {
        level.y = level.x;
        m_rows[iLevel]->setLevelValues(level);
    }
}

void TarnDPIWindow::onEnableChanged(quint8 bEnable, quint8 iLevel)
{
    if (iLevel < kDpiLevelCount && MouseSession::instance().setDpiEnabled(-1, iLevel, bEnable != 0).ok)
        m_record.DPI_INFO[iLevel].used = bEnable;
}

void TarnDPIWindow::chooseLevel(int level)
{
    if (level >= 0 && level < kDpiLevelCount && MouseSession::instance().setActiveLevel(-1, level).ok)
        selectLevel(level);
}

void TarnDPIWindow::MouseinSignal(quint8 iLevel)
{
    chooseLevel(iLevel);
}

void TarnDPIWindow::onRadioChanged()
{
    chooseLevel(m_levelGroup->checkedId());
}

void TarnDPIWindow::checkbtn_clicked()
{
    if (MouseSession::instance().setMoveOff(-1, m_offBox->isChecked()).ok)
        m_record.LedMoveOFF = m_offBox->isChecked() ? kMoveOffOn : kMoveOffOff;
}

void TarnDPIWindow::slider_clicked(int iValue)
{
    const quint8 value = quint8(qBound(0, iValue, 255));
    if (MouseSession::instance().setSleepTime(-1, value).ok)
        m_record.LedSleepTime = value;
    updateMinuteLabel();
}
