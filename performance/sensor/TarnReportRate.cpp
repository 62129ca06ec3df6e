#include "TarnReportRate.h"

#include "MouseSession.h"

#include "TarnAction.h"
#include "TarnMenu.h"
#include "TarnPushButton.h"
#include "UiContext.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <array>

namespace {

struct RateEntry
{
    int code;
    const char* text;
};

// Menu order: slowest first.
constexpr std::array<RateEntry, 4> kRates{{
    {8, QT_TRANSLATE_NOOP("QObject", "125 HZ")},
    {4, QT_TRANSLATE_NOOP("QObject", "250 HZ")},
    {2, QT_TRANSLATE_NOOP("QObject", "500 HZ")},
    {1, QT_TRANSLATE_NOOP("QObject", "1000 HZ")},
}};

QString Translated(const char* text) { return QCoreApplication::translate("QObject", text); }

} // namespace

TarnReportRate::TarnReportRate(QWidget* parent)
    : ConfigPage(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("rateTitle"));
    m_title->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));

    m_rateButton = new TarnPushButton(QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
                                      QStringLiteral("tabbutton-2.png"), this);
    m_rateButton->setObjectName(QStringLiteral("rateButton"));
    m_rateButton->setFocusPolicy(Qt::NoFocus);

    m_rateMenu = new TarnMenu(this);
    m_rateMenu->setObjectName(QStringLiteral("rateMenu"));
    for (const RateEntry& rate : kRates) {
        auto* action = new TarnAction(Translated(rate.text), rate.code, m_rateMenu);
        connect(action, &TarnAction::TriggeredSignal, this, &TarnReportRate::onRateChosen);
        m_rateMenu->addAction(action);
    }
    // popup(), not exec(): the page must not sit in a nested event loop.
    connect(m_rateButton, &QPushButton::clicked, this, [this] {
        m_rateMenu->popup(m_rateButton->mapToGlobal(QPoint(0, m_rateButton->height())));
    });

    m_liftBox = new QGroupBox(this);
    m_liftBox->setObjectName(QStringLiteral("liftBox"));
    m_lift1 = new QRadioButton(m_liftBox);
    m_lift2 = new QRadioButton(m_liftBox);
    m_lift1->setGeometry(ScaledRect(10, 20, 60, 20));
    m_lift2->setGeometry(ScaledRect(75, 20, 60, 20));
    m_liftGroup = new QButtonGroup(this);
    m_liftGroup->addButton(m_lift1, 0);
    m_liftGroup->addButton(m_lift2, 1);
    m_lift2->setChecked(true);
    connect(m_liftGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
            &TarnReportRate::onRadioChanged);

    retranslate();
    layoutControls();
}

TarnReportRate::~TarnReportRate() = default;

void TarnReportRate::layoutControls()
{
    m_title->setGeometry(ScaledRect(20, 20, 170, 20));
    m_rateButton->setGeometry(ScaledRect(20, 40, 152, 28));
    m_rateMenu->setFixedWidth(Scaled(150));
    // The lift is edited on the sensor page; hidden as well, so it takes no keyboard focus either.
    m_liftBox->setGeometry(QRect());
    m_liftBox->hide();
}

QString TarnReportRate::RateText(int code)
{
    for (const RateEntry& rate : kRates) {
        if (rate.code == code)
            return Translated(rate.text);
    }
    return QString();
}

void TarnReportRate::refresh(const ProfileRecord& record, quint8 lift)
{
    m_pollrate = record.pollrate;
    const QString text = RateText(m_pollrate);
    if (!text.isEmpty()) {
        m_rateButton->setText(text);
        m_shownRate = m_pollrate;
    }
    m_lift = (lift == 1 || lift == 2) ? lift : 2;
    (m_lift == 1 ? m_lift1 : m_lift2)->setChecked(true);
}

void TarnReportRate::refreshFrom(const SettingsRecord& settings) { refresh(settings.active(), settings.LiftHigh); }


void TarnReportRate::retranslate()
{
    const QFont font = InterfaceFont();
    m_title->setFont(font);
    m_title->setText(Translated(QT_TRANSLATE_NOOP("QObject", "REPORT RATE")));
    m_liftBox->setFont(font);
    m_liftBox->setTitle(Translated(QT_TRANSLATE_NOOP("QObject", "Lift off Distance")));
    m_lift1->setText(Translated(QT_TRANSLATE_NOOP("QObject", "1 mm")));
    m_lift2->setText(Translated(QT_TRANSLATE_NOOP("QObject", "2 mm")));
    const QList<QAction*> actions = m_rateMenu->actions();
    for (int i = 0; i < actions.size() && i < int(kRates.size()); ++i)
        actions.at(i)->setText(Translated(kRates[size_t(i)].text));
    m_rateMenu->setFont(font);
    if (m_shownRate >= 0)
        m_rateButton->setText(RateText(m_shownRate));
}

void TarnReportRate::onRateChosen(int iCode)
{
    const QString text = RateText(iCode);
    if (text.isEmpty())
        return;
    if (!MouseSession::instance().setReportRate(-1, quint8(iCode)).ok)
        return;
    m_pollrate = quint8(iCode);
    m_shownRate = iCode;
    m_rateButton->setText(text);
}

void TarnReportRate::onRadioChanged()
{
    const int id = m_liftGroup->checkedId();
    if (id < 0 || id > 1)
        return;
    m_lift = quint8(id + 1);
    emit RefreshLift(m_lift);
}
