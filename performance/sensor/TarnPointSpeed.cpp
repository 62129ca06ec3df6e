#include "TarnPointSpeed.h"

#include "MouseSession.h"

#include "Descriptor.h"
#include "TarnPushButton.h"
#include "TarnSlider.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <array>

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("QObject", text); }

// Places of the controls at scale 1 in one arrangement; an empty rectangle hides the control.
struct ArrangementRects
{
    QRect keyLabel, keySlider, keyValue, mouseSetting;
    QRect syncBox, liftLabel, lift1, lift2, angleBox, jitterBox, wakeBox;
    QRect modeLabel, eco, standard, competitive;
};

// Every arrangement keeps key response, motion wake and sensor mode; only the options the
// mouse takes in that mode (lift, sync, angle snapping, jitter) come and go.
// The caption column is wide enough for the French captions.
const std::array<ArrangementRects, 3> kArrangements{{
    // SyncMode 0: the mouse takes the lift-off distance only.
    {QRect(0, 4, 120, 22), QRect(120, 4, 140, 22), QRect(265, 4, 36, 22), QRect(406, 3, 100, 24),
     QRect(), QRect(0, 28, 120, 22), QRect(120, 28, 60, 22), QRect(180, 28, 60, 22), QRect(), QRect(),
     QRect(245, 28, 170, 22),
     QRect(0, 52, 120, 22), QRect(120, 52, 60, 22), QRect(180, 52, 90, 22), QRect(270, 52, 115, 22)},
    // SyncMode 1: the mouse takes sync only.
    {QRect(0, 4, 120, 22), QRect(120, 4, 140, 22), QRect(265, 4, 36, 22), QRect(406, 3, 100, 24),
     QRect(0, 28, 180, 22), QRect(), QRect(), QRect(), QRect(), QRect(),
     QRect(245, 28, 170, 22),
     QRect(0, 52, 120, 22), QRect(120, 52, 60, 22), QRect(180, 52, 90, 22), QRect(270, 52, 115, 22)},
    // Any other SyncMode: lift with the jitter, angle-snapping and sync flags.
    {QRect(0, 4, 120, 22), QRect(120, 4, 128, 22), QRect(252, 4, 36, 22), QRect(406, 3, 100, 24),
     QRect(292, 4, 112, 22), QRect(0, 28, 120, 22), QRect(120, 28, 60, 22), QRect(180, 28, 60, 22),
     QRect(240, 28, 150, 22), QRect(390, 28, 116, 22),
     QRect(358, 52, 148, 22),
     QRect(0, 52, 120, 22), QRect(120, 52, 52, 22), QRect(172, 52, 84, 22), QRect(256, 52, 102, 22)},
}};

void Place(QWidget* widget, const QRect& rect)
{
    if (rect.isEmpty()) {
        // Hidden too, so an unplaced control cannot take keyboard focus and change a value unseen.
        widget->setGeometry(QRect());
        widget->hide();
        return;
    }
    widget->setGeometry(ScaledRect(rect.x(), rect.y(), rect.width(), rect.height()));
    widget->show();
}

} // namespace

TarnPointSpeed::TarnPointSpeed(QWidget* parent)
    : ConfigPage(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);

    m_keyLabel = makeLabel("keyResponseLabel");
    m_keySlider = new TarnSlider(Qt::Horizontal, this);
    m_keySlider->setObjectName(QStringLiteral("keyResponseSlider"));
    m_keySlider->setRange(1, 255);
    m_keySlider->setSingleStep(1);
    m_keySlider->setPageStep(1);
    m_keySlider->setFocusPolicy(Qt::NoFocus);
    connect(m_keySlider, &QSlider::valueChanged, this, &TarnPointSpeed::onKeyResponseChanged);
    m_keyValue = makeLabel("keyResponseValue");

    m_syncBox = makeBox("syncBox");
    m_liftLabel = makeLabel("liftLabel");
    m_lift1 = makeBox("lift1Box");
    m_lift2 = makeBox("lift2Box");
    m_angleBox = makeBox("angleBox");
    m_jitterBox = makeBox("jitterBox");
    m_wakeBox = makeBox("wakeBox");
    m_modeLabel = makeLabel("sensorModeLabel");
    m_modeBoxes = {makeBox("ecoBox"), makeBox("standardBox"), makeBox("competitiveBox")};

    m_mouseSetting = new TarnPushButton(QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
                                        QStringLiteral("tabbutton-2.png"), this);
    m_mouseSetting->setObjectName(QStringLiteral("mouseSettingButton"));
    m_mouseSetting->setFocusPolicy(Qt::NoFocus);
    connect(m_mouseSetting, &QPushButton::clicked, this, &TarnPointSpeed::btn_clicked);

    m_wheelLines = new QSpinBox(this);
    m_wheelLines->setObjectName(QStringLiteral("wheelLinesBox"));
    m_wheelLines->setRange(1, 20);
    connect(m_wheelLines, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnPointSpeed::sValueChangedSlot);
    m_wheelLines->setGeometry(QRect());
    m_wheelLines->hide();

    retranslate();
    applyArrangement(ArrangementFor(DescriptorSyncMode()));
    showValues();
}

TarnPointSpeed::~TarnPointSpeed() = default;

QCheckBox* TarnPointSpeed::makeBox(const char* objectName)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(QLatin1String(objectName));
    box->setFocusPolicy(Qt::NoFocus);
    box->setStyleSheet(CheckBoxStyleSheet());
    connect(box, &QCheckBox::clicked, this, &TarnPointSpeed::checkbtn_clicked);
    return box;
}

QLabel* TarnPointSpeed::makeLabel(const char* objectName)
{
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(objectName));
    label->setStyleSheet(QStringLiteral("color: rgb(200,200,200); background: transparent;"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QString TarnPointSpeed::CheckBoxStyleSheet()
{
    return QStringLiteral("QCheckBox{color:rgb(200,200,200);background:transparent;spacing:%1px;}"
                          "QCheckBox::indicator{width:%2px;height:%2px;}"
                          "QCheckBox::indicator:unchecked{image:url(\"%3\");}"
                          "QCheckBox::indicator:checked{image:url(\"%4\");}")
        .arg(qMax(1, Scaled(5)))
        .arg(qMax(8, Scaled(16)))
        .arg(SkinPath(QStringLiteral("checkbox1-1.png")), SkinPath(QStringLiteral("checkbox1-2.png")));
}

TarnPointSpeed::Arrangement TarnPointSpeed::ArrangementFor(int syncMode)
{
    if (syncMode == 0)
        return LiftOnly;
    if (syncMode == 1)
        return SyncOnly;
    return AllFlags;
}

void TarnPointSpeed::applyArrangement(Arrangement arrangement)
{
    m_arrangement = arrangement;
    const ArrangementRects& r = kArrangements[size_t(arrangement)];
    Place(m_keyLabel, r.keyLabel);
    Place(m_keySlider, r.keySlider);
    Place(m_keyValue, r.keyValue);
    Place(m_mouseSetting, r.mouseSetting);
    Place(m_syncBox, r.syncBox);
    Place(m_liftLabel, r.liftLabel);
    Place(m_lift1, r.lift1);
    Place(m_lift2, r.lift2);
    Place(m_angleBox, r.angleBox);
    Place(m_jitterBox, r.jitterBox);
    Place(m_wakeBox, r.wakeBox);
    Place(m_modeLabel, r.modeLabel);
    Place(m_modeBoxes[0], r.eco);
    Place(m_modeBoxes[1], r.standard);
    Place(m_modeBoxes[2], r.competitive);
}

void TarnPointSpeed::refresh(const ProfileRecord& record, quint8 sync, quint8 lift, quint8 angle, quint8 jitter,
                             quint8 debounce, quint8 wake, quint8 sensorMode)
{
    m_mousespeed = record.mousespeed;
    m_scrollspeed = record.scrollspeed;
    {
        // Showing a stored value is no edit: an out-of-range one must not be rewritten here.
        const QSignalBlocker blocker(m_wheelLines);
        m_wheelLines->setValue(record.scrollspeed);
    }
    m_wheelLines->setFont(InterfaceFont());
    m_sync = sync;
    // "2mm" stands for every lift but 1, so that is what Apply sends as well.
    m_lift = lift == 1 ? 1 : 2;
    m_angle = angle;
    m_jitter = jitter;
    m_debounce = debounce;
    m_wake = wake;
    m_sensorMode = sensorMode;
    showValues();
}

void TarnPointSpeed::refreshFrom(const SettingsRecord& settings)
{
    applyArrangement(ArrangementFor(DescriptorSyncMode()));
    refresh(settings.active(), settings.Sync, settings.LiftHigh, settings.AngleValue, settings.Jitter,
            settings.Debounce, settings.Wake, settings.SensorMode);
}

void TarnPointSpeed::storeEdits()
{
    SensorOptions options;
    options.Sync = m_sync;
    options.LiftHigh = m_lift;
    options.AngleValue = m_angle;
    options.Jitter = m_jitter;
    options.Debounce = m_debounce;
    options.Wake = m_wake;
    options.SensorMode = m_sensorMode;
    MouseSession& session = MouseSession::instance();
    // What this arrangement does not show keeps its stored value.
    const SensorOptions stored = MouseSession::OptionsOf(session.current());
    if (m_syncBox->isHidden())
        options.Sync = stored.Sync;
    if (m_lift1->isHidden())
        options.LiftHigh = stored.LiftHigh;
    if (m_angleBox->isHidden())
        options.AngleValue = stored.AngleValue;
    if (m_jitterBox->isHidden())
        options.Jitter = stored.Jitter;
    session.setSensorOptions(options);
    session.setPointerSpeed(-1, m_mousespeed, m_scrollspeed);
}

void TarnPointSpeed::showValues()
{
    {
        const QSignalBlocker blocker(m_keySlider);
        m_keySlider->setValue(m_debounce);
    }
    // The number is the one Apply sends, even where the slider can only show its nearest end.
    m_keyValue->setText(QStringLiteral("%1").arg(m_debounce));
    m_syncBox->setChecked(m_sync != 0);
    m_lift1->setChecked(m_lift == 1);
    m_lift2->setChecked(m_lift != 1);
    // These three store 0 for "on".
    m_angleBox->setChecked(m_angle == 0);
    m_jitterBox->setChecked(m_jitter == 0);
    m_wakeBox->setChecked(m_wake == 0);
    if (m_sensorMode < m_modeBoxes.size())
        setBoxes(m_modeBoxes, m_sensorMode);
}

void TarnPointSpeed::setBoxes(const QVector<QCheckBox*>& boxes, int checkedIndex)
{
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(i == checkedIndex);
}

void TarnPointSpeed::retranslate()
{
    const QFont font = InterfaceFont();
    const std::array<std::pair<QWidget*, const char*>, 13> texts{{
        {m_keyLabel, QT_TRANSLATE_NOOP("QObject", "Key Response")},
        {m_syncBox, QT_TRANSLATE_NOOP("QObject", "Enable sync")},
        {m_liftLabel, QT_TRANSLATE_NOOP("QObject", "Lift Distance")},
        {m_lift1, QT_TRANSLATE_NOOP("QObject", "1mm")},
        {m_lift2, QT_TRANSLATE_NOOP("QObject", "2mm")},
        {m_angleBox, QT_TRANSLATE_NOOP("QObject", "Angle Snapping")},
        {m_jitterBox, QT_TRANSLATE_NOOP("QObject", "Jitter")},
        {m_wakeBox, QT_TRANSLATE_NOOP("QObject", "Motion Wake")},
        {m_modeLabel, QT_TRANSLATE_NOOP("QObject", "Sensor Mode")},
        {m_modeBoxes[0], QT_TRANSLATE_NOOP("QObject", "Eco")},
        {m_modeBoxes[1], QT_TRANSLATE_NOOP("QObject", "Standard")},
        {m_modeBoxes[2], QT_TRANSLATE_NOOP("QObject", "Competitive")},
        {m_mouseSetting, QT_TRANSLATE_NOOP("QObject", "Mouse Setting")},
    }};
    for (const auto& entry : texts) {
        entry.first->setFont(font);
        if (auto* label = qobject_cast<QLabel*>(entry.first))
            label->setText(Translated(entry.second));
        else if (auto* button = qobject_cast<QAbstractButton*>(entry.first))
            button->setText(Translated(entry.second));
    }
    m_keyValue->setFont(font);
    m_wheelLines->setFont(font);
}

void TarnPointSpeed::onKeyResponseChanged(int value)
{
    m_debounce = quint8(qBound(1, value, 255));
    m_keyValue->setText(QStringLiteral("%1").arg(m_debounce));
    storeEdits();
}

void TarnPointSpeed::sValueChangedSlot(int s)
{
    m_scrollspeed = quint8(qBound(1, s, 20));
    storeEdits();
}

void TarnPointSpeed::checkbtn_clicked()
{
    auto* box = qobject_cast<QCheckBox*>(sender());
    if (!box)
        return;
    const quint8 offValue = box->isChecked() ? 0 : 1;
    if (box == m_syncBox)
        m_sync = box->isChecked() ? 1 : 0;
    else if (box == m_lift1)
        m_lift = 1;
    else if (box == m_lift2)
        m_lift = 2;
    else if (box == m_angleBox)
        m_angle = offValue;
    else if (box == m_jitterBox)
        m_jitter = offValue;
    else if (box == m_wakeBox)
        m_wake = offValue;
    else if (m_modeBoxes.contains(box))
        m_sensorMode = quint8(m_modeBoxes.indexOf(box));
    // Clicking the checked one of a pair or trio unticks it; put the one-of state back.
    showValues();
    storeEdits();
}

void TarnPointSpeed::btn_clicked() { m_launcher.open(this); }
