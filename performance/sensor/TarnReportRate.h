#pragma once

#include "ConfigPage.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class TarnAction;
class TarnMenu;
class TarnPushButton;

// The report-rate page: the polling rate of the current profile, chosen from a menu.
// Its lift group is laid out empty; the lift is edited on the sensor page.
class TarnReportRate : public ConfigPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnReportRate)

public:
    explicit TarnReportRate(QWidget* parent = nullptr);
    ~TarnReportRate() override;

    // Takes the profile's rate and the global lift (anything but 1 or 2 becomes 2).
    void refresh(const ProfileRecord& record, quint8 lift);

    void refreshFrom(const SettingsRecord& settings) override;
    void retranslate() override;

    quint8 pollrate() const { return m_pollrate; }
    quint8 lift() const { return m_lift; }

    // "125 HZ" ... "1000 HZ" for the codes 8, 4, 2, 1, translated; empty for any other code.
    static QString RateText(int code);

    TarnPushButton* rateButton() const { return m_rateButton; }
    TarnMenu* rateMenu() const { return m_rateMenu; }
    QGroupBox* liftBox() const { return m_liftBox; }
    QButtonGroup* liftGroup() const { return m_liftGroup; }

signals:
    void RefreshLift(quint8 iLift);

public slots:
    void onRadioChanged();
    void onRateChosen(int iCode);

private:
    void layoutControls();

    quint8 m_pollrate = 0;
    quint8 m_lift = 2;
    int m_shownRate = -1;        // code whose text the button shows; -1 before any
    QLabel* m_title = nullptr;
    TarnPushButton* m_rateButton = nullptr;
    TarnMenu* m_rateMenu = nullptr;
    QGroupBox* m_liftBox = nullptr;
    QButtonGroup* m_liftGroup = nullptr;
    QRadioButton* m_lift1 = nullptr;
    QRadioButton* m_lift2 = nullptr;
};
