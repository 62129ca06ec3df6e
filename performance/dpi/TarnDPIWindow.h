#pragma once

#include "ConfigPage.h"
#include "SettingsRecord.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class TarnLabel;
class TarnSingleDPI;
class TarnSlider;

// The DPI page: the level table and active level of the current profile, plus the
// lighting sleep time and "MOVE TO LIGHT OFF" for products without a lighting page.
// Every change is handed to the session as it is made.
class TarnDPIWindow : public ConfigPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnDPIWindow)

public:
    explicit TarnDPIWindow(QWidget* parent = nullptr);
    ~TarnDPIWindow() override;

    void refreshFrom(const SettingsRecord& settings) override;
    void retranslate() override;

    // Shows `level` as the active level; anything outside 0..7 is ignored.
    void selectLevel(int level);
    // The user made `level` the active level.
    void chooseLevel(int level);
    int activeLevel() const { return m_record.dpi; }
    const std::array<DpiLevel, kDpiLevelCount>& levels() const { return m_record.DPI_INFO; }

    int sensor() const { return m_sensor; }
    int levelCount() const { return m_levelCount; }
    // Places everything at the current scale factor and shows the first levelCount rows.
    void relayout();

    TarnSingleDPI* row(int level) const;
    TarnSlider* sleepSlider() const { return m_sleepSlider; }
    QCheckBox* offBox() const { return m_offBox; }
    QString minuteText() const;
    bool sleepControlsShown() const { return m_sleepShown; }

public slots:
    void onSliderChanged(int iX, int iY, quint8 iLevel);
    void onLinkChanged(quint8 bLink, quint8 iLevel);
    void onEnableChanged(quint8 bEnable, quint8 iLevel);
    void MouseinSignal(quint8 iLevel);
    void onRadioChanged();
    void checkbtn_clicked();
    void slider_clicked(int iValue);

private:
    void readDescriptor();
    void setSensor(int sensor);
    void highlightActive();
    void updateMinuteLabel();

    ProfileRecord m_record;
    int m_sensor = 3325;
    int m_levelCount = kDpiLevelCount;
    bool m_sleepShown = false;
    std::array<TarnSingleDPI*, kDpiLevelCount> m_rows{};
    QButtonGroup* m_levelGroup;
    TarnLabel* m_sleepCaption;
    TarnSlider* m_sleepSlider;
    QLabel* m_minuteLabel;
    QCheckBox* m_offBox;
};
