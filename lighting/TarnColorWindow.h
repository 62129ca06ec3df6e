#pragma once

#include "ConfigPage.h"
#include "LedEffects.h"

#include <array>

class DefaultColorArea;
class QCheckBox;
class QLabel;
class QPushButton;
class TarnMenu;
class TarnSlider;

// The lighting page: the effect with its brightness, speed and colour, the lighting
// sleep time and the "MOVE TO LIGHT OFF" switch of the active profile, which is what the
// mouse holds. Every change goes to the session as it is made.
class TarnColorWindow : public ConfigPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnColorWindow)

public:
    // How an effect shows its controls.
    using EffectInfo = LedEffectInfo;
    static constexpr int kEffectCount = 14;
    static constexpr int kMenuEntryCount = 10;

    explicit TarnColorWindow(QWidget* parent = nullptr);
    ~TarnColorWindow() override;

    // Effects 0..13; anything else is nullptr (an unknown effect).
    static const EffectInfo* Effect(int index);
    // The effects of the menu, in menu order.
    static const std::array<int, kMenuEntryCount>& MenuEffects();
    // The profile the page shows and the effect menu edits: the active one.
    static ProfileRecord& ShownProfileOf(SettingsRecord& settings);

    void refreshFrom(const SettingsRecord& settings) override;
    void retranslate() override { Retranslate(); }

    // Shows `profile` (which should lie in CurrentSettings()) and re-applies the captions.
    void SetProfile(ProfileRecord* profile);
    ProfileRecord* Profile() const { return m_profile; }
    void Retranslate();
    // Shows effect `index` and stores it as the effect of the profile the page edits.
    void ShowLightMode(int index);
    // Places every control at its design position times `scale`.
    void Relayout(double scale);

    // The effect the page shows: 0..13, or -1 for an unknown one.
    int shownEffect() const { return m_effect; }
    TarnMenu* effectMenu() const { return m_menu; }

public slots:
    void color_clicked();
    void checkbtn_clicked();
    void slotSliderMouseChange();

private slots:
    void onBrightChanged(int value);
    void onSpeedChanged(int value);
    void onSleepChanged(int value);
    void onEffectChosen(int iEffect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();
    void showEffect(int index);
    void loadEffectValues();
    void rebuildMenu();
    void updateSleepLabel();
    void applySleepRange();
    // The slot of the shown profile in CurrentSettings(), or -1.
    int shownSlot() const;

    ProfileRecord* m_profile = nullptr;
    int m_effect = -1;
    bool m_loading = false;       // controls are being filled from the record, not edited
    double m_scale = 1.0;

    QLabel* m_effectCaption = nullptr;
    QPushButton* m_effectButton = nullptr;
    TarnMenu* m_menu = nullptr;
    QLabel* m_brightCaption = nullptr;
    TarnSlider* m_brightSlider = nullptr;
    QLabel* m_speedCaption = nullptr;
    TarnSlider* m_speedSlider = nullptr;
    QLabel* m_colorCaption = nullptr;
    DefaultColorArea* m_swatch = nullptr;
    QLabel* m_sleepCaption = nullptr;
    TarnSlider* m_sleepSlider = nullptr;
    QLabel* m_sleepLabel = nullptr;
    QCheckBox* m_moveOffBox = nullptr;
};
