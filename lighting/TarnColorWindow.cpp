#include "TarnColorWindow.h"

#include "DefaultColorArea.h"
#include "Descriptor.h"
#include "GlobalConfig.h"
#include "MouseSession.h"
#include "TarnAction.h"
#include "TarnColorArea.h"
#include "TarnMenu.h"
#include "TarnSlider.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kBrightMin = 1;
constexpr int kBrightMax = 3;
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 5;
constexpr int kSleepFallbackMin = 1;
constexpr int kSleepFallbackMax = 9;

// name, brightness, speed, colour, in the menu

const char* const kUnknownEffectName = QT_TRANSLATE_NOOP("QObject", "UNKNOWN");

// Design positions at scale 1.0 inside the 664 x 199 page.
constexpr int kCaptionX = 24;
constexpr int kControlX = 160;
constexpr int kControlWidth = 220;
constexpr int kEffectRowY = 20;
constexpr int kBrightRowY = 76;
constexpr int kSpeedRowY = 132;
constexpr int kColorRowY = 164;     // only if an effect ever showed speed and colour together
constexpr int kRowHeight = 30;
constexpr int kRightX = 424;
constexpr int kSeparatorX = 404;

QString CaptionStyle()
{
    return QStringLiteral("color: rgb(205,205,205); background: transparent;");
}

QString EffectButtonStyle()
{
    return QStringLiteral("QPushButton{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 rgb(56,58,62),"
                          "stop:1 rgb(32,33,36));color:white;border:1px solid rgb(92,94,98);border-radius:3px;"
                          "padding:0px %2px;}"
                          "QPushButton:hover{border:1px solid %1;}"
                          "QPushButton:pressed{border:1px solid %1;background:rgb(28,28,30);}"
                          "QPushButton::menu-indicator{subcontrol-origin:padding;subcontrol-position:right center;"
                          "right:%2px;}")
        .arg(AccentCss())
        .arg(qMax(2, Scaled(10)));
}

QString CheckBoxStyle()
{
    const int size = qMax(8, Scaled(16));
    const QString off = SkinPath(QStringLiteral("checkbox1-1.png"));
    const QString on = SkinPath(QStringLiteral("checkbox1-2.png"));
    if (QFile::exists(off) && QFile::exists(on)) {
        return QStringLiteral("QCheckBox{color:rgb(205,205,205);background:transparent;spacing:%1px;}"
                              "QCheckBox::indicator{width:%2px;height:%2px;}"
                              "QCheckBox::indicator:unchecked{image:url(%3);}"
                              "QCheckBox::indicator:checked{image:url(%4);}")
            .arg(Scaled(8)).arg(size).arg(off, on);
    }
    // Without the skin pictures: a dark box, filled with the accent colour when checked.
    return QStringLiteral("QCheckBox{color:rgb(205,205,205);background:transparent;spacing:%1px;}"
                          "QCheckBox::indicator{width:%2px;height:%2px;border:1px solid rgb(100,106,115);"
                          "border-radius:3px;background:rgb(28,30,33);}"
                          "QCheckBox::indicator:checked{background:%3;border:1px solid %3;}")
        .arg(Scaled(8)).arg(size).arg(AccentCss());
}

} // namespace

TarnColorWindow::TarnColorWindow(QWidget* parent)
    : ConfigPage(parent)
{
    m_effectCaption = new QLabel(this);
    m_effectCaption->setObjectName(QStringLiteral("effectCaption"));
    m_effectButton = new QPushButton(this);
    m_effectButton->setObjectName(QStringLiteral("effectButton"));
    m_effectButton->setCursor(Qt::PointingHandCursor);
    m_menu = new TarnMenu(this);
    m_menu->setObjectName(QStringLiteral("effectMenu"));
    m_effectButton->setMenu(m_menu);

    m_brightCaption = new QLabel(this);
    m_brightCaption->setObjectName(QStringLiteral("brightCaption"));
    m_brightSlider = new TarnSlider(Qt::Horizontal, this);
    m_brightSlider->setObjectName(QStringLiteral("brightSlider"));
    m_brightSlider->setRange(kBrightMin, kBrightMax);

    m_speedCaption = new QLabel(this);
    m_speedCaption->setObjectName(QStringLiteral("speedCaption"));
    m_speedSlider = new TarnSlider(Qt::Horizontal, this);
    m_speedSlider->setObjectName(QStringLiteral("speedSlider"));
    m_speedSlider->setRange(kSpeedMin, kSpeedMax);

    m_colorCaption = new QLabel(this);
    m_colorCaption->setObjectName(QStringLiteral("colorCaption"));
    m_swatch = new DefaultColorArea(this);
    m_swatch->setObjectName(QStringLiteral("colorSwatch"));

    m_sleepCaption = new QLabel(this);
    m_sleepCaption->setObjectName(QStringLiteral("sleepCaption"));
    m_sleepSlider = new TarnSlider(Qt::Horizontal, this);
    m_sleepSlider->setObjectName(QStringLiteral("sleepSlider"));
    m_sleepLabel = new QLabel(this);
    m_sleepLabel->setObjectName(QStringLiteral("sleepLabel"));
    m_moveOffBox = new QCheckBox(this);
    m_moveOffBox->setObjectName(QStringLiteral("moveOffBox"));
    m_moveOffBox->setCursor(Qt::PointingHandCursor);

    for (TarnSlider* slider : {m_brightSlider, m_speedSlider, m_sleepSlider}) {
        slider->setSingleStep(1);
        slider->setPageStep(1);
        connect(slider, &TarnSlider::SliderMouseChangeSignal, this, &TarnColorWindow::slotSliderMouseChange);
    }
    connect(m_brightSlider, &QSlider::valueChanged, this, &TarnColorWindow::onBrightChanged);
    connect(m_speedSlider, &QSlider::valueChanged, this, &TarnColorWindow::onSpeedChanged);
    connect(m_sleepSlider, &QSlider::valueChanged, this, &TarnColorWindow::onSleepChanged);
    connect(m_swatch, &DefaultColorArea::ClickedSignal, this, &TarnColorWindow::color_clicked);
    connect(m_moveOffBox, &QCheckBox::clicked, this, &TarnColorWindow::checkbtn_clicked);

    m_profile = &ShownProfileOf(CurrentSettings());
    Relayout(UiScale());
    refresh();
    Retranslate();
}

TarnColorWindow::~TarnColorWindow() = default;

const TarnColorWindow::EffectInfo* TarnColorWindow::Effect(int index)
{
    return LedEffect(index);
}

const std::array<int, TarnColorWindow::kMenuEntryCount>& TarnColorWindow::MenuEffects()
{
    static const std::array<int, kMenuEntryCount> effects = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
    return effects;
}

ProfileRecord& TarnColorWindow::ShownProfileOf(SettingsRecord& settings)
{
    return settings.active();
}

void TarnColorWindow::refreshFrom(const SettingsRecord&)
{
    // The page edits CurrentSettings() in place, so it shows the profile there.
    SetProfile(&ShownProfileOf(CurrentSettings()));
}

void TarnColorWindow::SetProfile(ProfileRecord* profile)
{
    m_profile = profile ? profile : &ShownProfileOf(CurrentSettings());
    refresh();
    Retranslate();
}

int TarnColorWindow::shownSlot() const
{
    SettingsRecord& settings = CurrentSettings();
    for (int i = 0; i < kProfileCount; ++i)
        if (&settings.profiles[i] == m_profile)
            return i;
    return -1;
}

void TarnColorWindow::applySleepRange()
{
    int low = DescriptorSleepMin();
    int high = DescriptorSleepMax();
    // The byte holds 0..255; a range that cannot be shown falls back to the usual one.
    if (low < 0 || high > 255 || low > high) {
        low = kSleepFallbackMin;
        high = kSleepFallbackMax;
    }
    m_sleepSlider->setRange(low, high);
}

void TarnColorWindow::refresh()
{
    m_loading = true;
    applySleepRange();
    showEffect(m_profile->LedMode);
    loadEffectValues();
    m_sleepSlider->setValue(m_profile->LedSleepTime);
    updateSleepLabel();
    m_moveOffBox->setChecked(m_profile->LedMoveOFF == 0);
    rebuildMenu();
    m_loading = false;
}

void TarnColorWindow::loadEffectValues()
{
    const bool wasLoading = m_loading;
    m_loading = true;
    if (m_effect >= 0) {
        const LedModeRecord& entry = m_profile->LedModes[m_effect];
        m_brightSlider->setValue(entry.bright);
        m_speedSlider->setValue(entry.breath);
        m_swatch->setColor(ToQColor(entry.RGB));
    }
    m_loading = wasLoading;
}

void TarnColorWindow::showEffect(int index)
{
    const EffectInfo* info = Effect(index);
    m_effect = info ? index : -1;
    m_effectButton->setText(QObject::tr(info ? info->name : kUnknownEffectName));

    const bool bright = info && info->brightness;
    const bool speed = info && info->speed;
    const bool color = info && info->color;
    m_brightCaption->setVisible(bright);
    m_brightSlider->setVisible(bright);
    m_speedCaption->setVisible(speed);
    m_speedSlider->setVisible(speed);
    m_colorCaption->setVisible(color);
    m_swatch->setVisible(color);

    // Without brightness the speed row moves up into the brightness row.
    const int speedY = speed && !bright ? kBrightRowY : kSpeedRowY;
    auto at = [this](int x, int y, int w, int h) {
        return QRect(int(x * m_scale), int(y * m_scale), int(w * m_scale), int(h * m_scale));
    };
    m_speedCaption->setGeometry(at(kCaptionX, speedY, kControlX - kCaptionX, kRowHeight));
    m_speedSlider->setGeometry(at(kControlX, speedY, kControlWidth, kRowHeight));
    // The colour takes the speed row when the speed slider left it, so no gap opens above it.
    const int colorY = speed && speedY == kSpeedRowY ? kColorRowY : kSpeedRowY;
    m_colorCaption->setGeometry(at(kCaptionX, colorY, kControlX - kCaptionX, kRowHeight));
    m_swatch->setGeometry(at(kControlX, colorY + 3, 64, kRowHeight - 6));
}

void TarnColorWindow::ShowLightMode(int index)
{
    ProfileRecord& target = ShownProfileOf(CurrentSettings());
    if (&target != m_profile) {
        // The rule picked another profile since the last refresh: show the one being edited.
        m_profile = &target;
        refresh();
    }
    showEffect(index);
    if (m_effect < 0)
        return;
    MouseSession::instance().setLedEffect(shownSlot(), m_effect);
    loadEffectValues();
}

void TarnColorWindow::onEffectChosen(int iEffect)
{
    ShowLightMode(iEffect);
}

void TarnColorWindow::rebuildMenu()
{
    // An action may be the one whose signal is running right now: delete it later, not here.
    for (QAction* old : m_menu->actions()) {
        m_menu->removeAction(old);
        old->deleteLater();
    }
    m_menu->setFont(InterfaceFont());
    for (int effect : MenuEffects()) {
        auto* action = new TarnAction(QObject::tr(LedEffect(effect)->name), effect, m_menu);
        connect(action, &TarnAction::TriggeredSignal, this, &TarnColorWindow::onEffectChosen);
        m_menu->addAction(action);
    }
    m_menu->setMinimumWidth(m_effectButton->width());
}

void TarnColorWindow::updateSleepLabel()
{
    m_sleepLabel->setText(QString::number(m_sleepSlider->value()) + QObject::tr(" MINUTE"));
}

void TarnColorWindow::Retranslate()
{
    QFont font = InterfaceFont();
    QFont bold = font;
    bold.setBold(true);
    for (QLabel* caption : {m_effectCaption, m_brightCaption, m_speedCaption, m_colorCaption, m_sleepCaption}) {
        caption->setFont(bold);
        caption->setStyleSheet(CaptionStyle());
    }
    m_sleepLabel->setFont(font);
    m_sleepLabel->setStyleSheet(CaptionStyle());
    m_effectButton->setFont(font);
    m_effectButton->setStyleSheet(EffectButtonStyle());
    m_moveOffBox->setFont(bold);
    m_moveOffBox->setStyleSheet(CheckBoxStyle());

    m_effectCaption->setText(QObject::tr("EFFECT"));
    m_brightCaption->setText(QObject::tr("BRIGHTNESS"));
    m_speedCaption->setText(QObject::tr("SPEED"));
    m_colorCaption->setText(QObject::tr("COLOR"));
    m_sleepCaption->setText(QObject::tr("SLEEP TIME"));
    m_moveOffBox->setText(QObject::tr("MOVE TO LIGHT OFF"));
    updateSleepLabel();
    rebuildMenu();
    showEffect(m_profile->LedMode);
}

void TarnColorWindow::Relayout(double scale)
{
    m_scale = scale > 0.0 ? scale : 1.0;
    auto at = [this](int x, int y, int w, int h) {
        return QRect(int(x * m_scale), int(y * m_scale), int(w * m_scale), int(h * m_scale));
    };
    const int captionWidth = kControlX - kCaptionX;
    m_effectCaption->setGeometry(at(kCaptionX, kEffectRowY, captionWidth, kRowHeight));
    m_effectButton->setGeometry(at(kControlX, kEffectRowY, kControlWidth, kRowHeight));
    m_brightCaption->setGeometry(at(kCaptionX, kBrightRowY, captionWidth, kRowHeight));
    m_brightSlider->setGeometry(at(kControlX, kBrightRowY, kControlWidth, kRowHeight));
    if (DescriptorShowSleep()) {
        m_sleepCaption->setGeometry(at(kRightX, kEffectRowY, 220, kRowHeight));
        m_sleepSlider->setGeometry(at(kRightX, kBrightRowY, 140, kRowHeight));
        m_sleepLabel->setGeometry(at(kRightX + 152, kBrightRowY, 84, kRowHeight));
        m_moveOffBox->setGeometry(at(kRightX, kSpeedRowY, 230, kRowHeight));
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{m_sleepCaption, m_sleepSlider, m_sleepLabel, m_moveOffBox})
            w->setGeometry(QRect());
    }
    showEffect(m_profile ? m_profile->LedMode : 0);
    update();
}

void TarnColorWindow::onBrightChanged(int value)
{
    const int e = m_effect;
    if (m_loading || e < 0)
        return;
    if (m_profile->LedMode == e)
        MouseSession::instance().setLedBrightness(shownSlot(), value);
}

void TarnColorWindow::onSpeedChanged(int value)
{
    const int e = m_effect;
    if (m_loading || e < 0)
        return;
    if (m_profile->LedMode == e)
        MouseSession::instance().setLedSpeed(shownSlot(), value);
}

void TarnColorWindow::onSleepChanged(int value)
{
    updateSleepLabel();
    if (m_loading)
        return;
    MouseSession::instance().setSleepTime(shownSlot(), value);
}

void TarnColorWindow::checkbtn_clicked()
{
    if (sender() != m_moveOffBox)
        return;
    MouseSession::instance().setMoveOff(shownSlot(), m_moveOffBox->isChecked());
}

void TarnColorWindow::slotSliderMouseChange()
{
}

void TarnColorWindow::color_clicked()
{
    const int e = m_effect;
    if (e < 0)
        return;
    TarnColorArea dialog(this);
    const QColor start = ToQColor(m_profile->LedModes[e].RGB);
    dialog.SetColor(start.isValid() ? start : QColor(Qt::black));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.color();
    const StoredColor stored = FromQColor(chosen);
    const int h = dialog.hue();
    const int s = dialog.saturation();
    const int v = dialog.value();
    // Only for the effect the dialog was opened for: a refresh may have come in meanwhile.
    if (m_effect != e || m_profile->LedMode != e)
        return;
    if (MouseSession::instance().setLedColor(shownSlot(), stored, h, s, v).ok)
        m_swatch->setColor(chosen);
}

void TarnColorWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(62, 62, 66), 1));
    painter.setBrush(QColor(18, 18, 20, 200));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    if (DescriptorShowSleep()) {
        const int x = int(kSeparatorX * m_scale);
        painter.setPen(QPen(QColor(52, 52, 56), 1));
        painter.drawLine(x, int(14 * m_scale), x, height() - int(14 * m_scale));
    }
}
