#pragma once

#include "ConfigPage.h"

#include <array>

class DefaultColorArea;
class QCheckBox;
class QLabel;
class QPushButton;
class TarnMenu;
class TarnSlider;

// The lighting page: the effect with its brightness, speed and colour, the lighting
// sleep time and the "MOVE TO LIGHT OFF" switch. It edits CurrentSettings() in place.
//
// The mouse takes colours, brightness, speed, sleep time and move-off from profile 0 and
// the effect from the active profile, while the change check looks at each profile's own
// effect entry; so the effect goes into the shown profile and every other edit into both
// the shown profile and profile 0, and a write never drops an edit.
class TarnColorWindow : public ConfigPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnColorWindow)

public:
    // How an effect shows its controls.
    struct EffectInfo
    {
        const char* name;       // translatable, context "QObject"
        bool brightness;
        bool speed;
        bool color;
        bool inMenu;
    };
    static constexpr int kEffectCount = 14;
    static constexpr int kMenuEntryCount = 10;

    explicit TarnColorWindow(QWidget* parent = nullptr);
    ~TarnColorWindow() override;

    // Effects 0..13; anything else is nullptr (an unknown effect).
    static const EffectInfo* Effect(int index);
    // The effects of the menu, in menu order.
    static const std::array<int, kMenuEntryCount>& MenuEffects();
    // The profile the page shows and the effect menu edits: profile 0 for the product
    // "7346", otherwise the active profile.
    static ProfileRecord& ShownProfileOf(SettingsRecord& settings);

    void refreshFrom(const SettingsRecord& settings) override;
    void collectInto(SettingsRecord&) override {}
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
    // The shown profile and, when it is another one, profile 0 of the same record.
    std::array<ProfileRecord*, 2> editTargets() const;
    template <typename Edit> void editBoth(Edit edit);

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
